// Tests of the free-form curve kinds (ellipses, splines, helices) in DXF: each written whole in R2000 and R2018 reads back into
// the same state, writes only codes its subclasses own, and files with values the curves refuse
// open with the repair named by line.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbEllipse.h"
#include "DbHelix.h"
#include "DbSpline.h"
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
    {"spline through fit points with tangents",
     [] {
       OdDbSplinePtr s = OdDbSpline::createObject();
       OdGePoint3dArray fit;
       for (const OdGePoint3d& p : {OdGePoint3d(0, 0, 0), OdGePoint3d(3, 1.25, 0), OdGePoint3d(7, -2, 0)})
         fit.append(p);
       s->setFitData(fit, 3, 0.001, OdGeVector3d(0, 1, 0), OdGeVector3d(1, 1, 0).normal());
       return OdDbEntityPtr(s);
     }},
    {"rational spline out of any plane",
     [] {
       OdDbSplinePtr s = OdDbSpline::createObject();
       OdGePoint3dArray points;
       OdGeDoubleArray knots, weights;
       for (const OdGePoint3d& p : {OdGePoint3d(0, 0, 0), OdGePoint3d(1, 2, 0), OdGePoint3d(3, 2, 1), OdGePoint3d(4, 0, 5)})
         points.append(p);
       for (double k : {0.0, 0.0, 0.0, 0.4, 1.0, 1.0, 1.0})
         knots.append(k);
       for (double w : {1.0, 0.3, 2.5, 1.0})
         weights.append(w);
       s->setNurbsData(2, true, false, false, points, knots, weights, 1e-9, 1e-8);
       return OdDbEntityPtr(s);
     }},
    {"conical helix, clockwise about a tilted axis, constrained by its height",
     [] {
       OdDbHelixPtr h = OdDbHelix::createObject();
       h->setAxisVector(OdGeVector3d(1, -2, 4));
       h->setAxisPoint(OdGePoint3d(3, 4, -5));
       h->setTopRadius(0.75);
       h->setBaseRadius(6.5);
       h->setTurns(3.25);
       h->setTurnHeight(1.125);
       h->setTwist(false);
       h->setConstrain(OdDbHelix::kHeight);
       return OdDbEntityPtr(h);
     }},
    {"flat spiral constrained by its turns",
     [] {
       OdDbHelixPtr h = OdDbHelix::createObject();
       h->setBaseRadius(1.0);
       h->setTopRadius(5.0);
       h->setTurns(4.0);
       h->setHeight(0.0);
       h->setConstrain(OdDbHelix::kTurns);
       return OdDbEntityPtr(h);
     }},
  };
}

// A SPLINE body of degree 2 from its counts on; the knots, weights and points follow as given.
QByteArray splineBody(int flags, const char* counts, const QByteArray& rest)
{
  return "0\nSPLINE\n100\nAcDbSpline\n70\n" + QByteArray::number(flags) + "\n71\n2\n" + counts + rest;
}

// Three control points of the quarter circle from (1, 0) to (0, 1).
const QByteArray kQuarterPoints = "10\n1\n20\n0\n30\n0\n10\n1\n20\n1\n30\n0\n10\n0\n20\n1\n30\n0\n";
const QByteArray kClampedKnots = "40\n0\n40\n0\n40\n0\n40\n1\n40\n1\n40\n1\n";

// A HELIX of 2 turns of 2 about the axis through (1, 1, 0) along Z, clockwise from (1, 4, 0)
// (base radius 3), with a spline whose last control point lies at radius 4.5; `radius` and
// `tail` go into its helix subclass.
QByteArray helixBody(const QByteArray& radius, const QByteArray& tail)
{
  return QByteArray("0\nHELIX\n100\nAcDbEntity\n8\n0\n100\nAcDbSpline\n70\n0\n71\n3\n72\n8\n73\n4\n74\n0\n"
                    "40\n0\n40\n0\n40\n0\n40\n0\n40\n1\n40\n1\n40\n1\n40\n1\n10\n1\n20\n4\n30\n0\n10\n9\n20\n9\n30\n1\n"
                    "10\n-9\n20\n9\n30\n3\n10\n1\n20\n5.5\n30\n4\n100\nAcDbHelix\n90\n27\n91\n1\n10\n1\n20\n1\n30\n0\n"
                    "11\n1\n21\n4\n31\n0\n12\n0\n22\n0\n32\n1\n") +
         radius + "41\n2\n42\n2\n290\n0\n" + tail;
}

