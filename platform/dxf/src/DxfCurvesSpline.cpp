// The free-form curves: ELLIPSE read and written. Points and vectors of these kinds are world
// coordinates in files (no object coordinate system); values the curves refuse are repairs
// naming the kind and the value.
#include <cmath>

#include "DbEllipse.h"
#include "DxfReader.h"
#include "DxfWriter.h"
#include "Ge/GeGbl.h"
#include "OdError.h"

namespace kydxf
{
bool dxfTakeXyz(const DxfTag& t, int code, OdGePoint3d& p)
{
  if (t.code == code)
    p.x = t.real;
  else if (t.code == code + 10)
    p.y = t.real;
  else if (t.code == code + 20)
    p.z = t.real;
  else
    return false;
  return true;
}

namespace
{
// The line a tag's value stands on (the fallback without a tag).
int valueLine(const DxfTag* t, int fallback)
{
  return t ? t->line + 1 : fallback;
}

// A world vector, left out when it is the default normal (0, 0, 1).
void worldVector(DxfFields& out, int code, const OdGeVector3d& v)
{
  if (v.x != 0.0 || v.y != 0.0 || v.z != 1.0)
    out.vector(code, v);
}

void ellipseFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbEllipse* pEllipse = static_cast<const OdDbEllipse*>(pObj);
  entityFields(pEllipse, "ELLIPSE", out);
  out.subclass("AcDbEllipse", {10, 20, 30, 11, 21, 31, 210, 220, 230, 40, 41, 42});
  out.point(10, pEllipse->center());
  out.point(11, pEllipse->majorAxis().asPoint());
  worldVector(out, 210, pEllipse->normal());
  out.real(40, pEllipse->radiusRatio());
  double start = 0.0, end = 0.0;
  pEllipse->getStartParam(start);
  pEllipse->getEndParam(end);
  out.real(41, start);
  out.real(42, end);
  dxfXDataFields(pEllipse, "ELLIPSE", out);
}

const DxfKindWriter kEllipseWriter{"ELLIPSE", &OdDbEllipse::desc, &ellipseFields};
const DxfKindWriters kSplineWriters{&kEllipseWriter};
} // namespace

OdDbEntityPtr DxfReader::readEllipse(DxfEntityProps& props)
{
  OdDbEllipsePtr pEllipse = OdDbEllipse::createObject();
  OdGePoint3d center, major, normal(0.0, 0.0, 1.0);
  const DxfTag *majorTag = nullptr, *ratioTag = nullptr, *startTag = nullptr, *endTag = nullptr;
  for (const DxfTag* t : m_parts.body)
  {
    if (commonEntityTag(*t, props))
      continue;
    if (dxfTakeXyz(*t, 10, center))
      continue;
    if (dxfTakeXyz(*t, 11, major))
      majorTag = t->code == 11 ? t : majorTag;
    else if (dxfTakeXyz(*t, 210, normal))
      continue;
    else if (t->code == 40)
      ratioTag = t;
    else if (t->code == 41)
      startTag = t;
    else if (t->code == 42)
      endTag = t;
  }
  double ratio = ratioTag ? ratioTag->real : 1.0;
  OdGeVector3d majorAxis = major.asVector();
  // Some writers give the longer axis as the minor one (a ratio above 1). The same curve has the
  // other axis as its major one, the inverse ratio, and parameters a quarter turn back.
  double paramShift = 0.0;
  if (ratio > 1.0 && std::isfinite(ratio) && !majorAxis.isZeroLength() && !normal.asVector().isZeroLength())
  {
    repair(valueLine(ratioTag, m_object.line), "ELLIPSE radius ratio above 1",
           "read its minor axis as the major one, with the inverse ratio and the parameters a quarter turn back");
    majorAxis = normal.asVector().normal().crossProduct(majorAxis) * ratio;
    ratio = 1.0 / ratio;
    paramShift = -OdaPI2;
  }
  // The axes and the ratio are one value: refused together, the ellipse keeps its centre only.
  const OdResult axes = pEllipse->set(center, normal.asVector(), majorAxis, ratio);
  if (axes != eOk)
  {
    const int line = valueLine(majorTag, m_object.line);
    repair(line, "ELLIPSE axes refused (" + OdError::codeText(axes).toUtf8() + ")",
           "read it as a circle of radius 1 about its centre");
    check(pEllipse->set(center, OdGeVector3d::kZAxis, OdGeVector3d::kXAxis, 1.0), line, "ELLIPSE", " center");
    return pEllipse;
  }
  if (startTag)
    apply(valueLine(startTag, 0), "ELLIPSE start parameter",
          [&] { pEllipse->setStartParam(startTag->real + paramShift); });
  if (endTag)
    apply(valueLine(endTag, 0), "ELLIPSE end parameter",
          [&] { pEllipse->setEndParam(endTag->real + paramShift); });
  return pEllipse;
}
} // namespace kydxf
