// Tests of the shape stand-in: the name resolved through shape-file styles (kept as given when no
// style defines it), unnamed shape-file styles in the text style table, refused values that leave
// the shape unchanged, open-mode checks, extents and transforms, copies, and the drawing side of
// its style.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbFiler.h"
#include "DbLayerTableRecord.h"
#include "DbShape.h"
#include "DbTextStyleTable.h"
#include "Gi/GiTextStyle.h"
#include "Ge/GeMatrix3d.h"
#include "OdError.h"

namespace
{
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

OdResult errorOf(const std::function<void()>& f)
{
  try
  {
    f();
  }
  catch (const OdError& e)
  {
    return e.code();
  }
  return eOk;
}

std::string state(const OdDbObject* object)
{
  OdDbDxfTagList tags;
  object->dxfOutFields(&tags);
  return tags.toString();
}

void expectPoint(const OdGePoint3d& actual, const OdGePoint3d& expected)
{
  EXPECT_NEAR(actual.distanceTo(expected), 0.0, 1e-12) << actual.x << " " << actual.y << " " << actual.z;
}

struct Shapes : ::testing::Test
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();

  // An unnamed shape-file style of the file.
  OdDbObjectId addShapeFile(const OdString& file)
  {
    OdDbSymbolTablePtr styles = db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite);
    OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::createObject();
    style->setIsShapeFile(true);
    style->setFileName(file);
    return styles->add(style);
  }
  OdDbShapePtr addShape()
  {
    OdDbShapePtr shape = OdDbShape::createObject();
    OdDbBlockTableRecordPtr space = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    space->appendOdDbEntity(shape);
    return shape;
  }
};
} // namespace

TEST_F(Shapes, UnnamedShapeFileStylesJoinTheTableAndAreFoundByIdOnly)
{
  const OdDbObjectId first = addShapeFile(L"ltypeshp.shx");
  const OdDbObjectId second = addShapeFile(L"symbols.shx");
  EXPECT_NE(first, second);
  OdDbSymbolTablePtr styles = db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite);
  EXPECT_TRUE(styles->has(first));
  EXPECT_TRUE(styles->getAt(OdString()).isNull());
  // A text style of a font needs a name, as every other record does.
  OdDbTextStyleTableRecordPtr font = OdDbTextStyleTableRecord::createObject();
  EXPECT_EQ(errorOf([&] { styles->add(font); }), eInvalidSymbolTableName);
  OdDbSymbolTablePtr layers = db->getLayerTableId().safeOpenObject(OdDb::kForWrite);
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
  EXPECT_EQ(errorOf([&] { layers->add(layer); }), eInvalidSymbolTableName);
}

TEST_F(Shapes, NamesResolveThroughTheShapeFileStylesOfTheDatabase)
{
  const OdDbObjectId symbols = addShapeFile(L"symbols.shx");
  const OdDbObjectId linetypeShapes = addShapeFile(L"C:\\fonts\\LTYPESHP.SHX");
  OdDbShapePtr shape = addShape();
  shape->setStyleId(symbols);
  // Found in the second style: style and number follow the name, in any case.
  shape->setName(L"circ1");
  EXPECT_EQ(shape->styleId(), linetypeShapes);
  EXPECT_EQ(shape->shapeNumber(), 4);
  EXPECT_EQ(shape->name(), OdString(L"CIRC1"));
  // The number picks another shape of the style, the name follows it.
  shape->setShapeNumber(1);
  EXPECT_EQ(shape->name(), OdString(L"TRACK1"));
  // A name no style defines is kept as given, with number 0 and the style it had.
  shape->setName(L"ARROW");
  EXPECT_EQ(shape->name(), OdString(L"ARROW"));
  EXPECT_EQ(shape->shapeNumber(), 0);
  EXPECT_EQ(shape->styleId(), linetypeShapes);
  // A number the style does not define leaves the name as it was.
  shape->setShapeNumber(77);
  EXPECT_EQ(shape->name(), OdString(L"ARROW"));
  // Outside a database only the shape's own style is asked.
  OdDbShapePtr loose = OdDbShape::createObject();
  loose->setName(L"ZIG");
  EXPECT_EQ(loose->shapeNumber(), 0);
  loose->setStyleId(linetypeShapes);
  loose->setName(L"ZIG");
  EXPECT_EQ(loose->shapeNumber(), 2);
  // Only text styles can be the shape's style.
  EXPECT_EQ(errorOf([&] { loose->setStyleId(db->getLayerZeroId()); }), eWrongObjectType);
  EXPECT_EQ(loose->styleId(), linetypeShapes);
}

