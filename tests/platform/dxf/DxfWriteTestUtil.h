// Helpers for the DXF writer's tests: objects written whole by their kind's writer, minimal files
// around them, a clean read back, and object states compared with records by name (handles of
// another database mean nothing) and numbers to their last bits.
#ifndef KY_DXF_WRITE_TEST_UTIL_H
#define KY_DXF_WRITE_TEST_UTIL_H

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QByteArray>

#include "DbDatabase.h"
#include "DbEntity.h"
#include "DbFiler.h"
#include "DbObject.h"
#include "KyDxfReader.h"

namespace kydxf
{
class DxfFields;
}

namespace dxfwrite
{
// Tags as the writer writes them (line feeds only), for hand-made sections.
std::string tags(const std::vector<std::pair<int, std::string>>& tags);

// The object written whole (DxfOutput::object) in the version, texts in the code page before
// R2007. A DxfWriteError propagates.
std::string writeWhole(const OdDbObject* pObj, int version, const std::string& codePage = "ANSI_1252");

// "0 SECTION 2 HEADER 9 $ACADVER 1 AC10xx 9 $DWGCODEPAGE 3 <codePage> <headerVariables> 0 ENDSEC",
// then each (name, body) as a section, then EOF.
QByteArray minimalFile(int version, const std::string& headerVariables,
                       const std::vector<std::pair<std::string, std::string>>& sections,
                       const std::string& codePage = "ANSI_1252");

// Reads the file into db; fails on an error, a repair or a skipped object.
::testing::AssertionResult readsCleanly(const QByteArray& file, OdDbDatabase* db,
                                        KyDxfReader::Report& report);

// The object's complete state (dxfOut) without its handle, with references to symbol-table
// records (owner block, layer, style ...) given by the record's name.
class ComparableState : public OdDbDxfTagList
{
public:
  explicit ComparableState(const OdDbObject* pObj);
  void wrHandle(int groupCode, const OdDbHandle& value) override;
  void wrObjectId(int groupCode, const OdDbObjectId& value) override;

private:
  bool m_sawHandle = false;
};

// Equal tag for tag; reals may differ in their last bits (angles go out in degrees, points
// through an object coordinate system).
::testing::AssertionResult sameState(const OdDbObject* expected, const OdDbObject* actual);
// Every tag of the fields outside the extended data stands in a subclass that owns its code (the
// merge of a changed object replaces exactly the owned codes).
::testing::AssertionResult ownsEveryCode(const kydxf::DxfFields& fields);

// A drawing read with its source kept, as kyprops opens a file it may write back.
struct Read
{
  OdDbDatabasePtr db;
  KyDxfReader::Report report;
};
Read readSource(const QByteArray& data);
// The drawing written from its source in the version ("" keeps the source's).
QByteArray writeBack(const Read& r, const QString& version = QString());
// Complete states of every object by handle (the database's own snapshot of each).
std::map<std::uint64_t, std::string> statesOf(OdDbDatabase* db);
// Every object of `expected` is in `actual`, in the same state (objects only `actual` has are
// not looked at).
::testing::AssertionResult statesKept(const std::map<std::uint64_t, std::string>& expected,
                                      const std::map<std::uint64_t, std::string>& actual);

// The drawing read with its source, the object of the handle edited, written back and read
// again: the edit changed the object, and every object reads back with the state it had after the
// edit, without a repair.
void expectEditReadsBackAlone(const QByteArray& source, std::uint64_t handle,
                              const std::function<void(OdDbObject*)>& edit);

// Entities of one kind in a file of their own: appended to model space, a file of the ENTITIES
// section alone, and the only entity read from one.
OdDbObjectId addToModelSpace(OdDbDatabase* db, OdDbEntity* entity);
QByteArray entitiesFile(const QByteArray& body);
OdDbEntityPtr onlyEntity(OdDbDatabase* db);
// The entity made, added to a drawing, written whole in the version and read back cleanly, has
// the state it was written with.
::testing::AssertionResult writtenWholeReadsBack(const std::function<OdDbEntityPtr()>& make, int version);
} // namespace dxfwrite

#endif
