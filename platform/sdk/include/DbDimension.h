// OdDbDimension: the abstract base of dimension entities. A dimension is drawn in the style of
// its dimension style record; each dimension variable (DbDimVars.h) may be overridden on the one
// dimension. A variable's getter answers the dimension's override when it has one, else the
// style's value (the imperial default when the style does not open); its setter stores an
// override on this dimension only and leaves the style untouched.
//
// Besides the variables a dimension keeps its text (an override of the measured text, "" for the
// measurement, "<>" standing for it inside a text), the text's middle point and rotation, the
// anonymous block that draws it, and whether it is a constraint parameter. The measurement is
// computed from the geometry of the concrete kind.
//
// Setters need write access; refused values raise OdError(eInvalidInput) and change nothing.
#ifndef OD_DB_DIMENSION_H
#define OD_DB_DIMENSION_H

#include <bitset>
#include <utility>
#include <vector>

#include "DbDimVars.h"
#include "DbEntity.h"
#include "Ge/GeVector3d.h"

class OdDbDimStyleTableRecord;

class OdDbDimension : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(OdDbDimension);

#define OD_DIMENSION_ACCESSORS(getter, setter, code, kind, T, imperial, metric, flags) \
  virtual T getter() const;                                                           \
  virtual void setter(OdDimVarParam<T>::type value);
  OD_DIM_VARS(OD_DIMENSION_ACCESSORS)
