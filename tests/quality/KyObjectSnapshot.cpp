// Object snapshots of the quality checks.
#include "KyObjectSnapshot.h"

#include <cmath>

KyObjectSnapshot::KyObjectSnapshot(const OdDbObject* object)
  : OdDbDxfTagList(object->database())
{
  object->dxfOut(this);
  const OdArray<OdString> names = object->fieldNames();
  for (unsigned i = 0; i < names.size(); ++i)
  {
    OdDbObjectPtr field = object->getField(names[i], OdDb::kForRead);
    if (!field.isNull())
      field->dxfOut(this);
  }
}

void KyObjectSnapshot::wrDouble(int groupCode, double value)
{
  if (!std::isfinite(value))
    ++m_nonFinite;
  OdDbDxfTagList::wrDouble(groupCode, value);
}
