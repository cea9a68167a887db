// CKyVariant conversions between kinds, and the value list with its elements.
#include "KyVariant.h"

#include <cmath>
#include <limits>

#include <QCoreApplication>

const char* const CKyVariant::varies = QT_TRANSLATE_NOOP("CKyVariant", "Varies");

namespace
{
QString numberText(double value)
{
  return QString::number(value, 'g', 15);
}

QString transparencyText(const OdCmTransparency& transparency)
{
  if (transparency.isByLayer())
    return QStringLiteral("ByLayer");
  if (transparency.isByBlock())
    return QStringLiteral("ByBlock");
  if (transparency.isByAlpha())
    return QString::number(qRound((1.0 - transparency.alpha() / 255.0) * 100.0));
  return QString();
}

int truncatedInt(double value)
{
  if (std::isnan(value))
    return 0;
  if (value >= static_cast<double>(std::numeric_limits<int>::max()))
    return std::numeric_limits<int>::max();
  if (value <= static_cast<double>(std::numeric_limits<int>::min()))
    return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

const CKyVariantCollection& emptyCollection()
{
  static const CKyVariantCollection collection;
  return collection;
}

const CKyVariantCollectionElement& emptyElement()
{
  static const CKyVariantCollectionElement element;
  return element;
}

// Doubles and points compare exactly: the palette decides "varies" on exact equality.
bool samePoint(const OdGePoint3d& a, const OdGePoint3d& b)
{
  return a.x == b.x && a.y == b.y && a.z == b.z;
}
}

CKyString CKyVariant::VariesText()
{
  return QCoreApplication::translate("CKyVariant", "Varies");
}

CKyVariant::CKyVariant(const CKyString& value) : m_type(kString), m_value(value) {}

CKyVariant::CKyVariant(const QString& value) : CKyVariant(CKyString(value)) {}

CKyVariant::CKyVariant(const OdString& value) : CKyVariant(CKyString(value)) {}

CKyVariant::CKyVariant(const wchar_t* value) : CKyVariant(CKyString(value)) {}

CKyVariant::CKyVariant(const char* value) : CKyVariant(CKyString(value)) {}

CKyVariant::CKyVariant(const OdCmColor& value) : m_type(kColor), m_value(value) {}

CKyVariant::CKyVariant(const CKyVariantCollection& value)
  : m_type(kCollection), m_value(std::make_shared<const CKyVariantCollection>(value))
{
}

CKyVariant::CKyVariant(CKyVariantCollection&& value)
  : m_type(kCollection), m_value(std::make_shared<const CKyVariantCollection>(std::move(value)))
{
}

CKyVariant::CKyVariant(const CKyVariantCollectionElement& value)
  : m_type(kCollectionElement), m_value(std::make_shared<const CKyVariantCollectionElement>(value))
{
}

CKyVariant::CKyVariant(const OdDbObjectId& value) : m_type(kObjectId), m_value(value) {}

CKyVariant::CKyVariant(const OdCmTransparency& value) : m_type(kTransparency), m_value(value) {}

CKyVariant::CKyVariant(const OdGePoint2d& value) : m_type(kPoint), m_value(OdGePoint3d(value.x, value.y, 0.0)) {}

CKyVariant::CKyVariant(const OdGePoint3d& value) : m_type(kPoint), m_value(value) {}

double CKyVariant::GetDouble() const
{
  switch (m_type)
  {
  case kDouble:
    return std::get<double>(m_value);
  case kInt32:
    return std::get<int>(m_value);
  case kString:
  {
    bool ok = false;
    const double value = std::get<CKyString>(m_value).toQString().trimmed().toDouble(&ok);
    return ok ? value : 0.0;
  }
  default:
    return 0.0;
  }
}

CKyString CKyVariant::GetString() const
{
  switch (m_type)
  {
  case kString:
    return std::get<CKyString>(m_value);
  case kDouble:
    return numberText(std::get<double>(m_value));
  case kInt32:
    return QString::number(std::get<int>(m_value));
  case kColor:
    return std::get<OdCmColor>(m_value).colorNameForDisplay();
  case kCollection:
  {
    const CKyVariantCollectionElement* current = GetCollection().GetCurrent();
    return current ? current->GetValue().GetString() : CKyString();
  }
  case kCollectionElement:
    return GetCollectionElement().GetValue().GetString();
  case kObjectId:
  {
    const OdDbObjectId& id = std::get<OdDbObjectId>(m_value);
    return id.isNull() ? CKyString() : CKyString(id.getHandle().ascii());
  }
  case kPoint:
  {
    const OdGePoint3d& point = std::get<OdGePoint3d>(m_value);
    return QStringLiteral("%1,%2,%3").arg(numberText(point.x), numberText(point.y), numberText(point.z));
  }
  case kTransparency:
    return transparencyText(std::get<OdCmTransparency>(m_value));
  case kEmpty:
    break;
  }
  return CKyString();
}

int CKyVariant::GetInt32() const
{
  switch (m_type)
  {
  case kInt32:
    return std::get<int>(m_value);
  case kDouble:
    return truncatedInt(std::get<double>(m_value));
  case kString:
  {
    bool ok = false;
    const int value = std::get<CKyString>(m_value).toQString().trimmed().toInt(&ok);
    return ok ? value : 0;
  }
  default:
    return 0;
  }
}

OdCmColor CKyVariant::GetColor() const
{
  return m_type == kColor ? std::get<OdCmColor>(m_value) : OdCmColor();
}

const CKyVariantCollection& CKyVariant::GetCollection() const
{
  if (m_type != kCollection)
    return emptyCollection();
  return *std::get<std::shared_ptr<const CKyVariantCollection>>(m_value);
}

const CKyVariantCollectionElement& CKyVariant::GetCollectionElement() const
{
  if (m_type != kCollectionElement)
    return emptyElement();
  return *std::get<std::shared_ptr<const CKyVariantCollectionElement>>(m_value);
}

OdDbObjectId CKyVariant::GetId() const
{
  return m_type == kObjectId ? std::get<OdDbObjectId>(m_value) : OdDbObjectId::kNull;
}

OdCmTransparency CKyVariant::GetTransparency() const
{
  return m_type == kTransparency ? std::get<OdCmTransparency>(m_value) : OdCmTransparency();
}

OdGePoint3d CKyVariant::GetPoint3d() const
{
  return m_type == kPoint ? std::get<OdGePoint3d>(m_value) : OdGePoint3d::kOrigin;
}

bool CKyVariant::operator==(const CKyVariant& other) const
{
  if (m_type != other.m_type)
    return false;
  switch (m_type)
  {
  case kEmpty:
    return true;
  case kDouble:
    return std::get<double>(m_value) == std::get<double>(other.m_value);
  case kInt32:
    return std::get<int>(m_value) == std::get<int>(other.m_value);
  case kString:
    return std::get<CKyString>(m_value) == std::get<CKyString>(other.m_value);
  case kColor:
    return std::get<OdCmColor>(m_value) == std::get<OdCmColor>(other.m_value);
  case kCollection:
    return GetCollection() == other.GetCollection();
  case kCollectionElement:
    return GetCollectionElement() == other.GetCollectionElement();
  case kObjectId:
    return std::get<OdDbObjectId>(m_value) == std::get<OdDbObjectId>(other.m_value);
  case kPoint:
    return samePoint(std::get<OdGePoint3d>(m_value), std::get<OdGePoint3d>(other.m_value));
  case kTransparency:
    return std::get<OdCmTransparency>(m_value) == std::get<OdCmTransparency>(other.m_value);
  }
  return false;
}

const CKyVariantCollectionElement& CKyVariantCollection::GetAt(int index) const
{
  if (index < 0 || index >= GetCount())
    throw OdError_InvalidIndex();
  return m_elements[static_cast<std::size_t>(index)];
}

const CKyVariantCollectionElement* CKyVariantCollection::GetCurrent() const
{
  if (m_currentIndex < 0 || m_currentIndex >= GetCount())
    return nullptr;
  return &m_elements[static_cast<std::size_t>(m_currentIndex)];
}

void CKyVariantCollection::Clear()
{
  m_elements.clear();
  m_currentIndex = -1;
}
