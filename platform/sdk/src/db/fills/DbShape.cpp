// OdDbShape: a shape of a shape-file style placed like text. This SDK reads no shape files: a
// style knows the names of the shape files listed in kKnownShapeFiles, by the base name of its
// file; any other name is kept on the shape as it was given.
#include "DbShape.h"

#include <algorithm>
#include <cmath>

#include "DbDatabase.h"
#include "DbFiler.h"
#include "DbSymbolTable.h"
#include "DbTextStyleTableRecord.h"
#include "SdkRxMacros.h"
#include "db/DbInternal.h"
#include "Ge/GeGbl.h"
#include "db/text/TextFrame.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbShape, OdDbEntity, L"SHAPE")

namespace
{
struct KnownShapeFile
{
  const wchar_t* baseName; // without folder and extension
  const wchar_t* const* names; // shape number i + 1 is names[i]
  int count;
};

// The shapes that line types draw with.
const wchar_t* const kLinetypeShapes[] = {L"TRACK1", L"ZIG", L"BOX", L"CIRC1", L"BAT"};
const KnownShapeFile kKnownShapeFiles[] = {{L"ltypeshp", kLinetypeShapes, 5}};

const KnownShapeFile* knownFile(const OdDbTextStyleTableRecord* pStyle)
{
  if (!pStyle || !pStyle->isShapeFile())
    return nullptr;
  OdString base = pStyle->fileName();
  const int slash = std::max(base.reverseFind(L'/'), base.reverseFind(L'\\'));
  base = base.mid(slash + 1);
  if (base.getLength() > 4 && base.right(4).iCompare(L".shx") == 0)
    base = base.left(base.getLength() - 4);
  for (const KnownShapeFile& file : kKnownShapeFiles)
    if (base.iCompare(file.baseName) == 0)
      return &file;
  return nullptr;
}

// The name of a shape number in a style, "" when the style does not define it.
OdString shapeNameIn(const OdDbObjectId& styleId, OdUInt16 number)
{
  OdDbTextStyleTableRecordPtr pStyle = OdDbTextStyleTableRecord::cast(styleId.openObject().get());
  const KnownShapeFile* file = knownFile(pStyle.get());
  if (!file || number == 0 || number > file->count)
    return OdString();
  return OdString(file->names[number - 1]);
}

// The number of a shape name in a style, 0 when the style does not define it.
OdUInt16 shapeNumberIn(const OdDbObjectId& styleId, const OdString& name)
{
  OdDbTextStyleTableRecordPtr pStyle = OdDbTextStyleTableRecord::cast(styleId.openObject().get());
  const KnownShapeFile* file = knownFile(pStyle.get());
  if (!file)
    return 0;
  for (int i = 0; i < file->count; ++i)
    if (name.iCompare(file->names[i]) == 0)
      return static_cast<OdUInt16>(i + 1);
  return 0;
}
} // namespace

OdDbShape::OdDbShape() = default;

OdGePoint3d OdDbShape::position() const
{
  assertReadEnabled();
  return m_position;
}

void OdDbShape::setPosition(const OdGePoint3d& position)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(position);
  assertWriteEnabled();
  m_position = position;
}

double OdDbShape::size() const
{
  assertReadEnabled();
  return m_size;
}

void OdDbShape::setSize(double size)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(size);
  assertWriteEnabled();
  m_size = size;
}

double OdDbShape::rotation() const
{
  assertReadEnabled();
  return m_rotation;
}

void OdDbShape::setRotation(double rotation)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(rotation);
  assertWriteEnabled();
  m_rotation = rotation;
}

double OdDbShape::widthFactor() const
{
  assertReadEnabled();
  return m_widthFactor;
}

void OdDbShape::setWidthFactor(double widthFactor)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(widthFactor);
  if (widthFactor <= 0.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_widthFactor = widthFactor;
}

double OdDbShape::oblique() const
{
  assertReadEnabled();
  return m_oblique;
}

void OdDbShape::setOblique(double oblique)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(oblique);
  assertWriteEnabled();
  m_oblique = oblique;
}

double OdDbShape::thickness() const
{
  assertReadEnabled();
  return m_thickness;
}

void OdDbShape::setThickness(double thickness)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(thickness);
  assertWriteEnabled();
  m_thickness = thickness;
}

OdGeVector3d OdDbShape::normal() const
{
  assertReadEnabled();
  return m_normal;
}

void OdDbShape::setNormal(const OdGeVector3d& normal)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(normal);
  if (normal.isZeroLength())
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_normal = normal.normal();
}

OdDbObjectId OdDbShape::styleId() const
{
  assertReadEnabled();
  return m_styleId;
}

