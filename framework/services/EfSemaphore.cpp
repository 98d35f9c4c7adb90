#include "framework/services/EfSemaphore.h"

CEfSemaphore::CEfSemaphore(LONG initialCount, const char* name) : CHfcSemaphore(initialCount)
{
    SetName("%s", name != nullptr ? name : "Untitled");
}
