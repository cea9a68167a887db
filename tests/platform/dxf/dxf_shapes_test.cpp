// SHAPE in DXF: a drawing with unnamed shape-file styles and shapes goes out as it came, the
// values read as their reference gives them (world position, angles in degrees, the name found
// in the drawing's shape-file styles), refused values and names no shape file can define are
// repairs naming the line, and an edited shape written back from its source changes alone.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "DbDatabase.h"
#include "DbShape.h"
#include "DbSymbolTable.h"
#include "DbTextStyleTableRecord.h"
#include "DxfWriteTestUtil.h"
#include "DxfWriter.h"
#include "KyDxfReader.h"

using namespace kydxf;

namespace
{
// Two unnamed shape-file styles (handles B1, B2) before a named text style.
std::string styleTable()
{
  return dxfwrite::tags({
    {0, "TABLE"}, {2, "STYLE"}, {5, "3"}, {100, "AcDbSymbolTable"}, {70, "3"},
    {0, "STYLE"}, {5, "B1"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbTextStyleTableRecord"}, {2, ""},
    {70, "1"}, {40, "0.0"}, {41, "1.0"}, {50, "0.0"}, {71, "0"}, {42, "0.2"}, {3, "symbols.shx"}, {4, ""},
    {0, "STYLE"}, {5, "B2"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbTextStyleTableRecord"}, {2, ""},
    {70, "1"}, {40, "0.0"}, {41, "1.0"}, {50, "0.0"}, {71, "0"}, {42, "0.2"}, {3, "ltypeshp.shx"}, {4, ""},
    {0, "STYLE"}, {5, "B3"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbTextStyleTableRecord"}, {2, "Notes"},
    {70, "0"}, {40, "0.0"}, {41, "1.0"}, {50, "0.0"}, {71, "0"}, {42, "2.5"}, {3, "simplex.shx"}, {4, ""},
    {0, "ENDTAB"},
  });
}

// A box of the line types' shape file with every value, and a shape of another file.
std::string shapeEntities()
{
  return dxfwrite::tags({
    {0, "SHAPE"}, {5, "C1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbShape"}, {39, "0.5"}, {10, "1.0"},
    {20, "2.0"}, {30, "3.0"}, {40, "2.5"}, {2, "BOX"}, {50, "90.0"}, {41, "1.5"}, {51, "-10.0"}, {210, "0.0"},
    {220, "1.0"}, {230, "0.0"},
    {0, "SHAPE"}, {5, "C2"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbShape"}, {10, "5.0"}, {20, "5.0"},
    {30, "0.0"}, {40, "1.0"}, {2, "ARROW"},
  });
}

QByteArray shapeFile()
{
  return dxfwrite::minimalFile(kDxfR2000, "", {{"TABLES", styleTable()}, {"ENTITIES", shapeEntities()}});
}

OdDbShapePtr shapeAt(OdDbDatabase* db, std::uint64_t handle)
{
  return OdDbShape::cast(db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(handle))).openObject());
}
} // namespace

TEST(DxfShapes, ReadsTheValuesAndFindsTheNameInTheShapeFileStyles)
{
  const dxfwrite::Read r = dxfwrite::readSource(shapeFile());
  EXPECT_EQ(r.report.repairCount, 0);
  EXPECT_EQ(r.report.entities, 2);
  const OdDbShapePtr box = shapeAt(r.db, 0xC1);
  ASSERT_FALSE(box.isNull());
  EXPECT_EQ(box->position(), OdGePoint3d(1, 2, 3));
  EXPECT_DOUBLE_EQ(box->size(), 2.5);
  EXPECT_DOUBLE_EQ(box->thickness(), 0.5);
  EXPECT_NEAR(box->rotation(), M_PI / 2, 1e-15);
  EXPECT_NEAR(box->oblique(), -M_PI / 18, 1e-15);
  EXPECT_DOUBLE_EQ(box->widthFactor(), 1.5);
  EXPECT_EQ(box->normal(), OdGeVector3d::kYAxis);
  EXPECT_EQ(box->name(), OdString(L"BOX"));
  EXPECT_EQ(box->shapeNumber(), 3);
  EXPECT_EQ(box->styleId(), r.db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(0xB2))));
  // A name no known shape file defines: kept, with the drawing's first shape-file style.
  const OdDbShapePtr arrow = shapeAt(r.db, 0xC2);
  ASSERT_FALSE(arrow.isNull());
  EXPECT_EQ(arrow->name(), OdString(L"ARROW"));
  EXPECT_EQ(arrow->shapeNumber(), 0);
  EXPECT_EQ(arrow->styleId(), r.db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(0xB1))));
  EXPECT_DOUBLE_EQ(arrow->widthFactor(), 1.0);
  // The unnamed styles are records of the table, beside the named one.
  OdDbSymbolTablePtr styles = r.db->getTextStyleTableId().safeOpenObject();
  EXPECT_TRUE(styles->has(box->styleId()));
  EXPECT_FALSE(styles->getAt(L"Notes").isNull());
}

