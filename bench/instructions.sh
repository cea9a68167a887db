#!/usr/bin/env bash
# Instructions per object of the palette gathering and of the direct SDK reads, counted with
# callgrind: repeatable where wall times on a shared machine are not. Prints the mixed selection
# and each kind of the sample drawing, with the ratio. The values column is the part of the
# gathering spent in the rows' getters alone (no row lists, no read-only states, no palette loop):
# the least any per-row gathering of the same values costs. Takes a few minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir="${KY_BENCH_BUILD_DIR:-build-bench}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKY_BUILD_TESTS=OFF -DKY_BUILD_BENCH=ON >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target palette_bench >/dev/null
bench="$build_dir/bin/palette_bench"

# Instructions spent inside the functions matching $1 while the benchmarks matching $2 run.
count() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null --toggle-collect="$1" "$bench" \
    --benchmark_filter="$2" 2>&1 | awk '/Collected/ { print $4 }'
}

# Objects each benchmark reads (palette_bench.cpp): BM_Gather runs one pass before its 20
# iterations, BM_DirectReads 20; BM_GatherKind gathers 1 + 10 passes and reads 10 passes directly.
# The budget: gathering the mixed selection costs at most 5 times its direct reads, and no kind
# more than 7 times; a row over its limit says so and makes the script exit 1 at the end.
over=0
row() {
  local name=$1 gather=$2 values=$3 gatherObjects=$4 direct=$5 directObjects=$6 limit=$7
  awk -v n="$name" -v g="$gather" -v v="$values" -v go="$gatherObjects" -v d="$direct" -v do_="$directObjects" \
    -v l="$limit" \
    'BEGIN { r = (g / go) / (d / do_)
             printf "%-16s %10.0f %10.0f %10.0f %12.2f x %12.2f x %6.0f x  %s\n", n, g / go, v / go, d / do_,
             r, (v / go) / (d / do_), l, r <= l ? "met" : "OVER"
             exit r <= l ? 0 : 1 }' || over=1
}

getters='*CKyPropertyDescriptionImpl::GetValue*'
printf "%-16s %10s %10s %10s %14s %14s %8s\n" "selection" "gather" "values" "direct" "gather/direct" "values/direct" \
  "limit"
row "mixed" "$(count '*gatherPass*' 'BM_Gather/10000/')" "$(count "$getters" 'BM_Gather/10000/')" 210000 \
  "$(count '*directPass*' 'BM_DirectReads/10000/')" 200000 5
for kind in Line Circle Arc Polyline Text MText Ellipse Spline Xline Ray Point Trace Solid Face 2dPolyline 3dPolyline Helix Mline Shape Hatch RotatedDimension AlignedDimension AttributeDefinition BlockReference BlockReference.Cloud BlockReference.Dynamic MInsertBlock; do
  row "$kind" "$(count '*gatherPass*' "BM_GatherKind/OdDb$kind/")" "$(count "$getters" "BM_GatherKind/OdDb$kind/")" \
    110000 "$(count '*directPass*' "BM_GatherKind/OdDb$kind/")" 100000 7
done
exit "$over"
