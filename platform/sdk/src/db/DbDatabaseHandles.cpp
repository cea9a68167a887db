// OdDbDatabase::setObjectHandle and setHandseed: moving a resident object to another handle and
// choosing the next handle given. Kept apart from the rest of the database because only file
// readers need them.
#include "DbInternal.h"

void OdDbDatabase::setObjectHandle(const OdDbObjectId& objectId, const OdDbHandle& handle)
{
  OdDbStub* pStub = objectId;
  if (!pStub)
    throw OdError(eNullObjectId);
  if (pStub->pDb != this || !pStub->pObject)
    throw OdError(eWrongDatabase);
  if (handle.isNull())
    throw OdError(eNullHandle);
  if (pStub->handle == handle)
    return;
  OdDbDatabaseImpl& d = *m_pImpl;
  if (d.stubs.count(handle.value()))
    throw OdError(eHandleInUse);
  d.stubs.erase(pStub->handle.value());
  pStub->handle = handle;
  d.stubs[handle.value()] = pStub;
  if (handle.value() >= d.seed)
    d.seed = handle.value() + 1;
}

void OdDbDatabase::setHandseed(const OdDbHandle& seed)
{
  if (seed.isNull())
    throw OdError(eNullHandle);
  m_pImpl->seed = seed.value();
}
