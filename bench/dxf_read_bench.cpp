// Benchmark of the DXF reader: reading the generated 200,000-entity drawing into a fresh
// database. The file is $KY_DXF_BENCH_FILE, or written to the temporary directory on first use.
// The counters give the process's peak resident size as a multiple of the file's size.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

#include <sys/resource.h>

#include "DbDatabase.h"
#include "DxfSamples.h"
#include "KyDxfReader.h"

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
  struct rusage usage;
  if (getrusage(RUSAGE_SELF, &usage) == 0 && size > 0)
    state.counters["peak_rss_x_file"] = static_cast<double>(usage.ru_maxrss) * 1024.0 / static_cast<double>(size);
}
BENCHMARK(BM_ReadDxf200k)->Unit(benchmark::kMillisecond)->Iterations(3);
} // namespace

BENCHMARK_MAIN();
