// KyDxfReader: maps the file, refuses what is not ASCII DXF, runs the reader and turns every
// failure into "<file>:<line>: <problem>".
#include "KyDxfReader.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DxfReader.h"
#include "DxfSource.h"
#include "OdError.h"

namespace
{
QString message(const QString& name, int line, const QString& problem)
{
  return QStringLiteral("%1:%2: %3").arg(name).arg(line).arg(problem);
}

// Refuses data that is not ASCII DXF before any parsing; returns the problem ("" when fine).
QString screen(const char* data, std::size_t size)
{
  if (size == 0)
    return QStringLiteral("the file is empty");
  // The binary DXF sentinel: a title ending in "Binary DXF", CR LF, SUB and NUL.
  static const char kBinaryTail[] = "Binary DXF\r\n\x1a";
  const std::size_t tailLength = sizeof kBinaryTail; // with the closing NUL
  if (size >= tailLength)
  {
    const std::size_t limit = std::min<std::size_t>(size, 32) - tailLength;
    for (std::size_t i = 0; i <= limit; ++i)
      if (std::memcmp(data + i, kBinaryTail, tailLength) == 0)
        return QStringLiteral("binary DXF is not supported (only ASCII DXF files are read)");
  }
  if (size >= 2 && ((data[0] == '\xFF' && data[1] == '\xFE') || (data[0] == '\xFE' && data[1] == '\xFF')))
    return QStringLiteral("UTF-16 text is not supported (DXF files are 8-bit text)");
  return QString();
}

// The line break of the first line: LF alone, or CR LF (also for a file with one line).
bool usesCrLf(const char* data, std::size_t size)
{
  const void* lf = std::memchr(data, '\n', size);
  return !lf || (lf != data && static_cast<const char*>(lf)[-1] == '\r');
}

// The text, and what the caller keeps of it when the source is kept (source may be null).
bool readData(const char* data, std::size_t size, const QString& name, OdDbDatabase* db,
              KyDxfReader::Report& report, QString& error, bool fileMapped, const KyDxfReader::Options& options,
              std::shared_ptr<KyDxfSource> source = nullptr)
{
  report = KyDxfReader::Report();
  error.clear();
  if (!db)
  {
    error = message(name, 0, QStringLiteral("no database to read into"));
    return false;
  }
  const QString problem = screen(data, size);
  if (!problem.isEmpty())
  {
    error = message(name, problem.startsWith(QLatin1String("the file is empty")) ? 0 : 1, problem);
    return false;
  }
  // A byte-order mark before UTF-8 text.
  if (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0)
  {
    data += 3;
    size -= 3;
  }
  kydxf::DxfReader reader(data, size, db, report, options.strict);
  if (fileMapped)
    reader.setFileMapped();
  if (source)
  {
    source->data = data;
    source->size = size;
    source->crlf = usesCrLf(data, size);
    reader.keepSource(source.get());
  }
  try
  {
    reader.read();
    if (source)
      report.source = std::move(source);
    return true;
  }
  catch (const kydxf::DxfError& e)
  {
    error = message(name, e.line, QString::fromStdString(e.message));
  }
  catch (const OdError& e)
  {
    error = message(name, reader.currentLine(),
                    QStringLiteral("the drawing refused a value (%1)").arg(QString::fromStdWString(e.description().wstr())));
  }
  catch (const std::bad_alloc&)
  {
    error = message(name, reader.currentLine(), QStringLiteral("out of memory"));
  }
  return false;
}
// A source for a file, with what identifies its contents.
std::shared_ptr<KyDxfSource> fileSource(const QString& path, const struct stat& st)
{
  auto source = std::make_shared<KyDxfSource>();
  source->path = QFileInfo(path).absoluteFilePath();
  source->fileDevice = static_cast<std::uint64_t>(st.st_dev);
  source->fileInode = static_cast<std::uint64_t>(st.st_ino);
  source->fileSize = static_cast<std::uint64_t>(st.st_size);
  source->fileModified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return source;
}
} // namespace

QString KyDxfReader::Report::skippedText() const
{
  if (skipped.isEmpty())
    return QString();
  QStringList parts;
  for (auto it = skipped.constBegin(); it != skipped.constEnd(); ++it)
    parts << QStringLiteral("%1 %2").arg(it.value()).arg(it.key());
  return QStringLiteral("skipped: ") + parts.join(QStringLiteral(", "));
}

QString KyDxfReader::Report::repairText(const QString& file, const Repair& repair)
{
  return QStringLiteral("%1:%2: %3; %4").arg(file).arg(repair.line).arg(repair.problem, repair.action);
}

bool KyDxfReader::read(const QString& path, OdDbDatabase* db, Report& report, QString& error, const Options& options)
{
  report = Report();
  const QFileInfo info(path);
  if (!info.exists())
  {
    error = message(path, 0, QStringLiteral("the file does not exist"));
    return false;
  }
  if (info.isDir())
  {
    error = message(path, 0, QStringLiteral("this is a directory, not a file"));
    return false;
  }
  // The file is mapped and read ahead sequentially; pages come in as the reading reaches them
  // and go again behind it, so the whole file is never resident at once. Files that cannot be
  // mapped are read whole.
  const QByteArray local = QFile::encodeName(path);
  const int fd = ::open(local.constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
  {
    error = message(path, 0, QStringLiteral("the file cannot be read (%1)").arg(QString::fromLocal8Bit(std::strerror(errno))));
    return false;
  }
  struct stat st = {};
  if (::fstat(fd, &st) == 0 && st.st_size > 0)
  {
    const std::size_t size = static_cast<std::size_t>(st.st_size);
    void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (mapped != MAP_FAILED)
    {
      ::close(fd);
      ::madvise(mapped, size, MADV_SEQUENTIAL);
      std::shared_ptr<KyDxfSource> source;
      if (options.keepSource)
      {
        // The source keeps the mapping: the writer reads the file's text again from it.
        source = fileSource(path, st);
        source->mapping = mapped;
        source->mappingSize = size;
      }
      const bool ok =
        readData(static_cast<const char*>(mapped), size, path, db, report, error, true, options, source);
      if (!source)
        ::munmap(mapped, size);
      return ok;
    }
  }
  ::close(fd);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
  {
    error = message(path, 0, QStringLiteral("the file cannot be read (%1)").arg(file.errorString()));
    return false;
  }
  const QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError)
  {
    error = message(path, 0, QStringLiteral("the file cannot be read (%1)").arg(file.errorString()));
    return false;
  }
  std::shared_ptr<KyDxfSource> source;
  if (options.keepSource)
  {
    source = fileSource(path, st);
    source->bytes = data;
  }
  return readData(data.constData(), static_cast<std::size_t>(data.size()), path, db, report, error, false, options,
                  source);
}

bool KyDxfReader::readFromBytes(const QByteArray& data, const QString& nameForMessages, OdDbDatabase* db,
                                Report& report, QString& error, const Options& options)
{
  std::shared_ptr<KyDxfSource> source;
  if (options.keepSource)
  {
    source = std::make_shared<KyDxfSource>();
    source->bytes = data;
  }
  return readData(data.constData(), static_cast<std::size_t>(data.size()), nameForMessages, db, report, error, false,
                  options, source);
}
