// The per-object annotation rows that annotative kinds add in their dynamic pass (annotative
// flag, annotation scale, sheet sizes, orientation to the sheet): the values they share and the
// plumbing that adds them and adjusts listed rows already in the container.
#ifndef KY_ANNOTATION_ROWS_H
#define KY_ANNOTATION_ROWS_H

#include <cstddef>

#include <QCoreApplication>

#include "DbObject.h"
#include "KyAccessors.h"
#include "KyPropertiesContainer.h"
#include "KyPropertyDescription.h"
#include "KyTexts.h"
#include "KyVariant.h"

// Scale factor (paper units / drawing units) of the scale that the annotation service reports as
// the object's current one, looked up by name in the object's drawing; 1.0 when there is none.
double KyAnnotationScaleFactor(const OdDbObject* object);
// A model size as shown on the sheet: value × factor, or the value itself when the factor lies
// within ±1e-10.
double KySheetSize(double value, double factor);

// "Match orientation to sheet": Yes when the object carries extended data of "AcadAnnoPO".
CKyVariant KyMatchOrientationList(const OdDbObject* object);
// The object must be open for write. Tag 1 registers the application when it is missing and
// writes (1001 "AcadAnnoPO") (1070 1); other tags remove that data. -5001 when the value is not
// a list element, else 5100.
int KySetMatchOrientation(OdDbObject* object, const CKyVariant& value);

// True when a row's name (taken once from its description; dispatchers test several names) is
// the text.
inline bool KyIsNamed(const CKyString& name, const KyText& text)
{
  return name == text.get();
}

// The entry of a dispatcher's table whose name (the KyText `nameOf(entry)` gives) is the row's,
// or null. Gathering asks row after row, in table order, for its value and then its read-only
// state, so the entry found last and the one after it are tried before the whole table.
template <class Row, std::size_t N, class NameOf>
const Row* KyRowNamed(const Row (&rows)[N], const CKyString& name, NameOf nameOf)
{
  static std::size_t last = N;
  if (last < N)
  {
    if (KyIsNamed(name, nameOf(rows[last])))
      return &rows[last];
    if (last + 1 < N && KyIsNamed(name, nameOf(rows[last + 1])))
      return &rows[++last];
  }
  for (std::size_t i = 0; i < N; ++i)
    if (KyIsNamed(name, nameOf(rows[i])))
    {
      last = i;
      return &rows[i];
    }
  return nullptr;
}

// The accessors of one per-object row, for the extensions whose dynamic accessors dispatch on
// the row's name through a table of these.
struct KyDynamicRowAccessors
{
  const KyText* name;
  CKyGetMethod get;
  // Null: the row takes any value and changes nothing.
  CKySetMethod set;
};

inline const KyText& KyDynamicRowName(const KyDynamicRowAccessors& row)
{
  return *row.name;
}

// The value of the row the table names (empty for a row it lacks).
template <std::size_t N>
CKyVariant KyGetDynamicRow(const KyDynamicRowAccessors (&rows)[N], const OdDbObject* object,
                           const CKyPropertyDescription& description, const CKyVariant& context)
{
  const KyDynamicRowAccessors* row = KyRowNamed(rows, description.GetName(), &KyDynamicRowName);
  return row ? row->get(object, description, context) : CKyVariant();
}

// The write of the row the table names: 5100 for a row it lacks or that takes nothing.
template <std::size_t N>
int KySetDynamicRow(const KyDynamicRowAccessors (&rows)[N], const OdDbObject* object,
                    const CKyPropertyDescription& description, const CKyVariant& value, const CKyVariant& context)
{
  const KyDynamicRowAccessors* row = KyRowNamed(rows, description.GetName(), &KyDynamicRowName);
  return row && row->set ? row->set(object, description, value, context) : kKyAccepted;
}

// The group action of the "Annotative Scale" rows: the dialog that adds and removes the scales of
// the objects. Other rows have none.
CKyVariant KyAnnotationScaleAction(const OdArray<OdDbObjectId>& ids, const CKyPropertyDescription& description);

