#!/usr/bin/env bash
# Builds quillory-cli for the action outside the workspace and puts it on the
# job's PATH, so later steps of the workflow can call it too. Another compiler
# may warn where ours does not, so warnings do not fail a user's workflow.
set -euo pipefail
cd "$(dirname "$0")/../.."

build="${RUNNER_TEMP:?}/quillory-cli-build"
cmake --preset cli -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DQUILLORY_BUILD_TESTS=OFF -DQUILLORY_WERROR=OFF >/dev/null
cmake --build "$build" --target quillory-cli
echo "$build/cli" >>"${GITHUB_PATH:?}"
