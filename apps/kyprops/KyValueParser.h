// KyValueParser: converts the text of an edit (--set NAME=VALUE) into the value cell the row's
// setter expects. The kind follows the row's present value (its declared type when the row
// shows nothing): numbers with unit input, angles, text, list entries by text or tag, colours,
// lineweights, transparency and objects by name or handle.
#ifndef KYPROPS_VALUE_PARSER_H
#define KYPROPS_VALUE_PARSER_H

#include <QString>

#include "KyPropertyType.h"
#include "KyVariant.h"

class OdDbDatabase;

class KyValueParser
{
public:
  explicit KyValueParser(OdDbDatabase* db) : m_db(db) {}

  // False with a message naming what was expected when the text does not fit the row.
  bool parse(const QString& text, const CKyPropertyTypeImpl& type, const CKyVariant& current, CKyVariant& out,
             QString& error) const;

  bool parseDouble(const QString& text, const CKyPropertyTypeImpl& type, bool unitBearing, double& out,
                   QString& error) const;
  static bool parseColor(const QString& text, OdCmColor& out);
  static bool parseLineweight(const QString& text, int& out);
  static bool parseTransparency(const QString& text, OdCmTransparency& out);
  bool parseObject(const QString& text, const CKyPropertyTypeImpl& type, const CKyVariant& current, OdDbObjectId& out,
                   QString& error) const;
  bool parseListEntry(const QString& text, const CKyVariant& current, CKyVariant& out, QString& error) const;

private:
  OdDbDatabase* m_db;
};

#endif
