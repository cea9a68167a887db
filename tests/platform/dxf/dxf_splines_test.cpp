// Tests of the free-form curve kinds in DXF: each written whole in R2000 and R2018 reads back into
// the same state, writes only codes its subclasses own, and files with values the curves refuse
// open with the repair named by line.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbEllipse.h"
#include "DxfWriteTestUtil.h"
#include "DxfWriter.h"
#include "Ge/GeGbl.h"
#include "KyDxfReader.h"

using namespace kydxf;

namespace
{
struct CurveCase
{
  const char* name;
  std::function<OdDbEntityPtr()> make;
};

std::vector<CurveCase> curveCases()
{
  return {
    {"full ellipse on a tilted plane",
     [] {
       OdDbEllipsePtr e = OdDbEllipse::createObject();
       const OdGeVector3d normal = OdGeVector3d(1, 2, 3).normal();
       e->set(OdGePoint3d(1.5, -2, 7), normal, OdGeVector3d(3, 0, -1).normal() * 12.25, 0.3);
       return OdDbEntityPtr(e);
     }},
    {"elliptical arc across the zero parameter",
     [] {
       OdDbEllipsePtr e = OdDbEllipse::createObject();
       e->set(OdGePoint3d(10, 20, 0), OdGeVector3d::kZAxis, OdGeVector3d(0, 5, 0), 0.5, 5.0, 1.0);
       return OdDbEntityPtr(e);
     }},
    {"circle-shaped arc with a colour",
     [] {
       OdDbEllipsePtr e = OdDbEllipse::createObject();
       e->set(OdGePoint3d::kOrigin, -OdGeVector3d::kZAxis, OdGeVector3d(3, 4, 0), 1.0, 0.25, OdaPI);
       e->setColorIndex(3);
       return OdDbEntityPtr(e);
     }},
  };
}

} // namespace

TEST(DxfSplines, WrittenWholeReadsBackTheSameState)
{
  for (const CurveCase& c : curveCases())
    for (int version : {kDxfR2000, kDxfR2018})
      EXPECT_TRUE(dxfwrite::writtenWholeReadsBack(c.make, version)) << c.name << " in AC" << version;
}

TEST(DxfSplines, WritesOnlyCodesItsSubclassesOwn)
{
  for (const CurveCase& c : curveCases())
  {
    SCOPED_TRACE(c.name);
    OdDbDatabasePtr db = OdDbDatabase::createObject();
    OdDbEntityPtr made = c.make();
    const OdDbObjectId id = dxfwrite::addToModelSpace(db, made);
    made = nullptr;
    OdDbObjectPtr pObj = id.openObject();
    const DxfKindWriter* writer = dxfKindWriter(pObj->isA());
    ASSERT_NE(writer, nullptr);
    const DxfEncoder encoder(kDxfR2018, "ANSI_1252");
    DxfFields fields(encoder, db);
    writer->fields(pObj, fields);
    ASSERT_FALSE(fields.segments().empty());
    EXPECT_STREQ(fields.segments().front().marker, "AcDbEntity");
    EXPECT_TRUE(fields.segments().back().isXData);
    for (const DxfFields::Segment& s : fields.segments())
    {
      if (s.isXData)
        continue;
      for (const DxfOutTag& t : s.tags)
        EXPECT_NE(std::find(s.owned.begin(), s.owned.end(), t.code), s.owned.end())
          << "group code " << t.code << " written in " << s.marker << " but not owned there";
    }
  }
}

