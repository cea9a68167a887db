// Helpers for the DXF writer's tests (see DxfWriteTestUtil.h).
#include "DxfWriteTestUtil.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "DbBlockTableRecord.h"
#include "DbSymbolTableRecord.h"
#include "KyDxfWriter.h"
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

::testing::AssertionResult ownsEveryCode(const kydxf::DxfFields& fields)
{
  std::string stray;
  for (const kydxf::DxfFields::Segment& s : fields.segments())
  {
    if (s.isXData)
      continue;
    for (const kydxf::DxfOutTag& t : s.tags)
      if (std::find(s.owned.begin(), s.owned.end(), t.code) == s.owned.end())
        stray += "\ngroup code " + std::to_string(t.code) + " written in " + s.marker + " but not owned there";
  }
  if (stray.empty())
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << stray;
}

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

Read readSource(const QByteArray& data)
{
  Read r;
  r.db = OdDbDatabase::createObject();
  QString error;
  KyDxfReader::Options options;
  options.keepSource = true;
  EXPECT_TRUE(KyDxfReader::readFromBytes(data, QStringLiteral("in.dxf"), r.db.get(), r.report, error, options))
    << error.toStdString();
  return r;
}

QByteArray writeBack(const Read& r, const QString& version)
{
  QByteArray out;
  QString error;
  KyDxfWriter::Options options;
  options.version = version;
  EXPECT_TRUE(KyDxfWriter::write(r.db.get(), r.report.source.get(), out, error, options)) << error.toStdString();
  return out;
}

std::map<std::uint64_t, std::string> statesOf(OdDbDatabase* db)
{
  std::map<std::uint64_t, std::string> states;
  const std::uint64_t seed = db->handseed().value();
  for (std::uint64_t h = 1; h < seed; ++h)
  {
    OdDbObjectPtr pObj = db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(h))).openObject();
    if (pObj.isNull())
      continue;
    OdDbDxfTagList tags(db);
    pObj->dxfOut(&tags);
    states[h] = tags.toString();
  }
  return states;
}

::testing::AssertionResult statesKept(const std::map<std::uint64_t, std::string>& expected,
                                      const std::map<std::uint64_t, std::string>& actual)
{
  for (const auto& state : expected)
  {
    const std::string object = "object " + QByteArray::number(static_cast<qulonglong>(state.first), 16).toStdString();
    auto it = actual.find(state.first);
    if (it == actual.end())
      return ::testing::AssertionFailure() << object << " is missing";
    if (it->second != state.second)
      return ::testing::AssertionFailure() << object << " reads back as\n" << it->second << "\ninstead of\n"
                                           << state.second;
  }
  return ::testing::AssertionSuccess();
}

OdDbObjectId addToModelSpace(OdDbDatabase* db, OdDbEntity* entity)
{
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().openObject(OdDb::kForWrite);
  return ms->appendOdDbEntity(entity);
}

QByteArray entitiesFile(const QByteArray& body)
{
  return "0\nSECTION\n2\nENTITIES\n" + body + "0\nENDSEC\n0\nEOF\n";
}

OdDbEntityPtr onlyEntity(OdDbDatabase* db)
{
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().openObject();
  const OdDbObjectIdArray ids = ms->entityIds();
  EXPECT_EQ(ids.size(), 1u);
  return ids.isEmpty() ? OdDbEntityPtr() : OdDbEntityPtr(ids[0].openObject());
}

::testing::AssertionResult writtenWholeReadsBack(const std::function<OdDbEntityPtr()>& make, int version)
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbEntityPtr made = make();
  const OdDbObjectId id = addToModelSpace(db, made);
  made = nullptr;
  OdDbObjectPtr pObj = id.openObject();
  const QByteArray file = minimalFile(version, "", {{"ENTITIES", writeWhole(pObj, version)}});
  OdDbDatabasePtr again = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  const ::testing::AssertionResult read = readsCleanly(file, again, report);
  if (!read)
    return read;
  if (report.entities != 1)
    return ::testing::AssertionFailure() << report.entities << " entities read from\n" << file.toStdString();
  OdDbObjectPtr copy = again->getOdDbObjectId(pObj->getDbHandle()).openObject();
  if (copy.isNull())
    return ::testing::AssertionFailure() << "the object is missing from\n" << file.toStdString();
  const ::testing::AssertionResult same = sameState(pObj, copy);
  return same ? same : (::testing::AssertionFailure() << same.message() << "\n" << file.toStdString());
}

void expectEditReadsBackAlone(const QByteArray& source, std::uint64_t handle,
                              const std::function<void(OdDbObject*)>& edit)
{
  Read r = readSource(source);
  OdDbObjectPtr pObj =
    r.db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(handle))).safeOpenObject(OdDb::kForWrite);
  const std::string before = statesOf(r.db.get())[handle];
  edit(pObj.get());
  pObj = nullptr;
  const std::map<std::uint64_t, std::string> expected = statesOf(r.db.get());
  EXPECT_NE(expected.at(handle), before);
  const Read again = readSource(writeBack(r));
  EXPECT_EQ(again.report.repairCount, 0);
  const std::map<std::uint64_t, std::string> actual = statesOf(again.db.get());
  for (const auto& state : expected)
  {
    auto it = actual.find(state.first);
    ASSERT_NE(it, actual.end()) << "object " << std::hex << state.first << " is missing";
    EXPECT_EQ(it->second, state.second) << "object " << std::hex << state.first;
  }
}
} // namespace dxfwrite
