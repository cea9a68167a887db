// OdDbBlockReference: placement of a block, its owned attributes, the extents of the block's
// contents under the block transform, and transforms decomposed back into position, normal,
// rotation and scale factors.
#include "DbBlockReference.h"

#include <cmath>

#include "DbBlockTableRecord.h"
#include "DbFiler.h"
#include "db/DbInternal.h"
#include "Ge/GeFinite.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbBlockReference, OdDbEntity, L"INSERT")

namespace
{
const double kZeroScale = 1e-10;
// Nested references deeper than this are taken for a block that contains itself.
const int kMaxNesting = 32;
thread_local int t_extentsDepth = 0;
// Set when a nesting too deep was met; every level of that computation then fails.
thread_local bool t_extentsCycle = false;

bool isZeroOrNotFinite(double factor)
{
  return !odgeIsFinite(factor) || std::fabs(factor) <= kZeroScale;
}

// The extents of one entity of a block under the block transform: exact through a transformed
// copy where the entity takes the matrix, else the box around its own box's transformed corners.
bool transformedExtents(const OdDbEntity* pEnt, const OdGeMatrix3d& xform, OdGeExtents3d& extents)
{
  OdDbEntityPtr pCopy = OdDbEntity::cast(pEnt->clone().get());
  if (!pCopy.isNull() && pCopy->transformBy(xform) == eOk && pCopy->getGeomExtents(extents) == eOk)
    return true;
  // A nesting too deep fails at every level; asking again would only repeat the descent.
  if (t_extentsCycle || pEnt->getGeomExtents(extents) != eOk)
    return false;
  extents.transformBy(xform);
  return true;
}
} // namespace

OdDbBlockReference::OdDbBlockReference() = default;

OdDbObjectId OdDbBlockReference::blockTableRecord() const
{
  assertReadEnabled();
  return m_blockId;
}

void OdDbBlockReference::setBlockTableRecord(OdDbObjectId blockId)
{
  assertWriteEnabled(false, false);
  if (!blockId.isNull())
  {
    OdDbObjectPtr pObj = blockId.openObject(OdDb::kForRead);
    if (!pObj.isNull() && !pObj->isKindOf(OdDbBlockTableRecord::desc()))
      throw OdError(eWrongObjectType);
  }
  assertWriteEnabled();
  m_blockId = blockId;
}

OdGePoint3d OdDbBlockReference::position() const
{
  assertReadEnabled();
  return m_position;
}

void OdDbBlockReference::setPosition(const OdGePoint3d& position)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(position))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_position = position;
}

OdGeScale3d OdDbBlockReference::scaleFactors() const
{
  assertReadEnabled();
  return m_scale;
}

void OdDbBlockReference::setScaleFactors(const OdGeScale3d& scale)
{
  assertWriteEnabled(false, false);
  if (isZeroOrNotFinite(scale.sx) || isZeroOrNotFinite(scale.sy) || isZeroOrNotFinite(scale.sz))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_scale = scale;
}

double OdDbBlockReference::rotation() const
{
  assertReadEnabled();
  return m_rotation;
}

void OdDbBlockReference::setRotation(double angle)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(angle))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_rotation = angle;
}

OdGeVector3d OdDbBlockReference::normal() const
{
  assertReadEnabled();
  return m_normal;
}

void OdDbBlockReference::setNormal(const OdGeVector3d& normal)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(normal) || normal.isZeroLength())
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_normal = normal.normal();
}

OdGeMatrix3d OdDbBlockReference::blockTransform() const
{
  assertReadEnabled();
  OdGePoint3d origin;
  OdDbBlockTableRecordPtr pBlock = OdDbBlockTableRecord::cast(m_blockId.openObject(OdDb::kForRead).get());
  if (!pBlock.isNull())
    origin = pBlock->origin();
  return OdGeMatrix3d::translation(m_position.asVector()) * OdGeMatrix3d::planeToWorld(m_normal) *
         OdGeMatrix3d::rotation(m_rotation, OdGeVector3d::kZAxis) * OdGeMatrix3d::scaling(m_scale) *
         OdGeMatrix3d::translation(-origin.asVector());
}

OdDbObjectId OdDbBlockReference::appendAttribute(OdDbAttribute* pAttr)
{
  OdDbVertexChain::checkAppend(this, pAttr);
  return m_attributes.insert(this, pAttr, m_attributes.size());
}

OdDbObjectIteratorPtr OdDbBlockReference::attributeIterator() const
{
  assertReadEnabled();
  return m_attributes.iterator(this);
}

OdResult OdDbBlockReference::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  OdDbBlockTableRecordPtr pBlock = OdDbBlockTableRecord::cast(m_blockId.openObject(OdDb::kForRead).get());
  if (pBlock.isNull())
    return eInvalidExtents;
  if (t_extentsDepth >= kMaxNesting)
  {
    t_extentsCycle = true;
    return eInvalidExtents;
  }
  struct Depth
  {
    Depth() { ++t_extentsDepth; }
    ~Depth()
    {
      if (--t_extentsDepth == 0)
        t_extentsCycle = false;
    }
  } depth;
  const OdGeMatrix3d xform = blockTransform();
  OdGeExtents3d box;
  bool any = false;
  for (OdDbObjectIteratorPtr it = pBlock->newIterator(); !it->done(); it->step())
  {
    OdDbEntityPtr pEnt = it->entity();
    OdGeExtents3d part;
    if (!pEnt.isNull() && transformedExtents(pEnt.get(), xform, part))
    {
      box.addExt(part);
      any = true;
    }
  }
  // Attributes are placed in world coordinates already.
  for (OdDbObjectIteratorPtr it = attributeIterator(); !it->done(); it->step())
  {
    OdDbEntityPtr pAttr = it->entity();
    OdGeExtents3d part;
    if (!pAttr.isNull() && pAttr->getGeomExtents(part) == eOk)
    {
      box.addExt(part);
      any = true;
    }
  }
  if (!any || t_extentsCycle)
    return eInvalidExtents;
  extents = box;
  return eOk;
}

