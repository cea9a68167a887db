// Tests of the host's hatch services: edges turned into polylines that trace the loop in order
// (exact for lines and arcs, within the stated tolerance for ellipses and splines), refused
// edges, and the pattern catalogue by type and measurement.
#include <gtest/gtest.h>

#include <cmath>

#include "AECGe/Ge2dProfile.h"
#include "DbPolyline.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeEllipArc2d.h"
#include "Ge/GeGbl.h"
#include "Ge/GeLineSeg2d.h"
#include "Ge/GeNurbCurve2d.h"
#include "KyHatchEngine.h"
#include "KySystemServices.h"

namespace
{
// The contour the vertices of all segments make, in order.
AECGe::Contour2D traced(const OdArray<OdRxObjectPtr>& segments)
{
  AECGe::Contour2D contour;
  for (const OdRxObjectPtr& s : segments)
  {
    const OdDbPolyline* pline = OdDbPolyline::cast(s.get()).get();
    EXPECT_NE(pline, nullptr);
    if (!pline)
      continue;
    for (unsigned i = 0; i < pline->numVerts(); ++i)
    {
      OdGePoint2d p;
      pline->getPointAt(i, p);
      contour.appendVertex(p, pline->getBulgeAt(i));
    }
  }
  contour.setClosed(true);
  return contour;
}

struct Owned
{
  OdArray<OdGeCurve2d*> edges;
  ~Owned()
  {
    for (OdGeCurve2d* e : edges)
      delete e;
  }
};
} // namespace

TEST(HatchEngine, SegmentsTraceTheLoopInBoundaryOrder)
{
  struct Case
  {
    const char* what;
    std::vector<OdGeCurve2d*> edges;
    double area;
    double relTol;
  };
  OdGeDoubleArray knots;
  for (double k : {0.0, 0.0, 0.0, 1.0, 1.0, 1.0})
    knots.append(k);
  OdGePoint2dArray cps;
  cps.append(OdGePoint2d(0, 0));
  cps.append(OdGePoint2d(1, 2));
  cps.append(OdGePoint2d(2, 0));
  std::vector<Case> cases;
  cases.push_back({"circle", {new OdGeCircArc2d(OdGePoint2d(2, 3), 1.0)}, OdaPI, 1e-14});
  cases.push_back({"clockwise half disc",
                   {new OdGeCircArc2d(OdGePoint2d(0, 0), 1.0, 0.0, OdaPI, OdGeVector2d(-1, 0), true),
                    new OdGeLineSeg2d(OdGePoint2d(1, 0), OdGePoint2d(-1, 0))},
                   -OdaPI / 2.0, 1e-14});
  cases.push_back({"ellipse", {new OdGeEllipArc2d(OdGePoint2d(0, 0), OdGeVector2d(1, 1), OdGeVector2d(-1, 1), 5.0, 1.0)},
                   5.0 * OdaPI, 1e-6});
  cases.push_back({"parabola and chord",
                   {new OdGeNurbCurve2d(2, OdGeKnotVector(knots), cps, OdGeDoubleArray()),
                    new OdGeLineSeg2d(OdGePoint2d(2, 0), OdGePoint2d(0, 0))},
                   -4.0 / 3.0, 1e-6});
  for (Case& c : cases)
  {
    Owned owned;
    for (OdGeCurve2d* e : c.edges)
      owned.edges.append(e);
    OdArray<OdRxObjectPtr> segments;
    ASSERT_EQ(CKyHatchEngine::EdgesToDbSegments(owned.edges, OdGeVector3d::kZAxis, segments), eOk) << c.what;
    ASSERT_EQ(segments.size(), owned.edges.size()) << c.what;
    // Each segment starts where its edge starts.
    for (unsigned i = 0; i < segments.size(); ++i)
    {
      OdGePoint2d start, first;
      owned.edges[i]->hasStartPoint(start);
      OdDbPolyline::cast(segments[i].get())->getPointAt(0, first);
      EXPECT_LT(first.distanceTo(start), 1e-12) << c.what << " segment " << i;
    }
    EXPECT_NEAR(traced(segments).signedArea() / c.area, 1.0, c.relTol) << c.what;
  }
}

