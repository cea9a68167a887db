// Dynamic-block references. A block reference is dynamic when its block record is a dynamic block
// definition (one with parameters) or a representation of one: an anonymous "*U" record whose
// extended data of kRepresentationApp names the definition by handle (1005). The first value
// written to a reference gives it its own representation (a copy of the definition's entities),
// so that the actions never touch the definition or other references. The reference keeps its
// values as extended data of kValuesApp: per parameter a 1000 name, then its value (1000 string,
// 1040 double, 1070 16-bit, 1071 32-bit integer); parameters without a stored value have their
// default.
#ifndef OD_DB_DYN_BLOCK_REFERENCE_H
#define OD_DB_DYN_BLOCK_REFERENCE_H

#include "DbBlockParameter.h"
#include "DbObjectId.h"

class OdDbBlockReference;

class OdDbDynBlockReferenceProperty
{
public:
  enum UnitsType
  {
    kNoUnits = 0,
    kAngular = 1,
    kDistance = 2,
    kArea = 3
  };

  OdDbDynBlockReferenceProperty() = default;

  OdString propertyName() const;
  OdString description() const;
  bool show() const;
  bool readOnly() const;
  UnitsType unitsType() const;
  // The reference's current value (null for a property of nothing). A lookup's value is the entry
  // whose target value its target parameter has now ("" when none has).
  OdResBufPtr value() const;
  void getAllowedValues(OdResBufArray& values) const;
  // Writes a value the parameter accepts (a lookup entry also sets its target). The reference
  // must be openable for write; false, and nothing changed, when the value is refused, the
  // property is read-only or the reference cannot be written.
  bool setValue(const OdResBuf* value);
  OdDbObjectId blockId() const;
  // The parameter behind the property, opened for read.
  OdDbBlockParameterPtr getBlockParameter() const;

private:
  friend class OdDbDynBlockReference;
  OdDbObjectId m_reference;
  OdDbObjectId m_parameter;
};

typedef OdArray<OdDbDynBlockReferenceProperty> OdDbDynBlockReferencePropertyArray;

class OdDbDynBlockReference
{
public:
  // Registered application naming a representation's definition (1070 1, then 1005 handle).
  static const wchar_t* const kRepresentationApp;
  // Registered application holding a reference's parameter values.
  static const wchar_t* const kValuesApp;

  explicit OdDbDynBlockReference(const OdDbObjectId& referenceId);
  // The reference must be database resident (else its id is null and nothing is dynamic).
  explicit OdDbDynBlockReference(const OdDbBlockReference* pReference);

  // Whether the reference's block (or the definition its representation names) has parameters.
  bool isDynamicBlock() const;
  // The definition: the record named by the representation's data, else the reference's own.
  OdDbObjectId dynamicBlockTableRecord() const;
  // The reference's own record (its representation once it has one).
  OdDbObjectId anonymousBlockTableRecord() const;
  OdDbObjectId blockId() const { return m_reference; }
  // One property per parameter of the definition, in the definition's order.
  void getBlockProperties(OdDbDynBlockReferencePropertyArray& properties) const;

  // The definition a block record stands for: itself, or the one its representation data names.
  static OdDbObjectId definitionOf(const OdDbObjectId& blockRecordId);
  // The parameters of a definition, in order (empty for an ordinary block).
  static OdDbObjectIdArray parametersOf(const OdDbObjectId& definitionId);
  // Adds a parameter to a definition (open for write, in a database), creating its extension
  // dictionary and parameter dictionary when missing; the name must be new to the definition
  // (else OdError(eDuplicateKey)).
  static OdDbObjectId addParameter(OdDbBlockTableRecord* pDefinition, OdDbBlockParameter* pParameter);
  // The same for a parameter not named yet: names it and binds its action to the definition's
  // entities at `selection` (positions in the definition's entity list) first.
  static OdDbObjectId addParameter(OdDbBlockTableRecord* pDefinition, OdDbBlockParameter* pParameter,
                                   const OdString& name, const OdUInt32Array& selection);

private:
  OdDbObjectId m_reference;
};

#endif
