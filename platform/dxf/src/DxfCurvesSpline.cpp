// The free-form curves: ELLIPSE, SPLINE and HELIX read and written. Points and vectors of these kinds are world
// coordinates in files (no object coordinate system); values the curves refuse are repairs
// naming the kind and the value.
#include <cmath>

#include "DbEllipse.h"
#include "DbHelix.h"
#include "DbSpline.h"
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

// Knots, weights, control points and fit points in the order files keep them; the normal only
// for a planar spline, the tangents only with fit data.
void splineSubclass(const OdDbSpline* pSpline, DxfFields& out)
{
  out.subclass("AcDbSpline", {210, 220, 230, 70, 71, 72, 73, 74, 42, 43, 44, 12, 22, 32, 13, 23, 33, 40, 41, 10, 20,
                              30, 11, 21, 31});
  int degree = 0;
  bool rational = false, closed = false, periodic = false;
  OdGePoint3dArray controlPoints;
  OdGeDoubleArray knots, weights;
  double controlTol = 0.0, knotTol = 0.0;
  pSpline->getNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights, controlTol, knotTol);
  OdGePoint3dArray fitPoints;
  int fitDegree = 0;
  double fitTol = 0.0;
  bool tangents = false;
  OdGeVector3d startTangent, endTangent;
  pSpline->getFitData(fitPoints, fitDegree, fitTol, tangents, startTangent, endTangent);
  OdGePlane plane;
  OdDb::Planarity planarity = OdDb::kNonPlanar;
  const bool planar = pSpline->getPlane(plane, planarity) == eOk;
  if (planar)
    out.vector(210, plane.normal());
  out.integer(70, (closed ? 1 : 0) | (periodic ? 2 : 0) | (rational ? 4 : 0) | (planar ? 8 : 0) |
                    (planarity == OdDb::kLinear ? 16 : 0));
  out.integer(71, degree);
  out.integer(72, knots.size());
  out.integer(73, controlPoints.size());
  out.integer(74, fitPoints.size());
  out.real(42, knotTol);
  out.real(43, controlTol);
  out.real(44, pSpline->fitTolerance());
  if (!fitPoints.isEmpty())
  {
    if (!startTangent.isZeroLength())
      out.vector(12, startTangent);
    if (!endTangent.isZeroLength())
      out.vector(13, endTangent);
  }
  for (unsigned i = 0; i < knots.size(); ++i)
    out.real(40, knots[i]);
  if (rational)
    for (unsigned i = 0; i < weights.size(); ++i)
      out.real(41, weights[i]);
  for (unsigned i = 0; i < controlPoints.size(); ++i)
    out.point(10, controlPoints[i]);
  for (unsigned i = 0; i < fitPoints.size(); ++i)
    out.point(11, fitPoints[i]);
}

void splineFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbSpline* pSpline = static_cast<const OdDbSpline*>(pObj);
  entityFields(pSpline, "SPLINE", out);
  splineSubclass(pSpline, out);
  dxfXDataFields(pSpline, "SPLINE", out);
}

// The helix's spline data, then its own values: the versions of the helix format this writer
// gives, the axis, the start point (which carries the base radius), the top radius, turns, turn
// height, twist and constrain.
void helixFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbHelix* pHelix = static_cast<const OdDbHelix*>(pObj);
  entityFields(pHelix, "HELIX", out);
  splineSubclass(pHelix, out);
  out.subclass("AcDbHelix", {90, 91, 10, 20, 30, 11, 21, 31, 12, 22, 32, 40, 41, 42, 290, 280});
  out.integer(90, 27);
  out.integer(91, 1);
  out.point(10, pHelix->axisPoint());
  out.point(11, pHelix->startPoint());
  out.vector(12, pHelix->axisVector());
  out.real(40, pHelix->topRadius());
  out.real(41, pHelix->turns());
  out.real(42, pHelix->turnHeight());
  out.integer(290, pHelix->twist() ? 1 : 0);
  out.integer(280, pHelix->constrain());
  dxfXDataFields(pHelix, "HELIX", out);
}

const DxfKindWriter kEllipseWriter{"ELLIPSE", &OdDbEllipse::desc, &ellipseFields};
const DxfKindWriter kSplineWriter{"SPLINE", &OdDbSpline::desc, &splineFields};
const DxfKindWriter kHelixWriter{"HELIX", &OdDbHelix::desc, &helixFields};
const DxfKindWriters kSplineWriters{&kEllipseWriter, &kSplineWriter, &kHelixWriter};

// A list of points under the codes c, c + 10, c + 20: each c tag starts the next point.
struct PointList
{
  OdGePoint3dArray points;
  int firstLine = 0;

