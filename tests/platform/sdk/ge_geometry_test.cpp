// Tests of the geometry stand-in: angles, coordinate systems (object coordinate systems of a
// normal, user coordinate systems), planes, extents, line segments and arcs from bulges.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Ge/GeCircArc2d.h"
#include "Ge/GeCircArc3d.h"
#include "Ge/GeExtents2d.h"
#include "Ge/GeExtents3d.h"
#include "Ge/GeFinite.h"
#include "Ge/GeLineSeg2d.h"
#include "Ge/GeLineSeg3d.h"
#include "Ge/GeMatrix2d.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GePlane.h"
#include "OdError.h"

namespace
{
const double kEps = 1e-9;

void expectPoint(const OdGePoint3d& actual, const OdGePoint3d& expected)
{
  EXPECT_NEAR(actual.x, expected.x, kEps);
  EXPECT_NEAR(actual.y, expected.y, kEps);
  EXPECT_NEAR(actual.z, expected.z, kEps);
}

void expectPoint(const OdGePoint2d& actual, const OdGePoint2d& expected)
{
  EXPECT_NEAR(actual.x, expected.x, kEps);
  EXPECT_NEAR(actual.y, expected.y, kEps);
}

void expectVector(const OdGeVector3d& actual, const OdGeVector3d& expected)
{
  EXPECT_NEAR(actual.x, expected.x, kEps);
  EXPECT_NEAR(actual.y, expected.y, kEps);
  EXPECT_NEAR(actual.z, expected.z, kEps);
}

OdResult errorCodeOf(void (*action)())
{
  try
  {
    action();
  }
  catch (const OdError& e)
  {
    return e.code();
  }
  return eOk;
}
}

TEST(GeVector, AngleToWithReferenceCoversTheFullTurnCounterClockwise)
{
  const double angles[] = {0.0, OdaPI / 6, OdaPI2, 3 * OdaPI4, 5 * OdaPI4, 3 * OdaPI2, 11 * OdaPI / 6};
  for (double a : angles)
  {
    SCOPED_TRACE(a);
    const OdGeVector3d v = OdGeVector3d(OdGeVector3d::kXAxis).rotateBy(a, OdGeVector3d::kZAxis);
    EXPECT_NEAR(OdGeVector3d::kXAxis.angleTo(v, OdGeVector3d::kZAxis), a, kEps);
    // Seen from the other side the turn is the complement.
    const double fromBelow = OdGeVector3d::kXAxis.angleTo(v, -OdGeVector3d::kZAxis);
    EXPECT_NEAR(fromBelow, a == 0.0 ? 0.0 : Oda2PI - a, kEps);
    const double unsignedAngle = OdGeVector3d::kXAxis.angleTo(v);
    EXPECT_NEAR(unsignedAngle, a <= OdaPI ? a : Oda2PI - a, kEps);
  }
}

TEST(GeVector, TwoDimensionalAngleIsAtan2OfTheComponents)
{
  struct Row
  {
    OdGeVector2d v;
    double angle;
  } rows[] = {{{1, 0}, 0.0}, {{0, 2}, OdaPI2}, {{-1, 0}, OdaPI}, {{0, -1}, -OdaPI2}, {{1, -1}, -OdaPI4}};
  for (const Row& row : rows)
    EXPECT_NEAR(row.v.angle(), row.angle, kEps);
  EXPECT_NEAR(OdGeVector2d(1, 0).angleTo(OdGeVector2d(0, -1)), OdaPI2, kEps);
}

TEST(GeVector, NormalizeLeavesZeroVectorUnchangedAndReportsIt)
{
  OdGeVector3d zero;
  OdGeError flag = OdGe::kOk;
  zero.normalize(OdGeContext::gTol, flag);
  EXPECT_EQ(flag, OdGe::k0This);
  EXPECT_EQ(zero.length(), 0.0);

  OdGeVector3d v(3, 0, 4);
  EXPECT_DOUBLE_EQ(v.normalizeGetLength(), 5.0);
  expectVector(v, OdGeVector3d(0.6, 0, 0.8));
  EXPECT_TRUE(v.isUnitLength());
}

