// Building dynamic block definitions in tests: parameters named and bound to the definition's
// entities in one call.
#ifndef KY_TEST_DYN_BLOCKS_H
#define KY_TEST_DYN_BLOCKS_H

#include <initializer_list>

#include "DbBlockParameter.h"
#include "DbBlockTableRecord.h"
#include "DbDynBlockReference.h"

inline OdUInt32Array kyIndices(std::initializer_list<OdUInt32> list)
{
  OdUInt32Array out;
  for (OdUInt32 i : list)
    out.push_back(i);
  return out;
}

// Names the parameter, binds it to the entities at `selection` (by position in the definition)
// and adds it to the definition, which must be open for write.
inline OdDbObjectId kyAddParameter(OdDbBlockTableRecord* definition, OdDbBlockParameter* parameter,
                                   const OdString& name, std::initializer_list<OdUInt32> selection = {})
{
  return OdDbDynBlockReference::addParameter(definition, parameter, name, kyIndices(selection));
}

#endif
