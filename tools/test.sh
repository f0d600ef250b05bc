#!/usr/bin/env bash
# Builds Quillory and runs every test: under AddressSanitizer and UBSan built
# with clang (the fuzzers are built there too), and under ThreadSanitizer built
# with gcc, both with warnings as errors; the source checks; short fuzzing runs;
# the packages, and quillory-cli's installed into a bare Debian. The developer
# presets would build and run the same tests again, so they are left to
# developers.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

fuzz_seconds=${QUILLORY_FUZZ_SECONDS:-20}
# One CI run of the Markdown fuzzer passed libFuzzer's 2 GB default, which no
# input reproduced alone (runs stay near 450 MB), so the limit is 4 GB: a
# runaway still stops the run. The error's own lines are kept in the log.
fuzz_limits=(-rss_limit_mb=4096)

run_preset() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
  ctest --preset "$1"
}

# Clang's warnings, clang-tidy's compile commands and the first run of the tests.
cmake --preset asan >/dev/null
cmake --build --preset asan
bash tools/check-sources.sh build/asan
ctest --preset asan

fuzzers=build/asan/fuzz
mkdir -p build/asan/corpus
"$fuzzers/analysis_fuzzer" "${fuzz_limits[@]}" -max_total_time="$fuzz_seconds" -max_len=70000 \
  -print_final_stats=1 build/asan/corpus 2>&1 | tail -n 30
mkdir -p build/asan/server-corpus
"$fuzzers/server_fuzzer" "${fuzz_limits[@]}" -max_total_time="$fuzz_seconds" -max_len=4096 \
  -print_final_stats=1 build/asan/server-corpus fuzz/server-seeds 2>&1 | tail -n 30
mkdir -p build/asan/markdown-corpus
"$fuzzers/markdown_fuzzer" "${fuzz_limits[@]}" -max_total_time="$fuzz_seconds" -max_len=4096 \
  -print_final_stats=1 build/asan/markdown-corpus fuzz/markdown-seeds 2>&1 | tail -n 30

bash tools/check-package.sh
bash tools/check-cli-install.sh build/release/quillory-cli_*.deb build/release/cli/quillory-cli
# The benchmarks are not run here (timings belong to a quiet machine), but they must build.
cmake --build --preset release --target analysis_bench editor_change_bench document_run_bench language_server_bench

# Gcc's warnings, and the tests again under ThreadSanitizer.
run_preset tsan
