// Tests of the less common transformations and curve queries of the geometry stand-in:
// product order, projections, perspective division, 2D frames, closest points outside an arc,
// polymorphic copies and the edge cases of extents.
#include <gtest/gtest.h>

#include <memory>

#include "Ge/GeCircArc2d.h"
#include "Ge/GeCircArc3d.h"
#include "Ge/GeExtents2d.h"
#include "Ge/GeExtents3d.h"
#include "Ge/GeLineSeg2d.h"
#include "Ge/GeLineSeg3d.h"
#include "Ge/GeMatrix2d.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GePlane.h"
#include "OdError.h"

namespace
{
const double kEps = 1e-9;

::testing::AssertionResult near(const OdGePoint3d& a, const OdGePoint3d& b)
{
  if (a.distanceTo(b) <= kEps)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << a.x << ", " << a.y << ", " << a.z << ") is not (" << b.x << ", "
                                       << b.y << ", " << b.z << ")";
}

::testing::AssertionResult near(const OdGePoint2d& a, const OdGePoint2d& b)
{
  if (a.distanceTo(b) <= kEps)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << a.x << ", " << a.y << ") is not (" << b.x << ", " << b.y << ")";
}
}

TEST(GeMatrix3dOrder, ProductAppliesTheRightFactorFirst)
{
  const OdGeMatrix3d move = OdGeMatrix3d::translation(OdGeVector3d(1, 0, 0));
  const OdGeMatrix3d turn = OdGeMatrix3d::rotation(OdaPI2, OdGeVector3d::kZAxis);
  // turn * move: move first, then turn.
  EXPECT_TRUE(near(OdGePoint3d(OdGePoint3d::kOrigin).transformBy(turn * move), OdGePoint3d(0, 1, 0)));
  EXPECT_TRUE(near(OdGePoint3d(OdGePoint3d::kOrigin).transformBy(move * turn), OdGePoint3d(1, 0, 0)));

  OdGeMatrix3d pre = move;
  pre.preMultBy(turn);
  EXPECT_TRUE(pre.isEqualTo(turn * move));
  OdGeMatrix3d post = move;
  post.postMultBy(turn);
  EXPECT_TRUE(post.isEqualTo(move * turn));
  EXPECT_TRUE(near(turn * OdGePoint3d(1, 0, 0), OdGePoint3d(0, 1, 0)));
}

TEST(GeMatrix3dOrder, CoordinateSystemRoundTripsAndOrthogonality)
{
  const OdGePoint3d origin(1, 2, 3);
  const OdGeVector3d x(0, 2, 0), y(0, 0, 2), z(2, 0, 0);
  OdGeMatrix3d m;
  m.setCoordSystem(origin, x, y, z);
  OdGePoint3d o;
  OdGeVector3d gx, gy, gz;
  m.getCoordSystem(o, gx, gy, gz);
  EXPECT_TRUE(near(o, origin));
  EXPECT_EQ(gx, x);
  EXPECT_EQ(gy, y);
  EXPECT_EQ(gz, z);
  EXPECT_TRUE(m.isUniScaledOrtho());
  EXPECT_DOUBLE_EQ(m.scale(), 2.0);

  const OdGeMatrix3d stretched = OdGeMatrix3d::scaling(OdGeScale3d(1, 3, 1));
  EXPECT_FALSE(stretched.isUniScaledOrtho());
  EXPECT_TRUE(stretched.isScaledOrtho());
  EXPECT_DOUBLE_EQ(stretched.scale(), 3.0);

  OdGeMatrix3d shear;
  shear.entry[0][1] = 1.0;
  EXPECT_FALSE(shear.isScaledOrtho());
  EXPECT_TRUE(shear.transpose().transpose().isEqualTo(shear));
  EXPECT_DOUBLE_EQ(shear.transpose().entry[1][0], 1.0);
}

