// OdString storage, conversions and editing operations.
#include "OdString.h"
#include "OdError.h"

#include <algorithm>
#include <cstdarg>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <new>

#include <QString>

const OdString OdString::kEmpty;

OdString::Rep* OdString::Rep::allocate(std::size_t capacity)
{
  void* memory = std::malloc(offsetof(Rep, chars) + (capacity + 1) * sizeof(OdChar));
  if (!memory)
    throw std::bad_alloc();
  Rep* rep = static_cast<Rep*>(memory);
  rep->refs = 1;
  rep->length = 0;
  rep->capacity = capacity;
  rep->chars[0] = L'\0';
  return rep;
}

OdString::Rep* OdString::Rep::make(const OdChar* s, std::size_t n)
{
  Rep* rep = allocate(n);
  std::memcpy(rep->chars, s, n * sizeof(OdChar));
  rep->length = n;
  rep->chars[n] = L'\0';
  return rep;
}

void OdString::destroy(Rep* rep) noexcept
{
  std::free(rep);
}

void OdString::assign(std::wstring_view s)
{
  Rep* rep = s.empty() ? nullptr : Rep::make(s.data(), s.size());
  release();
  m_rep = rep;
}

// Appends in place while this copy is the buffer's only user and it has room; otherwise the
// text moves to a buffer with room to grow, as texts built piece by piece do.
OdString& OdString::append(std::wstring_view s)
{
  if (s.empty())
    return *this;
  const std::size_t length = static_cast<std::size_t>(getLength());
  if (!m_rep || m_rep->refs != 1 || m_rep->capacity < length + s.size())
  {
    Rep* rep = Rep::allocate(std::max(length + s.size(), m_rep ? 2 * length : std::size_t(0)));
    if (m_rep)
      std::memcpy(rep->chars, m_rep->chars, length * sizeof(OdChar));
    rep->length = length;
    if (s.data() >= c_str() && s.data() < c_str() + length)
      s = std::wstring_view(rep->chars + (s.data() - c_str()), s.size());
    release();
    m_rep = rep;
  }
  std::memmove(m_rep->chars + length, s.data(), s.size() * sizeof(OdChar));
  m_rep->length = length + s.size();
  m_rep->chars[m_rep->length] = L'\0';
  return *this;
}

OdString::OdString(OdChar ch, int repeat)
{
  if (repeat > 0)
    assign(std::wstring(static_cast<std::size_t>(repeat), ch));
}

OdString::OdString(const char* s)
{
  if (s && *s)
    assign(QString::fromUtf8(s).toStdWString());
}

OdString::OdString(const std::string& s)
{
  if (!s.empty())
    assign(QString::fromUtf8(s.data(), static_cast<int>(s.size())).toStdWString());
}

std::string OdString::toUtf8() const
{
  const std::wstring_view s = wstr();
  return QString::fromWCharArray(s.data(), static_cast<int>(s.size())).toStdString();
}

OdChar OdString::getAt(int i) const
{
  if (i < 0 || i >= getLength())
    throw OdError_InvalidIndex();
  return m_rep->chars[i];
}

void OdString::setAt(int i, OdChar c)
{
  if (i < 0 || i >= getLength())
    throw OdError_InvalidIndex();
  if (m_rep->refs != 1)
    assign(wstr());
  m_rep->chars[i] = c;
}

