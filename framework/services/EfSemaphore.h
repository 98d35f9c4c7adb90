#pragma once
// A semaphore that carries a name for diagnostics; the name never reaches
// the system.
#include "framework/services/EfObject.h"
#include "framework/services/HfcSemaphore.h"

class CEfSemaphore : public CHfcSemaphore, public CEfObject
{
public:
    // The name's first 31 characters, or "Untitled" for null.
    CEfSemaphore(LONG initialCount, const char* name);
};
