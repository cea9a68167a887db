// Wide string of the SDK (OdChar is wchar_t). Value semantics over std::wstring, with the
// conversions the SDK offers: from narrow (UTF-8) and wide C strings, and to Qt strings.
#ifndef OD_STRING_H
#define OD_STRING_H

#include <string>

#include "OdaCommon.h"

class OdString
{
public:
  OdString() = default;
  OdString(const OdChar* s) : m_s(s ? s : L"") {}
  OdString(const OdChar* s, int n) : m_s(s ? std::wstring(s, static_cast<std::size_t>(n)) : std::wstring()) {}
  OdString(const std::wstring& s) : m_s(s) {}
  OdString(std::wstring&& s) : m_s(std::move(s)) {}
  OdString(OdChar ch, int repeat) : m_s(static_cast<std::size_t>(repeat > 0 ? repeat : 0), ch) {}
  // Narrow strings are taken as UTF-8.
  OdString(const char* s);
  OdString(const std::string& s);

  static const OdString kEmpty;

  int getLength() const { return static_cast<int>(m_s.size()); }
  int getLengthA() const { return static_cast<int>(toUtf8().size()); }
  bool isEmpty() const { return m_s.empty(); }
  void empty() { m_s.clear(); }
  const OdChar* c_str() const { return m_s.c_str(); }
  operator const OdChar*() const { return m_s.c_str(); }
  const std::wstring& wstr() const { return m_s; }
  std::string toUtf8() const;

  OdChar getAt(int i) const;
  void setAt(int i, OdChar c);
  OdChar operator[](int i) const { return getAt(i); }

  int compare(const OdChar* s) const { return m_s.compare(s ? s : L""); }
  int compare(const OdString& s) const { return m_s.compare(s.m_s); }
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

  OdString& operator+=(const OdString& s) { m_s += s.m_s; return *this; }
  OdString& operator+=(const OdChar* s) { m_s += (s ? s : L""); return *this; }
  OdString& operator+=(OdChar c) { m_s += c; return *this; }
  friend OdString operator+(const OdString& a, const OdString& b) { return OdString(a.m_s + b.m_s); }
  friend OdString operator+(const OdString& a, const OdChar* b) { return OdString(a.m_s + (b ? b : L"")); }
  friend OdString operator+(const OdChar* a, const OdString& b) { return OdString((a ? a : L"") + b.m_s); }

  bool operator==(const OdString& s) const { return m_s == s.m_s; }
  bool operator!=(const OdString& s) const { return m_s != s.m_s; }
  bool operator==(const OdChar* s) const { return m_s == (s ? s : L""); }
  bool operator!=(const OdChar* s) const { return !(*this == s); }
  bool operator<(const OdString& s) const { return m_s < s.m_s; }

private:
  std::wstring m_s;
};

typedef OdString OdAnsiString;

#endif
