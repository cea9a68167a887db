// Display texts and JSON values of palette cells.
#include "KyValueText.h"

#include <cmath>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include "DbAnnotationScale.h"
#include "DbObject.h"
#include "DbSymbolTableRecord.h"
#include "KyDatabase.h"
#include "KyPropsText.h"
#include "KyUtils.h"

bool KyValueText::isAngle(const CKyPropertyTypeImpl& type)
{
  return type.GetGUID() == CKyPropertyType::kAngleGUID || type.GetGUID() == CKyPropertyType::kOrientGUID;
}

QString KyValueText::distance(double value) const
{
  return CKyDatabase(m_db).FormatDistance(value).toQString();
}

QString KyValueText::angle(double radians) const
{
  return CKyDatabase(m_db).FormatAngle(radians).toQString();
}

QString KyValueText::area(double value) const
{
  return CKyDatabase(m_db).FormatArea(value).toQString();
}

QString KyValueText::number(double value) const
{
  return QString::number(value, 'f', CKyDatabase(m_db).GetLinearPrecision());
}

QString KyValueText::lineweight(int value)
{
  switch (value)
  {
  case OdDb::kLnWtByLayer: return QCoreApplication::translate("info_values", "ByLayer");
  case OdDb::kLnWtByBlock: return QCoreApplication::translate("info_values", "ByBlock");
  case OdDb::kLnWtByLwDefault: return QCoreApplication::translate("info_values", "Default");
  default: return QCoreApplication::translate("info_values", "%1 mm").arg(value / 100.0, 0, 'f', 2);
  }
}

QString KyValueText::transparency(const OdCmTransparency& value)
{
  if (value.isByLayer())
    return QCoreApplication::translate("property_values", "ByLayer");
  if (value.isByBlock())
    return QCoreApplication::translate("property_values", "ByBlock");
  if (!value.isByAlpha())
    return QString();
  // Users see transparency, the complement of the stored opacity, in percent.
  return QString::number(qRound((1.0 - value.alpha() / 255.0) * 100.0));
}

QString KyValueText::objectName(const OdDbObjectId& id)
{
  if (id.isNull())
    return QString();
  OdDbObjectPtr object = id.openObject(OdDb::kForRead);
  if (object.isNull())
    return KyQString(id.getHandle().ascii());
  if (OdDbSymbolTableRecord* record = OdDbSymbolTableRecord::cast(object.get()).get())
    return KyQString(record->getName());
  if (OdDbAnnotationScale* scale = OdDbAnnotationScale::cast(object.get()).get())
  {
    OdString name;
    if (scale->getName(name) == eOk)
      return KyQString(name);
  }
  return KyQString(id.getHandle().ascii());
}

QString KyValueText::doubleText(double value, bool unitBearing, const CKyPropertyTypeImpl& type,
                                const QString& key) const
{
  if (!std::isfinite(value))
    return QString::number(value);
  if (isAngle(type))
    return angle(value);
  if (!unitBearing)
    return number(value);
  if (key.contains(QLatin1String("Area"), Qt::CaseInsensitive))
    return area(value);
  return distance(value);
}

QString KyValueText::text(const CKyVariant& value, const CKyPropertyTypeImpl& type, const QString& key) const
{
  switch (value.GetType())
  {
  case CKyVariant::kEmpty: return QString();
  case CKyVariant::kDouble: return doubleText(value.GetDouble(), value.IsUnitBearing(), type, key);
  case CKyVariant::kString: return value.GetString().toQString();
  case CKyVariant::kInt32:
    if (type.GetGUID() == CKyPropertyType::kLineweightGUID)
      return lineweight(value.GetInt32());
    return QString::number(value.GetInt32());
  case CKyVariant::kColor: return CKyUtils::GetColorText(value.GetColor()).toQString();
  case CKyVariant::kCollection:
  {
    const CKyVariantCollectionElement* current = value.GetCollection().GetCurrent();
    return current ? text(current->GetValue(), CKyPropertyTypeImpl(), key) : QString();
  }
  case CKyVariant::kCollectionElement:
    return text(value.GetCollectionElement().GetValue(), CKyPropertyTypeImpl(), key);
  case CKyVariant::kObjectId: return objectName(value.GetId());
  case CKyVariant::kPoint:
  {
    const OdGePoint3d p = value.GetPoint3d();
    return QStringLiteral("%1, %2, %3").arg(distance(p.x), distance(p.y), distance(p.z));
  }
  case CKyVariant::kTransparency: return transparency(value.GetTransparency());
  }
  return QString();
}

QJsonValue KyValueText::json(const CKyVariant& value)
{
  switch (value.GetType())
  {
  case CKyVariant::kEmpty: return QJsonValue();
  case CKyVariant::kDouble:
  {
    const double v = value.GetDouble();
    return std::isfinite(v) ? QJsonValue(v) : QJsonValue();
  }
  case CKyVariant::kString: return value.GetString().toQString();
  case CKyVariant::kInt32: return value.GetInt32();
  case CKyVariant::kColor:
  {
    const OdCmColor color = value.GetColor();
    QJsonObject out{{QStringLiteral("color"), CKyUtils::GetColorText(color).toQString()}};
    if (color.isByACI())
      out.insert(QStringLiteral("index"), static_cast<int>(color.colorIndex()));
    else if (color.isByColor())
      out.insert(QStringLiteral("rgb"), QJsonArray{color.red(), color.green(), color.blue()});
    return out;
  }
  case CKyVariant::kCollection:
  {
    const CKyVariantCollection& collection = value.GetCollection();
    QJsonArray items;
    for (int i = 0; i < collection.GetCount(); ++i)
      items.append(QJsonObject{{QStringLiteral("tag"), json(collection.GetAt(i).GetTag())},
                               {QStringLiteral("value"), json(collection.GetAt(i).GetValue())}});
    return QJsonObject{{QStringLiteral("current"), collection.GetCurrentIndex()}, {QStringLiteral("items"), items}};
  }
  case CKyVariant::kCollectionElement:
  {
    const CKyVariantCollectionElement& element = value.GetCollectionElement();
    return QJsonObject{{QStringLiteral("tag"), json(element.GetTag())}, {QStringLiteral("value"), json(element.GetValue())}};
  }
  case CKyVariant::kObjectId:
  {
    const OdDbObjectId id = value.GetId();
    return QJsonObject{{QStringLiteral("handle"), id.isNull() ? QString() : KyQString(id.getHandle().ascii())}};
  }
  case CKyVariant::kPoint:
  {
    const OdGePoint3d p = value.GetPoint3d();
    return QJsonObject{{QStringLiteral("point"), QJsonArray{p.x, p.y, p.z}}};
  }
  case CKyVariant::kTransparency:
  {
    const OdCmTransparency t = value.GetTransparency();
    if (t.isByAlpha())
      return QJsonObject{{QStringLiteral("transparency"), qRound((1.0 - t.alpha() / 255.0) * 100.0)}};
    return QJsonObject{{QStringLiteral("transparency"), transparency(t)}};
  }
  }
  return QJsonValue();
}