#undef OD_DIMENSION_ACCESSORS

  // The value in force for variable i: the override, else the style's. The reference stays valid
  // until the dimension's overrides or its style change.
  const OdDimVarValue& dimVarValue(int index) const;
  // Stores an override of variable i.
  void setDimVarValue(int index, const OdDimVarValue& value);
  bool hasDimVarOverride(int index) const;
  // Drops the override of variable i (eKeyNotFound when there was none).
  OdResult removeDimVarOverride(int index);
  // Indices of the overridden variables, in list order.
  OdArray<int> dimVarOverrides() const;

  OdDbObjectId dimensionStyle() const;
  // A dimension style record or null; other ids raise OdError(eWrongObjectType). The overrides
  // stay: they now override the new style's values.
  void setDimensionStyle(const OdDbObjectId& styleId);
  // Writes every variable in force into the record (open for write).
  void getDimstyleData(OdDbDimStyleTableRecord* pRecord) const;
  // Makes the record's values the ones in force: the variables in which it differs from the
  // dimension's style become overrides, all others drop theirs.
  void setDimstyleData(const OdDbDimStyleTableRecord* pRecord);
  // The same with the record of the id (a style record; the dimension's own style drops every
  // override).
  void setDimstyleData(const OdDbObjectId& styleId);

  // The text written instead of the measurement ("" shows the measurement).
  OdString dimensionText() const;
  void setDimensionText(const OdString& text);
  // Middle point of the text (world coordinates).
  OdGePoint3d textPosition() const;
  void setTextPosition(const OdGePoint3d& position);
  // Whether the text stays where it was put (DXF type bit 128) instead of its default place.
  bool isUsingDefaultTextPosition() const;
  void useSetTextPosition();
  // Moves the text back to its default place, the middle of the dimension line.
  void useDefaultTextPosition();
  // Rotation of the text (radians), any finite angle.
  double textRotation() const;
  void setTextRotation(double rotation);
  // Attachment of the text (1-9) and its line spacing (style 1 at least, 2 exactly; factor
  // 0.25 to 4).
  int textAttachment() const;
  void setTextAttachment(int attachment);
  int textLineSpacingStyle() const;
  void setTextLineSpacingStyle(int style);
  double textLineSpacingFactor() const;
  void setTextLineSpacingFactor(double factor);
  OdGeVector3d normal() const;
  // Stored normalised; a zero-length vector is refused.
  void setNormal(const OdGeVector3d& normal);
  // The anonymous block that draws the dimension, kept as it was given (null when none).
  OdDbObjectId dimBlockId() const;
  void setDimBlockId(const OdDbObjectId& blockId);
  // Insertion point of that block (DXF 12).
  OdGePoint3d dimBlockPosition() const;
  void setDimBlockPosition(const OdGePoint3d& position);

  // The measured value (a distance in drawing units for linear kinds), from the geometry; 0 for
  // a dimension of no particular kind.
  virtual double getMeasurement() const;
  // Point at which the text sits by default (the middle of the dimension line); the present
  // text position for a dimension of no particular kind.
  virtual OdGePoint3d defaultTextPosition() const;

  // Extension lines of a fixed length (DIMFXLON / DIMFXL).
  bool getExtLineFixLenEnable() const { return dimfxlon(); }
  void setExtLineFixLenEnable(bool enable) { setDimfxlon(enable); }
  double getExtLineFixLen() const { return dimfxl(); }
  void setExtLineFixLen(double length) { setDimfxl(length); }
  // Linetypes of the dimension line and the extension lines (DIMLTYPE, DIMLTEX1, DIMLTEX2).
  OdDbObjectId getDimLinetype() const { return dimltype(); }
  void setDimLinetype(const OdDbObjectId& id) { setDimltype(id); }
  OdDbObjectId getDimExt1Linetype() const { return dimltex1(); }
  void setDimExt1Linetype(const OdDbObjectId& id) { setDimltex1(id); }
  OdDbObjectId getDimExt2Linetype() const { return dimltex2(); }
  void setDimExt2Linetype(const OdDbObjectId& id) { setDimltex2(id); }
  // Background of the text: DIMTFILLCLR, and DIMTFILL (0 none, 1 the drawing's background,
  // 2 the colour).
  OdCmColor getBgrndTxtColor() const;
  void setBgrndTxtColor(const OdCmColor& color, OdUInt16 fillMode);

  // Inspection frame: on or off, the frame bits (1 round, 2 angular, 4 none; 16 the label is
  // shown, 32 the rate is shown), label and rate texts.
  bool inspection() const;
  void setInspection(bool on);
  int inspectionFrame() const;
  void setInspectionFrame(int frame);
  OdString inspectionLabel() const;
  void setInspectionLabel(const OdString& label);
  OdString inspectionRate() const;
  void setInspectionRate(const OdString& rate);

  // True for a dimension that shows a dynamic (not annotational) constraint.
  bool isConstraintDynamic() const;
  OdResult setConstraintDynamic(bool bDynamic);
  // True when the dimension is a constraint parameter (dynamic or annotational).
  bool isConstraintObject() const;
  OdResult setConstraintObject(bool bConstraint);

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

protected:
  OdDbDimension();
  // The style's value of variable i, the default when the style does not open.
  const OdDimVarValue& styleValue(int index) const;
  // Called by kinds after their geometry changed: a text at its default place follows.
  void geometryChanged();
  // Transforms the base's points and normal (for transformBy of the kinds).
  void transformBase(const OdGeMatrix3d& xform);

private:
  const OdDimVarValue* findOverride(int index) const;

  std::vector<std::pair<int, OdDimVarValue>> m_overrides; // sorted by index
  // Which variables m_overrides holds: most reads are of variables a dimension does not override.
  std::bitset<kOdDimVarCount> m_overridden;
  OdDbObjectId m_style;
  OdDbObjectId m_block;
  OdGePoint3d m_blockPosition;
  OdString m_text;
  OdGePoint3d m_textPosition;
  bool m_userTextPosition = false;
  double m_textRotation = 0.0;
  int m_attachment = 5;
  int m_lineSpacingStyle = 1;
  double m_lineSpacingFactor = 1.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  bool m_inspection = false;
  int m_inspectionFrame = 0;
  OdString m_inspectionLabel;
  OdString m_inspectionRate;
  bool m_constraintObject = false;
  bool m_constraintDynamic = false;
};

typedef OdSmartPtr<OdDbDimension> OdDbDimensionPtr;

#endif
