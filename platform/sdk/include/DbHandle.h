// Handle of a database object: a 64-bit value unique within its database, written as
// upper-case hexadecimal without leading zeros ("1F"); zero is the null handle.
#ifndef OD_DB_HANDLE_H
#define OD_DB_HANDLE_H

#include "OdString.h"
#include "OdaCommon.h"

class OdDbHandle
{
public:
  OdDbHandle() = default;
  OdDbHandle(OdUInt64 value) : m_val(value) {}
  OdDbHandle(int value) : m_val(static_cast<OdUInt64>(static_cast<unsigned int>(value))) {}
  // Parses hexadecimal digits (either case); throws OdError(eInvalidInput) for anything else
  // or for more than 16 digits. An empty string gives the null handle.
  explicit OdDbHandle(const OdChar* hex);
  explicit OdDbHandle(const OdString& hex);

  bool isNull() const { return m_val == 0; }
  OdString ascii() const;
  OdUInt64 value() const { return m_val; }
  operator OdUInt64() const { return m_val; }

  OdDbHandle& operator=(OdUInt64 value) { m_val = value; return *this; }
  OdDbHandle& operator++() { ++m_val; return *this; }
  OdDbHandle operator++(int) { OdDbHandle old(*this); ++m_val; return old; }
  OdDbHandle& operator+=(OdUInt64 delta) { m_val += delta; return *this; }
  OdDbHandle operator+(OdUInt64 delta) const { return OdDbHandle(m_val + delta); }

  bool operator==(const OdDbHandle& h) const { return m_val == h.m_val; }
  bool operator!=(const OdDbHandle& h) const { return m_val != h.m_val; }
  bool operator<(const OdDbHandle& h) const { return m_val < h.m_val; }
  bool operator>(const OdDbHandle& h) const { return m_val > h.m_val; }
  bool operator<=(const OdDbHandle& h) const { return m_val <= h.m_val; }
  bool operator>=(const OdDbHandle& h) const { return m_val >= h.m_val; }

private:
  OdUInt64 m_val = 0;
};

#endif
