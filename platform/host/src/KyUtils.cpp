// CKyUtils: hyperlinks as extended data of the "KY_HYPERLINK" application, insertion-unit
// factors and names, and colour texts.
#include "KyUtils.h"

#include <QCoreApplication>

#include "DbDatabase.h"
#include "DbDynBlockReference.h"
#include "DbSymbolTableRecord.h"
#include "DbObject.h"
#include "OdError.h"

const wchar_t* const CKyUtils::kHyperlinkAppName = L"KY_HYPERLINK";

namespace
{
const int kGroupAppName = 1001;
const int kGroupString = 1000;

// Metres per unit, indexed by OdDb::UnitsValue; 0 (unitless) is never used as a length.
const double kMetersPerUnit[] = {
  1.0,                    // unitless
  0.0254,                 // inches
  0.3048,                 // feet
  1609.344,               // miles
  0.001,                  // millimeters
  0.01,                   // centimeters
  1.0,                    // meters
  1000.0,                 // kilometers
  0.0254e-6,              // microinches
  0.0254e-3,              // mils
  0.9144,                 // yards
  1.0e-10,                // angstroms
  1.0e-9,                 // nanometers
  1.0e-6,                 // microns
  0.1,                    // decimeters
  10.0,                   // dekameters
  100.0,                  // hectometers
  1.0e9,                  // gigameters
  149597870700.0,         // astronomical units
  9460730472580800.0,     // light years
  3.0856775814913673e16}; // parsecs

const char* const kUnitNames[] = {
  QT_TRANSLATE_NOOP("units", "Unitless"),    QT_TRANSLATE_NOOP("units", "Inches"),
  QT_TRANSLATE_NOOP("units", "Feet"),        QT_TRANSLATE_NOOP("units", "Miles"),
  QT_TRANSLATE_NOOP("units", "Millimeters"), QT_TRANSLATE_NOOP("units", "Centimeters"),
  QT_TRANSLATE_NOOP("units", "Meters"),      QT_TRANSLATE_NOOP("units", "Kilometers"),
  QT_TRANSLATE_NOOP("units", "Microinches"), QT_TRANSLATE_NOOP("units", "Mils"),
  QT_TRANSLATE_NOOP("units", "Yards"),       QT_TRANSLATE_NOOP("units", "Angstroms"),
  QT_TRANSLATE_NOOP("units", "Nanometers"),  QT_TRANSLATE_NOOP("units", "Microns"),
  QT_TRANSLATE_NOOP("units", "Decimeters"),  QT_TRANSLATE_NOOP("units", "Dekameters"),
  QT_TRANSLATE_NOOP("units", "Hectometers"), QT_TRANSLATE_NOOP("units", "Gigameters"),
  QT_TRANSLATE_NOOP("units", "Astronomical Units"), QT_TRANSLATE_NOOP("units", "Light Years"),
  QT_TRANSLATE_NOOP("units", "Parsecs")};

const int kUnitCount = static_cast<int>(sizeof(kMetersPerUnit) / sizeof(kMetersPerUnit[0]));
static_assert(sizeof(kUnitNames) / sizeof(kUnitNames[0]) == sizeof(kMetersPerUnit) / sizeof(kMetersPerUnit[0]),
              "one name per unit");

void checkUnits(int insUnits)
{
  if (insUnits < 0 || insUnits >= kUnitCount)
    throw OdError(eInvalidInput);
}

const char* const kIndexColorNames[] = {
  QT_TRANSLATE_NOOP("property_values", "Red"),  QT_TRANSLATE_NOOP("property_values", "Yellow"),
  QT_TRANSLATE_NOOP("property_values", "Green"), QT_TRANSLATE_NOOP("property_values", "Cyan"),
  QT_TRANSLATE_NOOP("property_values", "Blue"), QT_TRANSLATE_NOOP("property_values", "Magenta"),
  QT_TRANSLATE_NOOP("property_values", "White")};

CKyString indexColorText(int index)
{
  if (index == 0)
    return QCoreApplication::translate("property_values", "ByBlock");
  if (index == 256)
    return QCoreApplication::translate("property_values", "ByLayer");
  if (index >= 1 && index <= 7)
    return QCoreApplication::translate("property_values", kIndexColorNames[index - 1]);
  return QCoreApplication::translate("property_values", "Color %1").arg(index);
}

// The link and description stored on the object, from its "KY_HYPERLINK" chain.
bool readHyperlink(const OdDbObject* pObj, OdString& link, OdString& description)
{
  static const OdString kApp(CKyUtils::kHyperlinkAppName);
  const OdResBufPtr chain = pObj->xData(kApp);
  if (chain.isNull())
    return false;
  OdResBufPtr rb = chain->next();
  if (rb.isNull() || rb->restype() != kGroupString)
    return false;
  link = rb->getString();
  rb = rb->next();
  if (!rb.isNull() && rb->restype() == kGroupString)
    description = rb->getString();
  return !link.isEmpty();
}
} // namespace