TEST_F(Shapes, RefusedValuesLeaveTheShapeUnchanged)
{
  OdDbShapePtr shape = addShape();
  shape->setPosition(OdGePoint3d(1, 2, 3));
  const struct
  {
    const char* what;
    std::function<void(OdDbShape*)> change;
  } cases[] = {
    {"position", [](OdDbShape* s) { s->setPosition(OdGePoint3d(kNaN, 0, 0)); }},
    {"size", [](OdDbShape* s) { s->setSize(kInf); }},
    {"rotation", [](OdDbShape* s) { s->setRotation(kNaN); }},
    {"width factor 0", [](OdDbShape* s) { s->setWidthFactor(0.0); }},
    {"width factor < 0", [](OdDbShape* s) { s->setWidthFactor(-1.0); }},
    {"width factor inf", [](OdDbShape* s) { s->setWidthFactor(kInf); }},
    {"oblique", [](OdDbShape* s) { s->setOblique(kInf); }},
    {"thickness", [](OdDbShape* s) { s->setThickness(kNaN); }},
    {"zero normal", [](OdDbShape* s) { s->setNormal(OdGeVector3d()); }},
    {"normal", [](OdDbShape* s) { s->setNormal(OdGeVector3d(0, kNaN, 1)); }},
  };
  const std::string before = state(shape);
  for (const auto& c : cases)
  {
    EXPECT_EQ(errorOf([&] { c.change(shape); }), eInvalidInput) << c.what;
    EXPECT_EQ(state(shape), before) << c.what;
  }
  // Sizes of any sign and angles beyond a turn are kept as given; the normal is normalised.
  shape->setSize(-2.0);
  shape->setRotation(7.0);
  shape->setNormal(OdGeVector3d(0, 0, 4));
  EXPECT_DOUBLE_EQ(shape->size(), -2.0);
  EXPECT_DOUBLE_EQ(shape->rotation(), 7.0);
  EXPECT_EQ(shape->normal(), OdGeVector3d::kZAxis);
  // Open for read, nothing can be set.
  shape->downgradeOpen();
  EXPECT_EQ(errorOf([&] { shape->setSize(3.0); }), eNotOpenForWrite);
  EXPECT_EQ(errorOf([&] { shape->setName(L"BOX"); }), eNotOpenForWrite);
  EXPECT_EQ(errorOf([&] { shape->setShapeNumber(3); }), eNotOpenForWrite);
  // The open mode is checked before the value.
  EXPECT_EQ(errorOf([&] { shape->setOblique(kInf); }), eNotOpenForWrite);
  EXPECT_EQ(errorOf([&] { shape->setPosition(OdGePoint3d(kNaN, 0, 0)); }), eNotOpenForWrite);
  EXPECT_DOUBLE_EQ(shape->size(), -2.0);

  // Closed, nothing can be read.
  const OdDbObjectId id = shape->objectId();
  shape.release();
  const OdDbShape* closed = OdDbShape::cast(id.openObject().get()).get(); // closed again at once
  EXPECT_EQ(errorOf([&] { closed->thickness(); }), eNotOpenForRead);
  OdGeExtents3d extents;
  EXPECT_EQ(errorOf([&] { closed->getGeomExtents(extents); }), eNotOpenForRead);
  EXPECT_EQ(errorOf([&] { closed->size(); }), eNotOpenForRead);
  EXPECT_EQ(errorOf([&] { closed->normal(); }), eNotOpenForRead);
}

TEST_F(Shapes, ExtentsAreTheRotatedBoxOfSizeAndWidthWithTheThickness)
{
  OdDbShapePtr shape = OdDbShape::createObject();
  shape->setPosition(OdGePoint3d(10, 0, 0));
  shape->setSize(2.0);
  shape->setWidthFactor(1.5);
  OdGeExtents3d extents;
  ASSERT_EQ(shape->getGeomExtents(extents), eOk);
  expectPoint(extents.minPoint(), OdGePoint3d(10, 0, 0));
  expectPoint(extents.maxPoint(), OdGePoint3d(13, 2, 0));
  // A quarter turn: the width runs up Y, the height back along -X; the thickness adds depth.
  shape->setRotation(M_PI / 2);
  shape->setThickness(-1.0);
  ASSERT_EQ(shape->getGeomExtents(extents), eOk);
  expectPoint(extents.minPoint(), OdGePoint3d(8, 0, -1));
  expectPoint(extents.maxPoint(), OdGePoint3d(10, 3, 0));
}

