// dxfgen: writes the benchmark's large DXF drawing, or the fuzz target's seed corpus.
//   dxfgen FILE [COUNT]    a drawing with COUNT mixed entities (200000 by default)
//   dxfgen --corpus DIR    small drawings in every version and several code pages
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

#include "DxfSamples.h"

namespace
{
bool writeFile(const QString& path, const QByteArray& data)
{
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
  {
    std::fprintf(stderr, "dxfgen: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}
} // namespace

int main(int argc, char** argv)
{
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.size() == 2 && args[0] == QLatin1String("--corpus"))
  {
    QDir dir(args[1]);
    if (!dir.mkpath(QStringLiteral(".")))
    {
      std::fprintf(stderr, "dxfgen: cannot create %s\n", qPrintable(args[1]));
      return 2;
    }
    const auto corpus = dxfSeedCorpus();
    for (const auto& file : corpus)
      if (!writeFile(dir.filePath(file.first), file.second))
        return 2;
    std::printf("%d files in %s\n", corpus.size(), qPrintable(dir.path()));
    return 0;
  }
  if (args.size() == 1 || args.size() == 2)
  {
    bool ok = true;
    const int count = args.size() == 2 ? args[1].toInt(&ok) : 200000;
    if (ok && count > 0)
    {
      const QByteArray data = dxfLargeFile(count);
      if (!writeFile(args[0], data))
        return 2;
      std::printf("%d entities, %lld bytes in %s\n", count, static_cast<long long>(data.size()), qPrintable(args[0]));
      return 0;
    }
  }
  std::fprintf(stderr, "usage: dxfgen FILE [COUNT] | dxfgen --corpus DIR\n");
  return 1;
}
