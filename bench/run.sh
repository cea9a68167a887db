#!/usr/bin/env bash
# Builds the palette benchmarks optimised ($KY_BENCH_BUILD_DIR, default build-bench) and runs
# them; the last table compares the figures with their budgets. Extra arguments go to the
# benchmark program (for example --benchmark_filter=Gather).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir="${KY_BENCH_BUILD_DIR:-build-bench}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKY_BUILD_TESTS=OFF -DKY_BUILD_BENCH=ON >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target palette_bench
exec "$build_dir/bin/palette_bench" "$@"