TEST_F(Shapes, TransformsMoveTurnAndScaleTheShape)
{
  OdDbShapePtr shape = OdDbShape::createObject();
  shape->setPosition(OdGePoint3d(1, 0, 0));
  shape->setSize(2.0);
  shape->setThickness(1.0);
  shape->setOblique(0.2);
  ASSERT_EQ(shape->transformBy(OdGeMatrix3d::rotation(M_PI / 2, OdGeVector3d::kZAxis)), eOk);
  expectPoint(shape->position(), OdGePoint3d(0, 1, 0));
  EXPECT_NEAR(shape->rotation(), M_PI / 2, 1e-12);
  ASSERT_EQ(shape->transformBy(OdGeMatrix3d::scaling(3.0)), eOk);
  EXPECT_NEAR(shape->size(), 6.0, 1e-12);
  EXPECT_NEAR(shape->widthFactor(), 1.0, 1e-12);
  EXPECT_NEAR(shape->thickness(), 3.0, 1e-12);
  EXPECT_DOUBLE_EQ(shape->oblique(), 0.2);
  // Stretched along its direction (world Y now), the shape gets wider, not taller.
  OdGeMatrix3d stretch;
  stretch.setToScaling(OdGeScale3d(1.0, 2.0, 1.0));
  ASSERT_EQ(shape->transformBy(stretch), eOk);
  EXPECT_NEAR(shape->size(), 6.0, 1e-12);
  EXPECT_NEAR(shape->widthFactor(), 2.0, 1e-12);
  // A negative size stays negative under a scaling.
  shape->setSize(-1.0);
  ASSERT_EQ(shape->transformBy(OdGeMatrix3d::scaling(2.0)), eOk);
  EXPECT_NEAR(shape->size(), -2.0, 1e-12);
  EXPECT_NEAR(shape->rotation(), M_PI / 2, 1e-12);
  // A matrix that flattens the shape's plane changes nothing.
  const std::string before = state(shape);
  EXPECT_EQ(shape->transformBy(OdGeMatrix3d::scaling(0.0)), eInvalidInput);
  OdGeMatrix3d flat;
  flat.setToScaling(OdGeScale3d(0.0, 1.0, 1.0));
  EXPECT_EQ(shape->transformBy(flat), eInvalidInput);
  EXPECT_EQ(state(shape), before);
}

TEST_F(Shapes, CopiesKeepEveryValueAndTheStyleGivesItsFontFile)
{
  const OdDbObjectId style = addShapeFile(L"ltypeshp.shx");
  OdDbShapePtr shape = addShape();
  shape->setStyleId(style);
  shape->setName(L"BAT");
  shape->setPosition(OdGePoint3d(4, 5, 6));
  shape->setSize(0.5);
  shape->setWidthFactor(2.0);
  shape->setOblique(-0.1);
  shape->setThickness(2.0);
  shape->setNormal(OdGeVector3d(0, 1, 0));
  OdDbShapePtr copy = OdDbShape::cast(shape->clone());
  ASSERT_FALSE(copy.isNull());
  // A copy outside the drawing has no handle and no owner; every other value is the shape's.
  const auto values = [](const OdDbObject* object) {
    OdDbDxfTagList tags;
    object->dxfOutFields(&tags);
    std::vector<OdDbDxfTagList::Tag> kept;
    for (const OdDbDxfTagList::Tag& t : tags.tags())
      if (t.first != 5 && t.first != 330)
        kept.push_back(t);
    return kept;
  };
  EXPECT_EQ(values(copy), values(shape));
  EXPECT_EQ(copy->shapeNumber(), 5);
  EXPECT_EQ(copy->styleId(), style);

  OdGiTextStyle gi;
  giFromDbTextStyle(shape->styleId(), gi);
  EXPECT_TRUE(gi.isShape());
  EXPECT_EQ(gi.getFontFilePath(db), OdString(L"ltypeshp.shx"));
  OdGiTextStyle none;
  giFromDbTextStyle(OdDbObjectId(), none);
  EXPECT_TRUE(none.getFontFilePath(db).isEmpty());
}