TEST(GeMatrix3dOrder, ProjectionAndPerspectiveDivision)
{
  const OdGePlane tilted(OdGePoint3d(0, 0, 1), OdGeVector3d(0, 1, 1));
  const OdGePoint3d p(3, 4, 5);
  const OdGePoint3d projected = OdGePoint3d(p).transformBy(OdGeMatrix3d::projection(tilted));
  EXPECT_TRUE(tilted.isOn(projected));
  EXPECT_TRUE(near(projected, p.orthoProject(tilted)));

  // A last row of (0, 0, 1, 0) divides by z.
  OdGeMatrix3d perspective;
  perspective.entry[3][2] = 1.0;
  perspective.entry[3][3] = 0.0;
  EXPECT_TRUE(perspective.isPerspective());
  EXPECT_TRUE(near(OdGePoint3d(2, 4, 2).transformBy(perspective), OdGePoint3d(1, 2, 1)));
  EXPECT_FALSE(OdGeMatrix3d::rotation(1.0, OdGeVector3d::kXAxis).isPerspective());
}

TEST(GeMatrix3dOrder, VectorsOrthoProjectMirrorAndConvertIntoAPlane)
{
  const OdGeVector3d v(1, 2, 3);
  EXPECT_EQ(v.orthoProject(OdGeVector3d(0, 0, 5)), OdGeVector3d(1, 2, 0));
  EXPECT_EQ(OdGeVector3d(v).mirror(OdGeVector3d::kXAxis), OdGeVector3d(-1, 2, 3));
  const OdGePlane plane(OdGePoint3d(7, 7, 7), OdGeVector3d::kYAxis, OdGeVector3d::kZAxis);
  EXPECT_EQ(v.convert2d(plane), OdGeVector2d(2, 3));
  EXPECT_EQ(OdGeVector3d(plane, OdGeVector2d(2, 3)), OdGeVector3d(0, 2, 3));
  EXPECT_EQ(OdGeVector3d::kZAxis.perpVector().normal(), OdGeVector3d::kXAxis);
  EXPECT_TRUE(v.perpVector().isPerpendicularTo(v));
}

TEST(GeMatrix2dFrames, CoordSystemInverseAndSingularity)
{
  OdGeMatrix2d frame;
  frame.setCoordSystem(OdGePoint2d(5, 0), OdGeVector2d(0, 1), OdGeVector2d(-1, 0));
  EXPECT_TRUE(near(OdGePoint2d(1, 0).transformBy(frame), OdGePoint2d(5, 1)));
  EXPECT_TRUE(near(OdGePoint2d(5, 1).transformBy(frame.inverse()), OdGePoint2d(1, 0)));
  EXPECT_NEAR(frame.det(), 1.0, kEps);
  EXPECT_EQ(OdGeVector2d(1, 0).transformBy(frame), OdGeVector2d(0, 1));

  OdGeMatrix2d flat = OdGeMatrix2d::scaling(0.0);
  EXPECT_TRUE(flat.isSingular());
  EXPECT_THROW(flat.invert(), OdError);
  EXPECT_TRUE((OdGeMatrix2d::translation(OdGeVector2d(1, 2)) * OdGeMatrix2d::translation(OdGeVector2d(-1, -2)))
                  .isEqualTo(OdGeMatrix2d::kIdentity));
}

TEST(GePlaneForms, ThreePointsTransformAndCoplanarity)
{
  OdGePlane plane(OdGePoint3d(1, 0, 0), OdGePoint3d::kOrigin, OdGePoint3d(0, 0, 1));
  EXPECT_EQ(plane.normal(), -OdGeVector3d::kYAxis);
  EXPECT_EQ(OdGePlane::kZXPlane.normal(), OdGeVector3d::kYAxis);
  EXPECT_TRUE(plane.isCoplanarTo(OdGePlane::kZXPlane));

  plane.transformBy(OdGeMatrix3d::translation(OdGeVector3d(0, 2, 0)));
  EXPECT_FALSE(plane.isCoplanarTo(OdGePlane::kZXPlane));
  EXPECT_TRUE(plane.isParallelTo(OdGePlane::kZXPlane));
  EXPECT_TRUE(plane.isOn(OdGePoint3d(9, 2, -4)));
  OdGePoint3d u, o, v;
  plane.get(u, o, v);
  EXPECT_TRUE(near(o, OdGePoint3d(0, 2, 0)));
  EXPECT_TRUE(near(u, OdGePoint3d(1, 2, 0)));
}