int OdString::iCompare(const OdString& s) const
{
  // Names are nearly always ASCII: fold those here and leave the rest to Qt's case folding.
  const std::wstring_view mine = wstr(), theirs = s.wstr();
  const std::size_t n = std::min(mine.size(), theirs.size());
  std::size_t i = 0;
  for (; i < n; ++i)
  {
    wchar_t a = mine[i], b = theirs[i];
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
    return mine.size() == theirs.size() ? 0 : (mine.size() < theirs.size() ? -1 : 1);
  return QString::fromWCharArray(mine.data(), static_cast<int>(mine.size()))
    .compare(QString::fromWCharArray(theirs.data(), static_cast<int>(theirs.size())), Qt::CaseInsensitive);
}

int OdString::find(OdChar c, int start) const
{
  if (start < 0 || start > getLength())
    return -1;
  const std::size_t pos = wstr().find(c, static_cast<std::size_t>(start));
  return pos == std::wstring_view::npos ? -1 : static_cast<int>(pos);
}

int OdString::find(const OdChar* s, int start) const
{
  if (!s || start < 0 || start > getLength())
    return -1;
  const std::size_t pos = wstr().find(s, static_cast<std::size_t>(start));
  return pos == std::wstring_view::npos ? -1 : static_cast<int>(pos);
}

int OdString::reverseFind(OdChar c) const
{
  const std::size_t pos = wstr().rfind(c);
  return pos == std::wstring_view::npos ? -1 : static_cast<int>(pos);
}

OdString OdString::left(int n) const
{
  if (n <= 0)
    return OdString();
  if (n >= getLength())
    return *this;
  return OdString(wstr().substr(0, static_cast<std::size_t>(n)));
}

OdString OdString::right(int n) const
{
  if (n <= 0)
    return OdString();
  if (n >= getLength())
    return *this;
  return OdString(wstr().substr(static_cast<std::size_t>(getLength() - n)));
}

OdString OdString::mid(int start, int n) const
{
  if (start < 0)
    start = 0;
  if (start >= getLength())
    return OdString();
  if (n < 0)
    return start == 0 ? *this : OdString(wstr().substr(static_cast<std::size_t>(start)));
  return OdString(wstr().substr(static_cast<std::size_t>(start), static_cast<std::size_t>(n)));
}

namespace
{
QString toQString(std::wstring_view s)
{
  return QString::fromWCharArray(s.data(), static_cast<int>(s.size()));
}
} // namespace

OdString& OdString::makeUpper()
{
  if (m_rep)
    assign(toQString(wstr()).toUpper().toStdWString());
  return *this;
}

OdString& OdString::makeLower()
{
  if (m_rep)
    assign(toQString(wstr()).toLower().toStdWString());
  return *this;
}

OdString& OdString::trimLeft()
{
  const std::wstring_view s = wstr();
  std::size_t i = 0;
  while (i < s.size() && std::iswspace(s[i]))
    ++i;
  if (i)
    assign(s.substr(i));
  return *this;
}

OdString& OdString::trimRight()
{
  const std::wstring_view s = wstr();
  std::size_t n = s.size();
  while (n && std::iswspace(s[n - 1]))
    --n;
  if (n != s.size())
    assign(s.substr(0, n));
  return *this;
}

int OdString::replace(const OdChar* oldStr, const OdChar* newStr)
{
  if (!oldStr || !*oldStr || !m_rep)
    return 0;
  const std::wstring from(oldStr), to(newStr ? newStr : L"");
  std::wstring text(wstr());
  int count = 0;
  std::size_t pos = 0;
  while ((pos = text.find(from, pos)) != std::wstring::npos)
  {
    text.replace(pos, from.size(), to);
    pos += to.size();
    ++count;
  }
  if (count)
    assign(text);
  return count;
}

int OdString::replace(OdChar oldCh, OdChar newCh)
{
  if (!m_rep || wstr().find(oldCh) == std::wstring_view::npos)
    return 0;
  if (m_rep->refs != 1)
    assign(wstr());
  int count = 0;
  for (std::size_t i = 0; i < m_rep->length; ++i)
    if (m_rep->chars[i] == oldCh)
    {
      m_rep->chars[i] = newCh;
      ++count;
    }
  return count;
}

OdString& OdString::insert(int index, const OdChar* s)
{
  if (!s || !*s)
    return *this;
  if (index < 0)
    index = 0;
  if (index > getLength())
    index = getLength();
  std::wstring text(wstr());
  text.insert(static_cast<std::size_t>(index), s);
  assign(text);
  return *this;
}

OdString& OdString::deleteChars(int index, int count)
{
  if (index >= 0 && index < getLength() && count > 0)
  {
    std::wstring text(wstr());
    text.erase(static_cast<std::size_t>(index), static_cast<std::size_t>(count));
    assign(text);
  }
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
  assign(buf);
  return *this;
}
