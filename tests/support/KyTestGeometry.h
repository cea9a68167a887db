// Checks shared by the stand-in tests: points compared component by component within a
// tolerance, and an object's complete state as its DXF fields, to prove a refused change left it
// as it was.
#ifndef KY_TEST_GEOMETRY_H
#define KY_TEST_GEOMETRY_H

#include <gtest/gtest.h>

#include "DbFiler.h"
#include "DbObject.h"
#include "Ge/GePoint2d.h"
#include "Ge/GePoint3d.h"

inline void kyExpectPoint(const OdGePoint3d& actual, const OdGePoint3d& expected, double eps = 1e-9)
{
  EXPECT_NEAR(actual.x, expected.x, eps);
  EXPECT_NEAR(actual.y, expected.y, eps);
  EXPECT_NEAR(actual.z, expected.z, eps);
}

inline void kyExpectPoint(const OdGePoint2d& actual, const OdGePoint2d& expected, double eps = 1e-9)
{
  EXPECT_NEAR(actual.x, expected.x, eps);
  EXPECT_NEAR(actual.y, expected.y, eps);
}

inline OdDbDxfTagList kySnapshot(const OdDbObject* object)
{
  OdDbDxfTagList tags;
  object->dxfOutFields(&tags);
  return tags;
}

#endif
