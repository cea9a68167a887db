// Reference-counting implementations of OdRxObject: OdRxObjectImpl deletes itself when the last
// reference goes; OdStaticRxObject is owned by its container and ignores reference counting.
#ifndef OD_RX_OBJECT_IMPL_H
#define OD_RX_OBJECT_IMPL_H

#include <atomic>

#include "RxObject.h"

template <class T, class TInterface = T>
class OdRxObjectImpl : public T
{
  std::atomic<long> m_nRefCounter{1};

public:
  template <typename... Args>
  explicit OdRxObjectImpl(Args&&... args) : T(std::forward<Args>(args)...) {}

  static OdSmartPtr<TInterface> createObject()
  {
    return OdSmartPtr<TInterface>(static_cast<TInterface*>(new OdRxObjectImpl<T, TInterface>), kOdRxObjAttach);
  }

  void addRef() override { ++m_nRefCounter; }
  void release() override
  {
    ODA_ASSERT((m_nRefCounter > 0));
    if (--m_nRefCounter == 0)
      delete this;
  }
  long numRefs() const override { return m_nRefCounter; }
};

template <class T>
class OdStaticRxObject : public T
{
public:
  template <typename... Args>
  explicit OdStaticRxObject(Args&&... args) : T(std::forward<Args>(args)...) {}
  void addRef() override {}
  void release() override {}
  long numRefs() const override { return 1; }
};

#endif
