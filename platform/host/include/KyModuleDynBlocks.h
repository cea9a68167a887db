// CKyModuleDynBlocks: the host's dynamic-block service. The palette reaches dynamic-block
// references, their properties and their parameters only through the wrappers it hands out, so
// that the host decides which parameter classes mean what.
#ifndef KY_MODULE_DYN_BLOCKS_H
#define KY_MODULE_DYN_BLOCKS_H

#include "DbDynBlockReference.h"

class OdDbBlockReference;
class OdRxClass;

class CKyModuleDynBlocks
{
public:
  // A block reference seen as a dynamic-block reference.
  class DynBlockReference
  {
  public:
    explicit DynBlockReference(const OdDbBlockReference* pReference);
    bool isDynamicBlock() const;
    // The reference's properties in the definition's order (empty when not dynamic).
    void getBlockProperties(OdDbDynBlockReferencePropertyArray& properties) const;

  private:
    OdDbDynBlockReference m_reference;
  };

  // One property of a dynamic-block reference.
  class DynBlockReferenceProperty
  {
  public:
    explicit DynBlockReferenceProperty(const OdDbDynBlockReferenceProperty& property);
    OdString propertyName() const;
    bool show() const;
    OdString description() const;
    // 1 for angles (see OdDbDynBlockReferenceProperty::UnitsType).
    int unitsType() const;
    bool readOnly() const;
    // The current value; null when there is none.
    OdResBufPtr value() const;
    void getAllowedValues(OdResBufArray& values) const;
    // True when the value was written.
    bool setValue(const OdResBuf* value);
    // The parameter behind the property (null when it is gone).
    OdDbObjectPtr getBlockParameter() const;

  private:
    OdDbDynBlockReferenceProperty m_property;
  };

  // The flip-parameter class.
  class BlockFlipParameter
  {
  public:
    OdRxClass* desc() const;
  };

  // A block parameter, asked for its class.
  class BlockParameter
  {
  public:
    explicit BlockParameter(const OdDbObjectPtr& parameter);
    bool isNull() const { return m_parameter.isNull(); }
    // Whether the parameter is of the flip-parameter class (or one derived from it).
    bool isKindOf(const BlockFlipParameter& flip) const;

  private:
    OdDbObjectPtr m_parameter;
  };

  static CKyModuleDynBlocks& instance();

  DynBlockReference DbDynBlockReference_wrapper(const OdDbBlockReference* pReference) const;
  DynBlockReferenceProperty DbDynBlockReferenceProperty_wrapper(const OdDbDynBlockReferenceProperty& property) const;
  BlockParameter DbBlockParameter_wrapper(const OdDbObjectPtr& parameter) const;
  BlockFlipParameter DbBlockFlipParameter_wrapper() const;

private:
  CKyModuleDynBlocks() = default;
};

#endif
