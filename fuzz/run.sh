#!/usr/bin/env bash
# Builds the fuzz targets with clang in their own build directory, writes the DXF seed corpus with
# dxf_corpus (and the small drawings of the third-party corpus) and fuzzes each target for about a
# minute: dxf_fuzz (the DXF reader), palette_fuzz (the palette and listing of kyprops over what the
# reader reads) and value_fuzz (typed values for the rows of the sample drawing, from seeds
# written here). FUZZ_SECONDS sets the time per target, FUZZ_TARGETS the targets,
# KY_FUZZ_BUILD_DIR the build directory (build-fuzz). Exits non-zero when a fuzzer finds a crash;
# the crashing input is left in the build directory.
# FUZZ_RUNS=fixed (what CI uses) replaces the time limit by a fixed number of inputs per target
# from a fixed seed (FUZZ_SEED, 1) and an empty working corpus, so that a run does the same on
# every machine and a CI finding reproduces with the same command. The counts below take about a
# minute each on the CI machine. Without it the fuzzers explore for FUZZ_SECONDS from the corpus
# earlier runs kept in the build directory.
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
# The third-party drawings under 256 KiB join the seeds of dxf_fuzz and palette_fuzz: the ones in
# tests/corpus/files and those tests/corpus/fetch.sh unpacked ($KY_CORPUS_DIR, build/corpus).
# Past -max_len the fuzzer reads their first bytes, which the reader takes as a file cut short.
corpus_seeds=0
for file in tests/corpus/files/*.dxf "${KY_CORPUS_DIR:-build/corpus}"/*.dxf; do
  if [ -f "$file" ] && [ "$(stat -c %s "$file")" -lt 262144 ]; then
    cp "$file" "$seeds/corpus-$(basename "$file")"
    corpus_seeds=$((corpus_seeds + 1))
  fi
done
echo "fuzz: $corpus_seeds third-party drawings among the seeds"
# Hand-made seeds of the kinds whose reading has many ways to go wrong: hatch loops of every form
# and edge kind, dimensions with overrides, block references with attributes and multiple inserts,
# each with copies broken in the ways the reader must repair (fuzz/*_seeds).
for dir in fuzz/*_seeds; do
  for file in "$dir"/*.dxf; do
    cp "$file" "$seeds/$(basename "$dir")-$(basename "$file")"
  done
done

# Seeds of value_fuzz: every row of every sample entity (three selector bytes: entity, row, units)
# with a text of one of the forms a user types, two texts per row.
value_seeds="$build/value-seeds"
rm -rf "$value_seeds"
mkdir -p "$value_seeds"
texts=("12.5" "-3" "0" "1e300" "1'6\"" "1'-6 1/2\"" "3/4" "15 1/2" "45" "45d30'" "1.2r" "50g" "N 45d30' E" "red"
       "255,128,0" "ByLayer" "ByBlock" "0.35" "Default" "50" "Yes" "No" "Center" "Top Left" "Walls" "Standard" "1F")
for entity in $(seq 0 8); do
  for row in $(seq 0 31); do
    for pass in 0 1; do
      text="${texts[$(((entity * 32 + row + pass * 13) % ${#texts[@]}))]}"
      printf "\\x$(printf %02x "$entity")\\x$(printf %02x "$row")\\x$(printf %02x $(((entity + row + pass) % 45)))%s" \
        "$text" >"$value_seeds/$entity-$row-$pass"
    done
  done
done
cd "$build"
declare -A fixed_runs=([dxf_fuzz]=15000 [palette_fuzz]=1200 [value_fuzz]=45000)
for target in $targets; do
  if [ "${FUZZ_RUNS:-}" = fixed ]; then
    limit=(-seed="${FUZZ_SEED:-1}" -runs="${fixed_runs[$target]}")
    rm -rf "corpus-$target"
    echo "fuzz: $target for ${fixed_runs[$target]} inputs from seed ${FUZZ_SEED:-1}"
  else
    limit=(-max_total_time="$seconds")
    echo "fuzz: $target for $seconds s"
  fi
  mkdir -p "corpus-$target"
  if [ "$target" = value_fuzz ]; then
    seed_dir=value-seeds dict="$root/fuzz/value.dict" max_len=256
  else
    seed_dir=seeds dict="$root/fuzz/dxf.dict" max_len=65536
  fi
  if [ "${FUZZ_RUNS:-}" = fixed ]; then
    # The seeds go in as a list in name order: the fuzzer takes a folder in the order the file
    # system lists it, which differs between machines, and that order steers a fixed run.
    (cd "$seed_dir" && LC_ALL=C ls | sed "s|^|$PWD/|" | paste -sd, -) >"$target.seed-list"
    limit+=(-seed_inputs=@"$target.seed-list")
    inputs=("corpus-$target")
  else
    inputs=("corpus-$target" "$seed_dir")
  fi
  ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" QT_QPA_PLATFORM=offscreen "./bin/$target" \
    "${limit[@]}" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 -dict="$dict" \
    -print_final_stats=1 "${inputs[@]}"
done
