// libFuzzer target: arbitrary bytes go to the DXF reader, which must either read them (repairing
// what it can, each repair located) or report a located error ("fuzz.dxf:<line>: ..."); crashes,
// sanitizer findings, escaping exceptions and unlocated errors are failures. The strict read must
// agree: it succeeds exactly when the ordinary read succeeds without a repair.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

#include "DbDatabase.h"
#include "KyDxfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size));
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  const bool read = KyDxfReader::readFromBytes(bytes, QStringLiteral("fuzz.dxf"), db, report, error);
  if (!read && !error.startsWith(QLatin1String("fuzz.dxf:")))
    std::abort();
  if (report.repairCount < report.repairs.size())
    std::abort();
  for (const KyDxfReader::Repair& r : report.repairs)
    if (r.line < 0 || r.problem.isEmpty() || r.action.isEmpty())
      std::abort();

  KyDxfReader::Options strict;
  strict.strict = true;
  OdDbDatabasePtr strictDb = OdDbDatabase::createObject();
  KyDxfReader::Report strictReport;
  QString strictError;
  const bool strictRead = KyDxfReader::readFromBytes(bytes, QStringLiteral("fuzz.dxf"), strictDb, strictReport,
                                                     strictError, strict);
  if (strictRead != (read && report.repairCount == 0))
    std::abort();
  return 0;
}
