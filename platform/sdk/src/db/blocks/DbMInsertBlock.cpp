// OdDbMInsertBlock: the rectangular array of a block reference and its extents.
#include "DbMInsertBlock.h"

#include <cmath>

#include "DbFiler.h"
#include "db/DbInternal.h"
#include "Ge/GeFinite.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbMInsertBlock, OdDbBlockReference, L"INSERT")

namespace
{
// The world directions of the array's columns and rows.
void arrayAxes(const OdDbBlockReference* pRef, OdGeVector3d& colDir, OdGeVector3d& rowDir)
{
  const OdGeMatrix3d place =
      OdGeMatrix3d::planeToWorld(pRef->normal()) * OdGeMatrix3d::rotation(pRef->rotation(), OdGeVector3d::kZAxis);
  colDir = place.getCsXAxis();
  rowDir = place.getCsYAxis();
}
} // namespace

OdDbMInsertBlock::OdDbMInsertBlock() = default;

OdUInt16 OdDbMInsertBlock::columns() const
{
  assertReadEnabled();
  return m_columns;
}

void OdDbMInsertBlock::setColumns(OdUInt16 columns)
{
  assertWriteEnabled(false, false);
  if (columns == 0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_columns = columns;
}

OdUInt16 OdDbMInsertBlock::rows() const
{
  assertReadEnabled();
  return m_rows;
}

void OdDbMInsertBlock::setRows(OdUInt16 rows)
{
  assertWriteEnabled(false, false);
  if (rows == 0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_rows = rows;
}

double OdDbMInsertBlock::columnSpacing() const
{
  assertReadEnabled();
  return m_columnSpacing;
}

void OdDbMInsertBlock::setColumnSpacing(double spacing)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(spacing))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_columnSpacing = spacing;
}

double OdDbMInsertBlock::rowSpacing() const
{
  assertReadEnabled();
  return m_rowSpacing;
}

void OdDbMInsertBlock::setRowSpacing(double spacing)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(spacing))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_rowSpacing = spacing;
}

// The placements are translations of the first one, so the box of all is the union of the
// first one's box moved to the four corners of the array.
OdResult OdDbMInsertBlock::getGeomExtents(OdGeExtents3d& extents) const
{
  OdGeExtents3d base;
  const OdResult res = OdDbBlockReference::getGeomExtents(base);
  if (res != eOk)
    return res;
  OdGeVector3d colDir, rowDir;
  arrayAxes(this, colDir, rowDir);
  const OdGeVector3d across = colDir * (m_columnSpacing * (m_columns - 1));
  const OdGeVector3d up = rowDir * (m_rowSpacing * (m_rows - 1));
  extents = base;
  for (const OdGeVector3d& offset : {across, up, across + up})
  {
    OdGeExtents3d moved = base;
    moved.translate(offset);
    extents.addExt(moved);
  }
  return eOk;
}

OdResult OdDbMInsertBlock::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  OdGeVector3d colDir, rowDir;
  arrayAxes(this, colDir, rowDir);
  const double colScale = (xform * colDir).length();
  const double rowScale = (xform * rowDir).length();
  const OdResult res = OdDbBlockReference::transformBy(xform);
  if (res != eOk)
    return res;
  m_columnSpacing *= colScale;
  m_rowSpacing *= rowScale;
  return eOk;
}

void OdDbMInsertBlock::copyFrom(const OdRxObject* pSource)
{
  OdDbBlockReference::copyFrom(pSource);
  const OdDbMInsertBlock* pOther = static_cast<const OdDbMInsertBlock*>(pSource);
  m_columns = pOther->m_columns;
  m_rows = pOther->m_rows;
  m_columnSpacing = pOther->m_columnSpacing;
  m_rowSpacing = pOther->m_rowSpacing;
}

void OdDbMInsertBlock::dxfOutArrayFields(OdDbDxfFiler* pFiler) const
{
  pFiler->wrInt16(70, static_cast<OdInt16>(m_columns));
  pFiler->wrInt16(71, static_cast<OdInt16>(m_rows));
  pFiler->wrDouble(44, m_columnSpacing);
  pFiler->wrDouble(45, m_rowSpacing);
}
