// The database's handle index, and OdDbDatabase::setObjectHandle and setHandseed: moving a
// resident object to another handle and choosing the next handle given (file readers need them).
#include "DbInternal.h"

void OdDbHandleTable::grow()
{
  std::vector<OdDbStub*> old;
  old.swap(m_slots);
  // At least two runs, so that the shift in home() stays below 64.
  const std::size_t capacity = old.empty() ? std::size_t(2) << kRunBits : old.size() * 2;
  m_slots.assign(capacity, 0);
  m_mask = capacity - 1;
  m_shift = 64 + kRunBits;
  for (std::size_t c = capacity; c > 1; c >>= 1)
    --m_shift;
  for (OdDbStub* pStub : old)
    if (pStub)
      place(pStub);
}

void OdDbHandleTable::erase(OdUInt64 handle)
{
  if (m_slots.empty())
    return;
  std::size_t i = home(handle);
  for (;; i = (i + 1) & m_mask)
  {
    if (!m_slots[i])
      return;
    if (m_slots[i]->handle.value() == handle)
      break;
  }
  // Backward-shift deletion: later stubs of the probe run move into the gap when their home
  // slot does not lie between the gap and their present slot, so no tombstones are needed.
  std::size_t gap = i;
  for (std::size_t j = (gap + 1) & m_mask; m_slots[j]; j = (j + 1) & m_mask)
  {
    const std::size_t want = home(m_slots[j]->handle.value());
    if (((j - want) & m_mask) >= ((j - gap) & m_mask))
    {
      m_slots[gap] = m_slots[j];
      gap = j;
    }
  }
  m_slots[gap] = 0;
  --m_count;
}

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
  if (d.stubs.contains(handle.value()))
    throw OdError(eHandleInUse);
  d.stubs.erase(pStub->handle.value());
  pStub->handle = handle;
  d.stubs.insert(pStub);
  if (handle.value() >= d.seed)
    d.seed = handle.value() + 1;
}

void OdDbDatabase::setHandseed(const OdDbHandle& seed)
{
  if (seed.isNull())
    throw OdError(eNullHandle);
  m_pImpl->seed = seed.value();
}
