// Benchmarks of the DXF reader and writer over the generated 200,000-entity drawing: reading it
// into a fresh database, and writing it back from its source unchanged and with every tenth
// entity edited. The file is $KY_DXF_BENCH_FILE, or written to the temporary directory on first
// use. The counters give the process's peak resident size as a multiple of the file's size, so
// run one benchmark per process (--benchmark_filter) to read it for that one.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

#include <sys/resource.h>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbEntity.h"
#include "DbObjectIterator.h"
#include "DxfSamples.h"
#include "KyDxfReader.h"
#include "KyDxfWriter.h"

namespace
{
const int kEntities = 200000;

QString benchFile()
{
  const QByteArray env = qgetenv("KY_DXF_BENCH_FILE");
  const QString path = env.isEmpty() ? QDir::temp().filePath(QStringLiteral("ky-dxf-bench-%1.dxf").arg(kEntities))
                                     : QString::fromLocal8Bit(env);
  if (!QFile::exists(path))
  {
    QFile file(path);
    const QByteArray data = dxfLargeFile(kEntities);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
    {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      std::exit(2);
    }
  }
  return path;
}

void peakCounter(benchmark::State& state, qint64 size)
{
  struct rusage usage;
  if (getrusage(RUSAGE_SELF, &usage) == 0 && size > 0)
    state.counters["peak_rss_x_file"] = static_cast<double>(usage.ru_maxrss) * 1024.0 / static_cast<double>(size);
}

void BM_ReadDxf200k(benchmark::State& state)
{
  const QString path = benchFile();
  const qint64 size = QFileInfo(path).size();
  for (auto _ : state)
  {
    OdDbDatabasePtr db = OdDbDatabase::createObject();
    KyDxfReader::Report report;
    QString error;
    if (!KyDxfReader::read(path, db, report, error))
    {
      state.SkipWithError(qPrintable(error));
      break;
    }
    state.counters["entities"] = report.entities;
    state.PauseTiming();
    db.release();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * size);
  peakCounter(state, size);
}
BENCHMARK(BM_ReadDxf200k)->Unit(benchmark::kMillisecond)->Iterations(3);

// Writes the drawing read with its source into a file beside it; state.range(0) > 0 edits every
// tenth entity's colour first (the edit is not timed).
void BM_WriteDxf200k(benchmark::State& state)
{
  const QString path = benchFile();
  const QString out = path + QStringLiteral(".out.dxf");
  const qint64 size = QFileInfo(path).size();
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  KyDxfReader::Options options;
  options.keepSource = true;
  if (!KyDxfReader::read(path, db, report, error, options))
  {
    state.SkipWithError(qPrintable(error));
    return;
  }
  if (state.range(0) > 0)
  {
    OdDbBlockTableRecordPtr pSpace = db->getModelSpaceId().safeOpenObject();
    int n = 0;
    for (OdDbObjectIteratorPtr it = pSpace->newIterator(); !it->done(); it->step())
      if (n++ % 10 == 0)
      {
        OdDbEntityPtr pEnt = it->objectId().safeOpenObject(OdDb::kForWrite);
        pEnt->setColorIndex(static_cast<OdUInt16>(1 + n % 200));
      }
  }
  for (auto _ : state)
  {
    if (!KyDxfWriter::writeFile(db, report.source.get(), out, error))
    {
      state.SkipWithError(qPrintable(error));
      break;
    }
  }
  state.SetBytesProcessed(state.iterations() * size);
  peakCounter(state, size);
  QFile::remove(out);
}
BENCHMARK(BM_WriteDxf200k)->ArgName("edited")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
} // namespace

BENCHMARK_MAIN();
