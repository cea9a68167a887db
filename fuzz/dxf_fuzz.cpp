// libFuzzer target: arbitrary bytes go to the DXF reader, which must either read them or
// report a located error ("fuzz.dxf:<line>: ..."); crashes, sanitizer findings, escaping
// exceptions and unlocated errors are failures.
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
  if (!KyDxfReader::readFromBytes(bytes, QStringLiteral("fuzz.dxf"), db, report, error) &&
      !error.startsWith(QLatin1String("fuzz.dxf:")))
    std::abort();
  return 0;
}
