// The recurring accessor shapes, written once: opening checks of getters and setters, value
// extraction with the tag test, UCS coordinate components, value lists, the per-element index
// taken from the context, and refusals shown to the user.
#ifndef KY_ACCESSORS_H
#define KY_ACCESSORS_H

#include <cmath>

#include "DbObject.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"
#include "KyDatabase.h"
#include "KyPropertyDescription.h"
#include "KyVariant.h"

const int kKyAccepted = 5100;
const int kKyRefused = -5001;

// An object the palette hands to an accessor, seen as one of its classes. The palette holds the
// object for the whole call, so the accessor borrows it without counting a reference.
template <class T>
class KyOpened
{
public:
  explicit KyOpened(T* object = nullptr) : m_object(object) {}
  bool isNull() const { return m_object == nullptr; }
  T* get() const { return m_object; }
  T* operator->() const { return m_object; }
  operator T*() const { return m_object; }

private:
  T* m_object;
};

// The object as T when it is of that class, whatever its open state; null otherwise (read-only
// predicates, which only look at what the palette already holds).
template <class T>
KyOpened<T> KyAs(const OdDbObject* object)
{
  if (!object || !object->isKindOf(T::desc()))
    return KyOpened<T>();
  return KyOpened<T>(static_cast<T*>(const_cast<OdDbObject*>(object)));
}

// The object as T when it is of that class and open for read; null otherwise. T is a database
// class, so a class test does what a protocol query would, without walking the extensions of
// every level (every getter of every row starts here).
template <class T>
KyOpened<T> KyForRead(const OdDbObject* object)
{
  if (!object || !object->isKindOf(T::desc()) || !object->isReadEnabled())
    return KyOpened<T>();
  return KyOpened<T>(static_cast<T*>(const_cast<OdDbObject*>(object)));
}

// The object as T when it is of that class and open for write; null otherwise.
template <class T>
KyOpened<T> KyForWrite(const OdDbObject* object)
{
  if (!object || !object->isKindOf(T::desc()) || !object->isWriteEnabled())
    return KyOpened<T>();
  return KyOpened<T>(static_cast<T*>(const_cast<OdDbObject*>(object)));
}

