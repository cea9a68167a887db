// Conversion of edit texts into value cells.
#include "KyValueParser.h"

#include <cmath>

#include <QStringList>

#include "DbDatabase.h"
#include "DbSymbolTable.h"
#include "KyDatabase.h"
#include "KyValueText.h"

namespace
{
bool isUnitGuid(const CKyString& guid)
{
  return guid == CKyPropertyType::kCoordinateXGUID || guid == CKyPropertyType::kCoordinateYGUID ||
         guid == CKyPropertyType::kCoordinateZGUID || guid == CKyPropertyType::kHeightGUID ||
         guid == CKyPropertyType::kWidthGUID || guid == CKyPropertyType::kVertexXGUID ||
         guid == CKyPropertyType::kVertexYGUID || guid == CKyPropertyType::kVertexZGUID ||
         guid == CKyPropertyType::kVertexStartWidthGUID || guid == CKyPropertyType::kVertexEndWidthGUID ||
         guid == CKyPropertyType::kSplineControlPointXGUID || guid == CKyPropertyType::kSplineControlPointYGUID ||
         guid == CKyPropertyType::kSplineControlPointZGUID || guid == CKyPropertyType::kSplineFitPointXGUID ||
         guid == CKyPropertyType::kSplineFitPointYGUID || guid == CKyPropertyType::kSplineFitPointZGUID;
}

bool plainNumber(const QString& text, double& out)
{
  bool ok = false;
  out = text.trimmed().toDouble(&ok);
  return ok && std::isfinite(out);
}

const char* const kColorNames[] = {"red", "yellow", "green", "cyan", "blue", "magenta", "white"};
} // namespace

bool KyValueParser::parseDouble(const QString& text, const CKyPropertyTypeImpl& type, bool unitBearing, double& out,
                                QString& error) const
{
  CKyDatabase db(m_db);
  if (KyValueText::isAngle(type))
  {
    if (db.ParseAngle(text, out) && std::isfinite(out))
      return true;
    error = QStringLiteral("\"%1\" is not an angle (degrees, or forms such as 45d30', 1.2r, 50g)").arg(text);
    return false;
  }
  if (unitBearing)
  {
    if (db.ParseDistance(text, out, 0))
      return true;
    error = QStringLiteral("\"%1\" is not a distance (a number, a fraction or feet and inches such as 1'6\")").arg(text);
    return false;
  }
  if (plainNumber(text, out))
    return true;
  error = QStringLiteral("\"%1\" is not a number").arg(text);
  return false;
}

bool KyValueParser::parseColor(const QString& text, OdCmColor& out)
{
  const QString t = text.trimmed();
  if (t.compare(QLatin1String("ByLayer"), Qt::CaseInsensitive) == 0)
  {
    out = OdCmColor(OdCmEntityColor::kByLayer);
    return true;
  }
  if (t.compare(QLatin1String("ByBlock"), Qt::CaseInsensitive) == 0)
  {
    out = OdCmColor(OdCmEntityColor::kByBlock);
    return true;
  }
  for (int i = 0; i < 7; ++i)
    if (t.compare(QLatin1String(kColorNames[i]), Qt::CaseInsensitive) == 0)
    {
      out = OdCmColor();
      out.setColorIndex(static_cast<OdUInt16>(i + 1));
      return true;
    }
  const QStringList parts = t.split(QLatin1Char(','));
  if (parts.size() == 3)
  {
    int rgb[3];
    for (int i = 0; i < 3; ++i)
    {
      bool ok = false;
      rgb[i] = parts[i].trimmed().toInt(&ok);
      if (!ok || rgb[i] < 0 || rgb[i] > 255)
        return false;
    }
    out = OdCmColor();
    out.setRGB(static_cast<OdUInt8>(rgb[0]), static_cast<OdUInt8>(rgb[1]), static_cast<OdUInt8>(rgb[2]));
    return true;
  }
  bool ok = false;
  const int index = t.toInt(&ok);
  if (!ok || index < 1 || index > 255)
    return false;
  out = OdCmColor();
  out.setColorIndex(static_cast<OdUInt16>(index));
  return true;
}

