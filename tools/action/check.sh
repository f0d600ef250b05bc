#!/usr/bin/env bash
# The action's one check over the workspace. The inputs arrive as environment
# variables and are split at blanks without any shell expansion, so a value
# can never run as a command. The step ends with quillory-cli's status.
set -euo pipefail

command=("${QUILLORY_CLI:-quillory-cli}" --check --format github)
if [ -n "${INPUT_BASELINE:-}" ]; then
  command+=(--baseline "$INPUT_BASELINE")
fi
if [ -n "${INPUT_SARIF:-}" ]; then
  command+=(--sarif "$INPUT_SARIF")
fi
# read stops at the end of the text, not at a NUL, so its status is not the outcome.
read -r -d '' -a args <<<"${INPUT_ARGS:-}" || true
read -r -d '' -a paths <<<"${INPUT_PATHS:-.}" || true
if [ ${#paths[@]} -eq 0 ]; then
  paths=(.)
fi

cd "${GITHUB_WORKSPACE:?}"
status=0
"${command[@]}" "${args[@]}" "${paths[@]}" || status=$?
echo "exit-code=$status" >>"${GITHUB_OUTPUT:?}"
exit "$status"