// One per-object annotation row; name in "property_types", icons :/<Folder>/<Folder>_<Icon>.
struct KyAnnotationRow
{
  const char* name;
  CKyVariant::_Type type;
  const CKyString* guid;
  const char* iconFolder;
  const char* icon;
  bool groupAction;
};

// Names (keys in "property_types") of the rows every annotative kind adds; their dispatchers
// compare a row's name with these.
constexpr const char* kKyAnnotativeKey = QT_TRANSLATE_NOOP("property_types", "Annotative");
constexpr const char* kKyAnnotativeScaleKey = QT_TRANSLATE_NOOP("property_types", "Annotative Scale");
constexpr const char* kKySheetTextHeightKey = QT_TRANSLATE_NOOP("property_types", "Sheet text height");
constexpr const char* kKyMatchOrientationKey = QT_TRANSLATE_NOOP("property_types", "Match orientation to sheet");
// Their translations, for the dispatchers.
extern const KyText kKyAnnotativeName;
extern const KyText kKyAnnotativeScaleName;
extern const KyText kKySheetTextHeightName;
extern const KyText kKyMatchOrientationName;
// The text kinds' category, and the name their listed height row takes while the object is
// annotative (read-only beside "Sheet text height").
constexpr const char* kKyTextGroupKey = QT_TRANSLATE_NOOP("property_groups", "Text");
constexpr const char* kKyModelTextHeightKey = QT_TRANSLATE_NOOP("property_types", "Model text height");
extern const KyText kKyTextGroup;
extern const KyText kKyModelTextHeightName;

// The rows every annotative kind adds: "Annotative" (a Yes/No list), "Annotative Scale" (with the
// group action), "Sheet text height" and "Match orientation to sheet" (a Yes/No list).
extern const KyAnnotationRow kKyAnnotativeRow;
extern const KyAnnotationRow kKyAnnotativeScaleRow;
extern const KyAnnotationRow kKySheetTextHeightRow;
extern const KyAnnotationRow kKyMatchOrientationRow;

// What every row of one extension's annotation family shares: the category (key in
// "property_groups"), the accessors, and the description of the rows with the group action
// (`groupKey` translated in `groupContext`). One static instance per extension.
struct KyAnnotationFamily
{
  const char* category;
  CKyGetMethod getter;
  CKySetMethod setter;
  CKyIsReadOnlyMethod readOnly;
  CKyGroupActionMethod groupAction;
  const char* groupContext;
  const char* groupKey;
};

// Adds one new (owned) description per row, in order. Each is a copy of a prototype made once per
// module session for the (family, row) pair, so rows and families must be static objects.
void KyAddAnnotationRows(CKyPropertiesContainer* container, const KyAnnotationFamily& family,
                         const KyAnnotationRow* const* rows, std::size_t count);
template <std::size_t N>
void KyAddAnnotationRows(CKyPropertiesContainer* container, const KyAnnotationFamily& family,
                         const KyAnnotationRow* const (&rows)[N])
{
  KyAddAnnotationRows(container, family, rows, N);
}

// Finds a listed row in a container by name and category. Listed rows stand at the same place
// for every object of a kind, so the places where the row was found for the last two kinds are
// tried before the container is searched (a container's own search goes row by row). Listed rows
// are unique by name within their category, so any row found there is the one the search finds.
// One static finder per place that looks a row up.
class KyListedRowFinder
{
public:
  CKyPropertyDescription* find(CKyPropertiesContainer* container, const CKyString& name, const CKyString& category);

private:
  int m_places[2] = {-1, -1};
};

// Turns a listed row already in the container (found by its translated name in the category)
// into another: new name, read-only predicate and icons, empty light icon. The description is
// the extension's shared one, so the change lasts until a later pass turns it back. Nothing
// happens when the container does not hold the row. Both names are looked up with `finder`: the
// row keeps its place under either.
void KyRenameListedRow(CKyPropertiesContainer* container, KyListedRowFinder& finder, const KyText& category,
                       const KyText& from, const KyText& to, CKyIsReadOnlyMethod readOnly, const char* iconFolder,
                       const char* icon);

#endif
