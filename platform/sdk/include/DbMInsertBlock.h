// OdDbMInsertBlock: a block reference repeated in a rectangular array of columns along the
// reference's rotated X axis and rows along its Y axis, at the given spacings (drawing units,
// not scaled by the reference's factors). One column and one row is a single placement.
#ifndef OD_DB_MINSERT_BLOCK_H
#define OD_DB_MINSERT_BLOCK_H

#include "DbBlockReference.h"

class OdDbMInsertBlock : public OdDbBlockReference
{
public:
  ODRX_DECLARE_MEMBERS(OdDbMInsertBlock);

  // One column and one row, spacings 0.
  OdDbMInsertBlock();

  OdUInt16 columns() const;
  // 0 raises OdError(eInvalidInput).
  void setColumns(OdUInt16 columns);
  OdUInt16 rows() const;
  // 0 raises OdError(eInvalidInput).
  void setRows(OdUInt16 rows);
  double columnSpacing() const;
  // Any finite value (negative ones lay the columns the other way), else OdError(eInvalidInput).
  void setColumnSpacing(double spacing);
  double rowSpacing() const;
  void setRowSpacing(double spacing);

  // The box of every placement of the array.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // As for the reference; the spacings follow the scale of the matrix along the array's axes.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  void copyFrom(const OdRxObject* pSource) override;

protected:
  // 70 columns, 71 rows, 44 column spacing, 45 row spacing.
  void dxfOutArrayFields(OdDbDxfFiler* pFiler) const override;

private:
  OdUInt16 m_columns = 1;
  OdUInt16 m_rows = 1;
  double m_columnSpacing = 0.0;
  double m_rowSpacing = 0.0;
};

typedef OdSmartPtr<OdDbMInsertBlock> OdDbMInsertBlockPtr;

#endif
