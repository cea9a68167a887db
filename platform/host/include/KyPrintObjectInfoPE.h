// CKyPrintObjectInfoPE: the protocol class of the object-information listing and its generic
// implementation, which prints the header and the lines common to all entities. Listing
// extensions derive from it and append the lines of their type.
#ifndef KY_PRINT_OBJECT_INFO_PE_H
#define KY_PRINT_OBJECT_INFO_PE_H

#include "KyPrintInfoContext.h"
#include "KyString.h"
#include "RxObject.h"

class OdDbObject;

class CKyPrintObjectInfoPE : public OdRxObject
{
public:
  ODRX_DECLARE_MEMBERS(CKyPrintObjectInfoPE);

  // Instances are made as OdStaticRxObject<...> or OdRxObjectImpl<...>, which count references.
  CKyPrintObjectInfoPE() = default;

  // Kind shown in the header: the class's DXF name when it has one, else the class name without
  // its "OdDb" prefix in upper case ("LINE" for OdDbLine).
  virtual CKyString GetClassName(const OdDbObject* object);
  // The header, then for entities "Layer", "Color", "Linetype", "Lineweight" and "Transparency".
  // Only reads: the object must be open for read. False for a null object.
  virtual bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context);
  // "<class name>: Handle = <hex>", then for entities in a block "Space": model or paper space.
  virtual void PrintObjectHeader(const OdDbObject* object, CKyPrintInfoContext* context);

  // Lists the object through the listing extension of its class; false when it has none (or
  // the protocol class is not initialised).
  static bool PrintInfo(const OdDbObject* object, CKyPrintInfoContext* context);
};

#endif