TEST(DxfSplines, ReadsTheFilesFormsAndRepairsWhatTheCurvesRefuse)
{
  struct Row
  {
    const char* what;
    QByteArray body;
    const char* repair; // "line: problem; action" of the only repair, or null
    std::function<void(OdDbEntity*)> check;
  } rows[] = {
    {"an elliptical arc in the world XY plane",
     "0\nELLIPSE\n8\n0\n100\nAcDbEllipse\n10\n1\n20\n2\n30\n0\n11\n4\n21\n0\n31\n0\n40\n0.5\n41\n0\n42\n1.5707963267948966\n",
     nullptr,
     [](OdDbEntity* pEnt) {
       OdDbEllipsePtr e = OdDbEllipse::cast(pEnt);
       ASSERT_FALSE(e.isNull());
       OdGePoint3d end;
       e->getEndPoint(end);
       EXPECT_NEAR(end.x, 1.0, 1e-12);
       EXPECT_NEAR(end.y, 4.0, 1e-12);
       EXPECT_FALSE(e->isClosed());
     }},
    {"a full ellipse without parameters and normal",
     "0\nELLIPSE\n10\n0\n20\n0\n30\n0\n11\n0\n21\n-2\n31\n0\n40\n0.25\n",
     nullptr,
     [](OdDbEntity* pEnt) {
       OdDbEllipsePtr e = OdDbEllipse::cast(pEnt);
       ASSERT_FALSE(e.isNull());
       EXPECT_TRUE(e->isClosed());
       double area = 0.0;
       e->getArea(area);
       EXPECT_NEAR(area, OdaPI * 2 * 0.5, 1e-12);
     }},
    {"a ratio above one: the same curve about the other axis",
     "0\nELLIPSE\n10\n7\n20\n0\n30\n0\n11\n3\n21\n0\n31\n0\n40\n1.5\n41\n0\n42\n1\n",
     "20: ELLIPSE radius ratio above 1; read its minor axis as the major one, with the inverse ratio and the "
     "parameters a quarter turn back",
     [](OdDbEntity* pEnt) {
       OdDbEllipsePtr e = OdDbEllipse::cast(pEnt);
       ASSERT_FALSE(e.isNull());
       EXPECT_NEAR(e->radiusRatio(), 1.0 / 1.5, 1e-12);
       EXPECT_NEAR(e->majorAxis().length(), 4.5, 1e-12);
       // The points the file's values give: centre + major cos t + (normal x major) ratio sin t.
       OdGePoint3d start, end;
       e->getStartPoint(start);
       e->getEndPoint(end);
       EXPECT_NEAR(start.distanceTo(OdGePoint3d(10, 0, 0)), 0.0, 1e-9);
       EXPECT_NEAR(end.distanceTo(OdGePoint3d(7 + 3 * std::cos(1.0), 4.5 * std::sin(1.0), 0)), 0.0, 1e-9);
     }},
    {"a ratio above one on a zero major axis",
     "0\nELLIPSE\n10\n7\n20\n0\n30\n0\n11\n0\n21\n0\n31\n0\n40\n1.5\n",
     "14: ELLIPSE axes refused (Invalid input); read it as a circle of radius 1 about its centre",
     [](OdDbEntity* pEnt) {
       OdDbEllipsePtr e = OdDbEllipse::cast(pEnt);
       ASSERT_FALSE(e.isNull());
       EXPECT_EQ(e->radiusRatio(), 1.0);
       EXPECT_EQ(e->majorAxis().length(), 1.0);
       EXPECT_EQ(e->center(), OdGePoint3d(7, 0, 0));
     }},
    {"a major axis along the normal",
     "0\nELLIPSE\n10\n0\n20\n0\n30\n0\n11\n0\n21\n0\n31\n3\n40\n0.5\n",
     "14: ELLIPSE axes refused (Invalid input); read it as a circle of radius 1 about its centre",
     [](OdDbEntity* pEnt) { EXPECT_FALSE(OdDbEllipse::cast(pEnt).isNull()); }},
  };
  for (const Row& r : rows)
  {
    SCOPED_TRACE(r.what);
    OdDbDatabasePtr db = OdDbDatabase::createObject();
    KyDxfReader::Report report;
    QString error;
    ASSERT_TRUE(KyDxfReader::readFromBytes(dxfwrite::entitiesFile(r.body), "t.dxf", db, report, error))
      << error.toStdString();
    if (r.repair)
    {
      ASSERT_EQ(report.repairs.size(), 1);
      EXPECT_EQ(KyDxfReader::Report::repairText("t.dxf", report.repairs[0]).toStdString(),
                std::string("t.dxf:") + r.repair);
    }
    else
    {
      EXPECT_TRUE(report.repairs.isEmpty())
        << KyDxfReader::Report::repairText("t.dxf", report.repairs.value(0)).toStdString();
    }
    OdDbEntityPtr pEnt = dxfwrite::onlyEntity(db);
    ASSERT_FALSE(pEnt.isNull());
    r.check(pEnt);
  }
}
