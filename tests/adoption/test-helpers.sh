# shellcheck shell=bash disable=SC2034
# Shared by the adoption tests, sourced with the built quillory-cli and the
# source checkout as $1 and $2: a scratch folder removed on exit, failures
# that say what was expected, and the documents every case checks.
set -euo pipefail

cli=$1
source_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# CTest reads exit status 77 as a skipped test.
skip() {
  echo "SKIP: $*"
  exit 77
}

expect_contains() {
  local text=$1 wanted=$2 what=$3
  grep -qF -- "$wanted" <<<"$text" || fail "$what: expected '$wanted' in: $text"
}

expect_lacks() {
  local text=$1 unwanted=$2 what=$3
  if grep -qF -- "$unwanted" <<<"$text"; then
    fail "$what: did not expect '$unwanted' in: $text"
  fi
}

require_check_option() {
  local error
  error=$("$cli" --check --version 2>&1 >/dev/null) || true
  if [[ $error == *"unknown option '--check'"* ]]; then
    skip "this quillory-cli has no --check option yet"
  fi
}

# The sentence on line 5 has 32 words, over the 20 that .quillory.toml allows.
long_sentence_finding='docs/long.md:5:1: 32 words'

write_documents() {
  local folder=$1
  mkdir -p "$folder/docs" "$folder/generated"
  printf 'max-sentence-words = 20\nexclude = ["generated/**"]\n' >"$folder/.quillory.toml"
  printf '# Guide\n\nThis is short.\n\n%s %s %s\n' \
    'This sentence is deliberately made far too long so that it runs on and on' \
    'past every sensible limit that a careful writer would ever want to keep' \
    'for readers who skim.' >"$folder/docs/long.md"
  printf '# Guide\n\nThis is a short and clear line. It reads well.\n' >"$folder/docs/clean.md"
  cp "$folder/docs/long.md" "$folder/generated/long.md"
}