TEST(GeArcQueries, AnglesBelowTheStartWrapAndClockwiseArcsMeasureClockwise)
{
  OdGeCircArc2d arc(OdGePoint2d(0, 0), 2.0, 3 * OdaPI2, OdaPI2);
  EXPECT_NEAR(arc.endAng(), 5 * OdaPI2, kEps);
  EXPECT_TRUE(near(arc.startPoint(), OdGePoint2d(0, -2)));
  EXPECT_TRUE(arc.isOn(OdGePoint2d(2, 0)));
  EXPECT_FALSE(arc.isOn(OdGePoint2d(-2, 0)));

  const OdGeCircArc2d cw(OdGePoint2d(0, 0), 1.0, 0.0, OdaPI2, OdGeVector2d::kYAxis, true);
  EXPECT_TRUE(near(cw.startPoint(), OdGePoint2d(0, 1)));
  EXPECT_TRUE(near(cw.endPoint(), OdGePoint2d(1, 0)));
  EXPECT_NEAR(cw.paramOf(OdGePoint2d(std::sqrt(0.5), std::sqrt(0.5))), OdaPI4, kEps);

  const OdGeCircArc2d full(OdGePoint2d(1, 1), 3.0);
  EXPECT_TRUE(full.isClosed());
  EXPECT_FALSE(cw.isClosed());
  EXPECT_THROW(arc.setRadius(-1.0), OdError);
  EXPECT_NEAR(arc.radius(), 2.0, kEps);
}

TEST(GeArcQueries, ClosestPointOutsideTheSweepIsTheNearerEnd)
{
  const OdGeCircArc2d upper(OdGePoint2d(0, 0), 1.0, 0.0, OdaPI);
  EXPECT_TRUE(near(upper.closestPointTo(OdGePoint2d(0, 5)), OdGePoint2d(0, 1)));
  EXPECT_TRUE(near(upper.closestPointTo(OdGePoint2d(2, -3)), OdGePoint2d(1, 0)));
  EXPECT_TRUE(near(upper.closestPointTo(OdGePoint2d(-2, -1)), OdGePoint2d(-1, 0)));
  EXPECT_NEAR(upper.distanceTo(OdGePoint2d(0, 3)), 2.0, kEps);

  const OdGeCircArc3d tilted(OdGePoint3d(0, 0, 0), OdGeVector3d::kXAxis, OdGeVector3d::kYAxis, 1.0, 0.0, OdaPI2);
  EXPECT_TRUE(near(tilted.endPoint(), OdGePoint3d(0, 0, 1)));
  // A point off the arc's plane maps onto the arc through its projection.
  EXPECT_TRUE(near(tilted.closestPointTo(OdGePoint3d(4, 1, 1)), OdGePoint3d(0, std::sqrt(0.5), std::sqrt(0.5))));
  OdGePlane plane;
  tilted.getPlane(plane);
  EXPECT_EQ(plane.normal(), OdGeVector3d::kXAxis);
  EXPECT_TRUE(near(plane.pointOnPlane(), OdGePoint3d::kOrigin));
}