bool CKyUtils::IsHyperLink(const OdDbObject* pObj, CKyString* link, CKyString* description)
{
  if (!pObj || !pObj->isReadEnabled())
    return false;
  OdString storedLink, storedDescription;
  if (!readHyperlink(pObj, storedLink, storedDescription))
    return false;
  if (link)
    *link = storedLink;
  if (description)
    *description = storedDescription;
  return true;
}

bool CKyUtils::SetHyperLink(const OdDbObject* pObj, CKyString* link)
{
  if (!pObj || !pObj->isWriteEnabled())
    return false;
  OdDbObject* pTarget = const_cast<OdDbObject*>(pObj);
  const OdString newLink = link ? link->toOdString() : OdString();
  OdString oldLink, description;
  const bool hadLink = readHyperlink(pObj, oldLink, description);
  if (newLink.isEmpty())
  {
    if (!pObj->xData(kHyperlinkAppName).isNull())
      pTarget->setXData(OdResBuf::newRb(kGroupAppName, kHyperlinkAppName));
    return true;
  }
  if (OdDbDatabase* pDb = pObj->database())
    pDb->newRegApp(kHyperlinkAppName);
  OdResBufPtr chain = OdResBuf::newRb(kGroupAppName, kHyperlinkAppName);
  chain->setNext(OdResBuf::newRb(kGroupString, newLink))
    ->setNext(OdResBuf::newRb(kGroupString, hadLink ? description : OdString()));
  pTarget->setXData(chain);
  return true;
}

double CKyUtils::GetUnitsScaleFactor(int fromInsUnits, int toInsUnits)
{
  checkUnits(fromInsUnits);
  checkUnits(toInsUnits);
  if (fromInsUnits == 0 || toInsUnits == 0 || fromInsUnits == toInsUnits)
    return 1.0;
  return kMetersPerUnit[fromInsUnits] / kMetersPerUnit[toInsUnits];
}

CKyString CKyUtils::GetUnitsName(int insUnits)
{
  checkUnits(insUnits);
  return QCoreApplication::translate("units", kUnitNames[insUnits]);
}

double CKyUtils::GetUnitScalingFactor(int insUnits)
{
  return GetUnitsScaleFactor(insUnits, OdDb::kUnitsMeters);
}

CKyString CKyUtils::GetStringForUnitScalingFactor(int insUnits)
{
  return GetUnitsName(insUnits);
}

CKyString CKyUtils::GetColorText(const OdCmColor& color)
{
  switch (color.colorMethod())
  {
  case OdCmEntityColor::kByLayer: return QCoreApplication::translate("property_values", "ByLayer");
  case OdCmEntityColor::kByBlock: return QCoreApplication::translate("property_values", "ByBlock");
  case OdCmEntityColor::kForeground: return QCoreApplication::translate("property_values", "Foreground");
  case OdCmEntityColor::kNone: return QCoreApplication::translate("property_values", "None");
  case OdCmEntityColor::kByColor:
    if (color.hasColorName())
      return color.colorName();
    return QStringLiteral("%1,%2,%3").arg(color.red()).arg(color.green()).arg(color.blue());
  default: return indexColorText(color.colorIndex());
  }
}

OdDbObjectId CKyUtils::GetDynBlockId(const OdDbObjectId& blockRecordId)
{
  const OdDbObjectId definition = OdDbDynBlockReference::definitionOf(blockRecordId);
  return definition == blockRecordId ? OdDbObjectId() : definition;
}

CKyString CKyUtils::GetDynBlockName(const OdDbObjectId& blockRecordId)
{
  if (blockRecordId.isNull() || blockRecordId.isErased())
    return CKyString();
  OdDbSymbolTableRecordPtr pRecord = OdDbSymbolTableRecord::cast(blockRecordId.openObject(OdDb::kForRead));
  return pRecord.isNull() ? CKyString() : CKyString(pRecord->getName());
}