void OdDbShape::setStyleId(const OdDbObjectId& styleId)
{
  assertWriteEnabled(false, false);
  if (!styleId.isNull() && !odDbIdIsKindOf(styleId, OdDbTextStyleTableRecord::desc()))
    throw OdError(eWrongObjectType);
  assertWriteEnabled();
  m_styleId = styleId;
}

OdUInt16 OdDbShape::shapeNumber() const
{
  assertReadEnabled();
  return m_shapeNumber;
}

void OdDbShape::setShapeNumber(OdUInt16 shapeNumber)
{
  assertWriteEnabled();
  m_shapeNumber = shapeNumber;
  const OdString known = shapeNameIn(m_styleId, shapeNumber);
  if (!known.isEmpty())
    m_name = known;
}

OdString OdDbShape::name() const
{
  assertReadEnabled();
  const OdString known = shapeNameIn(m_styleId, m_shapeNumber);
  return known.isEmpty() ? m_name : known;
}

void OdDbShape::setName(const OdString& name)
{
  assertWriteEnabled();
  OdDbObjectId styleId = m_styleId;
  OdUInt16 number = shapeNumberIn(styleId, name);
  OdDbDatabase* pDb = database();
  if (number == 0 && pDb)
  {
    OdDbSymbolTablePtr pStyles = pDb->getTextStyleTableId().safeOpenObject();
    for (OdDbSymbolTableIteratorPtr it = pStyles->newIterator(); number == 0 && !it->done(); it->step())
    {
      styleId = it->getRecordId();
      number = shapeNumberIn(styleId, name);
    }
  }
  m_name = name;
  m_shapeNumber = number;
  if (number != 0)
    m_styleId = styleId;
}

OdResult OdDbShape::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  const OdDbTextFrame frame{m_position, m_normal, m_rotation, m_size, m_widthFactor, m_thickness};
  const OdGeVector3d along = frame.direction() * (m_size * m_widthFactor);
  const OdGeVector3d up = m_normal.crossProduct(frame.direction()) * m_size;
  const OdGeVector3d extrusion = m_normal * m_thickness;
  extents = OdGeExtents3d();
  for (const OdGePoint3d& corner : {m_position, m_position + along, m_position + up, m_position + along + up})
  {
    extents.addPoint(corner);
    extents.addPoint(corner + extrusion);
  }
  return eOk;
}

OdResult OdDbShape::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  if (!odDbMatrixIsFinite(xform))
    return eInvalidInput;
  // The frame refuses heights of 0 or less: a negative size is carried as its magnitude with
  // the direction turned half a turn, which is the same shape.
  const bool turned = m_size < 0.0;
  OdDbTextFrame frame{m_position, m_normal, m_rotation + (turned ? OdaPI : 0.0), std::fabs(m_size), m_widthFactor,
                      m_thickness};
  if (m_size == 0.0)
    frame.height = 1.0;
  if (!frame.transformBy(xform))
    return eInvalidInput;
  assertWriteEnabled();
  m_position = frame.position;
  m_normal = frame.normal;
  m_rotation = frame.rotation - (turned ? OdaPI : 0.0);
  if (m_size != 0.0)
    m_size = turned ? -frame.height : frame.height;
  m_widthFactor = frame.widthFactor;
  m_thickness = frame.thickness;
  xDataTransformBy(xform);
  return eOk;
}

void OdDbShape::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbShape");
  pFiler->wrDouble(OdDb::kDxfThickness, m_thickness);
  pFiler->wrPoint3d(OdDb::kDxfXCoord, m_position);
  pFiler->wrDouble(OdDb::kDxfTxtSize, m_size);
  pFiler->wrString(OdDb::kDxfSymbolTableName, name());
  pFiler->wrAngle(OdDb::kDxfAngle, m_rotation);
  pFiler->wrDouble(OdDb::kDxfTxtStyleXScale, m_widthFactor);
  pFiler->wrAngle(51, m_oblique);
  pFiler->wrVector3d(OdDb::kDxfNormalX, m_normal);
}

void OdDbShape::copyFrom(const OdRxObject* pSource)
{
  OdDbEntity::copyFrom(pSource);
  const OdDbShape* pSrc = static_cast<const OdDbShape*>(pSource);
  m_position = pSrc->m_position;
  m_size = pSrc->m_size;
  m_rotation = pSrc->m_rotation;
  m_widthFactor = pSrc->m_widthFactor;
  m_oblique = pSrc->m_oblique;
  m_thickness = pSrc->m_thickness;
  m_normal = pSrc->m_normal;
  m_styleId = pSrc->m_styleId;
  m_shapeNumber = pSrc->m_shapeNumber;
  m_name = pSrc->m_name;
}