TEST(GeVector, DirectionRelationsRefuseZeroVectors)
{
  const OdGeVector3d x(2, 0, 0);
  EXPECT_TRUE(x.isCodirectionalTo(OdGeVector3d(5, 0, 0)));
  EXPECT_FALSE(x.isCodirectionalTo(OdGeVector3d(-5, 0, 0)));
  EXPECT_TRUE(x.isParallelTo(OdGeVector3d(-5, 0, 0)));
  EXPECT_TRUE(x.isPerpendicularTo(OdGeVector3d(0, 0, 3)));
  EXPECT_FALSE(x.isPerpendicularTo(OdGeVector3d(1, 1, 0)));
  EXPECT_FALSE(x.isCodirectionalTo(OdGeVector3d::kIdentity));
  EXPECT_FALSE(x.isParallelTo(OdGeVector3d::kIdentity));
  EXPECT_FALSE(x.isPerpendicularTo(OdGeVector3d::kIdentity));
}

TEST(GeMatrix3d, PlaneToWorldFollowsTheArbitraryAxisRule)
{
  // Normal, expected X axis of its object coordinate system.
  struct Row
  {
    OdGeVector3d normal;
    OdGeVector3d xAxis;
  } rows[] = {
      {{0, 0, 1}, {1, 0, 0}},
      {{0, 0, -1}, {-1, 0, 0}},
      {{1, 0, 0}, {0, 1, 0}},
      {{0, 1, 0}, {-1, 0, 0}},
      // Within 1/64 of the Z axis the Y axis is used for the cross product.
      {{0.01, 0, 1}, OdGeVector3d(1, 0, -0.01).normal()},
  };
  for (const Row& row : rows)
  {
    SCOPED_TRACE(row.normal.x * 100 + row.normal.y * 10 + row.normal.z);
    const OdGeMatrix3d toWorld = OdGeMatrix3d::planeToWorld(row.normal);
    expectVector(toWorld.getCsXAxis(), row.xAxis);
    expectVector(toWorld.getCsZAxis(), row.normal.normal());
    EXPECT_NEAR(toWorld.det(), 1.0, kEps);
    EXPECT_TRUE(toWorld.isUniScaledOrtho());
    EXPECT_TRUE((OdGeMatrix3d::worldToPlane(row.normal) * toWorld).isEqualTo(OdGeMatrix3d::kIdentity));
  }
  EXPECT_TRUE(OdGeMatrix3d::planeToWorld(OdGeVector3d::kZAxis).isEqualTo(OdGeMatrix3d::kIdentity));
  EXPECT_EQ(errorCodeOf([] { OdGeMatrix3d::planeToWorld(OdGeVector3d::kIdentity); }), eInvalidInput);
}

TEST(GeMatrix3d, PlaneToWorldRoundTripsPoints)
{
  const OdGeVector3d normal(1, -2, 3);
  const OdGePoint3d world(4.5, -1.25, 7);
  OdGePoint3d p = world;
  p.transformBy(OdGeMatrix3d::worldToPlane(normal));
  // The object Z coordinate is the elevation along the normal.
  EXPECT_NEAR(p.z, world.asVector().dotProduct(normal.normal()), kEps);
  p.transformBy(OdGeMatrix3d::planeToWorld(normal));
  expectPoint(p, world);
}

