// The host's constraint service slot and the dimension association query.
#include "KyConstraints.h"
#include "KyCurvesHelper.h"

#include "DbDictionary.h"
#include "DbDimension.h"

namespace
{
CKyConstraintUtils* g_constraintUtils = nullptr;
}

CKyConstraintUtils* GetConstraintUtils()
{
  return g_constraintUtils;
}

CKyConstraintUtils* SetConstraintUtils(CKyConstraintUtils* utils)
{
  CKyConstraintUtils* former = g_constraintUtils;
  g_constraintUtils = utils;
  return former;
}

bool KyCurvesHelper::IsDimensionAssociated(const OdDbEntity* pEnt)
{
  if (!pEnt || !pEnt->isKindOf(OdDbDimension::desc()))
    return false;
  OdDbDictionaryPtr pDict = OdDbDictionary::cast(pEnt->extensionDictionary().openObject().get());
  return !pDict.isNull() && pDict->has(L"ACAD_DIMASSOC");
}
