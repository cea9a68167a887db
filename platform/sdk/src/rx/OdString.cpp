// OdString conversions and editing operations.
#include "OdString.h"
#include "OdError.h"

#include <algorithm>
#include <cstdarg>
#include <cwchar>
#include <cwctype>

#include <QString>

const OdString OdString::kEmpty;

OdString::OdString(const char* s) { assign(s ? QString::fromUtf8(s).toStdWString() : std::wstring()); }
OdString::OdString(const std::string& s) { assign(QString::fromUtf8(s.data(), static_cast<int>(s.size())).toStdWString()); }

std::string OdString::toUtf8() const
{
  return QString::fromStdWString(str()).toStdString();
}

OdChar OdString::getAt(int i) const
{
  if (i < 0 || i >= getLength())
    throw OdError_InvalidIndex();
  return str()[static_cast<std::size_t>(i)];
}

void OdString::setAt(int i, OdChar c)
{
  if (i < 0 || i >= getLength())
    throw OdError_InvalidIndex();
  edit()[static_cast<std::size_t>(i)] = c;
}

int OdString::iCompare(const OdString& s) const
{
  // Names are nearly always ASCII: fold those here and leave the rest to Qt's case folding.
  const std::wstring& mine = str();
  const std::wstring& theirs = s.str();
  const std::size_t n = std::min(mine.size(), theirs.size());
  std::size_t i = 0;
  for (; i < n; ++i)
  {
    wchar_t a = mine[i], b = theirs[i];
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
    return mine.size() == theirs.size() ? 0 : (mine.size() < theirs.size() ? -1 : 1);
  return QString::fromStdWString(mine).compare(QString::fromStdWString(theirs), Qt::CaseInsensitive);
}

int OdString::find(OdChar c, int start) const
{
  if (start < 0 || start > getLength())
    return -1;
  const std::size_t pos = str().find(c, static_cast<std::size_t>(start));
  return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int OdString::find(const OdChar* s, int start) const
{
  if (!s || start < 0 || start > getLength())
    return -1;
  const std::size_t pos = str().find(s, static_cast<std::size_t>(start));
  return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int OdString::reverseFind(OdChar c) const
{
  const std::size_t pos = str().rfind(c);
  return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

OdString OdString::left(int n) const
{
  if (n <= 0)
    return OdString();
  return OdString(str().substr(0, static_cast<std::size_t>(n)));
}

OdString OdString::right(int n) const
{
  if (n <= 0)
    return OdString();
  if (n >= getLength())
    return *this;
  return OdString(str().substr(str().size() - static_cast<std::size_t>(n)));
}

OdString OdString::mid(int start, int n) const
{
  if (start < 0)
    start = 0;
  if (start >= getLength())
    return OdString();
  if (n < 0)
    return OdString(str().substr(static_cast<std::size_t>(start)));
  return OdString(str().substr(static_cast<std::size_t>(start), static_cast<std::size_t>(n)));
}

OdString& OdString::makeUpper()
{
  assign(QString::fromStdWString(str()).toUpper().toStdWString());
  return *this;
}

OdString& OdString::makeLower()
{
  assign(QString::fromStdWString(str()).toLower().toStdWString());
  return *this;
}

OdString& OdString::trimLeft()
{
  const std::wstring& text = str();
  std::size_t i = 0;
  while (i < text.size() && std::iswspace(text[i]))
    ++i;
  if (i > 0)
    edit().erase(0, i);
  return *this;
}

OdString& OdString::trimRight()
{
  std::size_t n = str().size();
  while (n > 0 && std::iswspace(str()[n - 1]))
    --n;
  if (n < str().size())
    edit().resize(n);
  return *this;
}

int OdString::replace(const OdChar* oldStr, const OdChar* newStr)
{
  if (!oldStr || !*oldStr)
    return 0;
  const std::wstring from(oldStr), to(newStr ? newStr : L"");
  int count = 0;
  std::size_t pos = 0;
  while ((pos = str().find(from, pos)) != std::wstring::npos)
  {
    edit().replace(pos, from.size(), to);
    pos += to.size();
    ++count;
  }
  return count;
}

int OdString::replace(OdChar oldCh, OdChar newCh)
{
  int count = 0;
  if (str().find(oldCh) == std::wstring::npos)
    return 0;
  for (auto& c : edit())
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
  if (s && *s)
    edit().insert(static_cast<std::size_t>(index), s);
  return *this;
}

OdString& OdString::deleteChars(int index, int count)
{
  if (index >= 0 && index < getLength() && count > 0)
    edit().erase(static_cast<std::size_t>(index), static_cast<std::size_t>(count));
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
  assign(std::move(buf));
  return *this;
}
