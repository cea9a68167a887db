// CKyPropertyBase: the protocol class under which property extensions are attached to database
// classes, and CKyPropertyPEClassFactory: the host's entry that gathers an object's palette rows
// through that protocol.
#ifndef KY_PROPERTY_BASE_H
#define KY_PROPERTY_BASE_H

#include "KyPropertiesContainer.h"
#include "KyString.h"
#include "KyVariant.h"
#include "RxObject.h"

class OdDbObject;

class CKyPropertyBase : public OdRxObject
{
public:
  ODRX_DECLARE_MEMBERS(CKyPropertyBase);

  // Display name of the object's kind.
  virtual CKyString GetClassName(const OdDbObject* object) = 0;
  // Adds this extension's rows for the object; sets container to the container rows go to (null
  // when rows may not be added). objectClass: class of the selected object (null: not given);
  // extensionClass: the most derived extension collecting (null: no restriction); skipAdd: do not
  // add an already built list again.
  virtual void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd) = 0;
  virtual bool HasDynamicProperties() = 0;
  virtual bool GetPropertyByName(const OdDbObject* object, const CKyString& name, CKyVariant& value,
                                 const CKyVariant& context) = 0;
  virtual bool GetPropertyByGUID(const OdDbObject* object, const CKyString& guid, CKyVariant& value,
                                 const CKyVariant& context) = 0;
  virtual int SetPropertyByName(const OdDbObject* object, const CKyString& name, const CKyVariant& value,
                                const CKyVariant& context) = 0;
  virtual int SetPropertyByGUID(const OdDbObject* object, const CKyString& guid, const CKyVariant& value,
                                const CKyVariant& context) = 0;
  // Another extension to ask instead of this one for the object (null: this one).
  virtual CKyPropertyBase* GetPropertyPEOverride(const OdDbObject* object) = 0;
  // Adds the per-object rows (owned by the container) when HasDynamicProperties() is true.
  virtual void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) = 0;
};

class CKyPropertyPEClassFactory
{
public:
  // Created by the property module when it initialises and destroyed when it stops. Creating it
  // twice, or destroying it when it does not exist, fails an assertion and raises OdError.
  static void create();
  static void destroy();
  // The factory, or null when it was not created.
  static CKyPropertyPEClassFactory* instance();

  // The property extension of the object's class (no reference is kept: the extension lives as
  // long as it is attached), or null.
  static CKyPropertyBase* FindExtension(const OdRxObject* object);

  // Gathers the object's rows into out: finds its extension (or the extension's override), makes
  // out the active container, asks for the listed rows with the object's class, then for the
  // per-object rows when the extension has them, and restores the previously active container.
  // False when the object has no property extension.
  bool GatherProperties(const OdDbObject* object, CKyPropertiesContainerImpl& out);

private:
  CKyPropertyPEClassFactory() = default;
  CKyPropertyPEClassFactory(const CKyPropertyPEClassFactory&) = delete;
  CKyPropertyPEClassFactory& operator=(const CKyPropertyPEClassFactory&) = delete;
};

#endif
