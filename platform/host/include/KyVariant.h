// CKyVariant: the value cell exchanged between property descriptions and the palette, with its
// value list (CKyVariantCollection) and list element (CKyVariantCollectionElement). All three
// have value semantics; nested lists are shared immutably, so copies never alias.
#ifndef KY_VARIANT_H
#define KY_VARIANT_H

#include <memory>
#include <variant>
#include <vector>

#include "CmColor.h"
#include "DbObjectId.h"
#include "Ge/GePoint2d.h"
#include "Ge/GePoint3d.h"
#include "KyString.h"

class CKyVariantCollection;
class CKyVariantCollectionElement;

class CKyVariant
{
public:
  enum _Type
  {
    kEmpty = 0,
    kDouble = 2,
    kString = 3,
    kInt32 = 4,
    kColor = 5,
    kCollection = 6,
    kCollectionElement = 7,
    kObjectId = 8,
    kPoint = 9,
    kTransparency = 11
  };

  // Key of the mixed value shown for a multiple selection, translated in the context "CKyVariant".
  static const char* const varies;
  static CKyString VariesText();

  CKyVariant() = default;
  // unitBearing: true for lengths, coordinates, areas and angles, false for unitless factors.
  CKyVariant(double value, bool unitBearing) : m_type(kDouble), m_unitBearing(unitBearing), m_value(value) {}
  // A double without its unit flag is refused at compile time (it would otherwise become an int).
  CKyVariant(double) = delete;
  CKyVariant(int value) : m_type(kInt32), m_value(value) {}
  // Booleans are not a kind of their own: say which integer or list is meant.
  CKyVariant(bool) = delete;
  CKyVariant(const CKyString& value);
  CKyVariant(const QString& value);
  CKyVariant(const OdString& value);
  CKyVariant(const wchar_t* value);
  CKyVariant(const char* value);
  CKyVariant(const OdCmColor& value);
  CKyVariant(const CKyVariantCollection& value);
  CKyVariant(CKyVariantCollection&& value);
  CKyVariant(const CKyVariantCollectionElement& value);
  CKyVariant(const OdDbObjectId& value);
  CKyVariant(const OdCmTransparency& value);
  CKyVariant(const OdGePoint2d& value);
  CKyVariant(const OdGePoint3d& value);
  CKyVariant(const CKyVariant&) = default;
  CKyVariant(CKyVariant&&) = default;
  CKyVariant& operator=(const CKyVariant&) = default;
  CKyVariant& operator=(CKyVariant&&) = default;
  ~CKyVariant() = default;

  _Type GetType() const { return m_type; }
  bool IsEmpty() const { return m_type == kEmpty; }
  bool IsUnitBearing() const { return m_unitBearing; }

  // Doubles as they are, integers converted, strings parsed (0 when not a number); else 0.
  double GetDouble() const;
  // Strings as they are; other kinds as readable text; the empty cell as an empty string.
  CKyString GetString() const;
  // Integers as they are, doubles truncated towards zero (saturated), strings parsed; else 0.
  int GetInt32() const;
  // The stored colour, else a default colour.
  OdCmColor GetColor() const;
  // The stored list, else an empty list.
  const CKyVariantCollection& GetCollection() const;
  // The stored element, else an element with empty tag and value.
  const CKyVariantCollectionElement& GetCollectionElement() const;
  // The stored id, else the null id.
  OdDbObjectId GetId() const;
  // The stored transparency, else a default transparency.
  OdCmTransparency GetTransparency() const;
  // The stored point (a 2D point with Z = 0), else the origin.
  OdGePoint3d GetPoint3d() const;

  // Same kind and same value; doubles and points compare exactly, the unit flag is not compared.
  bool operator==(const CKyVariant& other) const;
  bool operator!=(const CKyVariant& other) const { return !(*this == other); }

private:
  typedef std::variant<std::monostate, double, int, CKyString, OdCmColor,
                       std::shared_ptr<const CKyVariantCollection>,
                       std::shared_ptr<const CKyVariantCollectionElement>, OdDbObjectId, OdGePoint3d,
                       OdCmTransparency>
    Value;

  _Type m_type = kEmpty;
  bool m_unitBearing = false;
  Value m_value;
};

class CKyVariantCollectionElement
{
public:
  CKyVariantCollectionElement() = default;
  CKyVariantCollectionElement(const CKyVariant& tag, const CKyVariant& value) : m_tag(tag), m_value(value) {}

  const CKyVariant& GetTag() const { return m_tag; }
  void SetTag(const CKyVariant& tag) { m_tag = tag; }
  const CKyVariant& GetValue() const { return m_value; }
  void SetValue(const CKyVariant& value) { m_value = value; }

  bool operator==(const CKyVariantCollectionElement& other) const
  {
    return m_tag == other.m_tag && m_value == other.m_value;
  }
  bool operator!=(const CKyVariantCollectionElement& other) const { return !(*this == other); }

private:
  CKyVariant m_tag;
  CKyVariant m_value;
};

// An ordered list of elements and the index of the current one (-1: none chosen).
class CKyVariantCollection
{
public:
  CKyVariantCollection() = default;

  int GetCurrentIndex() const { return m_currentIndex; }
  void SetCurrentIndex(int index) { m_currentIndex = index; }
  int GetCount() const { return static_cast<int>(m_elements.size()); }
  void Add(const CKyVariantCollectionElement& element) { m_elements.push_back(element); }
  void Add(const CKyVariant& tag, const CKyVariant& value) { m_elements.emplace_back(tag, value); }
  void Reserve(int count) { m_elements.reserve(count > 0 ? static_cast<std::size_t>(count) : 0u); }
  // Throws OdError_InvalidIndex outside [0, GetCount()).
  const CKyVariantCollectionElement& GetAt(int index) const;
  // The current element, or null when the current index is outside the list.
  const CKyVariantCollectionElement* GetCurrent() const;
  // Removes the elements and resets the current index to -1.
  void Clear();

  bool operator==(const CKyVariantCollection& other) const
  {
    return m_currentIndex == other.m_currentIndex && m_elements == other.m_elements;
  }
  bool operator!=(const CKyVariantCollection& other) const { return !(*this == other); }

private:
  int m_currentIndex = -1;
  std::vector<CKyVariantCollectionElement> m_elements;
};

#endif
