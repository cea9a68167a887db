// Additive area of large hatch selections, with its error against the analytic value:
//  - 10,000 circular hatches of radius 1 on a 100 x 100 grid 1.8 apart, each overlapping its four
//    neighbours (one cluster through the merge passes; the union is 10,000 pi less one lens per
//    neighbouring pair, since no three discs share a point);
//  - 10,000 squares of side 10 with a square island of side 4, apart from each other (each its
//    own cluster, each through the symmetric difference of its loops).
// Run in a Release build: build/bin/hatch_area_bench
#include <benchmark/benchmark.h>

#include <cmath>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbHatch.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeGbl.h"
#include "KyHatchPE.h"

namespace
{
const int kSide = 100;

struct Selection
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdArray<OdDbObjectId> ids;

  void add(OdDbHatch* hatch)
  {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    ids.append(ms->appendOdDbEntity(hatch));
  }
};

OdGePoint2dArray square(double x0, double y0, double side)
{
  OdGePoint2dArray pts;
  pts.append(OdGePoint2d(x0, y0));
  pts.append(OdGePoint2d(x0 + side, y0));
  pts.append(OdGePoint2d(x0 + side, y0 + side));
  pts.append(OdGePoint2d(x0, y0 + side));
  return pts;
}

Selection& circles()
{
  static Selection s = [] {
    Selection sel;
    for (int i = 0; i < kSide; ++i)
      for (int j = 0; j < kSide; ++j)
      {
        OdDbHatchPtr h = OdDbHatch::createObject();
        h->appendLoop(OdDbHatch::kExternal, OdDbHatch::EdgeArray{new OdGeCircArc2d(OdGePoint2d(1.8 * i, 1.8 * j), 1.0)});
        sel.add(h);
      }
    return sel;
  }();
  return s;
}

Selection& islands()
{
  static Selection s = [] {
    Selection sel;
    for (int i = 0; i < kSide; ++i)
      for (int j = 0; j < kSide; ++j)
      {
        OdDbHatchPtr h = OdDbHatch::createObject();
        h->appendLoop(OdDbHatch::kExternal, square(20.0 * i, 20.0 * j, 10.0), OdGeDoubleArray());
        h->appendLoop(OdDbHatch::kDefault, square(20.0 * i + 3.0, 20.0 * j + 3.0, 4.0), OdGeDoubleArray());
        sel.add(h);
      }
    return sel;
  }();
  return s;
}

void run(benchmark::State& state, Selection& sel, double expected)
{
  double area = 0.0;
  for (auto _ : state)
  {
    area = CKyHatchPE::getAdditiveArea(sel.ids).GetDouble();
    benchmark::DoNotOptimize(area);
  }
  state.counters["area"] = area;
  state.counters["rel_error"] = std::fabs(area - expected) / expected;
}

void BM_OverlappingCircles(benchmark::State& state)
{
  const double d = 1.8;
  const double lens = 2.0 * std::acos(d / 2.0) - (d / 2.0) * std::sqrt(4.0 - d * d);
  const double pairs = 2.0 * kSide * (kSide - 1);
  run(state, circles(), kSide * kSide * OdaPI - pairs * lens);
}

void BM_HatchesWithIslands(benchmark::State& state)
{
  run(state, islands(), kSide * kSide * (100.0 - 16.0));
}
} // namespace

BENCHMARK(BM_OverlappingCircles)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_HatchesWithIslands)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
