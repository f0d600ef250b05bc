#!/usr/bin/env bash
# Runs the hook through pre-commit over the files staged in a scratch
# repository, offline, with pre-commit's and git's settings kept in the
# scratch folder.
# shellcheck source=tests/adoption/test-helpers.sh
source "$(dirname "$0")/test-helpers.sh"
command -v pre-commit >/dev/null || skip "pre-commit is not installed (Debian package pre-commit)"
git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1 ||
  skip "the source folder is not a git checkout, which pre-commit try-repo needs"
require_check_option

export HOME=$scratch/home PRE_COMMIT_HOME=$scratch/pre-commit XDG_CACHE_HOME=$scratch/cache
export TMPDIR=$scratch/tmp
mkdir -p "$HOME" "$TMPDIR"
PATH="$(dirname "$cli"):$PATH"
git config --global user.name "Quillory tests"
git config --global user.email "tests@quillory.invalid"
git config --global init.defaultBranch main

pre-commit validate-manifest "$source_dir/.pre-commit-hooks.yaml" >/dev/null ||
  fail "pre-commit rejects .pre-commit-hooks.yaml"

# Stages the given files of a fresh copy of the documents, with eight more
# clean ones, and runs the hook; sets $status and $hook_output.
run_hook() {
  local repository
  repository=$(mktemp -d "$scratch/repository.XXXX")
  write_documents "$repository"
  for n in 1 2 3 4 5 6 7 8; do
    cp "$repository/docs/clean.md" "$repository/docs/clean-$n.md"
  done
  git -C "$repository" init -q
  git -C "$repository" add .quillory.toml "$@"
  status=0
  hook_output=$(cd "$repository" && pre-commit try-repo "$source_dir" quillory 2>&1) || status=$?
}

run_hook docs/long.md
[ "$status" -ne 0 ] || fail "a staged sentence over the limit passed: $hook_output"
expect_contains "$hook_output" "$long_sentence_finding" "one staged file"
one_file_findings=$(grep -E '^[^ ]+:[0-9]+:[0-9]+: ' <<<"$hook_output")

run_hook docs/clean.md
[ "$status" -eq 0 ] || fail "a clean staged file failed: $hook_output"

run_hook docs/clean.md generated/long.md
[ "$status" -eq 0 ] || fail "a staged file under exclude was checked: $hook_output"
expect_lacks "$hook_output" "generated/long.md:5:1:" "a staged file under exclude"

# Ten staged files give the one file's finding, word for word, and no other.
run_hook docs
[ "$status" -ne 0 ] || fail "ten staged files with a sentence over the limit passed: $hook_output"
ten_file_findings=$(grep -E '^[^ ]+:[0-9]+:[0-9]+: ' <<<"$hook_output")
[ "$ten_file_findings" = "$one_file_findings" ] ||
  fail "ten staged files gave findings '$ten_file_findings', one gave '$one_file_findings'"

echo "pre-commit hook tests passed"
