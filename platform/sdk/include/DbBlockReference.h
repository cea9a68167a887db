// OdDbBlockReference: one placement of a block table record: position (where the block's origin
// lands), scale factors, rotation about the normal and the normal itself. The block transform
// maps the block's contents into the world. A reference owns its attributes (database objects
// of their own): transformBy moves them with it, the plain setters leave them where they are,
// and a copy of the reference brings copies of them.
#ifndef OD_DB_BLOCK_REFERENCE_H
#define OD_DB_BLOCK_REFERENCE_H

#include "DbAttribute.h"
#include "DbEntity.h"
#include "DbObjectIterator.h"
#include "DbVertex.h"
#include "Ge/GeScale3d.h"

class OdDbBlockReference : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockReference);

  // No block yet, at the origin, scale 1, rotation 0, normal along Z.
  OdDbBlockReference();

  OdDbObjectId blockTableRecord() const;
  // An id that opens as something other than a block table record raises
  // OdError(eWrongObjectType); a null id or one that does not open (yet) is kept as given.
  virtual void setBlockTableRecord(OdDbObjectId blockId);

  OdGePoint3d position() const;
  // Non-finite coordinates raise OdError(eInvalidInput). The attributes stay where they are.
  virtual void setPosition(const OdGePoint3d& position);
  OdGeScale3d scaleFactors() const;
  // A factor that is zero (|f| <= 1e-10) or not finite raises OdError(eInvalidInput); negative
  // factors mirror. The attributes stay as they are.
  virtual void setScaleFactors(const OdGeScale3d& scale);
  double rotation() const;
  // Any finite angle (stored as given), else OdError(eInvalidInput).
  virtual void setRotation(double angle);
  OdGeVector3d normal() const;
  // Stored normalised; a zero-length or non-finite vector raises OdError(eInvalidInput).
  virtual void setNormal(const OdGeVector3d& normal);

  // translation(position) × planeToWorld(normal) × rotation about Z × scaling × translation(-origin
  // of the block); the block's origin is taken as the world origin when the block does not open.
  OdGeMatrix3d blockTransform() const;

  // Appends a new attribute (OdError eNullObjectPointer / eAlreadyInDb otherwise); it joins the
  // reference's database when the reference is in one, owned by the reference; it keeps its own
  // layer and other entity properties.
  OdDbObjectId appendAttribute(OdDbAttribute* pAttr);
  // The attributes in the order they were appended (erased ones skipped).
  OdDbObjectIteratorPtr attributeIterator() const;

  // The box of the block's entities under the block transform, with the attributes'.
  // eInvalidExtents when the block does not open or nothing in it has extents, and for blocks
  // nested deeper than 32 levels (a block that contains itself).
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // The matrix must keep the block's axes perpendicular (a rotation, reflection, translation and
  // uniform or axis-aligned scaling of the block): eNotApplicable otherwise, eInvalidInput for
  // non-finite entries; nothing changes then. The attributes and extended data points move too.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  // 66 (1 when there are attributes), 2 block name, 10 position, 41-43 scales, 50 rotation,
  // 210 normal; the attributes write their own fields.
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  // Copies the state and copies of the attributes (as new objects).
  void copyFrom(const OdRxObject* pSource) override;

protected:
  OdResult subErase(bool erasing) override;
  // Writes the group codes between the name and the normal (the array of a multiple insert).
  virtual void dxfOutArrayFields(OdDbDxfFiler* pFiler) const;

private:
  friend class OdDbObjectAccess;

  OdDbVertexChain m_attributes{false};
  OdDbObjectId m_blockId;
  OdGePoint3d m_position;
  OdGeScale3d m_scale;
  double m_rotation = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
};

typedef OdSmartPtr<OdDbBlockReference> OdDbBlockReferencePtr;

#endif
