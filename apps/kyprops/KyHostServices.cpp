// The message service and the listing context kyprops installs.
#include "KyHostServices.h"

#include <cstdio>

#include <QJsonArray>

#include "KyValueText.h"

// ---- KyPropsServices -----------------------------------------------------------------------

KyPropsServices::KyPropsServices(bool echoToStderr)
  : m_echo(echoToStderr)
{
  m_previous = SetKySystemServices(this);
}

KyPropsServices::~KyPropsServices()
{
  SetKySystemServices(m_previous);
}

int KyPropsServices::MessageBox(const CKyString& text, const CKyString& caption, int)
{
  const QString line = caption.isEmpty() ? text.toQString() : caption.toQString() + QStringLiteral(": ") + text.toQString();
  if (m_capturing)
  {
    m_captured.append(line);
  }
  else
  {
    m_messages.append(line);
    if (m_echo)
      std::fprintf(stderr, "kyprops: message: %s\n", line.toLocal8Bit().constData());
  }
  return kMessageBoxOk;
}

void KyPropsServices::PrintToCommandLine(const CKyString& text)
{
  m_commandLine.append(text.toQString());
  if (m_echo)
    std::fprintf(stderr, "kyprops: command line: %s\n", text.toQString().toLocal8Bit().constData());
}

void KyPropsServices::beginCapture()
{
  m_capturing = true;
  m_captured.clear();
}

QStringList KyPropsServices::endCapture()
{
  m_capturing = false;
  QStringList out;
  out.swap(m_captured);
  return out;
}

// ---- KyPropsPrintContext -------------------------------------------------------------------

namespace
{
QJsonArray triple(double x, double y, double z)
{
  return QJsonArray{x, y, z};
}
} // namespace

KyPropsPrintContext::KyPropsPrintContext(OdDbDatabase* db)
  : m_db(db)
{
}

void KyPropsPrintContext::clearItems()
{
  m_items.clear();
  Clear();
}

void KyPropsPrintContext::record(const char* kind, const CKyString& label, const QJsonValue& value, const QString& text)
{
  m_items.push_back({QString::fromLatin1(kind), label.toQString(), value, text});
}

void KyPropsPrintContext::PrintString(const CKyString& label, const CKyString& value)
{
  record("PrintString", label, value.toQString(), value.toQString());
  CKyTextPrintInfoContext::PrintString(label, value);
}

void KyPropsPrintContext::PrintString(const CKyString& text)
{
  record("PrintText", text, QJsonValue(), QString());
  CKyTextPrintInfoContext::PrintString(text);
}

void KyPropsPrintContext::PrintPoint(const CKyString& label, const OdGePoint3d& point)
{
  OdGePoint3d shown = point;
  if (IsPrintInUCS())
    shown.transformBy(GetWorldToWorkingPlaneMatrix());
  record("PrintPoint", label, triple(shown.x, shown.y, shown.z), FormatPoint(point));
  CKyTextPrintInfoContext::PrintPoint(label, point);
}

void KyPropsPrintContext::PrintPoint(const CKyString& label, const OdGePoint2d& point)
{
  OdGePoint3d shown(point.x, point.y, 0.0);
  if (IsPrintInUCS())
    shown.transformBy(GetWorldToWorkingPlaneMatrix());
  record("PrintPoint", label, QJsonArray{shown.x, shown.y}, FormatPoint(point));
  CKyTextPrintInfoContext::PrintPoint(label, point);
}

void KyPropsPrintContext::PrintDist(const CKyString& label, double value)
{
  record("PrintDist", label, value, FormatDistance(value));
  CKyTextPrintInfoContext::PrintDist(label, value);
}

void KyPropsPrintContext::PrintAngle(const CKyString& label, double value)
{
  record("PrintAngle", label, value, FormatAngle(value));
  CKyTextPrintInfoContext::PrintAngle(label, value);
}

void KyPropsPrintContext::PrintArea(const CKyString& label, double value)
{
  record("PrintArea", label, value, FormatArea(value));
  CKyTextPrintInfoContext::PrintArea(label, value);
}

void KyPropsPrintContext::PrintWidth(const CKyString& label, double value)
{
  record("PrintWidth", label, value, FormatDistance(value));
  CKyTextPrintInfoContext::PrintWidth(label, value);
}

void KyPropsPrintContext::PrintScale(const CKyString& label, double value)
{
  record("PrintScale", label, value, FormatScale(value));
  CKyTextPrintInfoContext::PrintScale(label, value);
}

void KyPropsPrintContext::PrintInt(const CKyString& label, int value)
{
  record("PrintInt", label, value, FormatInt(value));
  CKyTextPrintInfoContext::PrintInt(label, value);
}

void KyPropsPrintContext::PrintBool(const CKyString& label, bool value)
{
  record("PrintBool", label, value, FormatBool(value));
  CKyTextPrintInfoContext::PrintBool(label, value);
}

void KyPropsPrintContext::PrintVector3D(const CKyString& label, const OdGeVector3d& vector)
{
  OdGeVector3d shown = vector;
  if (IsPrintInUCS())
    shown.transformBy(GetWorldToWorkingPlaneMatrix());
  record("PrintVector3D", label, triple(shown.x, shown.y, shown.z), FormatVector(vector));
  CKyTextPrintInfoContext::PrintVector3D(label, vector);
}

// The listing shows numbers exactly as the palette's value column does.
QString KyPropsPrintContext::FormatDistance(double value) const
{
  return KyValueText(m_db).distance(value);
}

QString KyPropsPrintContext::FormatAngle(double radians) const
{
  return KyValueText(m_db).angle(radians);
}

QString KyPropsPrintContext::FormatArea(double value) const
{
  return KyValueText(m_db).area(value);
}

QString KyPropsPrintContext::FormatScale(double value) const
{
  return KyValueText(m_db).number(value);
}
