// One palette row: CKyPropertyDescription (the interface the palette reads) and
// CKyPropertyDescriptionImpl (stores what is set). A row reads and writes an object through four
// function pointers: getter, setter, read-only predicate and the selection-wide group action.
#ifndef KY_PROPERTY_DESCRIPTION_H
#define KY_PROPERTY_DESCRIPTION_H

#include <QSharedData>
#include <QSharedDataPointer>

#include "DbObjectId.h"
#include "KyPropertyType.h"
#include "KyString.h"
#include "KyVariant.h"
#include "OdArray.h"

class OdDbObject;
class CKyPropertyDescription;

// Setter results.
const int kPropertySetOk = 5100;
const int kPropertySetFailed = -5001;

// Visibility bits of a row.
const unsigned kPropertyVisiblePalette = 1;
const unsigned kPropertyVisibleQuickProperties = 2;
const unsigned kPropertyMatchProperties = 4;
const unsigned kPropertyDefaultVisibility = kPropertyVisiblePalette | kPropertyVisibleQuickProperties;

typedef CKyVariant (*CKyGetMethod)(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant& context);
typedef int (*CKySetMethod)(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant& value,
                            const CKyVariant& context);
typedef bool (*CKyIsReadOnlyMethod)(const OdDbObject*, const CKyPropertyDescription&);
typedef CKyVariant (*CKyGroupActionMethod)(const OdArray<OdDbObjectId>& ids, const CKyPropertyDescription&,
                                           const CKyVariant& value, const CKyVariant& context);

class CKyPropertyDescription
{
public:
  virtual ~CKyPropertyDescription() = default;

  virtual CKyString GetName() const = 0;
  virtual CKyString GetCategory() const = 0;
  virtual CKyString GetDescription() const = 0;
  virtual const CKyPropertyTypeImpl& GetType() const = 0;
  virtual CKyString GetIcon() const = 0;
  virtual CKyString GetDarkIcon() const = 0;
  virtual CKyString GetLightIcon() const = 0;
  virtual bool IsDynamic() const = 0;
  virtual bool IsGroupedAction() const = 0;
  virtual CKyVariant DoGroupedAction(const OdArray<OdDbObjectId>& ids, const CKyVariant& value,
                                     const CKyVariant& context) const = 0;
  virtual CKyVariant GetValue(const OdDbObject* object, const CKyVariant& context) const = 0;
  virtual int SetValue(const OdDbObject* object, const CKyVariant& value, const CKyVariant& context) const = 0;
  virtual bool IsReadOnly(const OdDbObject* object) const = 0;
  virtual unsigned GetVisibility() const = 0;
  virtual void SetName(const CKyString& name) = 0;
  virtual void SetCategory(const CKyString& category) = 0;
  virtual void SetDescription(const CKyString& description) = 0;
  virtual void SetType(const CKyPropertyTypeImpl& type) = 0;
  virtual void SetIcon(const CKyString& icon) = 0;
  virtual void SetDarkIcon(const CKyString& icon) = 0;
  virtual void SetLightIcon(const CKyString& icon) = 0;
  virtual void SetIsDynamic(bool isDynamic) = 0;
  virtual void PutGetMethod(CKyGetMethod method) = 0;
  virtual void PutSetMethod(CKySetMethod method) = 0;
  virtual void PutIsReadOnlyMethod(CKyIsReadOnlyMethod method) = 0;
  virtual void PutGroupActionMethod(CKyGroupActionMethod method) = 0;
  virtual CKyIsReadOnlyMethod GetIsReadOnlyMethod() const = 0;
  virtual CKyGetMethod GetGetMethod() const = 0;
  virtual CKySetMethod GetSetMethod() const = 0;
  virtual CKyGroupActionMethod GetGroupActionMethod() const = 0;
  virtual bool operator==(const CKyPropertyDescription& other) const = 0;
  virtual void SetVisibility(unsigned visibility) = 0;
};

class CKyPropertyDescriptionImpl : public CKyPropertyDescription
{
public:
  CKyPropertyDescriptionImpl() : m_texts(new Texts) {}