bool KyValueParser::parseLineweight(const QString& text, int& out)
{
  QString t = text.trimmed();
  if (t.compare(QLatin1String("ByLayer"), Qt::CaseInsensitive) == 0)
    out = OdDb::kLnWtByLayer;
  else if (t.compare(QLatin1String("ByBlock"), Qt::CaseInsensitive) == 0)
    out = OdDb::kLnWtByBlock;
  else if (t.compare(QLatin1String("Default"), Qt::CaseInsensitive) == 0)
    out = OdDb::kLnWtByLwDefault;
  else
  {
    if (t.endsWith(QLatin1String("mm"), Qt::CaseInsensitive))
      t.chop(2);
    double mm = 0.0;
    if (!plainNumber(t, mm) || mm < 0.0 || mm > 10.0)
      return false;
    out = static_cast<int>(std::lround(mm * 100.0));
  }
  return true;
}

bool KyValueParser::parseTransparency(const QString& text, OdCmTransparency& out)
{
  QString t = text.trimmed();
  if (t.compare(QLatin1String("ByLayer"), Qt::CaseInsensitive) == 0)
  {
    out = OdCmTransparency(OdCmTransparency::kByLayer);
    return true;
  }
  if (t.compare(QLatin1String("ByBlock"), Qt::CaseInsensitive) == 0)
  {
    out = OdCmTransparency(OdCmTransparency::kByBlock);
    return true;
  }
  if (t.endsWith(QLatin1Char('%')))
    t.chop(1);
  double percent = 0.0;
  if (!plainNumber(t, percent) || percent < 0.0 || percent > 100.0)
    return false;
  out = OdCmTransparency(static_cast<OdUInt8>(std::lround(255.0 * (1.0 - percent / 100.0))));
  return true;
}

bool KyValueParser::parseObject(const QString& text, const CKyPropertyTypeImpl& type, const CKyVariant& current,
                                OdDbObjectId& out, QString& error) const
{
  const QString t = text.trimmed();
  if (t.isEmpty())
  {
    out = OdDbObjectId::kNull;
    return true;
  }
  // The table to look the name up in: from the row's type, else the table of the present record.
  OdDbObjectId tableId;
  QString kind = QStringLiteral("object");
  const CKyString& guid = type.GetGUID();
  if (guid == CKyPropertyType::kLayerGUID)
    tableId = m_db->getLayerTableId(), kind = QStringLiteral("layer");
  else if (guid == CKyPropertyType::kLinetypeGUID)
    tableId = m_db->getLinetypeTableId(), kind = QStringLiteral("linetype");
  else if (guid == CKyPropertyType::kTextStyleGUID)
    tableId = m_db->getTextStyleTableId(), kind = QStringLiteral("text style");
  else if (guid == CKyPropertyType::kDimStyleGUID)
    tableId = m_db->getDimStyleTableId(), kind = QStringLiteral("dimension style");
  else if (current.GetType() == CKyVariant::kObjectId && !current.GetId().isNull())
  {
    OdDbObjectPtr present = current.GetId().openObject(OdDb::kForRead);
    if (!present.isNull() && OdDbSymbolTableRecord::cast(present.get()).get())
      tableId = present->ownerId();
  }
  if (!tableId.isNull())
  {
    OdDbObjectPtr tableObject = tableId.openObject(OdDb::kForRead);
    if (OdDbSymbolTable* table = OdDbSymbolTable::cast(tableObject.get()).get())
    {
      const OdDbObjectId found = table->getAt(OdString(t.toStdWString().c_str()));
      if (!found.isNull())
      {
        out = found;
        return true;
      }
    }
  }
  try
  {
    const OdDbObjectId byHandle = m_db->getOdDbObjectId(OdDbHandle(OdString(t.toStdWString().c_str())));
    if (byHandle.isValid())
    {
      out = byHandle;
      return true;
    }
  }
  catch (const OdError&)
  {
    // Not hexadecimal: not a handle either.
  }
  error = QStringLiteral("no %1 named \"%2\" and no object with that handle").arg(kind, t);
  return false;
}