  bool take(const DxfTag& t, int code)
  {
    if (t.code == code)
    {
      points.append(OdGePoint3d(t.real, 0.0, 0.0));
      if (firstLine == 0)
        firstLine = t.line + 1;
    }
    else if (t.code != code + 10 && t.code != code + 20)
      return false;
    else if (!points.isEmpty())
      (t.code == code + 10 ? points.last().y : points.last().z) = t.real;
    return true;
  }
};

// A clamped knot vector with uniform interior knots for n control points of the degree.
OdGeDoubleArray uniformKnots(int count, int degree)
{
  OdGeDoubleArray knots;
  for (int i = 0; i <= degree; ++i)
    knots.append(0.0);
  for (int i = 1; i < count - degree; ++i)
    knots.append(static_cast<double>(i));
  for (int i = 0; i <= degree; ++i)
    knots.append(static_cast<double>(count - degree));
  return knots;
}
} // namespace

void DxfReader::checkCount(const DxfTag* countTag, unsigned given, const char* kind, const char* what)
{
  if (countTag && countTag->integer != static_cast<std::int64_t>(given))
    repair(valueLine(countTag, m_object.line),
           std::string(kind) + " " + what + " count " + std::to_string(countTag->integer) + " differs from the " +
             std::to_string(given) + " given",
           "read the " + std::to_string(given) + " given");
}

OdDbEntityPtr DxfReader::readSpline(DxfEntityProps& props)
{
  OdDbSplinePtr pSpline = OdDbSpline::createObject();
  PointList control, fit;
  OdGeDoubleArray knots, weights;
  OdGePoint3d startTangent, endTangent, normal;
  const DxfTag *flagsTag = nullptr, *degreeTag = nullptr, *knotCount = nullptr, *controlCount = nullptr,
               *fitCount = nullptr, *knotTolTag = nullptr, *controlTolTag = nullptr, *fitTolTag = nullptr,
               *firstKnot = nullptr;
  for (const DxfTag* t : m_parts.body)
  {
    if (commonEntityTag(*t, props) || control.take(*t, 10) || fit.take(*t, 11) || dxfTakeXyz(*t, 12, startTangent) ||
        dxfTakeXyz(*t, 13, endTangent) || dxfTakeXyz(*t, 210, normal))
      continue;
    switch (t->code)
    {
    case 70: flagsTag = t; break;
    case 71: degreeTag = t; break;
    case 72: knotCount = t; break;
    case 73: controlCount = t; break;
    case 74: fitCount = t; break;
    case 42: knotTolTag = t; break;
    case 43: controlTolTag = t; break;
    case 44: fitTolTag = t; break;
    case 40:
      knots.append(t->real);
      firstKnot = firstKnot ? firstKnot : t;
      break;
    case 41: weights.append(t->real); break;
    default: break;
    }
  }
  const int flags = flagsTag ? static_cast<int>(flagsTag->integer) : 0;
  const int degree = degreeTag ? static_cast<int>(degreeTag->integer) : 3;
  checkCount(knotCount, knots.size(), "SPLINE", "knot");
  checkCount(controlCount, control.points.size(), "SPLINE", "control point");
  checkCount(fitCount, fit.points.size(), "SPLINE", "fit point");
  bool rational = (flags & 4) != 0 || !weights.isEmpty();
  if (rational && weights.size() != control.points.size())
  {
    repair(control.firstLine ? control.firstLine : m_object.line,
           "SPLINE gives " + std::to_string(weights.size()) + " weights for " +
             std::to_string(control.points.size()) + " control points",
           "read it without weights (every weight 1)");
    rational = false;
    weights.clear();
  }
  // Tolerances the file leaves out have the defaults of the format.
  const double knotTol = knotTolTag ? knotTolTag->real : 1e-7;
  const double controlTol = controlTolTag ? controlTolTag->real : 1e-7;
  const double fitTol = fitTolTag ? fitTolTag->real : 1e-10;
  const bool closed = (flags & 1) != 0, periodic = (flags & 2) != 0;
  OdResult curve = pSpline->setNurbsData(degree, rational, closed, periodic, control.points, knots, weights,
                                         controlTol, knotTol);
  if (curve != eOk && OdGeNurbCurve3d::checkData(degree, uniformKnots(static_cast<int>(control.points.size()), degree),
                                                 control.points, weights))
  {
    repair(valueLine(firstKnot, m_object.line),
           "SPLINE knots do not fit " + std::to_string(control.points.size()) + " control points of degree " +
             std::to_string(degree),
           "read it with uniform knots, clamped at both ends");
    curve = pSpline->setNurbsData(degree, rational, closed, periodic, control.points,
                                  uniformKnots(static_cast<int>(control.points.size()), degree), weights, controlTol,
                                  knotTol);
  }
  const OdGeVector3d t0 = startTangent.asVector(), t1 = endTangent.asVector();
  if (curve != eOk)
  {
    // Without a usable curve the fit points, when there are any, give it.
    const int line = control.firstLine ? control.firstLine : m_object.line;
    if (fit.points.size() >= 2 && pSpline->setFitData(fit.points, 3, fitTol, t0, t1) == eOk)
      repair(line, "SPLINE control points do not make a curve of degree " + std::to_string(degree),
             "fitted a cubic through its fit points");
    else
      repair(line, "SPLINE control points do not make a curve of degree " + std::to_string(degree),
             "read it as an empty spline");
    return pSpline;
  }
  if (!fit.points.isEmpty())
    check(pSpline->setFitDataKeepingCurve(fit.points, fitTol, t0, t1), fit.firstLine, "SPLINE", " fit points");
  else
    check(pSpline->setFitTol(fitTol), valueLine(fitTolTag, m_object.line), "SPLINE", " fit tolerance");
  return pSpline;
}

