// Construction lines, points and planar fills in DXF: each kind written whole reads back into the
// same state, the files' forms read as their reference gives them (corners of solids and traces in
// the object coordinate system and in the file's order, a missing fourth corner, face edge flags),
// values the objects refuse are repairs naming the line, and an edited object of each kind written
// back from its source changes alone.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "DbDatabase.h"
#include "DbFace.h"
#include "DbPoint.h"
#include "DbRay.h"
#include "DbSolid.h"
#include "DbTrace.h"
#include "DbXline.h"
#include "DxfWriteTestUtil.h"
#include "DxfWriter.h"
#include "Ge/GeMatrix3d.h"
#include "KyDxfReader.h"

using namespace kydxf;

namespace
{
struct KindCase
{
  const char* name;
  std::function<OdDbEntityPtr()> make;
};

std::vector<KindCase> kindCases()
{
  return {
    {"infinite line",
     [] {
       OdDbXlinePtr x = OdDbXline::createObject();
       x->setBasePoint(OdGePoint3d(1.5, -2, 7));
       x->setUnitDir(OdGeVector3d(1, 2, 3));
       return OdDbEntityPtr(x);
     }},
    {"ray with a colour",
     [] {
       OdDbRayPtr r = OdDbRay::createObject();
       r->setBasePoint(OdGePoint3d(-4, 0.25, 0));
       r->setUnitDir(OdGeVector3d(0, -1, 0));
       r->setColorIndex(3);
       return OdDbEntityPtr(r);
     }},
    {"point with thickness, normal and angle",
     [] {
       OdDbPointPtr p = OdDbPoint::createObject();
       p->setPosition(OdGePoint3d(3, 4, 5));
       p->setThickness(-2);
       p->setNormal(OdGeVector3d(0, 1, 1));
       p->setEcsRotation(0.5);
       return OdDbEntityPtr(p);
     }},
    {"solid on a tilted plane",
     [] {
       OdDbSolidPtr s = OdDbSolid::createObject();
       const OdGeVector3d normal(1, 0, 1);
       const OdGeMatrix3d toWorld = OdGeMatrix3d::planeToWorld(normal);
       s->setNormal(normal);
       for (OdUInt16 i = 0; i < 4; ++i)
         s->setPointAt(i, toWorld * OdGePoint3d(4.0 * (i % 2), 3.0 * (i / 2), 2));
       s->setThickness(1.25);
       return OdDbEntityPtr(s);
     }},
    {"trace",
     [] {
       OdDbTracePtr t = OdDbTrace::createObject();
       for (OdUInt16 i = 0; i < 4; ++i)
         t->setPointAt(i, OdGePoint3d(i, i % 2, 0));
       return OdDbEntityPtr(t);
     }},
    {"face with hidden edges",
     [] {
       OdDbFacePtr f = OdDbFace::createObject();
       for (OdUInt16 i = 0; i < 4; ++i)
         f->setVertexAt(i, OdGePoint3d(i, 2.0 * i, 3.0 * i));
       f->makeEdgeInvisibleAt(0);
       f->makeEdgeInvisibleAt(3);
       return OdDbEntityPtr(f);
     }},
  };
}

OdDbEntityPtr readOne(const QByteArray& body, KyDxfReader::Report& report, OdDbDatabasePtr& db)
{
  db = OdDbDatabase::createObject();
  report = KyDxfReader::Report();
  QString error;
  EXPECT_TRUE(KyDxfReader::readFromBytes(dxfwrite::entitiesFile(body), QStringLiteral("t.dxf"), db.get(), report,
                                         error))
    << error.toStdString();
  return dxfwrite::onlyEntity(db);
}

void expectPoint(const OdGePoint3d& actual, const OdGePoint3d& expected)
{
  EXPECT_NEAR(actual.distanceTo(expected), 0.0, 1e-12) << actual.x << " " << actual.y << " " << actual.z;
}
} // namespace

TEST(DxfFills, WrittenWholeReadsBackTheSameState)
{
  for (const KindCase& c : kindCases())
    for (int version : {kDxfR2000, kDxfR2018})
      EXPECT_TRUE(dxfwrite::writtenWholeReadsBack(c.make, version)) << c.name << " in AC" << version;
}

