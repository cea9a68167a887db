// Intrusive smart pointers of the SDK. Assigning an object of another class queries it for the
// pointer's class and raises OdError_NotThatKindOfClass when it is not of that kind.
#ifndef OD_SMART_PTR_H
#define OD_SMART_PTR_H

#include "OdError.h"

class OdRxObject;
class OdRxClass;
[[noreturn]] void odThrowNotThatKindOfClass(const OdRxObject* pObject, const OdRxClass* pExpected);

template <class T>
class OdSmartPtr
{
public:
  OdSmartPtr() = default;
  OdSmartPtr(std::nullptr_t) {}
  // Takes over a reference the caller already owns.
  OdSmartPtr(const T* pObject, OdRxObjMod) : m_p(const_cast<T*>(pObject)) {}
  OdSmartPtr(const T* pObject) : m_p(const_cast<T*>(pObject)) { addRef(); }
  OdSmartPtr(const OdSmartPtr& other) : m_p(other.m_p) { addRef(); }
  OdSmartPtr(OdSmartPtr&& other) noexcept : m_p(other.m_p) { other.m_p = 0; }
  // Checked conversions from any other run-time object.
  template <class U, typename = std::enable_if_t<!std::is_same<U, T>::value>>
  OdSmartPtr(const OdSmartPtr<U>& other) { assignQueried(other.get()); }
  template <class U, typename = std::enable_if_t<!std::is_same<U, T>::value &&
                                                 !std::is_base_of<T, U>::value>>
  OdSmartPtr(const U* pObject, int = 0) { assignQueried(pObject); }
  ~OdSmartPtr() { release(); }

  OdSmartPtr& operator=(const OdSmartPtr& other)
  {
    if (m_p != other.m_p)
    {
      T* old = m_p;
      m_p = other.m_p;
      addRef();
      if (old)
        old->release();
    }
    return *this;
  }
  OdSmartPtr& operator=(OdSmartPtr&& other) noexcept
  {
    if (this != &other)
    {
      release();
      m_p = other.m_p;
      other.m_p = 0;
    }
    return *this;
  }
  OdSmartPtr& operator=(const T* pObject)
  {
    OdSmartPtr tmp(pObject);
    return *this = std::move(tmp);
  }
  template <class U, typename = std::enable_if_t<!std::is_same<U, T>::value>>
  OdSmartPtr& operator=(const OdSmartPtr<U>& other)
  {
    OdSmartPtr tmp(other);
    return *this = std::move(tmp);
  }

  void attach(const T* pObject) { release(); m_p = const_cast<T*>(pObject); }
  T* detach() { T* p = m_p; m_p = 0; return p; }
  void release() { if (m_p) { T* p = m_p; m_p = 0; p->release(); } }

  T* get() const { return m_p; }
  T* operator->() const
  {
    if (!m_p)
      throw OdError(eNullObjectPointer);
    return m_p;
  }
  T& operator*() const { return *operator->(); }
  operator T*() const { return m_p; }
  bool isNull() const { return m_p == 0; }
  bool operator!() const { return m_p == 0; }
  // Both constnesses, so that a comparison with a plain pointer does not compete with the
  // built-in one reached through the conversion above.
  bool operator==(const T* p) const { return m_p == p; }
  bool operator!=(const T* p) const { return m_p != p; }
  bool operator==(T* p) const { return m_p == p; }
  bool operator!=(T* p) const { return m_p != p; }
  bool operator==(std::nullptr_t) const { return m_p == 0; }
  bool operator!=(std::nullptr_t) const { return m_p != 0; }

private:
  void addRef() { if (m_p) m_p->addRef(); }
  template <class U>
  void assignQueried(const U* pObject)
  {
    m_p = 0;
    if (!pObject)
      return;
    const OdRxObject* pRx = pObject;
    m_p = static_cast<T*>(pRx->queryX(T::desc()));
    if (!m_p)
      odThrowNotThatKindOfClass(pRx, T::desc());
  }

  T* m_p = 0;
};

#endif