// A HELIX is a spline followed by its AcDbHelix subclass, whose codes repeat the spline's: the
// tags are read per subclass. The helix values rebuild the curve. The start point's distance from
// the axis is the base radius and the subclass's radius the top one; a file without that radius
// gives the top radius by the end of its spline data.
OdDbEntityPtr DxfReader::readHelix(DxfEntityProps& props)
{
  OdDbHelixPtr pHelix = OdDbHelix::createObject();
  bool inHelix = false;
  PointList control;
  OdGePoint3d axisPoint, startPoint, axisVector(0.0, 0.0, 1.0);
  const DxfTag *startTag = nullptr, *axisTag = nullptr, *radiusTag = nullptr, *turnsTag = nullptr,
               *turnHeightTag = nullptr, *twistTag = nullptr, *constrainTag = nullptr;
  for (const DxfTag* t : m_parts.body)
  {
    if (t->code == 100)
      inHelix = t->text == "AcDbHelix";
    if (!inHelix)
    {
      if (!commonEntityTag(*t, props))
        control.take(*t, 10);
      continue;
    }
    if (t->code == 100 || dxfTakeXyz(*t, 10, axisPoint))
      continue;
    if (dxfTakeXyz(*t, 11, startPoint))
      startTag = t->code == 11 ? t : startTag;
    else if (dxfTakeXyz(*t, 12, axisVector))
      axisTag = t->code == 12 ? t : axisTag;
    else if (t->code == 40)
      radiusTag = t;
    else if (t->code == 41)
      turnsTag = t;
    else if (t->code == 42)
      turnHeightTag = t;
    else if (t->code == 290)
      twistTag = t;
    else if (t->code == 280)
      constrainTag = t;
  }
  apply(valueLine(axisTag, m_object.line), "HELIX axis vector", [&] { pHelix->setAxisVector(axisVector.asVector()); });
  apply(m_object.line, "HELIX axis point", [&] { pHelix->setAxisPoint(axisPoint); });
  apply(valueLine(startTag, m_object.line), "HELIX start point", [&] { pHelix->setStartPoint(startPoint); });
  if (radiusTag)
    apply(valueLine(radiusTag, 0), "HELIX radius", [&] { pHelix->setTopRadius(radiusTag->real); });
  else if (!control.points.isEmpty())
  {
    const OdGeVector3d offset = control.points.last() - pHelix->axisPoint();
    const OdGeVector3d axis = pHelix->axisVector();
    const double top = (offset - axis * axis.dotProduct(offset)).length();
    apply(control.firstLine, "HELIX top radius (its end point)", [&] { pHelix->setTopRadius(top); });
  }
  else
  {
    repair(m_object.line, "HELIX without radius and spline control points", "read its top radius as the base radius");
    apply(m_object.line, "HELIX top radius", [&] { pHelix->setTopRadius(pHelix->baseRadius()); });
  }
  // Turns and turn height as given: the constrain that keeps the turns is applied last.
  if (turnsTag)
    apply(valueLine(turnsTag, 0), "HELIX turns", [&] { pHelix->setTurns(turnsTag->real); });
  if (turnHeightTag)
    apply(valueLine(turnHeightTag, 0), "HELIX turn height", [&] { pHelix->setTurnHeight(turnHeightTag->real); });
  if (twistTag)
    pHelix->setTwist(twistTag->integer != 0);
  if (constrainTag)
    apply(valueLine(constrainTag, 0), "HELIX constrain type", [&] {
      pHelix->setConstrain(enumValue<OdDbHelix::ConstrainType>(constrainTag->integer, 0, 2, valueLine(constrainTag, 0),
                                                               "HELIX constrain type"));
    });
  return pHelix;
}

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