TEST(DxfFills, ReadsCornersInTheirObjectSystemAndTheFilesOrder)
{
  KyDxfReader::Report report;
  OdDbDatabasePtr db;
  // Normal -Z: the object system's X axis is world -X. Three corners: the fourth repeats the third.
  OdDbEntityPtr e = readOne("0\nSOLID\n8\n0\n100\nAcDbTrace\n10\n1\n20\n2\n30\n5\n11\n3\n21\n2\n31\n5\n"
                            "12\n1\n22\n6\n32\n5\n210\n0\n220\n0\n230\n-1\n",
                            report, db);
  OdDbSolidPtr solid = OdDbSolid::cast(e);
  ASSERT_FALSE(solid.isNull());
  EXPECT_EQ(report.repairCount, 0);
  OdGePoint3d p;
  solid->getPointAt(0, p);
  expectPoint(p, OdGePoint3d(-1, 2, -5));
  solid->getPointAt(1, p);
  expectPoint(p, OdGePoint3d(-3, 2, -5));
  solid->getPointAt(3, p);
  expectPoint(p, OdGePoint3d(-1, 6, -5));
  EXPECT_EQ(solid->normal(), -OdGeVector3d::kZAxis);

  e = readOne("0\n3DFACE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n0\n31\n0\n12\n1\n22\n1\n32\n1\n13\n0\n23\n1\n33\n1\n"
              "70\n5\n",
              report, db);
  OdDbFacePtr face = OdDbFace::cast(e);
  ASSERT_FALSE(face.isNull());
  for (OdUInt16 i = 0; i < 4; ++i)
  {
    bool visible = true;
    face->isEdgeVisibleAt(i, visible);
    EXPECT_EQ(visible, i == 1 || i == 3) << "edge " << i;
  }
  face->getVertexAt(2, p);
  expectPoint(p, OdGePoint3d(1, 1, 1));

  e = readOne("0\nPOINT\n8\n0\n10\n1\n20\n2\n30\n3\n39\n4\n50\n90\n", report, db);
  OdDbPointPtr point = OdDbPoint::cast(e);
  ASSERT_FALSE(point.isNull());
  EXPECT_EQ(point->position(), OdGePoint3d(1, 2, 3));
  EXPECT_EQ(point->thickness(), 4.0);
  EXPECT_NEAR(point->ecsRotation(), M_PI / 2, 1e-15);

  e = readOne("0\nRAY\n8\n0\n100\nAcDbRay\n10\n1\n20\n1\n30\n0\n11\n0\n21\n3\n31\n4\n", report, db);
  OdDbRayPtr ray = OdDbRay::cast(e);
  ASSERT_FALSE(ray.isNull());
  EXPECT_EQ(ray->basePoint(), OdGePoint3d(1, 1, 0));
  EXPECT_NEAR(ray->unitDir().z, 0.8, 1e-15);
}

TEST(DxfFills, RefusedValuesAreRepairsNamingTheLine)
{
  const struct
  {
    const char* body;
    const char* repair;
  } cases[] = {
    {"0\nXLINE\n8\n0\n10\n1\n20\n1\n30\n0\n11\n0\n21\n0\n31\n0\n",
     "16: XLINE direction refused (Invalid input); dropped the value"},
    {"0\n3DFACE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n0\n31\n0\n12\n1\n22\n1\n32\n0\n70\n19\n",
     "28: 3DFACE edge flags 19 beyond the four edges; kept the bits of the four edges"},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.body);
    KyDxfReader::Report report;
    OdDbDatabasePtr db;
    const OdDbEntityPtr e = readOne(c.body, report, db);
    ASSERT_FALSE(e.isNull());
    ASSERT_EQ(report.repairs.size(), 1);
    EXPECT_EQ(KyDxfReader::Report::repairText("t.dxf", report.repairs[0]).toStdString(),
              std::string("t.dxf:") + c.repair);
  }
}

