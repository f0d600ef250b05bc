#!/usr/bin/env bash
# Source checks that need no build: formatting, includes that climb out of a
# layer by relative path, and the version typed anywhere but the top-level
# CMakeLists.txt. With a build folder (compile_commands.json) also clang-tidy
# on every layer and program, the shell and the platform backends included.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cc' '*.h')
clang-format --dry-run --Werror "${sources[@]}"

# Each layer's include root holds only that layer; a relative path would get around it.
if grep -nE '^\s*#\s*include\s*"[^"]*\.\./' "${sources[@]}"; then
  echo "FAIL: relative includes cross layers; include by the layer's path" >&2
  exit 1
fi

version=$(sed -n 's/^project(Quillory VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
pattern="(^|[^0-9.])${version//./\\.}([^0-9]|$)"
if git ls-files | grep -v '^CMakeLists.txt$' | grep -v '\.png$' |
    xargs grep -nE "$pattern"; then
  echo "FAIL: the version $version is typed above; read it from product/Product.h or CMake" >&2
  exit 1
fi

build=${1:-}
if [ -n "$build" ]; then
  mapfile -t core < <(git ls-files 'engine/*.cc' 'report/*.cc' 'results/*.cc' 'cli/*.cc' \
    'documents/*.cc' 'ls/*.cc' 'shell/*.cc' 'platform/*.cc')
  printf '%s\n' "${core[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet
fi
echo "source checks passed"