TEST(GeMatrix3d, UcsRotatedAboutZMapsWorldXToNegativeUcsY)
{
  OdGeMatrix3d ucsToWorld;
  ucsToWorld.setCoordSystem(OdGePoint3d(10, 0, 0), OdGeVector3d::kYAxis, -OdGeVector3d::kXAxis, OdGeVector3d::kZAxis);
  const OdGeMatrix3d worldToUcs = ucsToWorld.inverse();
  expectPoint(OdGePoint3d(11, 0, 0).transformBy(worldToUcs), OdGePoint3d(0, -1, 0));
  expectPoint(OdGePoint3d(0, -1, 0).transformBy(ucsToWorld), OdGePoint3d(11, 0, 0));
  // Vectors ignore the translation.
  expectVector(OdGeVector3d(1, 0, 0).transformBy(worldToUcs), OdGeVector3d(0, -1, 0));
}

TEST(GeMatrix3d, RotationScalingAndMirroringKeepTheirFixedPoints)
{
  const OdGePoint3d center(1, 1, 0);
  expectPoint(OdGePoint3d(2, 1, 0).transformBy(OdGeMatrix3d::rotation(OdaPI2, OdGeVector3d::kZAxis, center)),
              OdGePoint3d(1, 2, 0));
  expectPoint(OdGePoint3d(2, 1, 0).rotateBy(OdaPI2, OdGeVector3d::kZAxis, center), OdGePoint3d(1, 2, 0));
  expectPoint(OdGePoint3d(2, 1, 5).transformBy(OdGeMatrix3d::scaling(2.0, center)), OdGePoint3d(3, 1, 10));

  const OdGeMatrix3d mirror = OdGeMatrix3d::mirroring(OdGePlane(OdGePoint3d(0, 0, 2), OdGeVector3d::kZAxis));
  expectPoint(OdGePoint3d(1, 2, 5).transformBy(mirror), OdGePoint3d(1, 2, -1));
  EXPECT_NEAR(mirror.det(), -1.0, kEps);
}

TEST(GeMatrix3d, AlignCoordSysMapsOneFrameOntoTheOther)
{
  const OdGeMatrix3d m = OdGeMatrix3d::alignCoordSys(OdGePoint3d(1, 0, 0), OdGeVector3d::kXAxis, OdGeVector3d::kYAxis,
                                                     OdGeVector3d::kZAxis, OdGePoint3d(0, 5, 0), OdGeVector3d::kYAxis,
                                                     OdGeVector3d::kZAxis, OdGeVector3d::kXAxis);
  expectPoint(OdGePoint3d(1, 0, 0).transformBy(m), OdGePoint3d(0, 5, 0));
  expectPoint(OdGePoint3d(2, 0, 0).transformBy(m), OdGePoint3d(0, 6, 0));
  expectPoint(OdGePoint3d(1, 1, 0).transformBy(m), OdGePoint3d(0, 5, 1));
}

TEST(GeMatrix3d, SingularMatrixRefusesInversion)
{
  const OdGeMatrix3d flat = OdGeMatrix3d::scaling(OdGeScale3d(1, 1, 0));
  EXPECT_TRUE(flat.isSingular());
  OdGeMatrix3d out = OdGeMatrix3d::translation(OdGeVector3d(1, 2, 3));
  EXPECT_FALSE(flat.inverse(out, 1e-12));
  EXPECT_EQ(out.translation(), OdGeVector3d(1, 2, 3));
  EXPECT_EQ(errorCodeOf([] { OdGeMatrix3d::scaling(OdGeScale3d(1, 1, 0)).inverse(); }), eInvalidInput);

  const OdGeMatrix3d m = OdGeMatrix3d::rotation(0.3, OdGeVector3d(1, 2, 3), OdGePoint3d(4, 5, 6)) *
                         OdGeMatrix3d::scaling(OdGeScale3d(2, 3, 4));
  EXPECT_TRUE((m * m.inverse()).isEqualTo(OdGeMatrix3d::kIdentity));
}

