#!/usr/bin/env bash
# Builds Quillory and runs every test: the sanitizer presets (gcc, warnings as
# errors), a clang build with the source checks and short fuzzing runs. The
# developer preset would run the same tests a third time, so it is left to
# developers.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

fuzz_seconds=${QUILLORY_FUZZ_SECONDS:-30}

run_preset() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
  ctest --preset "$1"
}

# A clang build with warnings as errors, so both compilers stay clean.
cmake --preset dev-clang >/dev/null
cmake --build --preset dev-clang
bash tools/check-sources.sh build/dev-clang

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/corpus
build/fuzz/fuzz/analysis_fuzzer -max_total_time="$fuzz_seconds" -max_len=70000 \
  -print_final_stats=1 build/fuzz/corpus 2>&1 | tail -n 12
mkdir -p build/fuzz/server-corpus
build/fuzz/fuzz/server_fuzzer -max_total_time="$fuzz_seconds" -max_len=4096 \
  -print_final_stats=1 build/fuzz/server-corpus fuzz/server-seeds 2>&1 | tail -n 12
mkdir -p build/fuzz/markdown-corpus
build/fuzz/fuzz/markdown_fuzzer -max_total_time="$fuzz_seconds" -max_len=4096 \
  -print_final_stats=1 build/fuzz/markdown-corpus fuzz/markdown-seeds 2>&1 | tail -n 12

bash tools/check-package.sh
# The benchmarks are not run here (timings belong to a quiet machine), but they must build.
cmake --build --preset release --target analysis_bench editor_change_bench document_run_bench language_server_bench

run_preset tsan
run_preset asan
