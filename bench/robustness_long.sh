#!/usr/bin/env bash
# The robustness mutation tests with many more cases than CI runs, starting from a
# chosen seed. Usage: bench/robustness_long.sh [scale=20] [first-seed=1000] [build-folder]
# A failing case names its container, damage and seed, and its file is kept in
# <build>/robustness-failures/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
scale=${1:-20}
seed=${2:-1000}
build=${3:-$root/build-robustness}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DKORBANIX_SANITIZE=ON -DKORBANIX_TESTS=ON > /dev/null
fi
targets="robustness_probe_mutation_test robustness_worker_mutation_test robustness_player_mutation_test"
cmake --build "$build" -j2 --target $targets > /dev/null
cd "$build"
KORBANIX_ROBUSTNESS_SCALE=$scale KORBANIX_ROBUSTNESS_SEED=$seed ctest -j2 -L robustness \
  -R 'Mutation' --output-on-failure
