// The size-class pool behind database objects, their stubs and extras blocks, and polyline
// vertices.
#include "DbObjectPool.h"

#include <cstdint>
#include <mutex>

#include <sys/mman.h>

#if defined(__SANITIZE_ADDRESS__)
#define OD_DB_POOL_DISABLED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OD_DB_POOL_DISABLED 1
#endif
#endif

#ifndef OD_DB_POOL_DISABLED
namespace
{
const std::size_t kGranule = 16;
const std::size_t kLargestPooled = 1024;
const std::size_t kClasses = kLargestPooled / kGranule + 1;
const std::size_t kRegionSize = std::size_t(2) << 20;

struct FreeBlock
{
  FreeBlock* next;
};

class Pool
{
public:
  void* allocate(std::size_t sizeClass)
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (FreeBlock* pBlock = m_free[sizeClass])
    {
      m_free[sizeClass] = pBlock->next;
      return pBlock;
    }
    const std::size_t bytes = sizeClass * kGranule;
    if (static_cast<std::size_t>(m_end - m_next) < bytes && !newRegion())
      return 0;
    void* p = m_next;
    m_next += bytes;
    return p;
  }

  void release(void* p, std::size_t sizeClass)
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    FreeBlock* pBlock = static_cast<FreeBlock*>(p);
    pBlock->next = m_free[sizeClass];
    m_free[sizeClass] = pBlock;
  }

private:
  // Maps a region aligned to its size (so that it can be backed by one huge page) and faults it
  // in with one call; the rest of the previous region goes to the free lists.
  bool newRegion()
  {
    const std::size_t mapped = 2 * kRegionSize;
    void* p = mmap(0, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
      return false;
    const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t aligned = (start + kRegionSize - 1) & ~(kRegionSize - 1);
    if (aligned > start)
      munmap(p, aligned - start);
    if (aligned + kRegionSize < start + mapped)
      munmap(reinterpret_cast<void*>(aligned + kRegionSize), start + mapped - aligned - kRegionSize);
    char* region = reinterpret_cast<char*>(aligned);
#ifdef MADV_HUGEPAGE
    madvise(region, kRegionSize, MADV_HUGEPAGE);
#endif
#ifdef MADV_POPULATE_WRITE
    madvise(region, kRegionSize, MADV_POPULATE_WRITE);
#endif
    keepRest();
    m_next = region;
    m_end = region + kRegionSize;
    return true;
  }

  void keepRest()
  {
    std::size_t left = static_cast<std::size_t>(m_end - m_next);
    for (std::size_t c = kClasses - 1; c > 0 && left >= kGranule; --c)
      while (left >= c * kGranule)
      {
        FreeBlock* pBlock = reinterpret_cast<FreeBlock*>(m_next);
        pBlock->next = m_free[c];
        m_free[c] = pBlock;
        m_next += c * kGranule;
        left -= c * kGranule;
      }
  }

  std::mutex m_mutex;
  FreeBlock* m_free[kClasses] = {};
  char* m_next = 0;
  char* m_end = 0;
};

Pool& pool()
{
  // Never destroyed: objects may be released during static destruction.
  static Pool* const pPool = new Pool;
  return *pPool;
}

inline std::size_t sizeClassOf(std::size_t size)
{
  return size == 0 ? 1 : (size + kGranule - 1) / kGranule;
}
} // namespace
#endif

void* odDbPoolAllocate(std::size_t size)
{
#ifndef OD_DB_POOL_DISABLED
  if (size <= kLargestPooled)
  {
    if (void* p = pool().allocate(sizeClassOf(size)))
      return p;
    throw std::bad_alloc();
  }
#endif
  return ::operator new(size);
}

void odDbPoolRelease(void* p, std::size_t size)
{
  if (!p)
    return;
#ifndef OD_DB_POOL_DISABLED
  if (size <= kLargestPooled)
  {
    pool().release(p, sizeClassOf(size));
    return;
  }
#endif
  ::operator delete(p);
}