TEST(GeMatrix2d, RotationAboutACenterAndInverse)
{
  const OdGeMatrix2d r = OdGeMatrix2d::rotation(OdaPI2, OdGePoint2d(1, 0));
  expectPoint(OdGePoint2d(2, 0).transformBy(r), OdGePoint2d(1, 1));
  expectPoint(OdGePoint2d(1, 1).transformBy(r.inverse()), OdGePoint2d(2, 0));
  expectPoint(OdGePoint2d(3, 4).transformBy(OdGeMatrix2d::mirroring(OdGePoint2d(0, 1), OdGeVector2d::kXAxis)),
              OdGePoint2d(3, -2));
}

TEST(GePlane, Convert2dGivesCoordinatesInATiltedPlane)
{
  const OdGePoint3d origin(1, 2, 3);
  const OdGeVector3d normal(0, 1, 1);
  const OdGePlane plane(origin, normal);
  const OdGePoint3d onPlane = plane.evalPoint(OdGePoint2d(2, -3));
  EXPECT_TRUE(plane.isOn(onPlane));
  // A point off the plane converts to the parameters of its projection.
  const OdGePoint3d above = onPlane + normal.normal() * 5.0;
  expectPoint(above.convert2d(plane), OdGePoint2d(2, -3));
  EXPECT_NEAR(plane.signedDistanceTo(above), 5.0, kEps);

  // Through the world origin the parameters are the object coordinates of the normal.
  const OdGePlane ocsPlane(OdGePoint3d::kOrigin, normal);
  const OdGePoint3d ocs = OdGePoint3d(above).transformBy(OdGeMatrix3d::worldToPlane(normal));
  expectPoint(above.convert2d(ocsPlane), OdGePoint2d(ocs.x, ocs.y));
  expectPoint(OdGePoint3d(ocsPlane, OdGePoint2d(ocs.x, ocs.y)), ocsPlane.closestPointTo(above));
}

TEST(GePlane, Convert2dDecomposesAlongSkewAxes)
{
  const OdGePlane skew(OdGePoint3d(0, 0, 1), OdGeVector3d(2, 0, 0), OdGeVector3d(1, 1, 0));
  expectPoint(OdGePoint3d(4, 3, 7).convert2d(skew), OdGePoint2d(0.5, 3));
  expectVector(skew.normal(), OdGeVector3d::kZAxis);
}

TEST(GePlane, CoefficientsDistancesAndRefusals)
{
  const OdGePlane plane(0, 0, 2, -4);  // z = 2
  double a, b, c, d;
  plane.getCoefficients(a, b, c, d);
  EXPECT_NEAR(c, 1.0, kEps);
  EXPECT_NEAR(d, -2.0, kEps);
  EXPECT_NEAR(plane.signedDistanceTo(OdGePoint3d(5, 5, -1)), -3.0, kEps);
  expectPoint(plane.closestPointTo(OdGePoint3d(5, 5, -1)), OdGePoint3d(5, 5, 2));
  expectPoint(OdGePoint3d(1, 1, 0).project(plane, OdGeVector3d(1, 0, 1)), OdGePoint3d(3, 1, 2));
  EXPECT_TRUE(OdGePlane::kXYPlane.isParallelTo(plane));
  EXPECT_TRUE(OdGePlane::kYZPlane.isPerpendicularTo(plane));

  EXPECT_EQ(errorCodeOf([] { OdGePlane(OdGePoint3d::kOrigin, OdGeVector3d::kIdentity); }), eInvalidInput);
  EXPECT_EQ(errorCodeOf([] { OdGePlane(OdGePoint3d::kOrigin, OdGeVector3d::kXAxis, OdGeVector3d(3, 0, 0)); }),
            eInvalidInput);
}

