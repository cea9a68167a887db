// Description tables: every extension declares its palette rows as one constant table, and one
// shared builder turns a table into the extension's static description list, in table order and
// with the calls made in the same fixed order for every row. The shared GetPropertyNames step
// decides, per extension level, whether that level's list is built and added.
#ifndef KY_PROPERTY_TABLE_H
#define KY_PROPERTY_TABLE_H

#include <cstddef>

#include <QtGlobal>

#include "KyPropertiesContainer.h"
#include "KyPropertyDescription.h"
#include "KyPropertyType.h"
#include "KyVariant.h"
#include "OdArray.h"

class OdRxClass;

typedef OdArray<const CKyPropertyDescription*> KyDescriptionList;

enum KyRowFlags : unsigned
{
  kKyRowPlain = 0,
  kKyRowMatchProp = 1 // carried by the match-properties command: visibility bit 4
};

// One palette row. Category and name are translation keys (wrap them in QT_TRANSLATE_NOOP with
// the contexts "property_groups" and "property_types" so the catalogue tools see them). The icon
// folder defaults to the category key and the icon name to the name key without blanks.
struct KyPropertyRow
{
  const char* category;
  const char* name;
  CKyVariant::_Type type;
  const CKyString* guid; // null: no type identifier
  CKyGetMethod getter;
  CKySetMethod setter; // null: computed, read-only value
  CKyIsReadOnlyMethod readOnly;
  const char* icon = nullptr;
  unsigned flags = kKyRowPlain;
  const char* iconFolder = nullptr;
};

// The hidden match-properties row of an extension ("MATCHPROP_<Type>").
struct KyMatchPropCarrier
{
  const char* name; // Latin-1, not translated
  CKyGetMethod getter;
  CKySetMethod setter;
};

struct KyPropertyTable
{
  const KyPropertyRow* rows;
  std::size_t count;
  const KyMatchPropCarrier* carrier = nullptr;
};

template <std::size_t N>
KyPropertyTable KyTable(const KyPropertyRow (&rows)[N], const KyMatchPropCarrier* carrier = nullptr)
{
  return KyPropertyTable{rows, N, carrier};
}

// Icon paths of a row: ":/<Folder>/<Folder>_<Icon>.png" and its svg twin.
CKyString KyIconPath(const char* folder, const char* icon);
CKyString KyDarkIconPath(const char* folder, const char* icon);

// Appends the table's descriptions to the list (and the carrier last).
void KyBuildDescriptions(const KyPropertyTable& table, KyDescriptionList& names);

// Steps 2 to 6 of one extension level's GetPropertyNames, after the base level has run:
// checks the extension class, the container and the object class, builds the list on first
// use and adds it when the object class matches.
void KyCollectLevel(CKyPropertiesContainer* container, const OdRxClass* objectClass,
                    const OdRxClass* extensionClass, bool skipAdd, const OdRxClass* levelClass,
                    const OdRxClass* objectLevelClass, KyDescriptionList& names, const KyPropertyTable& table);

// A per-call description for GetPropertyNamesDynamic; the container takes ownership.
struct KyDynamicRow
{
  const char* category; // key in "property_groups"
  CKyString name;       // already translated
  CKyVariant::_Type type;
  const CKyString* guid;
  CKyGetMethod getter;
  CKySetMethod setter;
  CKyIsReadOnlyMethod readOnly;
  CKyString icon;
  CKyString darkIcon;
  CKyGroupActionMethod groupAction = nullptr;
  CKyString description;
};
CKyPropertyDescriptionImpl* KyNewDynamicDescription(const KyDynamicRow& row);

// Whether the container already holds a row of that (translated) name and category. Kinds whose
// GetPropertyNames runs their dynamic pass itself test their first per-object row with it, so
// that the palette's own dynamic pass adds nothing twice.
bool KyHoldsRow(const CKyPropertiesContainer* container, const CKyString& name, const CKyString& category);

#endif
