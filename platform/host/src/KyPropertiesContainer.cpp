// CKyPropertiesContainerImpl: ordered rows with per-row ownership, and the active container.
#include "KyPropertiesContainer.h"

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
  for (const CKyPropertyDescription* description : descriptions)
    if (!description)
      throw OdError(eNullObjectPointer);
  m_rows.reserve(m_rows.size() + descriptions.size());
  for (const CKyPropertyDescription* description : descriptions)
    m_rows.emplace_back(description, false);
}

void CKyPropertiesContainerImpl::AddDynamic(CKyPropertyDescriptionImpl* description)
{
  if (!description)
    throw OdError(eNullObjectPointer);
  for (const Row& row : m_rows)
    if (row.owned && row.description == description)
      throw OdError(eDuplicateKey);
  // Take ownership first so that the row is not leaked if appending fails.
  std::unique_ptr<CKyPropertyDescriptionImpl> owned(description);
  m_rows.emplace_back(description, true);
  owned.release();
}

CKyPropertyDescription* CKyPropertiesContainerImpl::GetByName(const CKyString& name, const CKyString& category) const
{
  for (const Row& row : m_rows)
  {
    // The host's own descriptions are compared in place; others through their interface.
    if (typeid(*row.description) == typeid(CKyPropertyDescriptionImpl))
    {
      const auto* impl = static_cast<const CKyPropertyDescriptionImpl*>(row.description);
      if (impl->Name() == name && (category.isEmpty() || impl->Category() == category))
        return const_cast<CKyPropertyDescription*>(row.description);
      continue;
    }
    if (row.description->GetName() != name)
      continue;
    if (!category.isEmpty() && row.description->GetCategory() != category)
      continue;
    // Extensions adjust rows that a base level added (for example their read-only predicate).
    return const_cast<CKyPropertyDescription*>(row.description);
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
  return m_rows[static_cast<std::size_t>(index)].owned;
}

// Keeps the capacity: the palette clears and refills one container for every selected object.
void CKyPropertiesContainerImpl::Clear()
{
  for (const Row& row : m_rows)
    if (row.owned)
      delete row.description;
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
