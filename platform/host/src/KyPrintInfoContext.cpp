// CKyTextPrintInfoContext: formats listing items into "label: value" lines.
#include "KyPrintInfoContext.h"

#include <QCoreApplication>

#include "Ge/GeGbl.h"

CKyTextPrintInfoContext::CKyTextPrintInfoContext() = default;

QString CKyTextPrintInfoContext::fixed4(double value)
{
  QString text = QString::number(value, 'f', 4);
  // Values that round to zero print without a sign ("-0.0000" would suggest a direction).
  if (text.startsWith(QLatin1Char('-')) && text.count(QLatin1Char('0')) == text.length() - 2)
    text.remove(0, 1);
  return text;
}

void CKyTextPrintInfoContext::SetNumberFormatter(NumberFormatter formatter)
{
  m_numberFormatter = std::move(formatter);
}

void CKyTextPrintInfoContext::SetAngleFormatter(NumberFormatter formatter)
{
  m_angleFormatter = std::move(formatter);
}

void CKyTextPrintInfoContext::Clear()
{
  m_lines.clear();
  m_itemCount = 0;
}

QString CKyTextPrintInfoContext::LabelledLine(const CKyString& label, const QString& value) const
{
  return QStringLiteral("%1: %2").arg(label.toQString(), value);
}

void CKyTextPrintInfoContext::EmitLine(const QString& line)
{
  m_lines.append(line);
}

void CKyTextPrintInfoContext::PrintString(const CKyString& label, const CKyString& value)
{
  EmitLine(LabelledLine(label, value.toQString()));
}

void CKyTextPrintInfoContext::PrintString(const CKyString& text)
{
  EmitLine(text.toQString());
}

void CKyTextPrintInfoContext::PrintPoint(const CKyString& label, const OdGePoint3d& point)
{
  EmitLine(LabelledLine(label, FormatPoint(point)));
}

void CKyTextPrintInfoContext::PrintPoint(const CKyString& label, const OdGePoint2d& point)
{
  EmitLine(LabelledLine(label, FormatPoint(point)));
}

void CKyTextPrintInfoContext::PrintDist(const CKyString& label, double value)
{
  EmitLine(LabelledLine(label, FormatDistance(value)));
}

void CKyTextPrintInfoContext::PrintAngle(const CKyString& label, double value)
{
  EmitLine(LabelledLine(label, FormatAngle(value)));
}

void CKyTextPrintInfoContext::PrintArea(const CKyString& label, double value)
{
  EmitLine(LabelledLine(label, FormatArea(value)));
}

void CKyTextPrintInfoContext::PrintWidth(const CKyString& label, double value)
{
  EmitLine(LabelledLine(label, FormatDistance(value)));
}

void CKyTextPrintInfoContext::PrintScale(const CKyString& label, double value)
{
  EmitLine(LabelledLine(label, FormatScale(value)));
}

void CKyTextPrintInfoContext::PrintInt(const CKyString& label, int value)
{
  EmitLine(LabelledLine(label, FormatInt(value)));
}

void CKyTextPrintInfoContext::PrintBool(const CKyString& label, bool value)
{
  EmitLine(LabelledLine(label, FormatBool(value)));
}

void CKyTextPrintInfoContext::PrintVector3D(const CKyString& label, const OdGeVector3d& vector)
{
  EmitLine(LabelledLine(label, FormatVector(vector)));
}

bool CKyTextPrintInfoContext::CheckCounter()
{
  ++m_itemCount;
  return m_itemLimit < 0 || m_itemCount < m_itemLimit;
}

QString CKyTextPrintInfoContext::FormatDistance(double value) const
{
  return m_numberFormatter ? m_numberFormatter(value) : fixed4(value);
}

QString CKyTextPrintInfoContext::FormatAngle(double radians) const
{
  return m_angleFormatter ? m_angleFormatter(radians) : fixed4(radians * 180.0 / OdaPI);
}

QString CKyTextPrintInfoContext::FormatArea(double value) const
{
  return FormatDistance(value);
}

QString CKyTextPrintInfoContext::FormatScale(double value) const
{
  return fixed4(value);
}

QString CKyTextPrintInfoContext::FormatInt(int value) const
{
  return QString::number(value);
}

QString CKyTextPrintInfoContext::FormatBool(bool value) const
{
  return value ? QCoreApplication::translate("property_values", "Yes")
               : QCoreApplication::translate("property_values", "No");
}

QString CKyTextPrintInfoContext::FormatPoint(const OdGePoint3d& worldPoint) const
{
  OdGePoint3d point = worldPoint;
  if (IsPrintInUCS())
    point.transformBy(GetWorldToWorkingPlaneMatrix());
  return QStringLiteral("X=%1  Y=%2  Z=%3")
    .arg(FormatDistance(point.x), FormatDistance(point.y), FormatDistance(point.z));
}

QString CKyTextPrintInfoContext::FormatPoint(const OdGePoint2d& worldPoint) const
{
  OdGePoint3d point(worldPoint.x, worldPoint.y, 0.0);
  if (IsPrintInUCS())
    point.transformBy(GetWorldToWorkingPlaneMatrix());
  return QStringLiteral("X=%1  Y=%2").arg(FormatDistance(point.x), FormatDistance(point.y));
}

QString CKyTextPrintInfoContext::FormatVector(const OdGeVector3d& worldVector) const
{
  OdGeVector3d vector = worldVector;
  if (IsPrintInUCS())
    vector.transformBy(GetWorldToWorkingPlaneMatrix());
  return QStringLiteral("X=%1  Y=%2  Z=%3")
    .arg(FormatDistance(vector.x), FormatDistance(vector.y), FormatDistance(vector.z));
}
