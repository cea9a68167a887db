// Wide string of the SDK (OdChar is wchar_t). Value semantics over a shared std::wstring: copies
// share the text until one of them changes it (so that names handed out by records and
// iterators cost no allocation), with the conversions the SDK offers: from narrow (UTF-8) and
// wide C strings, and to Qt strings.
#ifndef OD_STRING_H
#define OD_STRING_H

#include <memory>
#include <string>

#include "OdaCommon.h"

class OdString
{
public:
  OdString() = default;
  OdString(const OdChar* s) { assign(s ? std::wstring(s) : std::wstring()); }
  OdString(const OdChar* s, int n) { assign(s ? std::wstring(s, static_cast<std::size_t>(n)) : std::wstring()); }
  OdString(const std::wstring& s) { assign(std::wstring(s)); }
  OdString(std::wstring&& s) { assign(std::move(s)); }
  OdString(OdChar ch, int repeat) { assign(std::wstring(static_cast<std::size_t>(repeat > 0 ? repeat : 0), ch)); }
  // Narrow strings are taken as UTF-8.
  OdString(const char* s);
  OdString(const std::string& s);

  static const OdString kEmpty;

  int getLength() const { return static_cast<int>(str().size()); }
  int getLengthA() const { return static_cast<int>(toUtf8().size()); }
  bool isEmpty() const { return str().empty(); }
  void empty() { m_p.reset(); }
  const OdChar* c_str() const { return str().c_str(); }
  operator const OdChar*() const { return str().c_str(); }
  const std::wstring& wstr() const { return str(); }
  std::string toUtf8() const;

  OdChar getAt(int i) const;
  void setAt(int i, OdChar c);
  OdChar operator[](int i) const { return getAt(i); }

  int compare(const OdChar* s) const { return str().compare(s ? s : L""); }
  int compare(const OdString& s) const { return str().compare(s.str()); }
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

  OdString& operator+=(const OdString& s) { if (!s.isEmpty()) edit() += s.str(); return *this; }
  OdString& operator+=(const OdChar* s) { if (s && *s) edit() += s; return *this; }
  OdString& operator+=(OdChar c) { edit() += c; return *this; }
  friend OdString operator+(const OdString& a, const OdString& b) { return OdString(a.str() + b.str()); }
  friend OdString operator+(const OdString& a, const OdChar* b) { return OdString(a.str() + (b ? b : L"")); }
  friend OdString operator+(const OdChar* a, const OdString& b) { return OdString((a ? a : L"") + b.str()); }

  bool operator==(const OdString& s) const { return m_p == s.m_p || str() == s.str(); }
  bool operator!=(const OdString& s) const { return !(*this == s); }
  bool operator==(const OdChar* s) const { return str() == (s ? s : L""); }
  bool operator!=(const OdChar* s) const { return !(*this == s); }
  bool operator<(const OdString& s) const { return str() < s.str(); }

private:
  static const std::wstring& emptyText()
  {
    static const std::wstring text;
    return text;
  }
  const std::wstring& str() const { return m_p ? *m_p : emptyText(); }
  // The text to change, no longer shared with any copy.
  std::wstring& edit()
  {
    if (!m_p)
      m_p = std::make_shared<std::wstring>();
    else if (m_p.use_count() > 1)
      m_p = std::make_shared<std::wstring>(*m_p);
    return *m_p;
  }
  void assign(std::wstring&& text)
  {
    if (text.empty())
      m_p.reset();
    else
      m_p = std::make_shared<std::wstring>(std::move(text));
  }

  // Null for the empty string.
  std::shared_ptr<std::wstring> m_p;
};

typedef OdString OdAnsiString;

#endif
