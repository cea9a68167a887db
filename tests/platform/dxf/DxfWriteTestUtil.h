// Helpers for the DXF writer's tests: objects written whole by their kind's writer, minimal files
// around them, a clean read back, and object states compared with records by name (handles of
// another database mean nothing) and numbers to their last bits.
#ifndef KY_DXF_WRITE_TEST_UTIL_H
#define KY_DXF_WRITE_TEST_UTIL_H

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QByteArray>

#include "DbFiler.h"
#include "DbObject.h"
#include "KyDxfReader.h"

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
} // namespace dxfwrite

#endif
