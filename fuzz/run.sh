#!/usr/bin/env bash
# Builds the DXF reader's fuzz target with clang in its own build directory, writes the seed
# corpus with dxf_corpus and fuzzes for about a minute. FUZZ_SECONDS sets the time,
# KY_FUZZ_BUILD_DIR the build directory (build-fuzz). Exits non-zero when the fuzzer finds a
# crash; the crashing input is left in the build directory.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
scripts/setup.sh
export CCACHE_BASEDIR="$root"
build="${KY_FUZZ_BUILD_DIR:-build-fuzz}"
seconds="${FUZZ_SECONDS:-60}"
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target dxf_fuzz dxf_corpus
seeds="$build/seeds"
corpus="$build/corpus"
rm -rf "$seeds"
mkdir -p "$corpus"
"$build/bin/dxf_corpus" --corpus "$seeds"
cd "$build"
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" ./bin/dxf_fuzz -max_total_time="$seconds" -max_len=65536 \
  -timeout=10 -rss_limit_mb=2048 -dict="$root/fuzz/dxf.dict" -print_final_stats=1 corpus seeds
