// Module cycles: creating, initialising, using, uninitialising and deleting the module 100 times
// in one process leaks nothing and every cycle reuses the description lists the first one built.
// The heap in use must stay flat across cycles; built with AddressSanitizer, LeakSanitizer must
// also find no leak (the static description lists stay reachable, so they are not reported).
#include <gtest/gtest.h>

#include <malloc.h>

#include <cstddef>
#include <vector>

#include "KyPrintObjectInfoPE.h"
#include "KySampleFixture.h"
#include "KyTestDrawing.h"
#include "RxModule.h"

#if defined(__SANITIZE_ADDRESS__)
#define KY_WITH_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KY_WITH_ASAN 1
#endif
#endif
#ifdef KY_WITH_ASAN
#include <sanitizer/lsan_interface.h>
// Bytes the sanitizer's allocator has handed out and not had back (GCC ships no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

extern "C" OdRxModule* odrxCreateModuleObject(void* hModule, const wchar_t* szModuleName);
extern "C" void deleteModuleObject();

namespace
{
// Bytes in use. mallinfo2 counts blocks in glibc's per-thread cache as in use, so ctest runs this
// suite with that cache off (GLIBC_TUNABLES=glibc.malloc.tcache_count=0); run by hand, the figure
// may move by a few cached blocks.
std::size_t heapInUse()
{
#ifdef KY_WITH_ASAN
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

// One palette session over every object: its rows with values and read-only states, the value
// shown set back where the row is editable, and its listing. Returns the listed rows it saw.
std::vector<const CKyPropertyDescription*> usePalette(const std::vector<OdDbObjectId>& ids)
{
  KyRecordingMessages messages;
  std::vector<const CKyPropertyDescription*> listed;
  for (const OdDbObjectId& id : ids)
  {
    // Fitting a heavy polyline erases its generated vertices.
    if (id.isErased())
      continue;
    OdDbObjectPtr object = id.safeOpenObject(OdDb::kForWrite);
    KyPaletteRows rows(object.get());
    for (int i = 0; i < rows.container().GetCount(); ++i)
    {
      const CKyPropertyDescription* row = rows.container().GetAt(i);
      const CKyVariant value = row->GetValue(object.get(), CKyVariant());
      if (row->GetSetMethod() && !row->IsReadOnly(object.get()))
        row->SetValue(object.get(), value, CKyVariant());
      if (!row->IsDynamic())
        listed.push_back(row);
    }
    KyRecordingPrintContext listing;
    CKyPrintObjectInfoPE::PrintInfo(object.get(), &listing);
  }
  return listed;
}
} // namespace

TEST(ModuleCycles, HundredCyclesLeakNothingAndReuseTheDescriptionLists)
{
  const int kCycles = 100;
  const int kWarmUp = 10; // the first cycles fill lazily made caches (class descriptors, lists)
  KySampleDrawing drawing;
  std::vector<const CKyPropertyDescription*> firstRows;
  std::size_t heapAfterWarmUp = 0;
  int cyclesReusingTheLists = 0;
  for (int cycle = 0; cycle < kCycles; ++cycle)
  {
    OdRxModule* module = odrxCreateModuleObject(nullptr, L"KYProperties");
    module->initApp();
    const std::vector<OdDbObjectId> ids = drawing.paletteObjects();
    ASSERT_FALSE(ids.empty());
    const std::vector<const CKyPropertyDescription*> rows = usePalette(ids);
    module->uninitApp();
    deleteModuleObject();
    module->release();

    if (cycle == 0)
      firstRows = rows;
    else if (rows == firstRows)
      ++cyclesReusingTheLists;
    if (cycle == kWarmUp - 1)
      heapAfterWarmUp = heapInUse();
  }
  ASSERT_FALSE(firstRows.empty());
  EXPECT_EQ(cyclesReusingTheLists, kCycles - 1) << "later cycles built new descriptions";
  const long growth = static_cast<long>(heapInUse()) - static_cast<long>(heapAfterWarmUp);
  EXPECT_LE(growth, 0) << "the heap grew by " << growth << " bytes over " << kCycles - kWarmUp << " cycles";
#ifdef KY_WITH_ASAN
  EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "LeakSanitizer found leaks (report above)";
#endif
}
