// Match properties: the copy routines shared by several extensions (CKyMatchPropHelper) and the
// accessor shapes of every hidden "MATCHPROP_<Type>" row. The getter answers the object's own id;
// the setter receives the source's id, opens the source for read and, when it is of a kind the
// row accepts, copies that family of properties onto the object being written.
#ifndef KY_MATCH_PROP_HELPER_H
#define KY_MATCH_PROP_HELPER_H

#include "DbEntity.h"
#include "KyAccessors.h"
#include "KyVariant.h"

class CKyMatchPropHelper
{
public:
  // The target dimension takes the source's style and every dimension variable in force on the
  // source, overrides included; its own overrides are gone. Leaders and feature control frames
  // have no class in this build: other kinds raise OdError_NotThatKindOfClass, and a temporary
  // style record that cannot be made raises OdError(255).
  static void matchDimensionProps(const OdDbEntityPtr& source, const OdDbEntityPtr& target);
  // Linetype generation and one representative width of a lightweight polyline. The other kind
  // this routine serves, the 2D polyline, has no class in this build, so every other source or
  // target raises OdError_NotThatKindOfClass.
  static void matchPolylineProps(const OdDbEntityPtr& source, const OdDbEntityPtr& target);
  // Style, rotation and height between single-line and multiline text in any combination; from
  // a single-line source also oblique angle and width factor, from a multiline source its
  // attachment and background fill. Other kinds raise OdError_NotThatKindOfClass.
  static void matchTextProps(const OdDbEntityPtr& source, const OdDbEntityPtr& target);
};

// The copy step of a match-properties setter: reads `source`, writes `target` (open for write).
typedef void (*KyMatchRoutine)(const OdDbEntityPtr& source, const OdDbEntityPtr& target);
// Whether a source object is of a kind the row accepts.
typedef bool (*KyMatchSourceTest)(const OdDbObject* source);

// True when the object is of one of the classes.
template <class... Kinds>
bool KyIsKindOf(const OdDbObject* object)
{
  return object && (... || object->isKindOf(Kinds::desc()));
}

// Getter of a "MATCHPROP_<Type>" row: the object's id when it is a Target open for read.
template <class Target>
CKyVariant KyMatchPropGetter(const OdDbObject* object)
{
  return KyForRead<Target>(object).isNull() ? CKyVariant() : CKyVariant(object->objectId());
}

// Steps after the target test: the value must be an object id (tag 8) of a source that opens
// for read and passes `acceptsSource`, else -5001 and nothing is copied; then both are taken as
// entities and `routine(source, target)` runs; 5100.
int KyApplyMatchProp(const OdDbObject* target, const CKyVariant& value, KyMatchSourceTest acceptsSource,
                     KyMatchRoutine routine);

// Setter of a "MATCHPROP_<Type>" row: the object must be a Target open for write, else -5001.
template <class Target>
int KyMatchPropSetter(const OdDbObject* object, const CKyVariant& value, KyMatchSourceTest acceptsSource,
                      KyMatchRoutine routine)
{
  if (KyForWrite<Target>(object).isNull())
    return kKyRefused;
  return KyApplyMatchProp(object, value, acceptsSource, routine);
}

#endif
