#!/usr/bin/env bash
# Runs the action's check script as a workflow step would: the inputs in
# environment variables, the workflow's files in temporary places.
# shellcheck source=tests/adoption/test-helpers.sh
source "$(dirname "$0")/test-helpers.sh"
require_check_option

workspace=$scratch/workspace
write_documents "$workspace"
rm -r "$workspace/generated"

# Runs the script from elsewhere, as the runner does; sets $status, $stdout, $summary, $output.
run_check() {
  local case_dir=$scratch/$1
  shift
  mkdir -p "$case_dir"
  : >"$case_dir/summary.md"
  : >"$case_dir/output"
  status=0
  stdout=$(cd "$case_dir" && env QUILLORY_CLI="$cli" GITHUB_WORKSPACE="$workspace" \
    GITHUB_STEP_SUMMARY="$case_dir/summary.md" GITHUB_OUTPUT="$case_dir/output" "$@" \
    bash "$source_dir/tools/action/check.sh") || status=$?
  summary=$(cat "$case_dir/summary.md")
  output=$(cat "$case_dir/output")
}

expect_status() {
  local wanted=$1 what=$2
  [ "$status" -eq "$wanted" ] || fail "$what: status $status, expected $wanted; output: $stdout"
  [ "$output" = "exit-code=$wanted" ] || fail "$what: GITHUB_OUTPUT holds '$output'"
}

run_check clean INPUT_PATHS=docs/clean.md
expect_status 0 "a clean document"
expect_lacks "$stdout" "::warning" "a clean document"
[ -n "$summary" ] || fail "a clean document: the job summary is empty"

run_check miss INPUT_PATHS=.
expect_status 4 "a sentence over the limit"
expect_contains "$stdout" "::warning file=docs/long.md,line=5,col=1," "a sentence over the limit"
expect_contains "$summary" "long" "the job summary of a miss"

# Paths may come one a line; arguments are passed on and win over .quillory.toml.
run_check split INPUT_ARGS="--max-sentence-words 40 --variant uk" \
  INPUT_PATHS=$'docs/long.md\ndocs/clean.md'
expect_status 0 "a raised limit in args"

run_check sarif INPUT_PATHS=docs INPUT_SARIF=quillory.sarif
expect_status 4 "a SARIF log beside the annotations"
expect_contains "$stdout" "::warning file=docs/long.md" "a SARIF log beside the annotations"
python3 - "$workspace/quillory.sarif" <<'PYTHON' || fail "the SARIF log does not hold the finding"
import json, sys
log = json.load(open(sys.argv[1]))
assert log["version"] == "2.1.0"
assert [r["ruleId"] for r in log["runs"][0]["results"]] == ["max-sentence-words"]
PYTHON

(cd "$workspace" && "$cli" --write-baseline .quillory-baseline.json docs >/dev/null)
run_check baseline INPUT_PATHS=docs INPUT_BASELINE=.quillory-baseline.json
expect_status 0 "a baselined finding"
expect_lacks "$stdout" "::warning" "a baselined finding"

# Nothing in an input is run by a shell, not even a substitution or a glob.
run_check hostile INPUT_ARGS="\$(touch ran) \`touch ran\` ;touch ran" INPUT_PATHS="docs/missing.md *"
expect_status 2 "inputs that look like shell"
for place in "$workspace" "$scratch/hostile"; do
  [ ! -e "$place/ran" ] || fail "an input ran as a command in $place"
done
expect_contains "$stdout" "::error" "an unreadable input"

echo "action check tests passed"
