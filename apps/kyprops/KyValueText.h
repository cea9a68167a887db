// KyValueText: turns a row's value into the text the palette shows (in the drawing's units and
// precision, angles in its angle units, colours, lineweights, transparency and object ids by
// name, value lists by their current entry) and into the JSON value of the documented shape.
#ifndef KYPROPS_VALUE_TEXT_H
#define KYPROPS_VALUE_TEXT_H

#include <QJsonValue>
#include <QString>

#include "KyPropertyType.h"
#include "KyVariant.h"

class OdDbDatabase;

class KyValueText
{
public:
  explicit KyValueText(OdDbDatabase* db) : m_db(db) {}

  // The value as the palette shows it. type is the row's declared type; key its untranslated
  // name (rows whose key names an area are shown as areas).
  QString text(const CKyVariant& value, const CKyPropertyTypeImpl& type, const QString& key) const;
  // JSON: null (empty), number (2, 4), string (3), {"color": ...} (5), {"current", "items"} (6),
  // {"tag", "value"} (7), {"handle": ...} (8), {"point": [x,y,z]} (9), {"transparency": ...} (11).
  static QJsonValue json(const CKyVariant& value);

  QString distance(double value) const;
  QString angle(double radians) const;
  QString area(double value) const;
  // Unitless numbers: fixed with the drawing's linear precision.
  QString number(double value) const;
  // "0.50 mm", "ByLayer", "ByBlock", "Default".
  static QString lineweight(int value);
  // "ByLayer", "ByBlock" or the percentage "40%".
  static QString transparency(const OdCmTransparency& value);
  // A symbol-table record or annotation scale by its name, anything else by its handle.
  static QString objectName(const OdDbObjectId& id);

  static bool isAngle(const CKyPropertyTypeImpl& type);

private:
  QString doubleText(double value, bool unitBearing, const CKyPropertyTypeImpl& type, const QString& key) const;

  OdDbDatabase* m_db;
};

#endif