  // Per-object rows are made and deleted for every object shown; their blocks are recycled
  // instead of going back to the heap each time.
  static void* operator new(std::size_t size);
  static void operator delete(void* block, std::size_t size) noexcept;

  CKyString GetName() const override { return m_texts->name; }
  CKyString GetCategory() const override { return m_texts->category; }
  CKyString GetDescription() const override { return m_texts->description; }
  const CKyPropertyTypeImpl& GetType() const override { return m_texts->type; }
  CKyString GetIcon() const override { return m_texts->icon; }
  CKyString GetDarkIcon() const override { return m_texts->darkIcon; }
  CKyString GetLightIcon() const override { return m_texts->lightIcon; }
  bool IsDynamic() const override { return m_isDynamic; }
  // True when a group action is set: the palette then applies the row once for the whole selection.
  bool IsGroupedAction() const override { return m_groupAction != nullptr; }
  // Calls the group action; the empty variant when there is none.
  CKyVariant DoGroupedAction(const OdArray<OdDbObjectId>& ids, const CKyVariant& value,
                             const CKyVariant& context) const override;
  // Calls the getter; the empty variant when there is none.
  CKyVariant GetValue(const OdDbObject* object, const CKyVariant& context) const override;
  // Calls the setter; kPropertySetFailed when there is none.
  int SetValue(const OdDbObject* object, const CKyVariant& value, const CKyVariant& context) const override;
  // Asks the predicate; without one, a row is read-only exactly when it has no setter.
  bool IsReadOnly(const OdDbObject* object) const override;
  unsigned GetVisibility() const override { return m_visibility; }
  void SetName(const CKyString& name) override { m_texts->name = name; }
  void SetCategory(const CKyString& category) override { m_texts->category = category; }
  void SetDescription(const CKyString& description) override { m_texts->description = description; }
  void SetType(const CKyPropertyTypeImpl& type) override { m_texts->type = type; }
  void SetIcon(const CKyString& icon) override { m_texts->icon = icon; }
  void SetDarkIcon(const CKyString& icon) override { m_texts->darkIcon = icon; }
  void SetLightIcon(const CKyString& icon) override { m_texts->lightIcon = icon; }
  void SetIsDynamic(bool isDynamic) override { m_isDynamic = isDynamic; }
  void PutGetMethod(CKyGetMethod method) override { m_getter = method; }
  void PutSetMethod(CKySetMethod method) override { m_setter = method; }
  void PutIsReadOnlyMethod(CKyIsReadOnlyMethod method) override { m_isReadOnly = method; }
  void PutGroupActionMethod(CKyGroupActionMethod method) override { m_groupAction = method; }
  CKyIsReadOnlyMethod GetIsReadOnlyMethod() const override { return m_isReadOnly; }
  CKyGetMethod GetGetMethod() const override { return m_getter; }
  CKySetMethod GetSetMethod() const override { return m_setter; }
  CKyGroupActionMethod GetGroupActionMethod() const override { return m_groupAction; }
  // Same texts, type, icons, flags and accessors.
  bool operator==(const CKyPropertyDescription& other) const override;
  // The stored name and category, without a copy (the host's lookups compare many rows).
  const CKyString& Name() const { return m_texts->name; }
  const CKyString& Category() const { return m_texts->category; }
  void SetVisibility(unsigned visibility) override { m_visibility = visibility; }

private:
  // Texts and type in one block shared by copies until a setter changes one of them: per-object
  // rows are copies of a few prototypes, made and deleted for every object shown.
  struct Texts : QSharedData
  {
    CKyString name;
    CKyString category;
    CKyString description;
    CKyPropertyTypeImpl type;
    CKyString icon;
    CKyString darkIcon;
    CKyString lightIcon;
  };
  QSharedDataPointer<Texts> m_texts;
  bool m_isDynamic = false;
  unsigned m_visibility = kPropertyDefaultVisibility;
  CKyGetMethod m_getter = nullptr;
  CKySetMethod m_setter = nullptr;
  CKyIsReadOnlyMethod m_isReadOnly = nullptr;
  CKyGroupActionMethod m_groupAction = nullptr;
};

#endif
