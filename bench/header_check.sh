#!/bin/sh
# Builds and runs the header check box benchmark (9,999 rows checked and cleared
# from the header). Usage: bench/header_check.sh [build-folder] [--with-scan]
# An optimised build gives the figures that matter; the default folder is a
# release build of its own.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench-header}
[ $# -gt 0 ] && shift
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORBANIX_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target korbanix_bench_header_check >/dev/null
QT_QPA_PLATFORM=offscreen "$build/controls/korbanix_bench_header_check" "$@"
