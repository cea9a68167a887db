// CKyPropertiesContainerImpl: ordered rows with per-row ownership, and the active container.
#include "KyPropertiesContainer.h"

#include <algorithm>
#include <typeinfo>

namespace
{
CKyPropertiesContainerImpl* s_active = nullptr;
}

CKyPropertiesContainerImpl::~CKyPropertiesContainerImpl()
{
  Clear();
  if (s_active == this)
    s_active = nullptr;
}

void CKyPropertiesContainerImpl::Add(const OdArray<const CKyPropertyDescription*>& descriptions)
{
  const CKyPropertyDescription* const* rows = descriptions.getPtr();
  const std::size_t count = descriptions.size();
  for (std::size_t i = 0; i < count; ++i)
    if (!rows[i])
      throw OdError(eNullObjectPointer);
  m_rows.insert(m_rows.end(), rows, rows + count);
}

void CKyPropertiesContainerImpl::AddDynamic(CKyPropertyDescriptionImpl* description)
{
  if (!description)
    throw OdError(eNullObjectPointer);
  if (std::find(m_owned.begin(), m_owned.end(), description) != m_owned.end())
    throw OdError(eDuplicateKey);
  // Make room in both lists first (the row is deleted if that fails, as it is owned from here);
  // nothing below can fail then. Room is nearly always there: the container is refilled for
  // every object and keeps its capacity.
  if (m_owned.size() == m_owned.capacity() || m_rows.size() == m_rows.capacity())
    MakeRoom(description);
  m_owned.push_back(description);
  m_rows.push_back(description);
}

void CKyPropertiesContainerImpl::MakeRoom(CKyPropertyDescriptionImpl* description)
{
  // Doubled, so that adding many rows (a table's cells) stays linear.
  std::unique_ptr<CKyPropertyDescriptionImpl> owned(description);
  m_owned.reserve(std::max<std::size_t>(8, 2 * m_owned.size()));
  m_rows.reserve(std::max<std::size_t>(8, 2 * m_rows.size()));
  owned.release();
}

CKyPropertyDescription* CKyPropertiesContainerImpl::GetByName(const CKyString& name, const CKyString& category) const
{
  for (const CKyPropertyDescription* row : m_rows)
  {
    // The host's own descriptions are compared in place; others through their interface.
    if (typeid(*row) == typeid(CKyPropertyDescriptionImpl))
    {
      const auto* impl = static_cast<const CKyPropertyDescriptionImpl*>(row);
      if (impl->Name() == name && (category.isEmpty() || impl->Category() == category))
        return const_cast<CKyPropertyDescription*>(row);
      continue;
    }
    if (row->GetName() != name)
      continue;
    if (!category.isEmpty() && row->GetCategory() != category)
      continue;
    // Extensions adjust rows that a base level added (for example their read-only predicate).
    return const_cast<CKyPropertyDescription*>(row);
  }
  return nullptr;
}

void CKyPropertiesContainerImpl::ThrowInvalidIndex()
{
  throw OdError_InvalidIndex();
}

bool CKyPropertiesContainerImpl::IsOwned(int index) const
{
  if (index < 0 || index >= GetCount())
    throw OdError_InvalidIndex();
  const CKyPropertyDescription* row = m_rows[static_cast<std::size_t>(index)];
  return std::find(m_owned.begin(), m_owned.end(), row) != m_owned.end();
}

// Keeps the capacity: the palette clears and refills one container for every selected object.
void CKyPropertiesContainerImpl::Clear()
{
  for (CKyPropertyDescriptionImpl* row : m_owned)
    delete row;
  m_owned.clear();
  m_rows.clear();
}

CKyPropertiesContainerImpl* CKyPropertiesContainerImpl::Active()
{
  return s_active;
}

void CKyPropertiesContainerImpl::SetActive(CKyPropertiesContainerImpl* container)
{
  s_active = container;
}
