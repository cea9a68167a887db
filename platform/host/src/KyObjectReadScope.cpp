// CKyObjectReadScope and the answers it remembers.
#include "KyObjectReadScope.h"

#include "KyReadScopeMemo.h"

namespace
{
KyReadScopeMemo s_memo;

KyReadScopeMemo* usable()
{
  if (!s_memo.object)
    return nullptr;
  // Something writes to the object after all: answers given before may be stale.
  if (s_memo.object->isWriteEnabled())
  {
    s_memo.forget(false);
    return nullptr;
  }
  return &s_memo;
}
} // namespace

void KyReadScopeMemo::forget(bool forgetId)
{
  if (forgetId && knowsId)
  {
    id = OdDbObjectId();
    knowsId = false;
  }
  if (!remembers)
    return;
  knowsAnnotative = false;
  knowsCurrentScale = false;
  currentScale = CKyString();
  scalesByName.clear();
  remembers = false;
}

KyReadScopeMemo* kyReadScopeFor(const OdDbObjectId& id)
{
  if (!s_memo.object || id.isNull())
    return nullptr;
  if (!s_memo.knowsId)
  {
    s_memo.id = s_memo.object->objectId();
    s_memo.knowsId = true;
  }
  return id == s_memo.id ? usable() : nullptr;
}

KyReadScopeMemo* kyReadScopeIn(const OdDbDatabase* pDb)
{
  return s_memo.object && pDb && pDb == s_memo.database ? usable() : nullptr;
}

void kyForgetReadScopeAnswers()
{
  s_memo.forget(false);
}

namespace
{
void openFor(const OdDbObject* pObj)
{
  s_memo.forget(true);
  s_memo.object = pObj;
  s_memo.database = pObj ? pObj->database() : nullptr;
}
} // namespace

CKyObjectReadScope::CKyObjectReadScope(const OdDbObject* pObj) : m_previous(s_memo.object)
{
  openFor(pObj);
}

CKyObjectReadScope::~CKyObjectReadScope()
{
  openFor(m_previous);
}
