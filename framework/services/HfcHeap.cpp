#include "framework/services/HfcHeap.h"

#include <cstdlib>

void* HfcMalloc(std::size_t size)
{
    return std::malloc(size);
}

void* HfcRealloc(void* pointer, std::size_t size)
{
    return std::realloc(pointer, size);
}

void HfcFree(void* pointer)
{
    std::free(pointer);
}