TEST(HatchEngine, RefusesUnknownEdgesAndKeepsTheSegments)
{
  OdArray<OdRxObjectPtr> segments;
  segments.append(OdRxObjectPtr(OdDbPolyline::createObject().get()));
  OdGeLineSeg2d line(OdGePoint2d(0, 0), OdGePoint2d(1, 0));
  OdArray<OdGeCurve2d*> edges;
  edges.append(&line);
  edges.append(nullptr);
  EXPECT_EQ(CKyHatchEngine::EdgesToDbSegments(edges, OdGeVector3d::kZAxis, segments), eInvalidInput);
  EXPECT_EQ(segments.size(), 1u);
}

TEST(HatchPatternCatalog, ListsByTypeAndMeasurement)
{
  CKyHatchPatternCatalog& catalog = *GetKySystemServices()->HatchPatternCatalog();
  OdArray<CKyString> imperial, metric, user, custom;
  ASSERT_EQ(catalog.ListPatterns(OdDbHatch::kPreDefined, 0, imperial), 0);
  ASSERT_EQ(catalog.ListPatterns(OdDbHatch::kPreDefined, 1, metric), 0);
  ASSERT_EQ(catalog.ListPatterns(OdDbHatch::kUserDefined, 0, user), 0);
  auto has = [](const OdArray<CKyString>& names, const char* name) {
    for (const CKyString& n : names)
      if (n.toQString() == QString::fromLatin1(name))
        return true;
    return false;
  };
  EXPECT_TRUE(has(imperial, "SOLID") && has(imperial, "ANSI31"));
  EXPECT_FALSE(has(imperial, "ISO02W100"));
  EXPECT_TRUE(has(metric, "ISO02W100") && has(metric, "ANSI31"));
  ASSERT_EQ(user.size(), 1u);
  EXPECT_EQ(user[0].toQString(), QString::fromLatin1("_U"));

  CKyHatchPatternCatalog own;
  EXPECT_NE(own.ListPatterns(OdDbHatch::kCustomDefined, 0, custom), 0);
  OdHatchPattern lines;
  lines.append(OdHatchPatternLine());
  own.AddCustomPattern(CKyString(L"MYWAVES"), lines);
  ASSERT_EQ(own.ListPatterns(OdDbHatch::kCustomDefined, 0, custom), 0);
  EXPECT_EQ(custom.size(), 1u);
  OdHatchPattern found;
  EXPECT_EQ(own.GetPatternDefinition(OdDbHatch::kCustomDefined, CKyString(L"mywaves"), 0, found), 0);
  EXPECT_EQ(found.size(), 1u);
}

TEST(HatchPatternCatalog, DefinitionsScaleWithTheMeasurementSystem)
{
  CKyHatchPatternCatalog catalog;
  OdHatchPattern inch, mm, none;
  ASSERT_EQ(catalog.GetPatternDefinition(OdDbHatch::kPreDefined, CKyString(L"ansi31"), 0, inch), 0);
  ASSERT_EQ(catalog.GetPatternDefinition(OdDbHatch::kPreDefined, CKyString(L"ANSI31"), 1, mm), 0);
  ASSERT_EQ(inch.size(), 1u);
  ASSERT_EQ(mm.size(), 1u);
  EXPECT_NEAR(inch[0].m_dLineAngle, OdaPI / 4.0, 1e-15);
  // The lines are 0.125 in apart, across the 45 degree direction.
  EXPECT_NEAR(inch[0].m_patternOffset.length(), 0.125, 1e-15);
  EXPECT_NEAR(inch[0].m_patternOffset.x, -0.125 * std::sqrt(0.5), 1e-15);
  EXPECT_NEAR(mm[0].m_patternOffset.length(), 0.125 * 25.4, 1e-12);
  EXPECT_NE(catalog.GetPatternDefinition(OdDbHatch::kPreDefined, CKyString(L"NOSUCH"), 0, none), 0);
  EXPECT_TRUE(none.isEmpty());
  EXPECT_NE(catalog.GetPatternDefinition(OdDbHatch::kPreDefined, CKyString(L"ISO02W100"), 0, none), 0);
}
