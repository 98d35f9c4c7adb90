#include "app/DialogRefCount.h"

#include "framework/services/EfTrace.h"

namespace {

// Dialogs run on the message thread only.
int g_dialogRefCount = 0;

}  // namespace

int GetDialogRefCount()
{
    return g_dialogRefCount;
}

void RaiseDialogRefCount()
{
    ++g_dialogRefCount;
}

void LowerDialogRefCount()
{
    if (g_dialogRefCount <= 0) {
        EfTrace("*** Illegal DialogRefCount ***");
        g_dialogRefCount = 0;
        return;
    }
    --g_dialogRefCount;
}
