// Construction lines, points and planar fills: XLINE and RAY (base point and direction in world
// coordinates), POINT (world position, thickness, normal, the angle of its X axis), SOLID and TRACE
// (four corners in the object coordinate system of their normal, in the file's order) and 3DFACE
// (four world corners and the invisible edges in group 70), SHAPE (world position, size, name,
// angles in degrees, width factor, thickness and normal; the name resolves through the drawing's
// shape-file styles). Values the objects refuse are repairs naming the kind and the value.
#include <cmath>
#include <string>

#include "DbFace.h"
#include "DbPoint.h"
#include "DbRay.h"
#include "DbShape.h"
#include "DbSolid.h"
#include "DbSymbolTable.h"
#include "DbTextStyleTableRecord.h"
#include "DbTrace.h"
#include "DbXline.h"
#include "DxfEntityValues.h"
#include "DxfReader.h"
#include "DxfWriter.h"
#include "Ge/GeGbl.h"

namespace kydxf
{
namespace
{
const int kCorners = 4;

// -0.0 is not the default 0.0: the database keeps its sign.
bool differsFrom(double value, double standard)
{
  return value != standard || std::signbit(value) != std::signbit(standard);
}

// "<KIND> <value>", kept alive for the repair messages of one object.
struct WhatText
{
  std::string text;
  WhatText(const char* kind, const char* value) : text(std::string(kind) + " " + value) {}
  const char* c_str() const { return text.c_str(); }
};

// Corners under 10 to 13; a missing fourth corner repeats the third (files may give three).
struct Corners
{
  PointValue at[kCorners];

  bool take(const DxfTag& t)
  {
    for (int i = 0; i < kCorners; ++i)
      if (at[i].take(t, 10 + i))
        return true;
    return false;
  }
  void completeFourth()
  {
    if (!at[3].set && at[2].set)
    {
      at[3].p = at[2].p;
      at[3].line = at[2].line;
    }
  }
};

const char* const kCornerNames[kCorners] = {"first corner", "second corner", "third corner", "fourth corner"};

template <class Line>
void constructionLineFields(const OdDbObject* pObj, const char* kind, const char* marker, DxfFields& out)
{
  const Line* pLine = static_cast<const Line*>(pObj);
  entityFields(pLine, kind, out);
  out.subclass(marker, {10, 20, 30, 11, 21, 31});
  out.point(10, pLine->basePoint());
  out.vector(11, pLine->unitDir());
  dxfXDataFields(pLine, kind, out);
}

void xlineFields(const OdDbObject* pObj, DxfFields& out)
{
  constructionLineFields<OdDbXline>(pObj, "XLINE", "AcDbXline", out);
}

void rayFields(const OdDbObject* pObj, DxfFields& out)
{
  constructionLineFields<OdDbRay>(pObj, "RAY", "AcDbRay", out);
}

void pointFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbPoint* pPoint = static_cast<const OdDbPoint*>(pObj);
  entityFields(pPoint, "POINT", out);
  out.subclass("AcDbPoint", {10, 20, 30, 39, 210, 220, 230, 50});
  out.point(10, pPoint->position());
  thicknessField(out, pPoint->thickness());
  normalField(out, pPoint->normal());
  if (differsFrom(pPoint->ecsRotation(), 0.0))
    out.angle(50, pPoint->ecsRotation());
  dxfXDataFields(pPoint, "POINT", out);
}

// Both kinds write the subclass "AcDbTrace"; the corners go out in the order the object keeps.
template <class Fill>
void planarFillFields(const OdDbObject* pObj, const char* kind, DxfFields& out)
{
  const Fill* pFill = static_cast<const Fill*>(pObj);
  entityFields(pFill, kind, out);
  out.subclass("AcDbTrace", {10, 20, 30, 11, 21, 31, 12, 22, 32, 13, 23, 33, 39, 210, 220, 230});
  const OdGeVector3d normal = pFill->normal();
  for (int i = 0; i < kCorners; ++i)
  {
    OdGePoint3d corner;
    pFill->getPointAt(static_cast<OdUInt16>(i), corner);
    out.point(10 + i, toObject(corner, normal));
  }
  thicknessField(out, pFill->thickness());
  normalField(out, normal);
  dxfXDataFields(pFill, kind, out);
}

void solidFields(const OdDbObject* pObj, DxfFields& out)
{
  planarFillFields<OdDbSolid>(pObj, "SOLID", out);
}

void traceFields(const OdDbObject* pObj, DxfFields& out)
{
  planarFillFields<OdDbTrace>(pObj, "TRACE", out);
}

void faceFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbFace* pFace = static_cast<const OdDbFace*>(pObj);
  entityFields(pFace, "3DFACE", out);
  out.subclass("AcDbFace", {10, 20, 30, 11, 21, 31, 12, 22, 32, 13, 23, 33, 70});
  int hidden = 0;
  for (int i = 0; i < kCorners; ++i)
  {
    OdGePoint3d corner;
    pFace->getVertexAt(static_cast<OdUInt16>(i), corner);
    out.point(10 + i, corner);
    bool visible = true;
    pFace->isEdgeVisibleAt(static_cast<OdUInt16>(i), visible);
    if (!visible)
      hidden |= 1 << i;
  }
  if (hidden != 0)
    out.integer(70, hidden);
  dxfXDataFields(pFace, "3DFACE", out);
}

void shapeFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbShape* pShape = static_cast<const OdDbShape*>(pObj);
  entityFields(pShape, "SHAPE", out);
  out.subclass("AcDbShape", {39, 10, 20, 30, 40, 2, 50, 41, 51, 210, 220, 230});
  thicknessField(out, pShape->thickness());
  out.point(10, pShape->position());
  out.real(40, pShape->size());
  out.text(2, pShape->name());
  if (differsFrom(pShape->rotation(), 0.0))
    out.angle(50, pShape->rotation());
  if (differsFrom(pShape->widthFactor(), 1.0))
    out.real(41, pShape->widthFactor());
  if (differsFrom(pShape->oblique(), 0.0))
    out.angle(51, pShape->oblique());
  normalField(out, pShape->normal());
  dxfXDataFields(pShape, "SHAPE", out);
}

const DxfKindWriter kXlineWriter{"XLINE", &OdDbXline::desc, &xlineFields};
const DxfKindWriter kRayWriter{"RAY", &OdDbRay::desc, &rayFields};
const DxfKindWriter kPointWriter{"POINT", &OdDbPoint::desc, &pointFields};
const DxfKindWriter kSolidWriter{"SOLID", &OdDbSolid::desc, &solidFields};
const DxfKindWriter kTraceWriter{"TRACE", &OdDbTrace::desc, &traceFields};
const DxfKindWriter kFaceWriter{"3DFACE", &OdDbFace::desc, &faceFields};
const DxfKindWriter kShapeWriter{"SHAPE", &OdDbShape::desc, &shapeFields};
const DxfKindWriters kFillWriters{&kXlineWriter, &kRayWriter,   &kPointWriter, &kSolidWriter,
                                  &kTraceWriter, &kFaceWriter,  &kShapeWriter};
} // namespace

template <class Line>
OdDbEntityPtr DxfReader::readConstructionLine(DxfEntityProps& props, const char* kind)
{
  OdSmartPtr<Line> pLine = Line::createObject();
  PointValue base, direction;
  for (const DxfTag* t : m_parts.body)
    if (!commonEntityTag(*t, props) && !base.take(*t, 10))
      direction.take(*t, 11);
  const WhatText baseWhat(kind, "base point"), directionWhat(kind, "direction");
  apply(base.line, baseWhat.c_str(), [&] { pLine->setBasePoint(base.p); });
  if (direction.set)
    apply(direction.line, directionWhat.c_str(), [&] { pLine->setUnitDir(direction.vector()); });
  return pLine;
}

OdDbEntityPtr DxfReader::readXline(DxfEntityProps& props)
{
  return readConstructionLine<OdDbXline>(props, "XLINE");
}

OdDbEntityPtr DxfReader::readRay(DxfEntityProps& props)
{
  return readConstructionLine<OdDbRay>(props, "RAY");
}

OdDbEntityPtr DxfReader::readPoint(DxfEntityProps& props)
{
  OdDbPointPtr pPoint = OdDbPoint::createObject();
  PointValue position, normal;
  RealValue thickness, rotation;
  for (const DxfTag* t : m_parts.body)
    if (!commonEntityTag(*t, props) && !position.take(*t, 10) && !normal.take(*t, 210) && !thickness.take(*t, 39))
      rotation.take(*t, 50);
  apply(position.line, "POINT position", [&] { pPoint->setPosition(position.p); });
  if (thickness.set)
    apply(thickness.line, "POINT thickness", [&] { pPoint->setThickness(thickness.v); });
  if (normal.set)
    apply(normal.line, "POINT normal", [&] { pPoint->setNormal(normal.vector()); });
  if (rotation.set)
    apply(rotation.line, "POINT angle of the X axis", [&] { pPoint->setEcsRotation(rotation.v * OdaPI / 180.0); });
  return pPoint;
}

template <class Fill>
OdDbEntityPtr DxfReader::readPlanarFill(DxfEntityProps& props, const char* kind)
{
  OdSmartPtr<Fill> pFill = Fill::createObject();
  Corners corners;
  PointValue normal;
  RealValue thickness;
  for (const DxfTag* t : m_parts.body)
    if (!commonEntityTag(*t, props) && !corners.take(*t) && !normal.take(*t, 210))
      thickness.take(*t, 39);
  corners.completeFourth();
  const WhatText normalWhat(kind, "normal"), thicknessWhat(kind, "thickness");
  if (normal.set)
    apply(normal.line, normalWhat.c_str(), [&] { pFill->setNormal(normal.vector()); });
  for (int i = 0; i < kCorners; ++i)
  {
    const std::string what = std::string(" ") + kCornerNames[i];
    const OdGePoint3d world = toWorld(corners.at[i].p, normal);
    check(pFill->setPointAt(static_cast<OdUInt16>(i), world), corners.at[i].line ? corners.at[i].line : m_object.line,
          kind, what.c_str());
  }
  if (thickness.set)
    apply(thickness.line, thicknessWhat.c_str(), [&] { pFill->setThickness(thickness.v); });
  return pFill;
}

