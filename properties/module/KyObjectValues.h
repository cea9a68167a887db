// Accessor shapes over one value of an object of a database class T: a UCS component of a point
// and a plain double, each as a getter and a setter, and the angle as angle rows show it. The
// lambdas name the T call, so each accessor stays one line.
#ifndef KY_OBJECT_VALUES_H
#define KY_OBJECT_VALUES_H

#include "Ge/GeGbl.h"
#include "KyAccessors.h"

// Position rows of a T: `read(T*)` gives the world point, `write(T*, world)` is called only when
// the UCS component changes. Empty / -5001 when the object is not a T open for read / write.
template <class T, class Read>
CKyVariant KyObjectUcsComponent(const OdDbObject* object, KyAxis axis, Read read)
{
  const KyOpened<T> opened = KyForRead<T>(object);
  return opened.isNull() ? CKyVariant() : KyUcsComponent(object, read(opened.get()), axis);
}
template <class T, class Read, class Write>
int KySetObjectUcsComponent(const OdDbObject* object, KyAxis axis, const CKyVariant& value, Read read, Write write)
{
  const KyOpened<T> opened = KyForWrite<T>(object);
  if (opened.isNull())
    return kKyRefused;
  return KySetUcsComponent(object, read(opened.get()), axis, value,
                           [&](const OdGePoint3d& p) { write(opened.get(), p); });
}

// Double rows of a T: the getter shows `read(T*)` (unit-bearing), empty when the object is not a
// T open for read; the setter takes a finite double of tag 2 and calls `write(T*, value)`, -5001
// for another object or value.
template <class T, class Read>
CKyVariant KyGetDouble(const OdDbObject* object, Read read)
{
  const KyOpened<T> opened = KyForRead<T>(object);
  return opened.isNull() ? CKyVariant() : CKyVariant(read(opened.get()), true);
}
template <class T, class Write>
int KySetDouble(const OdDbObject* object, const CKyVariant& value, Write write)
{
  const KyOpened<T> opened = KyForWrite<T>(object);
  double v = 0.0;
  if (opened.isNull() || !KyDoubleOf(value, v))
    return kKyRefused;
  write(opened.get(), v);
  return kKyAccepted;
}

// An angle as angle rows show it: negative angles plus 2pi.
inline double KyShownAngle(double angle)
{
  return angle < 0.0 ? angle + Oda2PI : angle;
}

#endif
