// The list of rows handed to the palette. Listed rows (Add) belong to the extension that built
// them; per-object rows (AddDynamic) belong to the container and are deleted by Clear or with it.
// The palette makes its container the active one while extensions gather their rows.
#ifndef KY_PROPERTIES_CONTAINER_H
#define KY_PROPERTIES_CONTAINER_H

#include <memory>
#include <vector>

#include "KyPropertyDescription.h"
#include "KyString.h"
#include "OdArray.h"

class CKyPropertiesContainer
{
public:
  virtual ~CKyPropertiesContainer() = default;

  // Appends the rows in order without taking ownership; null rows are refused (OdError
  // eNullObjectPointer) before anything is appended.
  virtual void Add(const OdArray<const CKyPropertyDescription*>& descriptions) = 0;
  // Appends one row and takes ownership; null or already owned rows raise OdError.
  virtual void AddDynamic(CKyPropertyDescriptionImpl* description) = 0;
  // The first row with this name and, unless the category is empty, this category; else null.
  virtual CKyPropertyDescription* GetByName(const CKyString& name, const CKyString& category) const = 0;
  virtual int GetCount() const = 0;
  // Throws OdError_InvalidIndex outside [0, GetCount()).
  virtual const CKyPropertyDescription* GetAt(int index) const = 0;
  // Removes every row and deletes the owned ones.
  virtual void Clear() = 0;
};

class CKyPropertiesContainerImpl : public CKyPropertiesContainer
{
public:
  CKyPropertiesContainerImpl() = default;
  CKyPropertiesContainerImpl(const CKyPropertiesContainerImpl&) = delete;
  CKyPropertiesContainerImpl& operator=(const CKyPropertiesContainerImpl&) = delete;
  // Deletes the owned rows; stops being the active container.
  ~CKyPropertiesContainerImpl() override;

  void Add(const OdArray<const CKyPropertyDescription*>& descriptions) override;
  void AddDynamic(CKyPropertyDescriptionImpl* description) override;
  CKyPropertyDescription* GetByName(const CKyString& name, const CKyString& category) const override;
  int GetCount() const override { return static_cast<int>(m_rows.size()); }
  const CKyPropertyDescription* GetAt(int index) const override
  {
    if (static_cast<unsigned>(index) >= m_rows.size())
      ThrowInvalidIndex();
    return m_rows[static_cast<std::size_t>(index)];
  }
  void Clear() override;

  // True when the row at index was added with AddDynamic.
  bool IsOwned(int index) const;

  // The container that extensions add to while the palette gathers rows (null when none).
  static CKyPropertiesContainerImpl* Active();
  static void SetActive(CKyPropertiesContainerImpl* container);

private:
  [[noreturn]] static void ThrowInvalidIndex();
  // Grows both lists for AddDynamic; deletes the description when that fails.
  void MakeRoom(CKyPropertyDescriptionImpl* description);

  // The rows in order (a listed list is appended in one copy), and those of them that were added
  // with AddDynamic (few: the per-object rows).
  std::vector<const CKyPropertyDescription*> m_rows;
  std::vector<CKyPropertyDescriptionImpl*> m_owned;
};

#endif
