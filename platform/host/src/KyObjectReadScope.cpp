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
    s_memo.forgetAnswers();
    return nullptr;
  }
  return &s_memo;
}
} // namespace

KyReadScopeMemo* kyReadScopeFor(const OdDbObjectId& id)
{
  if (!s_memo.object || id.isNull())
    return nullptr;
  if (!s_memo.id)
    s_memo.id = s_memo.object->objectId();
  return id == *s_memo.id ? usable() : nullptr;
}

void kyForgetReadScopeAnswers()
{
  s_memo.forgetAnswers();
}

namespace
{
void openFor(const OdDbObject* pObj)
{
  s_memo.forgetAnswers();
  s_memo.id.reset();
  s_memo.object = pObj;
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
