// KyDxfWriter: version names, the checks before writing, and the output into memory or into a
// file that replaces the old one only when complete.
#include "KyDxfWriter.h"

#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

#include "DbDatabase.h"
#include "DxfSource.h"
#include "DxfTokenizer.h"
#include "DxfWriter.h"
#include "OdError.h"

namespace
{
struct VersionName
{
  const char* acadver;
  const char* release;
  const char* year;
};

const VersionName kVersions[] = {{"AC1015", "R2000", "2000"}, {"AC1018", "R2004", "2004"},
                                 {"AC1021", "R2007", "2007"}, {"AC1024", "R2010", "2010"},
                                 {"AC1027", "R2013", "2013"}, {"AC1032", "R2018", "2018"}};
} // namespace

KyDxfWriter::Options::Options() : checkUntracked(qEnvironmentVariableIsSet("KY_DXF_CHECK_UNTRACKED"))
{
}

QStringList KyDxfWriter::versions()
{
  QStringList names;
  for (const VersionName& v : kVersions)
    names << QString::fromLatin1(v.acadver);
  return names;
}

QString KyDxfWriter::versionFromName(const QString& name)
{
  const QString n = name.trimmed();
  for (const VersionName& v : kVersions)
    if (n.compare(QLatin1String(v.acadver), Qt::CaseInsensitive) == 0 ||
        n.compare(QLatin1String(v.release), Qt::CaseInsensitive) == 0 || n == QLatin1String(v.year))
      return QString::fromLatin1(v.acadver);
  return QString();
}

namespace
{
// The file the source was read from still holds what was read.
bool sourceUnchanged(const KyDxfSource& source)
{
  if (source.path.isEmpty())
    return true;
  struct stat st = {};
  if (::stat(QFile::encodeName(source.path).constData(), &st) != 0)
    return false;
  const std::int64_t modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return static_cast<std::uint64_t>(st.st_dev) == source.fileDevice &&
         static_cast<std::uint64_t>(st.st_ino) == source.fileInode &&
         static_cast<std::uint64_t>(st.st_size) == source.fileSize && modified == source.fileModified;
}

// Writes the drawing through out; false with the problem in error.
bool writeTo(OdDbDatabase* db, const KyDxfSource* source, const KyDxfWriter::Options& options, std::string& buffer,
             const std::function<void(const std::string&)>& sink, QString& error)
{
  if (!db)
  {
    error = QStringLiteral("no database to write");
    return false;
  }
  if (source && source->database != db)
  {
    error = QStringLiteral("the source was read into another database");
    return false;
  }
  int version = source ? source->version : kydxf::kDxfR2018;
  if (!options.version.isEmpty())
  {
    const QString name = KyDxfWriter::versionFromName(options.version);
    if (name.isEmpty())
    {
      error = QStringLiteral("unknown DXF version '%1' (known: %2)")
                .arg(options.version, KyDxfWriter::versions().join(QStringLiteral(", ")));
      return false;
    }
    version = name.mid(2).toInt();
  }
  if (source && source->version <= kydxf::kDxfR12 && version != source->version)
  {
    error = QStringLiteral("a drawing read from an R12 file (AC1009) is written as R12 only, not as AC%1").arg(version);
    return false;
  }
  if (source && !sourceUnchanged(*source))
  {
    error = QStringLiteral("the file %1 changed since the drawing was read from it; read it again").arg(source->path);
    return false;
  }
  try
  {
    const std::string codePage = source ? source->codePage : db->getDWGCODEPAGE().toUtf8();
    const kydxf::DxfEncoder encoder(version, codePage.empty() ? std::string("ANSI_1252") : codePage);
    kydxf::DxfOutput out(buffer, encoder, source ? source->crlf : true);
    if (sink)
      out.setSink(sink);
    if (source)
      kydxf::dxfWriteFromSource(db, *source, out, options.checkUntracked);
    else
      kydxf::dxfWriteDatabase(db, out);
    out.flush();
    return true;
  }
  catch (const kydxf::DxfWriteError& e)
  {
    error = QString::fromStdString(e.message);
  }
  catch (const kydxf::DxfError& e)
  {
    error = QStringLiteral("the source cannot be read again at line %1 (%2)").arg(e.line).arg(QString::fromStdString(e.message));
  }
  catch (const OdError& e)
  {
    error = QStringLiteral("the drawing refused to be read (%1)").arg(QString::fromStdWString(e.description().wstr()));
  }
  catch (const std::bad_alloc&)
  {
    error = QStringLiteral("out of memory");
  }
  return false;
}
} // namespace

bool KyDxfWriter::write(OdDbDatabase* db, const KyDxfSource* source, QByteArray& out, QString& error,
                        const Options& options)
{
  out.clear();
  error.clear();
  std::string buffer;
  if (source)
    buffer.reserve(source->size + source->size / 16);
  if (!writeTo(db, source, options, buffer, nullptr, error))
    return false;
  out = QByteArray(buffer.data(), static_cast<int>(buffer.size()));
  return true;
}

bool KyDxfWriter::writeFile(OdDbDatabase* db, const KyDxfSource* source, const QString& path, QString& error,
                            const Options& options)
{
  error.clear();
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
  {
    error = QStringLiteral("%1: cannot be written (%2)").arg(path, file.errorString());
    return false;
  }
  std::string buffer;
  buffer.reserve(1u << 21);
  QString problem;
  bool written = true;
  const auto sink = [&](const std::string& chunk) {
    if (written && file.write(chunk.data(), static_cast<qint64>(chunk.size())) != static_cast<qint64>(chunk.size()))
      written = false;
  };
  if (!writeTo(db, source, options, buffer, sink, problem))
  {
    file.cancelWriting();
    error = QStringLiteral("%1: %2").arg(path, problem);
    return false;
  }
  if (!written || !file.commit())
  {
    error = QStringLiteral("%1: cannot be written (%2)").arg(path, file.errorString());
    file.cancelWriting();
    return false;
  }
  return true;
}
