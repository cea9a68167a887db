// OdString conversions and editing operations.
#include "OdString.h"
#include "OdError.h"

#include <algorithm>
#include <cstdarg>
#include <cwchar>
#include <cwctype>

#include <QString>

const OdString OdString::kEmpty;

OdString::OdString(const char* s) : m_s(s ? QString::fromUtf8(s).toStdWString() : std::wstring()) {}
OdString::OdString(const std::string& s)
  : m_s(QString::fromUtf8(s.data(), static_cast<int>(s.size())).toStdWString()) {}

std::string OdString::toUtf8() const
{
  return QString::fromStdWString(m_s).toStdString();
}

OdChar OdString::getAt(int i) const
{
  if (i < 0 || i >= getLength())
    throw OdError_InvalidIndex();
  return m_s[static_cast<std::size_t>(i)];
}

void OdString::setAt(int i, OdChar c)
{
  if (i < 0 || i >= getLength())
    throw OdError_InvalidIndex();
  m_s[static_cast<std::size_t>(i)] = c;
}

int OdString::iCompare(const OdString& s) const
{
  // Names are nearly always ASCII: fold those here and leave the rest to Qt's case folding.
  const std::size_t n = std::min(m_s.size(), s.m_s.size());
  std::size_t i = 0;
  for (; i < n; ++i)
  {
    wchar_t a = m_s[i], b = s.m_s[i];
    if (a == b)
      continue;
    if (a >= 0x80 || b >= 0x80)
      break;
    if (a >= L'A' && a <= L'Z')
      a += L'a' - L'A';
    if (b >= L'A' && b <= L'Z')
      b += L'a' - L'A';
    if (a != b)
      return a < b ? -1 : 1;
  }
  if (i == n)
    return m_s.size() == s.m_s.size() ? 0 : (m_s.size() < s.m_s.size() ? -1 : 1);
  return QString::fromStdWString(m_s).compare(QString::fromStdWString(s.m_s), Qt::CaseInsensitive);
}

int OdString::find(OdChar c, int start) const
{
  if (start < 0 || start > getLength())
    return -1;
  const std::size_t pos = m_s.find(c, static_cast<std::size_t>(start));
  return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int OdString::find(const OdChar* s, int start) const
{
  if (!s || start < 0 || start > getLength())
    return -1;
  const std::size_t pos = m_s.find(s, static_cast<std::size_t>(start));
  return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int OdString::reverseFind(OdChar c) const
{
  const std::size_t pos = m_s.rfind(c);
  return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

OdString OdString::left(int n) const
{
  if (n <= 0)
    return OdString();
  return OdString(m_s.substr(0, static_cast<std::size_t>(n)));
}

OdString OdString::right(int n) const
{
  if (n <= 0)
    return OdString();
  if (n >= getLength())
    return *this;
  return OdString(m_s.substr(m_s.size() - static_cast<std::size_t>(n)));
}

OdString OdString::mid(int start, int n) const
{
  if (start < 0)
    start = 0;
  if (start >= getLength())
    return OdString();
  if (n < 0)
    return OdString(m_s.substr(static_cast<std::size_t>(start)));
  return OdString(m_s.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(n)));
}

OdString& OdString::makeUpper()
{
  m_s = QString::fromStdWString(m_s).toUpper().toStdWString();
  return *this;
}

OdString& OdString::makeLower()
{
  m_s = QString::fromStdWString(m_s).toLower().toStdWString();
  return *this;
}

OdString& OdString::trimLeft()
{
  std::size_t i = 0;
  while (i < m_s.size() && std::iswspace(m_s[i]))
    ++i;
  m_s.erase(0, i);
  return *this;
}

OdString& OdString::trimRight()
{
  while (!m_s.empty() && std::iswspace(m_s.back()))
    m_s.pop_back();
  return *this;
}

int OdString::replace(const OdChar* oldStr, const OdChar* newStr)
{
  if (!oldStr || !*oldStr)
    return 0;
  const std::wstring from(oldStr), to(newStr ? newStr : L"");
  int count = 0;
  std::size_t pos = 0;
  while ((pos = m_s.find(from, pos)) != std::wstring::npos)
  {
    m_s.replace(pos, from.size(), to);
    pos += to.size();
    ++count;
  }
  return count;
}

int OdString::replace(OdChar oldCh, OdChar newCh)
{
  int count = 0;
  for (auto& c : m_s)
    if (c == oldCh)
    {
      c = newCh;
      ++count;
    }
  return count;
}

OdString& OdString::insert(int index, const OdChar* s)
{
  if (index < 0)
    index = 0;
  if (index > getLength())
    index = getLength();
  m_s.insert(static_cast<std::size_t>(index), s ? s : L"");
  return *this;
}

OdString& OdString::deleteChars(int index, int count)
{
  if (index >= 0 && index < getLength() && count > 0)
    m_s.erase(static_cast<std::size_t>(index), static_cast<std::size_t>(count));
  return *this;
}

OdString& OdString::format(const OdChar* fmt, ...)
{
  std::wstring buf(256, L'\0');
  for (;;)
  {
    va_list args;
    va_start(args, fmt);
    const int n = std::vswprintf(&buf[0], buf.size(), fmt, args);
    va_end(args);
    if (n >= 0 && static_cast<std::size_t>(n) < buf.size())
    {
      buf.resize(static_cast<std::size_t>(n));
      break;
    }
    if (buf.size() > (1u << 24))
      throw OdError(eBufferTooSmall);
    buf.resize(buf.size() * 2);
  }
  m_s = buf;
  return *this;
}