// The helix the rows below read, with its top radius.
void expectRowsHelix(OdDbEntity* pEnt, double topRadius)
{
  OdDbHelixPtr h = OdDbHelix::cast(pEnt);
  ASSERT_FALSE(h.isNull());
  EXPECT_EQ(h->axisPoint(), OdGePoint3d(1, 1, 0));
  EXPECT_EQ(h->startPoint(), OdGePoint3d(1, 4, 0));
  EXPECT_EQ(h->baseRadius(), 3.0);
  EXPECT_NEAR(h->topRadius(), topRadius, 1e-12);
  EXPECT_EQ(h->turns(), 2.0);
  EXPECT_EQ(h->turnHeight(), 2.0);
  EXPECT_FALSE(h->twist());
  OdGePoint3d end;
  h->getEndPoint(end);
  EXPECT_NEAR(end.distanceTo(OdGePoint3d(1, 1 + topRadius, 4)), 0.0, 1e-9);
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
    EXPECT_TRUE(dxfwrite::ownsEveryCode(fields));
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
    {"a rational quarter circle",
     splineBody(12, "72\n6\n73\n3\n74\n0\n", kClampedKnots + "41\n1\n41\n0.7071067811865476\n41\n1\n" + kQuarterPoints),
     nullptr,
     [](OdDbEntity* pEnt) {
       OdDbSplinePtr s = OdDbSpline::cast(pEnt);
       ASSERT_FALSE(s.isNull());
       EXPECT_TRUE(s->isRational());
       double end = 0.0, length = 0.0;
       s->getEndParam(end);
       s->getDistAtParam(end, length);
       EXPECT_NEAR(length, OdaPI / 2.0, 1e-9);
     }},
    {"a control point count the points do not have",
     splineBody(8, "72\n6\n73\n4\n", kClampedKnots + kQuarterPoints),
     "16: SPLINE control point count 4 differs from the 3 given; read the 3 given",
     [](OdDbEntity* pEnt) { EXPECT_EQ(OdDbSpline::cast(pEnt)->numControlPoints(), 3); }},
    {"too few knots for the control points",
     splineBody(8, "72\n4\n73\n3\n", "40\n0\n40\n0\n40\n1\n40\n1\n" + kQuarterPoints),
     "18: SPLINE knots do not fit 3 control points of degree 2; read it with uniform knots, clamped at both ends",
     [](OdDbEntity* pEnt) {
       OdDbSplinePtr s = OdDbSpline::cast(pEnt);
       OdGePoint3d start, end;
       s->getStartPoint(start);
       s->getEndPoint(end);
       EXPECT_EQ(start, OdGePoint3d(1, 0, 0));
       EXPECT_EQ(end, OdGePoint3d(0, 1, 0));
     }},
    {"fewer weights than control points",
     splineBody(12, "72\n6\n73\n3\n", kClampedKnots + "41\n1\n41\n1\n" + kQuarterPoints),
     "34: SPLINE gives 2 weights for 3 control points; read it without weights (every weight 1)",
     [](OdDbEntity* pEnt) { EXPECT_FALSE(OdDbSpline::cast(pEnt)->isRational()); }},
    {"fit points without control points",
     "0\nSPLINE\n100\nAcDbSpline\n70\n8\n71\n3\n74\n3\n11\n0\n21\n0\n31\n0\n11\n2\n21\n1\n31\n0\n11\n4\n21\n0\n31\n0\n",
     "5: SPLINE control points do not make a curve of degree 3; fitted a cubic through its fit points",
     [](OdDbEntity* pEnt) {
       OdDbSplinePtr s = OdDbSpline::cast(pEnt);
       EXPECT_EQ(s->numFitPoints(), 3);
       double param = 0.0;
       EXPECT_EQ(s->getParamAtPoint(OdGePoint3d(2, 1, 0), param), eOk);
     }},
    {"a helix: its subclass's codes repeat the spline's, its radius is the top one",
     helixBody("40\n5\n", "280\n1\n"), nullptr,
     [](OdDbEntity* pEnt) {
       expectRowsHelix(pEnt, 5.0);
       EXPECT_EQ(OdDbHelix::cast(pEnt)->constrain(), OdDbHelix::kTurns);
     }},
    {"a helix without its radius: the spline's end gives the top radius", helixBody("", ""), nullptr,
     [](OdDbEntity* pEnt) {
       expectRowsHelix(pEnt, 4.5);
       EXPECT_EQ(OdDbHelix::cast(pEnt)->constrain(), OdDbHelix::kTurnHeight);
     }},
    {"a helix constrain type the helix does not have", helixBody("40\n5\n", "280\n5\n"),
     "96: HELIX constrain type refused (Invalid input); dropped the value",
     [](OdDbEntity* pEnt) { EXPECT_EQ(OdDbHelix::cast(pEnt)->constrain(), OdDbHelix::kTurnHeight); }},
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