TEST(GeExtents, GrowTransformAndContain)
{
  OdGeExtents3d ext;
  EXPECT_FALSE(ext.isValidExtents());
  ext.addExt(OdGeExtents3d());
  EXPECT_FALSE(ext.isValidExtents());
  ext.addPoint(OdGePoint3d(1, 2, 3));
  EXPECT_TRUE(ext.isValidExtents());
  expectPoint(ext.minPoint(), OdGePoint3d(1, 2, 3));
  ext.addPoint(OdGePoint3d(-1, 5, 3));
  expectPoint(ext.minPoint(), OdGePoint3d(-1, 2, 3));
  expectPoint(ext.maxPoint(), OdGePoint3d(1, 5, 3));
  EXPECT_TRUE(ext.contains(OdGePoint3d(0, 3, 3)));
  EXPECT_FALSE(ext.contains(OdGePoint3d(0, 6, 3)));

  OdGeExtents3d box(OdGePoint3d(0, 0, 0), OdGePoint3d(1, 1, 1));
  box.transformBy(OdGeMatrix3d::rotation(OdaPI4, OdGeVector3d::kZAxis));
  const double h = std::sqrt(0.5);
  expectPoint(box.minPoint(), OdGePoint3d(-h, 0, 0));
  expectPoint(box.maxPoint(), OdGePoint3d(h, 2 * h, 1));
  EXPECT_TRUE(box.isDisjoint(OdGeExtents3d(OdGePoint3d(5, 5, 5), OdGePoint3d(6, 6, 6))));
  EXPECT_FALSE(box.isDisjoint(OdGeExtents3d(OdGePoint3d(0.5, 1, 0.5), OdGePoint3d(3, 3, 3))));
  EXPECT_TRUE(box.isDisjoint(ext));

  OdGeExtents2d flat;
  flat.comparingSet(OdGePoint2d(3, -1), OdGePoint2d(1, 4));
  expectPoint(flat.minPoint(), OdGePoint2d(1, -1));
  expectPoint(flat.center(), OdGePoint2d(2, 1.5));
}

TEST(GeLineSeg, LengthMidPointAndClampedClosestPoint)
{
  const OdGeLineSeg3d seg(OdGePoint3d(0, 0, 0), OdGePoint3d(3, 4, 0));
  EXPECT_DOUBLE_EQ(seg.length(), 5.0);
  expectPoint(seg.midPoint(), OdGePoint3d(1.5, 2, 0));
  expectPoint(seg.closestPointTo(OdGePoint3d(10, 10, 0)), OdGePoint3d(3, 4, 0));
  EXPECT_TRUE(seg.isOn(OdGePoint3d(0.6, 0.8, 0)));
  EXPECT_FALSE(seg.isOn(OdGePoint3d(-0.6, -0.8, 0)));

  OdGeLineSeg2d seg2(OdGePoint2d(1, 1), OdGeVector2d(0, 2));
  seg2.reverseParam();
  expectPoint(seg2.startPoint(), OdGePoint2d(1, 3));
  EXPECT_TRUE(seg2.isKindOf(OdGe::kCurve2d));
  EXPECT_FALSE(seg2.isKindOf(OdGe::kCircArc2d));
}

TEST(GeCircArc2d, BulgeGivesSweepRadiusAndSide)
{
  const double quarter = std::tan(OdaPI / 8);
  struct Row
  {
    double bulge;
    double radius;
    double sweep;
    bool clockWise;
    OdGePoint2d middle;  // point halfway along the arc
  } rows[] = {
      {1.0, 1.0, OdaPI, false, {1, -1}},
      {-1.0, 1.0, OdaPI, true, {1, 1}},
      {quarter, std::sqrt(2.0), OdaPI2, false, {1, 1 - std::sqrt(2.0)}},
      {-quarter, std::sqrt(2.0), OdaPI2, true, {1, std::sqrt(2.0) - 1}},
      {1 / quarter, std::sqrt(2.0), 3 * OdaPI2, false, {1, -1 - std::sqrt(2.0)}},
  };
  const OdGePoint2d start(0, 0), end(2, 0);
  for (const Row& row : rows)
  {
    SCOPED_TRACE(row.bulge);
    const OdGeCircArc2d arc(start, end, row.bulge, false);
    EXPECT_NEAR(arc.radius(), row.radius, kEps);
    EXPECT_NEAR(arc.endAng() - arc.startAng(), row.sweep, kEps);
    EXPECT_NEAR(arc.radius() * (arc.endAng() - arc.startAng()), arc.length(), kEps);
    EXPECT_EQ(arc.isClockWise(), row.clockWise);
    expectPoint(arc.startPoint(), start);
    expectPoint(arc.endPoint(), end);
    expectPoint(arc.evalPoint((arc.startAng() + arc.endAng()) / 2), row.middle);
  }
  const OdGeCircArc2d half(start, end, 1.0, false);
  EXPECT_NEAR(half.length(), OdaPI, kEps);
  expectPoint(half.center(), OdGePoint2d(1, 0));
}

