#!/usr/bin/env bash
# The hardening runs: every test of the game built with AddressSanitizer and UndefinedBehaviorSanitizer (the
# sanitize preset, in build-asan), then each libFuzzer target (the fuzz preset: clang, in build-fuzz) for a bounded
# time on the seed corpus of tests/fuzz/corpus. Any sanitizer report, crash, hang (5 s for one input) or memory
# past 1 GiB fails the run; the input that caused it is left in build-fuzz/artifacts.
# Usage: scripts/harden.sh [seconds per fuzz target, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
jobs="$(nproc)"
# The fuzzers need clang and its fuzzing runtime besides what the game needs.
./scripts/install-deps.sh clang libclang-rt-14-dev

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize -j"$jobs"
# A short soak of the real game under the sanitizers, which it reports with the options built into every program
# of that build: every frame's code paths, a few hundred times over.
(cd build-asan/bin && ../../tests/support/with_xvfb.sh ./velmora_benchmark --soak 300)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
mkdir -p build-fuzz/artifacts
# Each input is written to a fresh folder: a memory file system keeps that from dominating the run.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR="${TMPDIR:-/dev/shm}"
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp:print_suppressions=0"
for target in fuzz_config fuzz_obj fuzz_png; do
  # New inputs go to the build folder's corpus; the seeds in the repository are only read.
  corpus="build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  dictionary=()
  [ -f "tests/fuzz/$target.dict" ] && dictionary=(-dict="tests/fuzz/$target.dict")
  echo "== $target for $seconds s"
  "build-fuzz/fuzz/$target" "$corpus" "tests/fuzz/corpus/$target" "${dictionary[@]}" \
    -max_total_time="$seconds" -timeout=5 -rss_limit_mb=1024 -close_fd_mask=1 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/artifacts/$target-"
done
