// Dynamic-block parameters: named values of a dynamic block definition, each driving an action on
// the entities of a reference's own copy of the block (its representation). A definition keeps
// them in its extension dictionary, under kParametersKey, in the order they were added; the
// action's selection is a list of indices into the definition's entity list, which the copies
// keep. Values are result buffers of the parameter's value type: 1 (string), 40 (double),
// 70 (16-bit) or 90 (32-bit integer).
#ifndef OD_DB_BLOCK_PARAMETER_H
#define OD_DB_BLOCK_PARAMETER_H

#include "DbObject.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"
#include "ResBuf.h"

class OdDbBlockTableRecord;

typedef OdArray<OdResBufPtr> OdResBufArray;
typedef OdArray<OdUInt32> OdUInt32Array;

class OdDbBlockParameter : public OdDbObject
{
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockParameter);

  // Dictionary entry of a definition's extension dictionary holding its parameters.
  static const wchar_t* const kParametersKey;

  enum UnitsType
  {
    kNoUnits = 0,
    kAngular = 1,
    kDistance = 2,
    kArea = 3
  };

  OdString name() const;
  // A non-empty name, else OdError(eInvalidInput).
  void setName(const OdString& name);
  OdString description() const;
  void setDescription(const OdString& description);
  // Whether references list the parameter among their properties.
  bool show() const;
  void setShow(bool show);
  bool isReadOnly() const;
  void setReadOnly(bool readOnly);
  virtual UnitsType unitsType() const;

  int valueType() const;
  OdResBufPtr defaultValue() const;
  // A value the parameter accepts, else OdError(eInvalidInput).
  void setDefaultValue(const OdResBuf* value);
  // The values a reference may take, in order; empty when any value of the type (within the
  // parameter's range) is allowed.
  OdResBufArray allowedValues() const;
  // Values of the parameter's type, else OdError(eInvalidResBuf).
  void setAllowedValues(const OdResBufArray& values);
  // Indices into the definition's entities that the action moves, turns, mirrors or shows.
  OdUInt32Array selection() const;
  void setSelection(const OdUInt32Array& selection);

  // Whether the value suits the parameter: its type, its range and its allowed values.
  virtual bool accepts(const OdResBuf* value) const;
  // Carries the change from one accepted value to another out on a representation (open for
  // write); entities past its end are ignored.
  virtual void applyChange(OdDbBlockTableRecord* pRepresentation, const OdResBuf& from, const OdResBuf& to) const = 0;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

protected:
  explicit OdDbBlockParameter(int valueType = 40);
  // The selected entities of the representation, open for write.
  OdArray<OdDbObjectPtr> selectedEntities(OdDbBlockTableRecord* pRepresentation) const;
  bool sameValue(const OdResBuf& a, const OdResBuf& b) const;

private:
  OdString m_name;
  OdString m_description;
  bool m_show = true;
  bool m_readOnly = false;
  int m_valueType;
  OdResBufPtr m_default;
  OdResBufArray m_allowed;
  OdUInt32Array m_selection;
};

typedef OdSmartPtr<OdDbBlockParameter> OdDbBlockParameterPtr;

// A parameter placed at a base point of the block.
class OdDbBlock1PtParameter : public OdDbBlockParameter
{
public:
  ODRX_DECLARE_MEMBERS(OdDbBlock1PtParameter);

  OdGePoint3d basePoint() const;
  // Finite coordinates, else OdError(eInvalidInput).
  void setBasePoint(const OdGePoint3d& point);

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

protected:
  explicit OdDbBlock1PtParameter(int valueType = 40);

private:
  OdGePoint3d m_base;
};

// A real value at a base point, within [minimum, maximum].
class OdDbBlockRangeParameter : public OdDbBlock1PtParameter
{
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockRangeParameter);

  double minimum() const;
  double maximum() const;
  // minimum <= maximum, both finite, else OdError(eInvalidInput).
  void setRange(double minimum, double maximum);

  bool accepts(const OdResBuf* value) const override;
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

protected:
  OdDbBlockRangeParameter(double minimum, double maximum);

private:
  double m_min;
  double m_max;
};

// A distance along a direction from a base point, within [minimum, maximum]; a change moves the
// selection by the difference along the direction.
class OdDbBlockLinearParameter : public OdDbBlockRangeParameter
{
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockLinearParameter);
  // Range [0, 1e100] until set.
  OdDbBlockLinearParameter();

  UnitsType unitsType() const override;
  OdGeVector3d direction() const;
  // A non-zero finite vector, stored normalised; else OdError(eInvalidInput).
  void setDirection(const OdGeVector3d& direction);

  void applyChange(OdDbBlockTableRecord* pRepresentation, const OdResBuf& from, const OdResBuf& to) const override;
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdGeVector3d m_direction = OdGeVector3d::kXAxis;
};

// An angle (radians) about the block's Z axis through a base point, within [minimum, maximum];
// a change turns the selection by the difference.
class OdDbBlockRotationParameter : public OdDbBlockRangeParameter
{
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockRotationParameter);
  // Any angle until a range is set.
  OdDbBlockRotationParameter();

  UnitsType unitsType() const override;
  void applyChange(OdDbBlockTableRecord* pRepresentation, const OdResBuf& from, const OdResBuf& to) const override;
};

// Flipped (1) or not (0), as a 16-bit (70) or 32-bit (90) integer; a change of state mirrors the
// selection about the line through the base point along the direction.
class OdDbBlockFlipParameter : public OdDbBlock1PtParameter
{
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockFlipParameter);
  // valueType 70 or 90, else OdError(eInvalidInput).
  explicit OdDbBlockFlipParameter(int valueType = 70);

  OdGeVector3d direction() const;
  // A non-zero finite vector off the Z axis, stored normalised; else OdError(eInvalidInput).
  void setDirection(const OdGeVector3d& direction);

  void applyChange(OdDbBlockTableRecord* pRepresentation, const OdResBuf& from, const OdResBuf& to) const override;
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdGeVector3d m_direction = OdGeVector3d::kYAxis;
};

// Named visibility states; the allowed values are the state names. Entities named by any state
// are shown only in the states that name them; the others are always shown.
class OdDbBlockVisibilityParameter : public OdDbBlockParameter
{
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockVisibilityParameter);
  OdDbBlockVisibilityParameter();

  // Adds a state (or replaces the one of that name) showing the given entities.
  void addState(const OdString& name, const OdUInt32Array& visible);
  OdUInt32Array stateSelection(const OdString& name) const;

  void applyChange(OdDbBlockTableRecord* pRepresentation, const OdResBuf& from, const OdResBuf& to) const override;
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  std::vector<std::pair<OdString, OdUInt32Array>> m_states;
};

// A table of named entries, each setting another parameter of the definition (by name) to a
// value; the allowed values are the entry names. The action is carried out by the reference,
// which sets the target parameter.
class OdDbBlockLookupParameter : public OdDbBlockParameter
{
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockLookupParameter);
  OdDbBlockLookupParameter();

  OdString targetName() const;
  void setTargetName(const OdString& name);
  // Adds an entry (or replaces the one of that name).
  void addEntry(const OdString& name, const OdResBuf* targetValue);
  // The target's value for an entry; null for an unknown entry.
  OdResBufPtr targetValue(const OdString& entry) const;
  // The first entry whose target value equals the value; "" when none does.
  OdString entryOf(const OdResBuf* targetValue) const;

  void applyChange(OdDbBlockTableRecord* pRepresentation, const OdResBuf& from, const OdResBuf& to) const override;
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdString m_target;
  std::vector<std::pair<OdString, OdResBufPtr>> m_entries;
};

#endif
