#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs each for a bounded time, one process.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 10)
# Targets: fuzz_records (record reader, stored solutions, delete), fuzz_sort
# (sort reader and converter), fuzz_settings (colour schemes, configuration).
# The corpus grows in build-fuzz/corpus/<target>; crashes land in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVEXTOR_CORE_ONLY=ON -DVEXTOR_SANITIZE=ON -DVEXTOR_FUZZ=ON -DVEXTOR_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzz_records fuzz_sort fuzz_settings
for target in records sort settings; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  echo "== fuzz_$target for ${seconds}s"
  (cd build-fuzz && UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ./bin/fuzz_$target -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 "corpus/$target" "../fuzz/seeds/$target")
done
echo "Fuzzing ended without a finding."