TEST(GeEntityKinds, CopiesArePolymorphicAndKindsFollowTheHierarchy)
{
  const OdGeCircArc3d arc(OdGePoint3d(1, 2, 3), OdGeVector3d::kZAxis, 4.0);
  std::unique_ptr<OdGeEntity3d> copy(arc.copy());
  ASSERT_EQ(copy->type(), OdGe::kCircArc3d);
  EXPECT_NEAR(static_cast<OdGeCircArc3d*>(copy.get())->radius(), 4.0, kEps);

  struct Row
  {
    OdGe::EntityId kind;
    bool seg2d, arc3d, plane;
  } rows[] = {
      {OdGe::kEntity2d, true, false, false},  {OdGe::kEntity3d, false, true, true},
      {OdGe::kCurve2d, true, false, false},   {OdGe::kCurve3d, false, true, false},
      {OdGe::kLinearEnt2d, true, false, false}, {OdGe::kSurface, false, false, true},
      {OdGe::kPlanarEnt, false, false, true}, {OdGe::kCircArc3d, false, true, false},
  };
  const OdGeLineSeg2d seg;
  const OdGePlane plane;
  for (const Row& row : rows)
  {
    SCOPED_TRACE(row.kind);
    EXPECT_EQ(seg.isKindOf(row.kind), row.seg2d);
    EXPECT_EQ(arc.isKindOf(row.kind), row.arc3d);
    EXPECT_EQ(plane.isKindOf(row.kind), row.plane);
  }
}

TEST(GeExtentsEdges, InvalidBoxesStayInvalidAndArraysGrowBoxes)
{
  OdGeExtents3d invalid;
  invalid.transformBy(OdGeMatrix3d::scaling(2.0));
  invalid.expandBy(OdGeVector3d(1, 1, 1));
  EXPECT_FALSE(invalid.isValidExtents());
  EXPECT_FALSE(OdGeExtents3d::kInvalid.isValidExtents());
  EXPECT_FALSE(OdGeExtents3d(OdGePoint3d(0, 0, 0), OdGePoint3d(1, 1, 1)).contains(invalid));

  OdGePoint2dArray points;
  points.append(OdGePoint2d(1, 1));
  points.append(OdGePoint2d(-2, 4));
  points.append(OdGePoint2d(0, -3));
  OdGeExtents2d ext;
  ext.addPoints(points);
  EXPECT_TRUE(near(ext.minPoint(), OdGePoint2d(-2, -3)));
  EXPECT_TRUE(near(ext.maxPoint(), OdGePoint2d(1, 4)));
  ext.expandBy(OdGeVector2d(-1, 0));
  EXPECT_TRUE(near(ext.minPoint(), OdGePoint2d(-3, -3)));
  EXPECT_TRUE(ext.contains(OdGeExtents2d(OdGePoint2d(-3, 0), OdGePoint2d(2, 4))));
  EXPECT_FALSE(ext.contains(OdGeExtents2d(OdGePoint2d(-3, 0), OdGePoint2d(2.5, 4))));

  ext.transformBy(OdGeMatrix2d::rotation(OdaPI));
  EXPECT_TRUE(near(ext.minPoint(), OdGePoint2d(-2, -4)));
  EXPECT_TRUE(near(ext.maxPoint(), OdGePoint2d(3, 3)));
}

TEST(GeLineSegParams, ParametersRunFromZeroAtStartToOneAtEnd)
{
  const OdGeLineSeg3d seg(OdGePoint3d(1, 1, 1), OdGePoint3d(1, 1, 5));
  OdGeInterval interval;
  seg.getInterval(interval);
  EXPECT_DOUBLE_EQ(interval.lowerBound(), 0.0);
  EXPECT_DOUBLE_EQ(interval.upperBound(), 1.0);
  EXPECT_TRUE(near(seg.evalPoint(0.25), OdGePoint3d(1, 1, 2)));
  EXPECT_NEAR(seg.paramOf(OdGePoint3d(3, 0, 4)), 0.75, kEps);
  EXPECT_NEAR(seg.length(0.25, 0.75), 2.0, kEps);
  EXPECT_EQ(seg.direction(), OdGeVector3d::kZAxis);
  OdGePoint3d end;
  ASSERT_TRUE(seg.hasEndPoint(end));
  EXPECT_TRUE(near(end, OdGePoint3d(1, 1, 5)));
}