OdDbEntityPtr DxfReader::readSolid(DxfEntityProps& props)
{
  return readPlanarFill<OdDbSolid>(props, "SOLID");
}

OdDbEntityPtr DxfReader::readTrace(DxfEntityProps& props)
{
  return readPlanarFill<OdDbTrace>(props, "TRACE");
}

// Group 70: bit i hides edge i. Bits above the four edges mean nothing to a face.
OdDbEntityPtr DxfReader::readFace(DxfEntityProps& props)
{
  OdDbFacePtr pFace = OdDbFace::createObject();
  Corners corners;
  const DxfTag* flags = nullptr;
  for (const DxfTag* t : m_parts.body)
    if (!commonEntityTag(*t, props) && !corners.take(*t) && t->code == 70)
      flags = t;
  corners.completeFourth();
  for (int i = 0; i < kCorners; ++i)
  {
    const std::string what = std::string(" ") + kCornerNames[i];
    check(pFace->setVertexAt(static_cast<OdUInt16>(i), corners.at[i].p),
          corners.at[i].line ? corners.at[i].line : m_object.line, "3DFACE", what.c_str());
  }
  if (flags)
  {
    const std::int64_t bits = flags->integer;
    if (bits < 0 || bits > 15)
      repair(flags->line + 1, "3DFACE edge flags " + std::to_string(bits) + " beyond the four edges",
             "kept the bits of the four edges");
    for (int i = 0; i < kCorners; ++i)
      if (bits & (std::int64_t(1) << i))
        pFace->makeEdgeInvisibleAt(static_cast<OdUInt16>(i));
  }
  return pFace;
}

// The name is looked up in the drawing's shape-file styles in table order. A name none of them
// defines is kept as written, with the first shape-file style (its shape file may well define
// it: this SDK reads no shape files); a drawing without shape-file styles is a repair.
OdDbEntityPtr DxfReader::readShape(DxfEntityProps& props)
{
  OdDbShapePtr pShape = OdDbShape::createObject();
  PointValue position, normal;
  RealValue thickness, size, rotation, widthFactor, oblique;
  const DxfTag* name = nullptr;
  for (const DxfTag* t : m_parts.body)
    if (!commonEntityTag(*t, props) && !position.take(*t, 10) && !normal.take(*t, 210) && !thickness.take(*t, 39) &&
        !size.take(*t, 40) && !rotation.take(*t, 50) && !widthFactor.take(*t, 41) && !oblique.take(*t, 51) &&
        t->code == 2)
      name = t;
  apply(position.line, "SHAPE position", [&] { pShape->setPosition(position.p); });
  if (size.set)
    apply(size.line, "SHAPE size", [&] { pShape->setSize(size.v); });
  if (rotation.set)
    apply(rotation.line, "SHAPE rotation", [&] { pShape->setRotation(rotation.v * OdaPI / 180.0); });
  if (widthFactor.set)
    apply(widthFactor.line, "SHAPE width factor", [&] { pShape->setWidthFactor(widthFactor.v); });
  if (oblique.set)
    apply(oblique.line, "SHAPE obliquing angle", [&] { pShape->setOblique(oblique.v * OdaPI / 180.0); });
  if (thickness.set)
    apply(thickness.line, "SHAPE thickness", [&] { pShape->setThickness(thickness.v); });
  if (normal.set)
    apply(normal.line, "SHAPE normal", [&] { pShape->setNormal(normal.vector()); });

  const OdString shapeName = name ? text(*name) : OdString();
  OdDbObjectId firstShapeFile;
  OdDbSymbolTablePtr pStyles = m_db->getTextStyleTableId().safeOpenObject();
  for (OdDbSymbolTableIteratorPtr it = pStyles->newIterator(); !it->done(); it->step())
  {
    OdDbTextStyleTableRecordPtr pStyle = OdDbTextStyleTableRecord::cast(it->getRecord().get());
    if (pStyle.isNull() || !pStyle->isShapeFile())
      continue;
    if (firstShapeFile.isNull())
      firstShapeFile = it->getRecordId();
    pShape->setStyleId(it->getRecordId());
    pShape->setName(shapeName);
    if (pShape->shapeNumber() != 0)
      return pShape;
  }
  pShape->setStyleId(firstShapeFile);
  pShape->setName(shapeName);
  if (firstShapeFile.isNull())
    repair(name ? name->line + 1 : m_object.line,
           "SHAPE '" + shapeName.toUtf8() + "' names a shape, but the drawing loads no shape file",
           "kept the name as written");
  return pShape;
}
} // namespace kydxf