// A drawing written by another program: every kind once, each edited in turn and written back.
TEST(DxfFills, EditedObjectOfEachKindChangesAloneAndReadsBack)
{
  const std::string entities = dxfwrite::tags({
    {0, "XLINE"},  {5, "A1"},  {100, "AcDbEntity"}, {8, "0"},    {100, "AcDbXline"}, {10, "0.0"},  {20, "30.0"},
    {30, "0.0"},   {11, "1.0"}, {21, "0.0"},        {31, "0.0"}, {0, "RAY"},         {5, "A2"},    {100, "AcDbEntity"},
    {8, "0"},      {100, "AcDbRay"}, {10, "70.0"},  {20, "0.0"}, {30, "0.0"},        {11, "0.6"},  {21, "0.8"},
    {31, "0.0"},   {0, "POINT"}, {5, "A3"},         {100, "AcDbEntity"}, {8, "0"},   {100, "AcDbPoint"},
    {10, "20.0"},  {20, "20.0"}, {30, "0.0"},       {39, "1.5"}, {50, "0.0"},        {0, "TRACE"}, {5, "A4"},
    {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbTrace"}, {10, "70"}, {20, "-0.5"},     {30, "0"},    {11, "70"},
    {21, "0.5"},   {31, "0"},  {12, "79"},          {22, "-0.5"}, {32, "0"},         {13, "79"},   {23, "0.5"},
    {33, "0"},     {0, "SOLID"}, {5, "A5"},         {100, "AcDbEntity"}, {8, "0"},   {100, "AcDbTrace"},
    {10, "48"},    {20, "28"}, {30, "0"},           {11, "52"},  {21, "28"},         {31, "0"},    {12, "48"},
    {22, "32"},    {32, "0"},  {13, "52"},          {23, "32"},  {33, "0"},          {39, "3.0"},  {0, "3DFACE"},
    {5, "A6"},     {100, "AcDbEntity"}, {8, "0"},   {100, "AcDbFace"}, {10, "0"},    {20, "0"},    {30, "30"},
    {11, "100"},   {21, "0"},  {31, "30"},          {12, "100"}, {22, "30"},         {32, "45"},   {13, "0"},
    {23, "30"},    {33, "45"}, {70, "4"},
  });
  const QByteArray source = dxfwrite::minimalFile(kDxfR2000, "", {{"ENTITIES", entities}});
  struct Edit
  {
    const char* name;
    std::uint64_t handle;
    std::function<void(OdDbObject*)> apply;
  };
  const std::vector<Edit> edits = {
    {"infinite line direction", 0xA1,
     [](OdDbObject* p) { static_cast<OdDbXline*>(p)->setUnitDir(OdGeVector3d(1, 1, 0)); }},
    {"ray base point", 0xA2,
     [](OdDbObject* p) { static_cast<OdDbRay*>(p)->setBasePoint(OdGePoint3d(71.5, 0.25, 0)); }},
    {"point thickness", 0xA3, [](OdDbObject* p) { static_cast<OdDbPoint*>(p)->setThickness(0.0); }},
    {"trace corner", 0xA4,
     [](OdDbObject* p) { static_cast<OdDbTrace*>(p)->setPointAt(3, OdGePoint3d(80, 0.75, 0)); }},
    {"solid fourth corner", 0xA5,
     [](OdDbObject* p) { static_cast<OdDbSolid*>(p)->setPointAt(3, OdGePoint3d(53, 33, 0)); }},
    {"face edge shown again", 0xA6, [](OdDbObject* p) { static_cast<OdDbFace*>(p)->makeEdgeVisibleAt(2); }},
    {"face edge hidden", 0xA6, [](OdDbObject* p) { static_cast<OdDbFace*>(p)->makeEdgeInvisibleAt(0); }},
  };
  {
    const dxfwrite::Read r = dxfwrite::readSource(source);
    EXPECT_EQ(r.report.repairCount, 0);
    EXPECT_EQ(r.report.entities, 6);
    EXPECT_EQ(dxfwrite::writeBack(r), source) << "an unedited drawing goes out as it came";
  }
  for (const Edit& edit : edits)
  {
    SCOPED_TRACE(edit.name);
    dxfwrite::expectEditReadsBackAlone(source, edit.handle, edit.apply);
  }
}
