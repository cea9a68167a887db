// KyDxfWriter: version names and the entry points; the writing itself is not there yet.
#include "KyDxfWriter.h"

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

bool KyDxfWriter::write(OdDbDatabase*, const KyDxfSource*, QByteArray& out, QString& error, const Options&)
{
  out.clear();
  error = QStringLiteral("writing DXF is not implemented yet");
  return false;
}

bool KyDxfWriter::writeFile(OdDbDatabase*, const KyDxfSource*, const QString& path, QString& error, const Options&)
{
  error = path + QStringLiteral(": writing DXF is not implemented yet");
  return false;
}