TEST(GeCircArc2d, BulgeFlagTakesTheArcHeight)
{
  // Height 1 over a chord of 4: tan(sweep / 4) = 0.5.
  const OdGeCircArc2d byHeight(OdGePoint2d(0, 0), OdGePoint2d(4, 0), 1.0, true);
  const OdGeCircArc2d byBulge(OdGePoint2d(0, 0), OdGePoint2d(4, 0), 0.5, false);
  EXPECT_NEAR(byHeight.radius(), byBulge.radius(), kEps);
  EXPECT_NEAR(byHeight.radius(), 2.5, kEps);
  expectPoint(byHeight.evalPoint((byHeight.startAng() + byHeight.endAng()) / 2), OdGePoint2d(2, -1));
  EXPECT_EQ(errorCodeOf([] { OdGeCircArc2d(OdGePoint2d(0, 0), OdGePoint2d(1, 0), 0.0, false); }), eDegenerateGeometry);
  EXPECT_EQ(errorCodeOf([] { OdGeCircArc2d(OdGePoint2d(1, 1), OdGePoint2d(1, 1), 1.0, false); }), eDegenerateGeometry);
}

TEST(GeCircArc2d, ThreePointsSetOrientationAndReverseKeepsThePoints)
{
  OdGeCircArc2d arc(OdGePoint2d(1, 0), OdGePoint2d(0, 1), OdGePoint2d(-1, 0));
  expectPoint(arc.center(), OdGePoint2d(0, 0));
  EXPECT_FALSE(arc.isClockWise());
  EXPECT_NEAR(arc.length(), OdaPI, kEps);
  EXPECT_TRUE(arc.isOn(OdGePoint2d(0, 1)));
  EXPECT_FALSE(arc.isOn(OdGePoint2d(0, -1)));

  arc.reverseParam();
  EXPECT_TRUE(arc.isClockWise());
  expectPoint(arc.startPoint(), OdGePoint2d(-1, 0));
  expectPoint(arc.endPoint(), OdGePoint2d(1, 0));
  EXPECT_TRUE(arc.isOn(OdGePoint2d(0, 1)));

  const OdGeCircArc2d cw(OdGePoint2d(-1, 0), OdGePoint2d(0, 1), OdGePoint2d(1, 0));
  EXPECT_TRUE(cw.isClockWise());
  EXPECT_EQ(errorCodeOf([] { OdGeCircArc2d(OdGePoint2d(0, 0), OdGePoint2d(1, 1), OdGePoint2d(2, 2)); }),
            eDegenerateGeometry);
}

TEST(GeCircArc2d, MirrorFlipsTurningAndNonUniformScaleIsRefused)
{
  OdGeCircArc2d arc(OdGePoint2d(0, 0), OdGePoint2d(2, 0), 1.0, false);
  arc.transformBy(OdGeMatrix2d::mirroring(OdGePoint2d(0, 0), OdGeVector2d::kXAxis));
  EXPECT_TRUE(arc.isClockWise());
  expectPoint(arc.startPoint(), OdGePoint2d(0, 0));
  expectPoint(arc.endPoint(), OdGePoint2d(2, 0));
  EXPECT_TRUE(arc.isOn(OdGePoint2d(1, 1)));

  OdGeMatrix2d stretch;
  stretch.entry[0][0] = 2.0;
  EXPECT_THROW(arc.transformBy(stretch), OdError);
  EXPECT_NEAR(arc.radius(), 1.0, kEps);
}

