// CKyPropertyDescriptionImpl: dispatch to the row's accessors and the defaults when one is missing.
#include "KyPropertyDescription.h"

#include <new>

namespace
{
// Blocks of deleted descriptions, kept per thread for the next ones. The list is capped so that a
// burst of rows (a large table's cells) does not hold its memory for good. With AddressSanitizer
// every block goes back to the heap, so that a description used after its deletion is reported.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kKeptBlocks = 0;
#else
constexpr std::size_t kKeptBlocks = 64;
#endif

struct Block
{
  Block* next;
};

// Trivially destructible, so that it can still be used by descriptions deleted after the
// thread's own clean-up ran (static containers at exit): a closed list keeps nothing.
struct BlockList
{
  Block* first;
  std::size_t count;
  bool watched;
  bool closed;
};
// The host links this library at start-up, so its few bytes of thread storage can sit in the
// initial block and be reached without a call on every description made and deleted.
#define KY_INITIAL_TLS __attribute__((tls_model("initial-exec")))
thread_local BlockList t_blocks KY_INITIAL_TLS;

// Returns the kept blocks to the heap when the thread ends.
struct BlockListCloser
{
  bool armed = false;
  ~BlockListCloser()
  {
    t_blocks.closed = true;
    while (Block* block = t_blocks.first)
    {
      t_blocks.first = block->next;
      ::operator delete(block);
    }
    t_blocks.count = 0;
  }
};
thread_local BlockListCloser t_closer KY_INITIAL_TLS;

void* takeBlock()
{
  Block* block = t_blocks.first;
  if (block)
  {
    t_blocks.first = block->next;
    --t_blocks.count;
  }
  return block;
}

bool keepBlock(void* memory)
{
  if (t_blocks.closed || t_blocks.count == kKeptBlocks)
    return false;
  if (!t_blocks.watched)
  {
    // The first use of the closer in this thread sets it up to run at the thread's end.
    t_closer.armed = true;
    t_blocks.watched = true;
  }
  t_blocks.first = new (memory) Block{t_blocks.first};
  ++t_blocks.count;
  return true;
}
} // namespace

// Classes derived from the description have other sizes: their blocks come from the heap.
void* CKyPropertyDescriptionImpl::operator new(std::size_t size)
{
  if (size == sizeof(CKyPropertyDescriptionImpl))
    if (void* block = takeBlock())
      return block;
  return ::operator new(size);
}

void CKyPropertyDescriptionImpl::operator delete(void* block, std::size_t size) noexcept
{
  if (!block)
    return;
  if (size != sizeof(CKyPropertyDescriptionImpl) || !keepBlock(block))
    ::operator delete(block);
}

CKyVariant CKyPropertyDescriptionImpl::DoGroupedAction(const OdArray<OdDbObjectId>& ids, const CKyVariant& value,
                                                       const CKyVariant& context) const
{
  if (!m_groupAction)
    return CKyVariant();
  return m_groupAction(ids, *this, value, context);
}

CKyVariant CKyPropertyDescriptionImpl::GetValue(const OdDbObject* object, const CKyVariant& context) const
{
  if (!m_getter)
    return CKyVariant();
  return m_getter(object, *this, context);
}

int CKyPropertyDescriptionImpl::SetValue(const OdDbObject* object, const CKyVariant& value,
                                         const CKyVariant& context) const
{
  if (!m_setter)
    return kPropertySetFailed;
  return m_setter(object, *this, value, context);
}

bool CKyPropertyDescriptionImpl::IsReadOnly(const OdDbObject* object) const
{
  if (m_isReadOnly)
    return m_isReadOnly(object, *this);
  return m_setter == nullptr;
}

bool CKyPropertyDescriptionImpl::operator==(const CKyPropertyDescription& other) const
{
  if (this == &other)
    return true;
  return GetName() == other.GetName() && GetCategory() == other.GetCategory() &&
         GetDescription() == other.GetDescription() && GetType() == other.GetType() &&
         GetIcon() == other.GetIcon() && GetDarkIcon() == other.GetDarkIcon() &&
         GetLightIcon() == other.GetLightIcon() && IsDynamic() == other.IsDynamic() &&
         GetVisibility() == other.GetVisibility() && GetGetMethod() == other.GetGetMethod() &&
         GetSetMethod() == other.GetSetMethod() && GetIsReadOnlyMethod() == other.GetIsReadOnlyMethod() &&
         GetGroupActionMethod() == other.GetGroupActionMethod();
}
