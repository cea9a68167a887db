// Memory allocation entry points of the SDK's run-time.
#ifndef OD_ALLOC_H
#define OD_ALLOC_H

#include <cstddef>

void* odrxAlloc(std::size_t nBytes);
void* odrxRealloc(void* pMemBlock, std::size_t newSize, std::size_t oldSize);
void odrxFree(void* pMemBlock);

#endif