OdResult OdDbBlockReference::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  if (!odDbMatrixIsFinite(xform))
    return eInvalidInput;
  // The block's unit axes in the world, and where the matrix takes them.
  const OdGeMatrix3d place = OdGeMatrix3d::planeToWorld(m_normal) * OdGeMatrix3d::rotation(m_rotation, OdGeVector3d::kZAxis);
  const OdGeVector3d dx = xform * place.getCsXAxis();
  const OdGeVector3d dy = xform * place.getCsYAxis();
  const OdGeVector3d dz = xform * m_normal;
  const double lx = dx.length(), ly = dy.length(), lz = dz.length();
  if (!odgeIsFinite(lx) || !odgeIsFinite(ly) || !odgeIsFinite(lz) || lx <= kZeroScale || ly <= kZeroScale ||
      lz <= kZeroScale)
    return eNotApplicable;
  OdGeVector3d ux = dx / lx;
  const OdGeVector3d uy = dy / ly;
  const OdGeVector3d newNormal = dz / lz;
  const double tol = 1e-9;
  if (std::fabs(ux.dotProduct(uy)) > tol || std::fabs(ux.dotProduct(newNormal)) > tol ||
      std::fabs(uy.dotProduct(newNormal)) > tol)
    return eNotApplicable;
  OdGeScale3d newScale(m_scale.sx * lx, m_scale.sy * ly, m_scale.sz * lz);
  // A reflection within the plane turns into a negative X factor with the X axis reversed.
  if (ux.crossProduct(uy).dotProduct(newNormal) < 0.0)
  {
    newScale.sx = -newScale.sx;
    ux = -ux;
  }
  const double newRotation = OdGeMatrix3d::planeToWorld(newNormal).getCsXAxis().angleTo(ux, newNormal);
  const OdGePoint3d newPosition = xform * m_position;
  if (!odgeIsFinite(newPosition) || !odgeIsFinite(newScale) || !odgeIsFinite(newRotation))
    return eInvalidInput;

  // Every attribute must take the matrix before anything changes.
  std::vector<OdDbEntityPtr> moved;
  for (unsigned int i = 0; i < m_attributes.size(); ++i)
  {
    OdDbEntityPtr pAttr = OdDbEntity::cast(m_attributes.open(i, OdDb::kForRead).get());
    if (pAttr.isNull())
    {
      moved.push_back(OdDbEntityPtr());
      continue;
    }
    OdDbEntityPtr pCopy = OdDbEntity::cast(pAttr->clone().get());
    const OdResult res = pCopy->transformBy(xform);
    if (res != eOk)
      return res;
    moved.push_back(pCopy);
  }
  assertWriteEnabled();
  for (unsigned int i = 0; i < m_attributes.size(); ++i)
  {
    if (moved[i].isNull())
      continue;
    OdDbObjectPtr pAttr = m_attributes.open(i, OdDb::kForWrite);
    pAttr->copyFrom(moved[i].get());
  }
  m_position = newPosition;
  m_normal = newNormal;
  m_rotation = newRotation;
  m_scale = newScale;
  xDataTransformBy(xform);
  return eOk;
}

void OdDbBlockReference::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"AcDbBlockReference");
  OdDbObjectIteratorPtr it = m_attributes.iterator(this);
  if (!it->done())
    pFiler->wrInt16(66, 1);
  pFiler->wrObjectId(OdDb::kDxfBlockName, m_blockId);
  pFiler->wrPoint3d(OdDb::kDxfXCoord, m_position);
  pFiler->wrDouble(41, m_scale.sx);
  pFiler->wrDouble(42, m_scale.sy);
  pFiler->wrDouble(43, m_scale.sz);
  pFiler->wrAngle(OdDb::kDxfAngle, m_rotation);
  dxfOutArrayFields(pFiler);
  pFiler->wrVector3d(OdDb::kDxfNormalX, m_normal);
}

void OdDbBlockReference::dxfOutArrayFields(OdDbDxfFiler*) const {}

void OdDbBlockReference::copyFrom(const OdRxObject* pSource)
{
  const OdDbBlockReference* pOther = dynamic_cast<const OdDbBlockReference*>(pSource);
  if (!pOther)
    throw OdError_NotThatKindOfClass();
  OdDbEntity::copyFrom(pSource);
  if (pOther == this)
    return;
  m_attributes.copyFrom(this, pOther->m_attributes);
  m_blockId = pOther->m_blockId;
  m_position = pOther->m_position;
  m_scale = pOther->m_scale;
  m_rotation = pOther->m_rotation;
  m_normal = pOther->m_normal;
}

OdResult OdDbBlockReference::subErase(bool erasing)
{
  m_attributes.eraseAll(erasing);
  return eOk;
}