TEST(DxfShapes, RefusedValuesAndNamesWithoutAShapeFileAreRepairs)
{
  const struct
  {
    const char* name;
    std::vector<std::pair<int, std::string>> body;
    const char* repair;
  } cases[] = {
    {"width factor 0",
     {{0, "SHAPE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "1"}, {2, "BOX"}, {41, "0"}},
     "16: SHAPE width factor refused (Invalid input); dropped the value"},
    {"no shape file",
     {{0, "SHAPE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "1"}, {2, "BOX"}},
     "14: SHAPE 'BOX' names a shape, but the drawing loads no shape file; kept the name as written"},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.name);
    const bool withStyles = std::string(c.name) != "no shape file";
    const std::string entities = dxfwrite::tags(c.body);
    const QByteArray file =
      withStyles ? dxfwrite::minimalFile(kDxfR2000, "", {{"TABLES", styleTable()}, {"ENTITIES", entities}})
                 : dxfwrite::minimalFile(kDxfR2000, "", {{"ENTITIES", entities}});
    const dxfwrite::Read r = dxfwrite::readSource(file);
    ASSERT_EQ(r.report.repairs.size(), 1);
    const std::string text = KyDxfReader::Report::repairText("t.dxf", r.report.repairs[0]).toStdString();
    // The line numbers count from the start of the section.
    EXPECT_NE(text.find(std::string(c.repair).substr(std::string(c.repair).find(':'))), std::string::npos) << text;
  }
}

TEST(DxfShapes, EditedShapeChangesAloneAndStylesGoOutAsTheyCame)
{
  const QByteArray source = shapeFile();
  {
    const dxfwrite::Read r = dxfwrite::readSource(source);
    EXPECT_EQ(dxfwrite::writeBack(r), source) << "an unedited drawing goes out as it came";
  }
  struct Edit
  {
    const char* name;
    std::uint64_t handle;
    std::function<void(OdDbShape*)> apply;
  };
  const std::vector<Edit> edits = {
    {"size", 0xC1, [](OdDbShape* s) { s->setSize(4.0); }},
    {"rotation back to 0", 0xC1, [](OdDbShape* s) { s->setRotation(0.0); }},
    {"width factor", 0xC2, [](OdDbShape* s) { s->setWidthFactor(0.5); }},
    {"another shape of the file", 0xC1, [](OdDbShape* s) { s->setShapeNumber(2); }},
    {"position and normal", 0xC2,
     [](OdDbShape* s) {
       s->setPosition(OdGePoint3d(-1, 0, 2));
       s->setNormal(OdGeVector3d(1, 0, 0));
     }},
  };
  for (const Edit& edit : edits)
  {
    SCOPED_TRACE(edit.name);
    dxfwrite::expectEditReadsBackAlone(source, edit.handle,
                                       [&](OdDbObject* p) { edit.apply(static_cast<OdDbShape*>(p)); });
  }
}

TEST(DxfShapes, WrittenWholeReadsBackWithItsShapeFileStyle)
{
  for (int version : {kDxfR2000, kDxfR2018})
  {
    SCOPED_TRACE(version);
    OdDbDatabasePtr db = OdDbDatabase::createObject();
    OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::createObject();
    style->setIsShapeFile(true);
    style->setFileName(L"ltypeshp.shx");
    OdDbSymbolTablePtr styles = db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite);
    const OdDbObjectId styleId = styles->add(style);
    OdDbShapePtr shape = OdDbShape::createObject();
    shape->setStyleId(styleId);
    shape->setName(L"CIRC1");
    shape->setPosition(OdGePoint3d(3, -4, 0.5));
    shape->setSize(0.75);
    shape->setRotation(-0.5);
    shape->setOblique(0.25);
    shape->setWidthFactor(2.0);
    shape->setThickness(-0.0);
    dxfwrite::addToModelSpace(db, shape);
    const std::string styleTags = dxfwrite::writeWhole(style, version);
    const std::string shapeTags = dxfwrite::writeWhole(shape, version);
    EXPECT_NE(styleTags.find("\n  2\n\n"), std::string::npos) << "the style goes out unnamed";
    const std::string table = dxfwrite::tags({{0, "TABLE"}, {2, "STYLE"}, {70, "1"}}) + styleTags +
                              dxfwrite::tags({{0, "ENDTAB"}});
    OdDbDatabasePtr again = OdDbDatabase::createObject();
    KyDxfReader::Report report;
    ASSERT_TRUE(dxfwrite::readsCleanly(
      dxfwrite::minimalFile(version, "", {{"TABLES", table}, {"ENTITIES", shapeTags}}), again, report));
    const OdDbShapePtr read = OdDbShape::cast(dxfwrite::onlyEntity(again));
    ASSERT_FALSE(read.isNull());
    EXPECT_TRUE(dxfwrite::sameState(shape, read));
    EXPECT_EQ(read->shapeNumber(), 4);
  }
}
