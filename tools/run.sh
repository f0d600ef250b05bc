#!/usr/bin/env bash
# Builds Quillory in release mode and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target quillory-cli
build/release/cli/quillory-cli "${@:-tools/sample.txt}"
