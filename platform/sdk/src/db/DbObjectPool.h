// Memory for the database's small, numerous blocks (objects, their stubs and extras blocks,
// polyline vertices): size classes of 16 bytes up to 1 KB, carved from 2 MB regions that are
// asked for huge pages and mapped in one go, so that building a large drawing does not pay a
// page fault and a malloc call per object. Freed blocks are kept for reuse by their size class;
// regions are never unmapped. Larger blocks, and every block in sanitizer builds (so that
// use-after-free and leaks stay visible), go to the global operator new. Result buffers are not
// pooled: most of them are short-lived copies (OdDbObject::xData returns one).
#ifndef OD_DB_OBJECT_POOL_H
#define OD_DB_OBJECT_POOL_H

#include <cstddef>
#include <new>

void* odDbPoolAllocate(std::size_t size);
// size must be the size given to odDbPoolAllocate.
void odDbPoolRelease(void* p, std::size_t size);

// Standard allocator over the pool, for containers inside database objects.
template <class T>
class OdDbPoolAllocator
{
public:
  typedef T value_type;

  OdDbPoolAllocator() = default;
  template <class U>
  OdDbPoolAllocator(const OdDbPoolAllocator<U>&)
  {
  }

  T* allocate(std::size_t n)
  {
    if (n > static_cast<std::size_t>(-1) / sizeof(T))
      throw std::bad_alloc();
    return static_cast<T*>(odDbPoolAllocate(n * sizeof(T)));
  }
  void deallocate(T* p, std::size_t n) { odDbPoolRelease(p, n * sizeof(T)); }

  template <class U>
  bool operator==(const OdDbPoolAllocator<U>&) const
  {
    return true;
  }
  template <class U>
  bool operator!=(const OdDbPoolAllocator<U>&) const
  {
    return false;
  }
};

#endif
