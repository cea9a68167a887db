#!/usr/bin/env bash
# Builds the fuzz targets with clang in their own build directory, writes the DXF seed corpus with
# dxf_corpus and fuzzes each target for about a minute: dxf_fuzz (the DXF reader), palette_fuzz
# (the palette and listing of kyprops over what the reader reads) and value_fuzz (typed values
# for the rows of the sample drawing, from an empty corpus). FUZZ_SECONDS sets
# the time per target, FUZZ_TARGETS the targets, KY_FUZZ_BUILD_DIR the build directory
# (build-fuzz). Exits non-zero when a fuzzer finds a crash; the crashing input is left in the
# build directory.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
scripts/setup.sh
export CCACHE_BASEDIR="$root"
build="${KY_FUZZ_BUILD_DIR:-build-fuzz}"
seconds="${FUZZ_SECONDS:-60}"
targets="${FUZZ_TARGETS:-dxf_fuzz palette_fuzz value_fuzz}"
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" -j2 --target $targets dxf_corpus
seeds="$build/seeds"
rm -rf "$seeds"
"$build/bin/dxf_corpus" --corpus "$seeds"
cd "$build"
for target in $targets; do
  echo "fuzz: $target for $seconds s"
  mkdir -p "corpus-$target"
  if [ "$target" = value_fuzz ]; then
    inputs=("corpus-$target") dict="$root/fuzz/value.dict" max_len=256
  else
    inputs=("corpus-$target" seeds) dict="$root/fuzz/dxf.dict" max_len=65536
  fi
  ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" QT_QPA_PLATFORM=offscreen "./bin/$target" \
    -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 -dict="$dict" \
    -print_final_stats=1 "${inputs[@]}"
done
