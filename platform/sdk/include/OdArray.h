// Dynamic array of the SDK with its index-checked access. Out-of-range indices raise
// OdError_InvalidIndex, as the SDK does, instead of undefined behaviour.
#ifndef OD_ARRAY_H
#define OD_ARRAY_H

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "OdError.h"

template <class T>
class OdArray
{
public:
  typedef unsigned int size_type;
  typedef T value_type;
  typedef typename std::vector<T>::iterator iterator;
  typedef typename std::vector<T>::const_iterator const_iterator;

  OdArray() = default;
  explicit OdArray(size_type physicalLength, int /*growLength*/ = 8) { m_v.reserve(physicalLength); }
  OdArray(std::initializer_list<T> init) : m_v(init) {}

  size_type size() const { return static_cast<size_type>(m_v.size()); }
  size_type length() const { return size(); }
  size_type logicalLength() const { return size(); }
  size_type physicalLength() const { return static_cast<size_type>(m_v.capacity()); }
  bool isEmpty() const { return m_v.empty(); }
  bool empty() const { return m_v.empty(); }

  T& operator[](size_type i) { check(i); return m_v[i]; }
  const T& operator[](size_type i) const { check(i); return m_v[i]; }
  T& at(size_type i) { check(i); return m_v[i]; }
  const T& at(size_type i) const { check(i); return m_v[i]; }
  const T& getAt(size_type i) const { check(i); return m_v[i]; }
  OdArray& setAt(size_type i, const T& v) { check(i); m_v[i] = v; return *this; }
  T& first() { check(0); return m_v.front(); }
  const T& first() const { check(0); return m_v.front(); }
  T& last() { check(0); return m_v.back(); }
  const T& last() const { check(0); return m_v.back(); }

  size_type append(const T& v) { m_v.push_back(v); return size() - 1; }
  T& append() { m_v.emplace_back(); return m_v.back(); }
  OdArray& append(const OdArray& other) { m_v.insert(m_v.end(), other.m_v.begin(), other.m_v.end()); return *this; }
  void push_back(const T& v) { m_v.push_back(v); }
  OdArray& insertAt(size_type i, const T& v)
  {
    if (i > size())
      throw OdError_InvalidIndex();
    m_v.insert(m_v.begin() + i, v);
    return *this;
  }
  OdArray& removeAt(size_type i) { check(i); m_v.erase(m_v.begin() + i); return *this; }
  OdArray& removeFirst() { return removeAt(0); }
  OdArray& removeLast() { check(0); m_v.pop_back(); return *this; }
  OdArray& removeSubArray(size_type start, size_type end)
  {
    if (start > end || end >= size())
      throw OdError_InvalidIndex();
    m_v.erase(m_v.begin() + start, m_v.begin() + end + 1);
    return *this;
  }
  bool remove(const T& v, size_type start = 0)
  {
    size_type i = 0;
    if (!find(v, i, start))
      return false;
    removeAt(i);
    return true;
  }
  bool contains(const T& v, size_type start = 0) const { size_type i = 0; return find(v, i, start); }
  bool find(const T& v, size_type& foundAt, size_type start = 0) const
  {
    for (size_type i = start; i < size(); ++i)
      if (m_v[i] == v) { foundAt = i; return true; }
    return false;
  }
  OdArray& setLogicalLength(size_type n) { m_v.resize(n); return *this; }
  OdArray& setPhysicalLength(size_type n) { if (n < size()) m_v.resize(n); m_v.reserve(n); return *this; }
  void resize(size_type n) { m_v.resize(n); }
  void resize(size_type n, const T& v) { m_v.resize(n, v); }
  void reserve(size_type n) { m_v.reserve(n); }
  void clear() { m_v.clear(); }
  OdArray& reverse() { std::reverse(m_v.begin(), m_v.end()); return *this; }
  OdArray& swap(size_type a, size_type b) { check(a); check(b); std::swap(m_v[a], m_v[b]); return *this; }

  T* asArrayPtr() { return m_v.data(); }
  const T* asArrayPtr() const { return m_v.data(); }
  const T* getPtr() const { return m_v.data(); }

  iterator begin() { return m_v.begin(); }
  iterator end() { return m_v.end(); }
  const_iterator begin() const { return m_v.begin(); }
  const_iterator end() const { return m_v.end(); }

  bool operator==(const OdArray& o) const { return m_v == o.m_v; }
  bool operator!=(const OdArray& o) const { return m_v != o.m_v; }

private:
  void check(size_type i) const
  {
    if (i >= m_v.size())
      throw OdError_InvalidIndex();
  }
  std::vector<T> m_v;
};

typedef OdArray<int> OdIntArray;
typedef OdArray<double> OdGeDoubleArray;
typedef OdArray<OdUInt8> OdUInt8Array;

#endif
