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
  // Take ownership first so that the row is not leaked if making room fails; once there is room
  // in both lists nothing below can fail.
  std::unique_ptr<CKyPropertyDescriptionImpl> owned(description);
  m_owned.reserve(m_owned.size() + 1);
  m_rows.reserve(m_rows.size() + 1);
  m_owned.push_back(owned.release());
  m_rows.push_back(description);
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
