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

void* odDbPoolAllocate(std::size_t size);
// size must be the size given to odDbPoolAllocate.
void odDbPoolRelease(void* p, std::size_t size);

#endif
