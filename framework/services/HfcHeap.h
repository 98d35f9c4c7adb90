#pragma once
// The heap every raw byte buffer of the system comes from, so that a buffer
// allocated in one module may be freed in another. A failure is a null result.
#include <cstddef>

void* HfcMalloc(std::size_t size);
void* HfcRealloc(void* pointer, std::size_t size);
void HfcFree(void* pointer);
