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

KyConstraints::Helper::Helper(CKyDocument* pDocument, int operation, const OdDbObjectId& blockRecordId)
  : m_pDocument(pDocument)
  , m_operation(operation)
  , m_blockRecordId(blockRecordId)
{
  if (CKyConstraintUtils* utils = GetConstraintUtils())
    utils->BeginBlockOperation(m_pDocument, m_operation, m_blockRecordId);
}

KyConstraints::Helper::~Helper()
{
  // The service in place when the scope ends hears of it, as the host's own helper does.
  if (CKyConstraintUtils* utils = GetConstraintUtils())
    utils->EndBlockOperation(m_pDocument, m_operation, m_blockRecordId);
}

bool KyCurvesHelper::IsDimensionAssociated(const OdDbEntity* pEnt)
{
  if (!pEnt || !pEnt->isKindOf(OdDbDimension::desc()))
    return false;
  OdDbDictionaryPtr pDict = OdDbDictionary::cast(pEnt->extensionDictionary().openObject().get());
  return !pDict.isNull() && pDict->has(L"ACAD_DIMASSOC");
}
