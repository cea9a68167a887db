// Tests of the construction-line, point and planar-fill stand-ins: parameters and closest points of
// infinite lines and rays, stored unit directions, corner indices and refused values that leave the
// objects unchanged, extents and transforms, face edge flags.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DbFace.h"
#include "DbFiler.h"
#include "DbPoint.h"
#include "DbRay.h"
#include "DbSolid.h"
#include "DbTrace.h"
#include "DbXline.h"
#include "Ge/GeMatrix3d.h"
#include "OdError.h"

namespace
{
const double kNaN = std::numeric_limits<double>::quiet_NaN();

void expectPoint(const OdGePoint3d& actual, const OdGePoint3d& expected)
{
  EXPECT_NEAR(actual.distanceTo(expected), 0.0, 1e-12) << actual.x << " " << actual.y << " " << actual.z;
}

std::string state(const OdDbObject* object)
{
  OdDbDxfTagList tags;
  object->dxfOutFields(&tags);
  return tags.toString();
}
} // namespace

TEST(ConstructionLines, XlineRunsBothWaysAndRayStartsAtItsBase)
{
  OdDbXlinePtr xline = OdDbXline::createObject();
  OdDbRayPtr ray = OdDbRay::createObject();
  EXPECT_EQ(xline->unitDir(), OdGeVector3d::kXAxis);
  EXPECT_EQ(ray->basePoint(), OdGePoint3d::kOrigin);
  xline->setBasePoint(OdGePoint3d(1, 1, 0));
  xline->setUnitDir(OdGeVector3d(0, 2, 0));
  ray->setBasePoint(OdGePoint3d(1, 1, 0));
  ray->setUnitDir(OdGeVector3d(0, 2, 0));
  EXPECT_EQ(xline->unitDir(), OdGeVector3d(0, 1, 0));
  EXPECT_EQ(ray->unitDir(), OdGeVector3d(0, 1, 0));

  OdGePoint3d p;
  ASSERT_EQ(xline->getPointAtParam(-3.0, p), eOk);
  expectPoint(p, OdGePoint3d(1, -2, 0));
  EXPECT_EQ(ray->getPointAtParam(-3.0, p), eInvalidInput);
  ASSERT_EQ(ray->getPointAtParam(2.5, p), eOk);
  expectPoint(p, OdGePoint3d(1, 3.5, 0));

  double param = 0.0;
  EXPECT_EQ(xline->getParamAtPoint(OdGePoint3d(1, -7, 0), param), eOk);
  EXPECT_DOUBLE_EQ(param, -8.0);
  EXPECT_EQ(ray->getParamAtPoint(OdGePoint3d(1, -7, 0), param), eInvalidInput);
  EXPECT_EQ(ray->getParamAtPoint(OdGePoint3d(2, 3, 0), param), eInvalidInput); // off the ray

  // Closest points: behind the base point the ray answers its base unless extended.
  ASSERT_EQ(ray->getClosestPointTo(OdGePoint3d(5, -4, 0), p), eOk);
  expectPoint(p, OdGePoint3d(1, 1, 0));
  ASSERT_EQ(ray->getClosestPointTo(OdGePoint3d(5, -4, 0), p, true), eOk);
  expectPoint(p, OdGePoint3d(1, -4, 0));
  ASSERT_EQ(xline->getClosestPointTo(OdGePoint3d(5, -4, 0), p), eOk);
  expectPoint(p, OdGePoint3d(1, -4, 0));

  double start = 1.0;
  EXPECT_EQ(ray->getStartParam(start), eOk);
  EXPECT_EQ(start, 0.0);
  EXPECT_EQ(xline->getStartParam(start), eNotApplicable);
  EXPECT_EQ(ray->getEndParam(start), eNotApplicable);
  OdGeExtents3d extents;
  EXPECT_EQ(xline->getGeomExtents(extents), eInvalidExtents);
  EXPECT_EQ(ray->getGeomExtents(extents), eInvalidExtents);
}

TEST(ConstructionLines, RefusedValuesAndTransforms)
{
  OdDbRayPtr ray = OdDbRay::createObject();
  ray->setBasePoint(OdGePoint3d(1, 2, 3));
  const std::string before = state(ray);
  EXPECT_THROW(ray->setUnitDir(OdGeVector3d()), OdError);
  EXPECT_THROW(ray->setUnitDir(OdGeVector3d(kNaN, 0, 0)), OdError);
  EXPECT_THROW(ray->setBasePoint(OdGePoint3d(0, INFINITY, 0)), OdError);
  EXPECT_EQ(ray->transformBy(OdGeMatrix3d::scaling(0.0)), eInvalidInput);
  EXPECT_EQ(state(ray), before);

  ASSERT_EQ(ray->transformBy(OdGeMatrix3d::rotation(M_PI / 2, OdGeVector3d::kZAxis)), eOk);
  expectPoint(ray->basePoint(), OdGePoint3d(-2, 1, 3));
  EXPECT_NEAR(ray->unitDir().y, 1.0, 1e-15);
  ASSERT_EQ(ray->transformBy(OdGeMatrix3d::scaling(3.0)), eOk);
  EXPECT_NEAR(ray->unitDir().length(), 1.0, 1e-15);
}