// A finite double of tag 2; false for another tag or a non-finite number (NaN and infinities
// never reach a drawing object).
bool KyDoubleOf(const CKyVariant& value, double& out);
// The framework's double conversion of any value (used by the few setters without a tag test);
// false when the result is not finite.
bool KyAnyDoubleOf(const CKyVariant& value, double& out);
inline bool KyIsZero(double v, double tol = 1e-10) { return v <= tol && v >= -tol; }
inline bool KyIsFinite(const OdGePoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

// Zero-based element index carried by the context (an integer), else 0.
int KyContextIndex(const CKyVariant& context);
// True when the context asks for the bare number instead of formatted text.
bool KyWantsNumber(const CKyVariant& context);

// Shows a message translated in "errors" with the caption "Error" and returns -5001.
// Pass the key through QT_TRANSLATE_NOOP("errors", ...).
int KyRefuseWithMessage(const char* errorKey);

// UCS coordinates. The component getter converts a world point to the current UCS of the
// object's database; the setter compares the new component exactly with the present one and
// writes nothing when they are equal.
enum KyAxis
{
  kKyAxisX = 0,
  kKyAxisY = 1,
  kKyAxisZ = 2
};
double KyComponent(const OdGePoint3d& p, KyAxis axis);
void KySetComponent(OdGePoint3d& p, KyAxis axis, double v);
OdGePoint3d KyWorldToUcs(const OdDbObject* object, const OdGePoint3d& world);
OdGePoint3d KyUcsToWorld(const OdDbObject* object, const OdGePoint3d& ucs);
CKyVariant KyUcsComponent(const OdDbObject* object, const OdGePoint3d& world, KyAxis axis);

// Replaces one UCS component of a world point. Returns false (and leaves `world`) when the value
// is not a finite double or the moved point is not finite in world coordinates; sets `changed`
// false when the component already has that value.
bool KyReplaceUcsComponent(const OdDbObject* object, OdGePoint3d& world, KyAxis axis,
                           const CKyVariant& value, bool& changed);

// Setter shape of a UCS component: `write(newWorldPoint)` is called only when the component
// changes. Returns 5100 or -5001.
template <class Write>
int KySetUcsComponent(const OdDbObject* object, OdGePoint3d world, KyAxis axis, const CKyVariant& value,
                      Write write)
{
  bool changed = false;
  if (!KyReplaceUcsComponent(object, world, axis, value, changed))
    return kKyRefused;
  if (changed)
    write(world);
  return kKyAccepted;
}

// Per-element points (vertices, control points, fit points): the element is the one the context
// names (KyContextIndex). `read(index, world)` gives its world point, false when there is none
// (the getter then answers the empty variant and the setter -5001); `write(index, world)` is
// called only when the UCS component changes.
template <class Read>
CKyVariant KyElementUcsComponent(const OdDbObject* object, const CKyVariant& context, KyAxis axis, Read read)
{
  OdGePoint3d world;
  if (!read(KyContextIndex(context), world))
    return CKyVariant();
  return KyUcsComponent(object, world, axis);
}
template <class Read, class Write>
int KySetElementUcsComponent(const OdDbObject* object, const CKyVariant& value, const CKyVariant& context,
                             KyAxis axis, Read read, Write write)
{
  const int index = KyContextIndex(context);
  OdGePoint3d world;
  if (!read(index, world))
    return kKyRefused;
  return KySetUcsComponent(object, world, axis, value, [&](const OdGePoint3d& p) { write(index, p); });
}

// Whether a planar object with the normal lies parallel to the XY plane of the active viewport's
// UCS (the normal codirectional with the UCS Z axis): only then are its vertices edited in the
// palette. False without an active drawing or viewport to compare with.
bool KyIsParallelToActiveUcs(const OdGeVector3d& normal);

// Value lists: one (code, text) pair per choice; texts are keys in "property_values".
struct KyChoice
{
  int code;
  const char* text;
};
template <std::size_t N>
CKyVariant KyChoiceList(const KyChoice (&choices)[N], int currentCode)
{
  return KyChoiceList(choices, N, currentCode);
}
CKyVariant KyChoiceList(const KyChoice* choices, std::size_t count, int currentCode);
// The Yes/No list: (1, "Yes"), (0, "No"); current index 0 when `yes`.
CKyVariant KyYesNoList(bool yes);
// The translated text "Yes" or "No" alone (read-only rows and listings), remembered per session.
const CKyString& KyYesNoText(bool yes);
// The chosen element's tag; false when the value is not a list element.
bool KyChosenCode(const CKyVariant& value, int& code);

// Setter of a value list with the codes 1 (on) and 0 (off) on a T open for write: calls
// apply(object, on) for those codes, changes nothing for other codes; -5001 for a wrong object
// or a value that is not a list element.
template <class T, class Apply>
int KySetOnOff(const OdDbObject* object, const CKyVariant& value, Apply apply)
{
  const KyOpened<T> opened = KyForWrite<T>(object);
  int code = 0;
  if (opened.isNull() || !KyChosenCode(value, code))
    return kKyRefused;
  if (code == 1 || code == 0)
    apply(opened.get(), code == 1);
  return kKyAccepted;
}

// Per-element selector: elements 1..count, tag and value alike, current index 0.
CKyVariant KyElementSelector(int count);

// A size measure (radius, diameter, circumference): a finite double of tag 2 other than exactly 0,
// taken by its absolute value. Zero is refused without a message.
bool KySizeOf(const CKyVariant& value, double& out);

// One component of a normal vector as the palette shows it: the vector is put through the
// world-to-UCS point transform, so a UCS origin away from the world origin offsets it.
CKyVariant KyNormalComponent(const OdDbObject* object, const OdGeVector3d& normal, KyAxis axis);

// The units service of the active drawing (the object's own database when no drawing is active);
// invalid when there is neither.
CKyDatabase KyUnitsOf(const OdDbObject* object);

// An area as the palette shows it: the bare number (unit-bearing) for the context 1111.0, else
// text. In engineering and architectural units (3, 4) the text is `sqInchTemplate` (the caller's
// translation of "%1 sq. in. (%2 sq. ft.)") with the area and the area / 144 in decimal; in other
// units the area in the drawing's settings. Empty when there are no units to format with.
CKyVariant KyAreaValue(const OdDbObject* object, double area, const CKyVariant& context,
                       const CKyString& sqInchTemplate);

#endif
