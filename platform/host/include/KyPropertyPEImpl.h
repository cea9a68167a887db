// CKyPropertyPEImpl: the framework base of property extensions. It hands out the active
// container, adds no rows of its own and implements the by-name / by-GUID access over the rows
// its most derived extension gathers.
#ifndef KY_PROPERTY_PE_IMPL_H
#define KY_PROPERTY_PE_IMPL_H

#include "KyPropertyBase.h"

class CKyPropertyPEImpl : public CKyPropertyBase
{
public:
  // The run-time class name of the object (for example "OdDbLine"); empty for a null object.
  CKyString GetClassName(const OdDbObject* object) override;
  // Sets container to the active container (null when none is active) and adds nothing.
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override { return false; }
  // The four accessors below gather this extension's rows for the object afresh, find the first
  // row by its (translated) name or by its type GUID and call the row's getter or setter. The
  // getters return false when no row matches; the setters return kPropertySetFailed.
  bool GetPropertyByName(const OdDbObject* object, const CKyString& name, CKyVariant& value,
                         const CKyVariant& context) override;
  bool GetPropertyByGUID(const OdDbObject* object, const CKyString& guid, CKyVariant& value,
                         const CKyVariant& context) override;
  int SetPropertyByName(const OdDbObject* object, const CKyString& name, const CKyVariant& value,
                        const CKyVariant& context) override;
  int SetPropertyByGUID(const OdDbObject* object, const CKyString& guid, const CKyVariant& value,
                        const CKyVariant& context) override;
  CKyPropertyBase* GetPropertyPEOverride(const OdDbObject* object) override { return nullptr; }
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override {}

  // Read-only predicates for rows that can never, or can always, be edited.
  static bool IsReadOnlyTrue(const OdDbObject* object, const CKyPropertyDescription& description);
  static bool IsReadOnlyFalse(const OdDbObject* object, const CKyPropertyDescription& description);
};

#endif