TEST(GeCircArc3d, AnglesAreObjectAnglesAboutTheNormal)
{
  // An arc from 3pi/2 to pi/2 sweeps a half turn through angle 0.
  const OdGeCircArc3d arc(OdGePoint3d(1, 1, 0), OdGeVector3d::kZAxis, OdGeVector3d::kXAxis, 2.0, 3 * OdaPI2, OdaPI2);
  EXPECT_NEAR(arc.endAng() - arc.startAng(), OdaPI, kEps);
  EXPECT_NEAR(arc.length(), 2 * OdaPI, kEps);
  expectPoint(arc.startPoint(), OdGePoint3d(1, -1, 0));
  expectPoint(arc.evalPoint(2 * OdaPI), OdGePoint3d(3, 1, 0));

  // Without a reference vector the angles start at the normal's object X axis.
  const OdGeCircArc3d below(OdGePoint3d::kOrigin, -OdGeVector3d::kZAxis, 1.0);
  expectVector(below.refVec(), OdGeVector3d(-1, 0, 0));
  expectPoint(below.evalPoint(OdaPI2), OdGePoint3d(0, 1, 0));
  EXPECT_NEAR(below.length(), Oda2PI, kEps);
  EXPECT_TRUE(below.isClosed());

  EXPECT_EQ(errorCodeOf([] { OdGeCircArc3d(OdGePoint3d::kOrigin, OdGeVector3d::kZAxis, OdGeVector3d::kZAxis, 1.0); }),
            eInvalidInput);
}

TEST(GeCircArc3d, ThreePointsReverseAndTransform)
{
  OdGeCircArc3d arc(OdGePoint3d(0, 0, 1), OdGePoint3d(0, 1, 0), OdGePoint3d(0, 0, -1));
  expectPoint(arc.center(), OdGePoint3d::kOrigin);
  EXPECT_NEAR(arc.radius(), 1.0, kEps);
  EXPECT_NEAR(arc.length(), OdaPI, kEps);
  expectPoint(arc.startPoint(), OdGePoint3d(0, 0, 1));
  expectPoint(arc.endPoint(), OdGePoint3d(0, 0, -1));
  EXPECT_TRUE(arc.isOn(OdGePoint3d(0, 1, 0)));

  arc.reverseParam();
  expectPoint(arc.startPoint(), OdGePoint3d(0, 0, -1));
  EXPECT_TRUE(arc.isOn(OdGePoint3d(0, 1, 0)));

  arc.transformBy(OdGeMatrix3d::scaling(3.0) * OdGeMatrix3d::translation(OdGeVector3d(1, 0, 0)));
  EXPECT_NEAR(arc.radius(), 3.0, kEps);
  expectPoint(arc.center(), OdGePoint3d(3, 0, 0));
  EXPECT_TRUE(arc.isOn(OdGePoint3d(3, 3, 0)));
  EXPECT_THROW(arc.transformBy(OdGeMatrix3d::scaling(OdGeScale3d(1, 2, 1))), OdError);
}

TEST(GeFinite, RefusesNaNAndInfinityInAnyComponent)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_TRUE(odgeIsFinite(OdGePoint3d(1, 2, 3)));
  EXPECT_FALSE(odgeIsFinite(OdGePoint3d(1, nan, 3)));
  EXPECT_FALSE(odgeIsFinite(OdGeVector3d(0, 0, -inf)));
  EXPECT_FALSE(odgeIsFinite(OdGePoint2d(inf, 0)));
  EXPECT_FALSE(odgeIsFinite(OdGeScale3d(1, 1, nan)));
  EXPECT_FALSE(odgeIsFinite(nan));
}
