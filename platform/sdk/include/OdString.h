// Wide string of the SDK (OdChar is wchar_t), with the conversions the SDK offers: from narrow
// (UTF-8) and wide C strings, and to Qt strings.
//
// Copies share one buffer and count its users; the first change made through a shared copy
// gives that copy a buffer of its own. Getters that hand out a stored name or text therefore
// cost a count, not an allocation. Database strings are used from one thread, so the count is
// a plain integer.
#ifndef OD_STRING_H
#define OD_STRING_H

#include <string>
#include <string_view>

#include "OdaCommon.h"

class OdString
{
public:
  OdString() noexcept = default;
  OdString(const OdChar* s) : OdString(std::wstring_view(s ? s : L"")) {}
  OdString(const OdChar* s, int n) : OdString(s && n > 0 ? std::wstring_view(s, static_cast<std::size_t>(n))
                                                         : std::wstring_view()) {}
  OdString(const std::wstring& s) : OdString(std::wstring_view(s)) {}
  explicit OdString(std::wstring_view s) : m_rep(s.empty() ? nullptr : Rep::make(s.data(), s.size())) {}
  OdString(OdChar ch, int repeat);
  // Narrow strings are taken as UTF-8.
  OdString(const char* s);
  OdString(const std::string& s);

  OdString(const OdString& other) noexcept : m_rep(other.m_rep)
  {
    if (m_rep)
      ++m_rep->refs;
  }
  OdString(OdString&& other) noexcept : m_rep(other.m_rep) { other.m_rep = nullptr; }
  OdString& operator=(const OdString& other) noexcept
  {
    if (other.m_rep)
      ++other.m_rep->refs;
    release();
    m_rep = other.m_rep;
    return *this;
  }
  OdString& operator=(OdString&& other) noexcept
  {
    if (this != &other)
    {
      release();
      m_rep = other.m_rep;
      other.m_rep = nullptr;
    }
    return *this;
  }
  ~OdString() { release(); }

  static const OdString kEmpty;

  int getLength() const { return m_rep ? static_cast<int>(m_rep->length) : 0; }
  int getLengthA() const { return static_cast<int>(toUtf8().size()); }
  bool isEmpty() const { return !m_rep; }
  void empty()
  {
    release();
    m_rep = nullptr;
  }
  const OdChar* c_str() const { return m_rep ? m_rep->chars : L""; }
  operator const OdChar*() const { return c_str(); }
  std::wstring_view wstr() const
  {
    return m_rep ? std::wstring_view(m_rep->chars, m_rep->length) : std::wstring_view();
  }
  std::string toUtf8() const;

  OdChar getAt(int i) const;
  void setAt(int i, OdChar c);
  OdChar operator[](int i) const { return getAt(i); }

  int compare(const OdChar* s) const { return order(wstr().compare(s ? s : L"")); }
  int compare(const OdString& s) const { return order(wstr().compare(s.wstr())); }
  int iCompare(const OdString& s) const;
  int find(OdChar c, int start = 0) const;
  int find(const OdChar* s, int start = 0) const;
  int reverseFind(OdChar c) const;
  OdString left(int n) const;
  OdString right(int n) const;
  OdString mid(int start, int n = -1) const;
  OdString& makeUpper();
  OdString& makeLower();
  OdString& trimLeft();
  OdString& trimRight();
  int replace(const OdChar* oldStr, const OdChar* newStr);
  int replace(OdChar oldCh, OdChar newCh);
  OdString& insert(int index, const OdChar* s);
  OdString& deleteChars(int index, int count = 1);
  // printf-like formatting with wide format strings (%ls for wide strings, %d, %g, %f ...).
  OdString& format(const OdChar* fmt, ...);

  OdString& operator+=(const OdString& s) { return append(s.wstr()); }
  OdString& operator+=(const OdChar* s) { return append(std::wstring_view(s ? s : L"")); }
  OdString& operator+=(OdChar c) { return append(std::wstring_view(&c, 1)); }
  friend OdString operator+(const OdString& a, const OdString& b) { return OdString(a).append(b.wstr()); }
  friend OdString operator+(const OdString& a, const OdChar* b) { return OdString(a) += b; }
  friend OdString operator+(const OdChar* a, const OdString& b) { return OdString(a) += b; }

  bool operator==(const OdString& s) const { return m_rep == s.m_rep || wstr() == s.wstr(); }
  bool operator!=(const OdString& s) const { return !(*this == s); }
  bool operator==(const OdChar* s) const { return wstr() == std::wstring_view(s ? s : L""); }
  bool operator!=(const OdChar* s) const { return !(*this == s); }
  bool operator<(const OdString& s) const { return wstr() < s.wstr(); }

private:
  // One allocation holds the count, the length, the room and the characters with their
  // terminating zero.
  struct Rep
  {
    int refs;
    std::size_t length;
    std::size_t capacity;
    OdChar chars[1];
    static Rep* allocate(std::size_t capacity);
    static Rep* make(const OdChar* s, std::size_t n);
  };

  static int order(int c) { return c < 0 ? -1 : (c > 0 ? 1 : 0); }
  void release() noexcept
  {
    if (m_rep && --m_rep->refs == 0)
      destroy(m_rep);
  }
  static void destroy(Rep* rep) noexcept;
  OdString& append(std::wstring_view s);
  // Replaces the contents; an empty text keeps no buffer.
  void assign(std::wstring_view s);

  Rep* m_rep = nullptr;
};

typedef OdString OdAnsiString;

#endif
