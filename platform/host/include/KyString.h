// CKyString: the framework's wide string. It holds a QString and converts to and from QString,
// OdString and wide C strings; c_str() keeps a wide copy that stays valid until the string changes.
#ifndef KY_STRING_H
#define KY_STRING_H

#include <memory>
#include <string>

#include <QString>

#include "OdString.h"

class CKyString
{
public:
  CKyString() = default;
  CKyString(const wchar_t* text);
  CKyString(const OdString& text);
  CKyString(const QString& text);
  // Narrow strings are taken as UTF-8.
  CKyString(const char* text);
  // Copies share the text (Qt's implicit sharing); the wide copy of c_str() goes with a move.
  CKyString(const CKyString& other) : m_text(other.m_text) {}
  CKyString(CKyString&& other) noexcept : m_text(std::move(other.m_text)), m_wide(std::move(other.m_wide)) {}
  CKyString& operator=(const CKyString& other)
  {
    if (this != &other)
    {
      m_text = other.m_text;
      m_wide.reset();
    }
    return *this;
  }
  CKyString& operator=(CKyString&& other) noexcept
  {
    if (this != &other)
    {
      m_text = std::move(other.m_text);
      m_wide = std::move(other.m_wide);
      other.m_text.clear();
    }
    return *this;
  }

  operator QString() const { return m_text; }
  operator OdString() const { return toOdString(); }
  QString toQString() const { return m_text; }
  OdString toOdString() const;
  // Wide copy of the text; valid until this string is assigned to, appended to or destroyed.
  const wchar_t* c_str() const;

  bool isEmpty() const { return m_text.isEmpty(); }
  int getLength() const { return m_text.length(); }

  CKyString& operator+=(const CKyString& other);

  friend CKyString operator+(const CKyString& a, const CKyString& b) { return CKyString(a.m_text + b.m_text); }
  friend CKyString operator+(const CKyString& a, const QString& b) { return CKyString(a.m_text + b); }
  friend CKyString operator+(const QString& a, const CKyString& b) { return CKyString(a + b.m_text); }
  friend CKyString operator+(const CKyString& a, const OdString& b) { return a + CKyString(b); }
  friend CKyString operator+(const OdString& a, const CKyString& b) { return CKyString(a) + b; }
  friend CKyString operator+(const CKyString& a, const wchar_t* b) { return a + CKyString(b); }
  friend CKyString operator+(const wchar_t* a, const CKyString& b) { return CKyString(a) + b; }
  friend CKyString operator+(const CKyString& a, const char* b) { return a + CKyString(b); }
  friend CKyString operator+(const char* a, const CKyString& b) { return CKyString(a) + b; }

  friend bool operator==(const CKyString& a, const CKyString& b)
  {
    // Copies of one text share their data: equal without looking at the characters. Otherwise the
    // length and the last character settle most unequal pairs (names that differ only at their
    // end, such as "Start X" and "Start Y", are common) before the full comparison.
    if (a.m_text.isSharedWith(b.m_text))
      return true;
    const int size = a.m_text.size();
    return size == b.m_text.size() &&
           (size == 0 || (a.m_text.constData()[size - 1] == b.m_text.constData()[size - 1] && a.m_text == b.m_text));
  }
  friend bool operator!=(const CKyString& a, const CKyString& b) { return !(a == b); }
  friend bool operator<(const CKyString& a, const CKyString& b) { return a.m_text < b.m_text; }
  // Mixed comparisons, spelled out so that they do not compete with QString's own operators.
  friend bool operator==(const CKyString& a, const QString& b) { return a.m_text == b; }
  friend bool operator==(const QString& a, const CKyString& b) { return a == b.m_text; }
  friend bool operator!=(const CKyString& a, const QString& b) { return a.m_text != b; }
  friend bool operator!=(const QString& a, const CKyString& b) { return a != b.m_text; }
  friend bool operator==(const CKyString& a, const OdString& b) { return a == CKyString(b); }
  friend bool operator==(const OdString& a, const CKyString& b) { return CKyString(a) == b; }
  friend bool operator!=(const CKyString& a, const OdString& b) { return !(a == b); }
  friend bool operator!=(const OdString& a, const CKyString& b) { return !(a == b); }
  friend bool operator==(const CKyString& a, const wchar_t* b) { return a == CKyString(b); }
  friend bool operator==(const wchar_t* a, const CKyString& b) { return CKyString(a) == b; }
  friend bool operator!=(const CKyString& a, const wchar_t* b) { return !(a == b); }
  friend bool operator!=(const wchar_t* a, const CKyString& b) { return !(a == b); }
  friend bool operator==(const CKyString& a, const char* b) { return a == CKyString(b); }
  friend bool operator==(const char* a, const CKyString& b) { return CKyString(a) == b; }
  friend bool operator!=(const CKyString& a, const char* b) { return !(a == b); }
  friend bool operator!=(const char* a, const CKyString& b) { return !(a == b); }

private:
  QString m_text;
  // c_str()'s wide copy, made on first use (most strings never need one, and the palette copies
  // strings all the time).
  mutable std::unique_ptr<std::wstring> m_wide;
};

#endif
