// Values of an entity's tags as the readers collect them: a point under the codes c, c + 10,
// c + 20 and a real, each with the line of its tag, and the object coordinate system of planar
// entities.
#ifndef KY_DXF_ENTITY_VALUES_H
#define KY_DXF_ENTITY_VALUES_H

#include "DxfTokenizer.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

namespace kydxf
{
// A point given by the codes c, c + 10, c + 20, with the line of its first tag.
struct PointValue
{
  OdGePoint3d p;
  int line = 0;
  bool set = false;

  bool take(const DxfTag& t, int code)
  {
    if (t.code == code)
    {
      p.x = t.real;
      line = t.line + 1;
      set = true;
    }
    else if (t.code == code + 10)
      p.y = t.real;
    else if (t.code == code + 20)
      p.z = t.real;
    else
      return false;
    return true;
  }
  OdGeVector3d vector() const { return p.asVector(); }
};

struct RealValue
{
  double v = 0.0;
  int line = 0;
  bool set = false;

  bool take(const DxfTag& t, int code)
  {
    if (t.code != code)
      return false;
    v = t.real;
    line = t.line + 1;
    set = true;
    return true;
  }
};

// Points of planar entities are given in the object coordinate system of their normal.
inline OdGePoint3d toWorld(const OdGePoint3d& p, const PointValue& normal)
{
  if (!normal.set || (normal.p.x == 0.0 && normal.p.y == 0.0 && normal.p.z > 0.0))
    return p;
  return OdGeMatrix3d::planeToWorld(normal.vector()) * p;
}
} // namespace kydxf

#endif