TEST(Points, PositionThicknessAndTransform)
{
  OdDbPointPtr point = OdDbPoint::createObject();
  point->setPosition(OdGePoint3d(1, 2, 3));
  point->setThickness(2.0);
  point->setNormal(OdGeVector3d(0, 0, 5));
  OdGeExtents3d extents;
  ASSERT_EQ(point->getGeomExtents(extents), eOk);
  expectPoint(extents.minPoint(), OdGePoint3d(1, 2, 3));
  expectPoint(extents.maxPoint(), OdGePoint3d(1, 2, 5));
  EXPECT_THROW(point->setNormal(OdGeVector3d()), OdError);
  EXPECT_THROW(point->setThickness(kNaN), OdError);
  ASSERT_EQ(point->transformBy(OdGeMatrix3d::scaling(2.0)), eOk);
  expectPoint(point->position(), OdGePoint3d(2, 4, 6));
  EXPECT_DOUBLE_EQ(point->thickness(), 4.0);
  EXPECT_EQ(point->normal(), OdGeVector3d::kZAxis);
}

TEST(PlanarFills, CornersByIndexForTracesSolidsAndFaces)
{
  OdDbTracePtr trace = OdDbTrace::createObject();
  OdDbSolidPtr solid = OdDbSolid::createObject();
  OdDbFacePtr face = OdDbFace::createObject();
  for (OdUInt16 i = 0; i < 4; ++i)
  {
    const OdGePoint3d p(i, 2.0 * i, 0);
    EXPECT_EQ(trace->setPointAt(i, p), eOk);
    EXPECT_EQ(solid->setPointAt(i, p), eOk);
    EXPECT_EQ(face->setVertexAt(i, p), eOk);
  }
  const std::string traceState = state(trace), solidState = state(solid), faceState = state(face);
  OdGePoint3d p(9, 9, 9);
  EXPECT_EQ(trace->getPointAt(4, p), eInvalidIndex);
  EXPECT_EQ(solid->getPointAt(7, p), eInvalidIndex);
  EXPECT_EQ(face->getVertexAt(65535, p), eInvalidIndex);
  EXPECT_EQ(p, OdGePoint3d(9, 9, 9));
  EXPECT_EQ(trace->setPointAt(4, p), eInvalidIndex);
  EXPECT_EQ(solid->setPointAt(1, OdGePoint3d(kNaN, 0, 0)), eInvalidInput);
  EXPECT_EQ(face->setVertexAt(4, p), eInvalidIndex);
  EXPECT_EQ(state(trace), traceState);
  EXPECT_EQ(state(solid), solidState);
  EXPECT_EQ(state(face), faceState);
  ASSERT_EQ(solid->getPointAt(3, p), eOk);
  EXPECT_EQ(p, OdGePoint3d(3, 6, 0));

  // The thickness extrudes the corners along the normal; a collapsing transform changes nothing.
  solid->setThickness(-1.0);
  OdGeExtents3d extents;
  ASSERT_EQ(solid->getGeomExtents(extents), eOk);
  expectPoint(extents.minPoint(), OdGePoint3d(0, 0, -1));
  expectPoint(extents.maxPoint(), OdGePoint3d(3, 6, 0));
  const std::string thick = state(solid);
  EXPECT_EQ(solid->transformBy(OdGeMatrix3d::scaling(0.0)), eInvalidInput);
  EXPECT_EQ(state(solid), thick);
  ASSERT_EQ(trace->transformBy(OdGeMatrix3d::translation(OdGeVector3d(0, 0, 2))), eOk);
  ASSERT_EQ(trace->getPointAt(2, p), eOk);
  EXPECT_EQ(p, OdGePoint3d(2, 4, 2));
}

TEST(PlanarFills, FaceEdgesAreFlaggedOneByOne)
{
  OdDbFacePtr face = OdDbFace::createObject();
  bool visible = false;
  for (OdUInt16 i = 0; i < 4; ++i)
  {
    ASSERT_EQ(face->isEdgeVisibleAt(i, visible), eOk);
    EXPECT_TRUE(visible);
  }
  EXPECT_EQ(face->makeEdgeInvisibleAt(2), eOk);
  EXPECT_EQ(face->makeEdgeInvisibleAt(4), eInvalidIndex);
  EXPECT_EQ(face->isEdgeVisibleAt(4, visible), eInvalidIndex);
  for (OdUInt16 i = 0; i < 4; ++i)
  {
    face->isEdgeVisibleAt(i, visible);
    EXPECT_EQ(visible, i != 2);
  }
  EXPECT_EQ(face->makeEdgeVisibleAt(2), eOk);
  face->isEdgeVisibleAt(2, visible);
  EXPECT_TRUE(visible);

  OdDbFacePtr made = new OdDbFace(OdGePoint3d(0, 0, 0), OdGePoint3d(1, 0, 0), OdGePoint3d(1, 1, 1),
                                  OdGePoint3d(0, 1, 1), true, false, true, false);
  made->isEdgeVisibleAt(1, visible);
  EXPECT_FALSE(visible);
  made->isEdgeVisibleAt(2, visible);
  EXPECT_TRUE(visible);
}