bool KyValueParser::parseListEntry(const QString& text, const CKyVariant& current, CKyVariant& out,
                                   QString& error) const
{
  const KyValueText texts(m_db);
  const CKyVariantCollection& list = current.GetCollection();
  const QString t = text.trimmed();
  QStringList entries;
  for (int i = 0; i < list.GetCount(); ++i)
  {
    const CKyVariantCollectionElement& element = list.GetAt(i);
    const QString shown = texts.text(element.GetValue(), CKyPropertyTypeImpl(), QString());
    entries.append(shown);
    if (shown.compare(t, Qt::CaseInsensitive) == 0)
    {
      out = CKyVariant(element);
      return true;
    }
  }
  for (int i = 0; i < list.GetCount(); ++i)
  {
    const CKyVariantCollectionElement& element = list.GetAt(i);
    if (element.GetTag().GetString().toQString().compare(t, Qt::CaseInsensitive) == 0)
    {
      out = CKyVariant(element);
      return true;
    }
  }
  error = QStringLiteral("\"%1\" is not an entry of the list (entries: %2)").arg(t, entries.join(QStringLiteral(", ")));
  return false;
}

bool KyValueParser::parse(const QString& text, const CKyPropertyTypeImpl& type, const CKyVariant& current,
                          CKyVariant& out, QString& error) const
{
  const CKyVariant::_Type kind = current.IsEmpty() ? type.GetType() : current.GetType();
  switch (kind)
  {
  case CKyVariant::kEmpty:
  {
    // Nothing tells the kind: a number when it reads as one, else text.
    double v = 0.0;
    out = plainNumber(text, v) ? CKyVariant(v, false) : CKyVariant(text);
    return true;
  }
  case CKyVariant::kDouble:
  {
    const bool unitBearing = current.IsEmpty() ? isUnitGuid(type.GetGUID()) || KyValueText::isAngle(type)
                                               : current.IsUnitBearing();
    double v = 0.0;
    if (!parseDouble(text, type, unitBearing, v, error))
      return false;
    out = CKyVariant(v, unitBearing);
    return true;
  }
  case CKyVariant::kString: out = CKyVariant(text); return true;
  case CKyVariant::kInt32:
  {
    int v = 0;
    if (type.GetGUID() == CKyPropertyType::kLineweightGUID)
    {
      if (!parseLineweight(text, v))
      {
        error = QStringLiteral("\"%1\" is not a lineweight (millimetres such as 0.35, ByLayer, ByBlock or Default)")
                  .arg(text);
        return false;
      }
    }
    else
    {
      bool ok = false;
      v = text.trimmed().toInt(&ok);
      if (!ok)
      {
        error = QStringLiteral("\"%1\" is not a whole number").arg(text);
        return false;
      }
    }
    out = CKyVariant(v);
    return true;
  }
  case CKyVariant::kColor:
  {
    OdCmColor color;
    if (!parseColor(text, color))
    {
      error = QStringLiteral("\"%1\" is not a colour (an index 1..255, red..white, r,g,b, ByLayer or ByBlock)").arg(text);
      return false;
    }
    out = CKyVariant(color);
    return true;
  }
  case CKyVariant::kCollection:
  case CKyVariant::kCollectionElement:
    if (current.GetType() != CKyVariant::kCollection)
    {
      error = QStringLiteral("the row shows no list to choose \"%1\" from").arg(text);
      return false;
    }
    return parseListEntry(text, current, out, error);
  case CKyVariant::kObjectId:
  {
    OdDbObjectId id;
    if (!parseObject(text, type, current, id, error))
      return false;
    out = CKyVariant(id);
    return true;
  }
  case CKyVariant::kPoint:
  {
    const QStringList parts = text.split(QLatin1Char(','));
    double c[3] = {0.0, 0.0, 0.0};
    bool ok = parts.size() == 2 || parts.size() == 3;
    for (int i = 0; ok && i < parts.size(); ++i)
      ok = CKyDatabase(m_db).ParseDistance(parts[i], c[i], 0);
    if (!ok)
    {
      error = QStringLiteral("\"%1\" is not a point (x,y or x,y,z)").arg(text);
      return false;
    }
    out = CKyVariant(OdGePoint3d(c[0], c[1], c[2]));
    return true;
  }
  case CKyVariant::kTransparency:
  {
    OdCmTransparency transparency;
    if (!parseTransparency(text, transparency))
    {
      error = QStringLiteral("\"%1\" is not a transparency (0..100 percent, ByLayer or ByBlock)").arg(text);
      return false;
    }
    out = CKyVariant(transparency);
    return true;
  }
  }
  error = QStringLiteral("the row's value type cannot be edited from the command line");
  return false;
}
