// CKyString: conversions between QString, OdString and wide C strings.
#include "KyString.h"

CKyString::CKyString(const wchar_t* text) : m_text(text ? QString::fromWCharArray(text) : QString()) {}

namespace
{
// Texts of the drawing are nearly always in the basic plane: copy those code units straight
// across and leave the rest (and lone surrogates) to Qt's conversion.
QString fromWide(const std::wstring& wide)
{
  if (wide.empty())
    return QString();
  QString text(static_cast<int>(wide.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (std::size_t i = 0; i < wide.size(); ++i)
  {
    const wchar_t c = wide[i];
    if (c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF))
      return QString::fromStdWString(wide);
    out[i] = QChar(static_cast<ushort>(c));
  }
  return text;
}
} // namespace

CKyString::CKyString(const OdString& text) : m_text(fromWide(text.wstr())) {}

CKyString::CKyString(const QString& text) : m_text(text) {}

CKyString::CKyString(const char* text) : m_text(QString::fromUtf8(text)) {}

OdString CKyString::toOdString() const
{
  return OdString(m_text.toStdWString());
}

const wchar_t* CKyString::c_str() const
{
  if (!m_wide)
    m_wide = std::make_unique<std::wstring>(m_text.toStdWString());
  return m_wide->c_str();
}

CKyString& CKyString::operator+=(const CKyString& other)
{
  m_text += other.m_text;
  m_wide.reset();
  return *this;
}
