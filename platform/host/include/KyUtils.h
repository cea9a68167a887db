// CKyUtils: host helpers shared by the palette's extensions: hyperlinks kept as extended data of
// the host's "KY_HYPERLINK" application, insertion-unit factors and names, and colour texts.
#ifndef KY_UTILS_H
#define KY_UTILS_H

#include "CmColor.h"
#include "DbObjectId.h"
#include "KyString.h"

class OdDbObject;

class CKyUtils
{
public:
  // Registered application under which hyperlinks are stored: 1001 application name,
  // 1000 link, 1000 description.
  static const wchar_t* const kHyperlinkAppName;

  // True when the object is open for read and carries a non-empty link; link and description
  // are filled when non-null.
  static bool IsHyperLink(const OdDbObject* pObj, CKyString* link, CKyString* description);
  // The object must be open for write (false otherwise). A null or empty link removes the
  // hyperlink; a new link keeps an existing description. Registers the application in the
  // database's RegApp table when missing.
  static bool SetHyperLink(const OdDbObject* pObj, CKyString* link);

  // Factor f with (length in toInsUnits) = f * (length in fromInsUnits), for OdDb::UnitsValue
  // codes 0..20; unitless (0) on either side gives 1. Other codes throw OdError(eInvalidInput).
  static double GetUnitsScaleFactor(int fromInsUnits, int toInsUnits);
  // "Unitless", "Inches", "Feet", ... translated in "units"; other codes throw OdError(eInvalidInput).
  static CKyString GetUnitsName(int insUnits);
  // Metres per unit of an insertion-units code (1 for unitless), so that the ratio of two codes'
  // factors converts between them; the codes and refusals of GetUnitsScaleFactor.
  static double GetUnitScalingFactor(int insUnits);
  // The name of an insertion-units code, as GetUnitsName.
  static CKyString GetStringForUnitScalingFactor(int insUnits);

  // "ByLayer", "ByBlock", "Red" .. "White" for indices 1..7, "Color n" for other indices,
  // "r,g,b" for true colours, "Foreground" and "None"; translated in "property_values".
  static CKyString GetColorText(const OdCmColor& color);

  // The dynamic block a block record stands for: the definition named by the representation
  // data of an anonymous record; null for a record that represents no other one.
  static OdDbObjectId GetDynBlockId(const OdDbObjectId& blockRecordId);
  // The name of a block record; "" for a null or unreadable id.
  static CKyString GetDynBlockName(const OdDbObjectId& blockRecordId);
};

#endif
