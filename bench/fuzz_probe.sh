#!/usr/bin/env bash
# Fuzzes the media probe with libFuzzer (clang, AddressSanitizer and UBSan), starting
# from a generated corpus of every Add-filter container and damaged copies of them.
# Usage: bench/fuzz_probe.sh [seconds=300] [build-folder]
# Findings (crash-*, timeout-*, leak-*) land in the build folder's fuzz-findings/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-300}
build=${2:-$root/build-fuzz}
command -v clang++ > /dev/null || { echo "clang++ is needed for libFuzzer"; exit 2; }
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DKORBANIX_SANITIZE=ON -DKORBANIX_FUZZ=ON -DKORBANIX_TESTS=ON > /dev/null
fi
cmake --build "$build" -j2 --target korbanix_fuzz_probe korbanix_fuzz_corpus > /dev/null
corpus="$build/fuzz-corpus"
findings="$build/fuzz-findings"
mkdir -p "$findings"
[ -d "$corpus" ] || "$build/tests/fuzz/korbanix_fuzz_corpus" "$corpus" 8
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
"$build/tests/fuzz/korbanix_fuzz_probe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=262144 -artifact_prefix="$findings/" "$corpus"
