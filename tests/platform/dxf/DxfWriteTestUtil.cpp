// Helpers for the DXF writer's tests (see DxfWriteTestUtil.h).
#include "DxfWriteTestUtil.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "DbSymbolTableRecord.h"
#include "DxfWriter.h"

namespace dxfwrite
{
std::string tags(const std::vector<std::pair<int, std::string>>& list)
{
  const kydxf::DxfEncoder encoder(kydxf::kDxfR2018, "ANSI_1252");
  std::string buffer;
  kydxf::DxfOutput out(buffer, encoder, false);
  for (const auto& t : list)
    out.tag(t.first, t.second);
  return buffer;
}

std::string writeWhole(const OdDbObject* pObj, int version, const std::string& codePage)
{
  const kydxf::DxfEncoder encoder(version, codePage);
  std::string buffer;
  kydxf::DxfOutput out(buffer, encoder, false);
  out.object(pObj);
  return buffer;
}

QByteArray minimalFile(int version, const std::string& headerVariables,
                       const std::vector<std::pair<std::string, std::string>>& sections, const std::string& codePage)
{
  std::string file = tags({{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC" + std::to_string(version)},
                           {9, "$DWGCODEPAGE"}, {3, codePage}});
  file += headerVariables;
  file += tags({{0, "ENDSEC"}});
  for (const auto& section : sections)
  {
    file += tags({{0, "SECTION"}, {2, section.first}});
    file += section.second;
    file += tags({{0, "ENDSEC"}});
  }
  file += tags({{0, "EOF"}});
  return QByteArray(file.data(), static_cast<int>(file.size()));
}

::testing::AssertionResult readsCleanly(const QByteArray& file, OdDbDatabase* db, KyDxfReader::Report& report)
{
  QString error;
  if (!KyDxfReader::readFromBytes(file, QStringLiteral("written.dxf"), db, report, error))
    return ::testing::AssertionFailure() << "the written file does not read: " << error.toStdString() << "\n"
                                         << file.toStdString();
  if (report.repairCount != 0)
  {
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << report.repairCount << " repairs reading the written file:";
    for (const KyDxfReader::Repair& r : report.repairs)
      failure << "\n  " << KyDxfReader::Report::repairText(QStringLiteral("written.dxf"), r).toStdString();
    return failure << "\n" << file.toStdString();
  }
  if (!report.skipped.isEmpty())
    return ::testing::AssertionFailure() << "the reader skipped " << report.skippedText().toStdString();
  return ::testing::AssertionSuccess();
}

ComparableState::ComparableState(const OdDbObject* pObj) : OdDbDxfTagList(pObj->database())
{
  pObj->dxfOut(this);
}

void ComparableState::wrHandle(int groupCode, const OdDbHandle& value)
{
  // The object's own handle comes first.
  if (groupCode == 5 && !m_sawHandle)
  {
    m_sawHandle = true;
    return;
  }
  OdDbDxfTagList::wrHandle(groupCode, value);
}

void ComparableState::wrObjectId(int groupCode, const OdDbObjectId& value)
{
  if (!value.isNull())
  {
    OdDbObjectPtr pObj = value.openObject();
    if (const OdDbSymbolTableRecord* pRecord = OdDbSymbolTableRecord::cast(pObj.get()).get())
    {
      wrString(groupCode, L"record " + pRecord->getName());
      return;
    }
  }
  OdDbDxfTagList::wrObjectId(groupCode, value);
}

namespace
{
bool sameNumber(const OdString& a, const OdString& b)
{
  const std::wstring& x = a.wstr();
  const std::wstring& y = b.wstr();
  wchar_t* endX = nullptr;
  wchar_t* endY = nullptr;
  const double u = std::wcstod(x.c_str(), &endX);
  const double v = std::wcstod(y.c_str(), &endY);
  if (*endX != 0 || *endY != 0 || endX == x.c_str() || endY == y.c_str())
    return false;
  return std::fabs(u - v) <= 1e-12 * std::max(1.0, std::max(std::fabs(u), std::fabs(v)));
}
} // namespace

::testing::AssertionResult sameState(const OdDbObject* expected, const OdDbObject* actual)
{
  const ComparableState a(expected), b(actual);
  bool same = a.size() == b.size();
  for (int i = 0; same && i < a.size(); ++i)
    same = a.code(i) == b.code(i) && (a.value(i) == b.value(i) || sameNumber(a.value(i), b.value(i)));
  if (same)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "states differ\n--- written\n" << a.toString() << "--- read back\n"
                                       << b.toString();
}
} // namespace dxfwrite
