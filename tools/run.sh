#!/usr/bin/env bash
# Builds Quillory in release mode and starts the desktop application.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target quillory quillory-cli
exec build/release/shell/quillory "$@"
