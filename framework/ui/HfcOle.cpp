#include "framework/ui/HfcOle.h"

#include <platform/ole.h>

namespace {

int gUseCount = 0;
CHfcOleToken* gToken = nullptr;

}  // namespace

bool HfcOleInitialize()
{
    if (gToken == nullptr && SUCCEEDED(OleInitialize(nullptr)))
        gToken = new CHfcOleToken;
    ++gUseCount;
    return gToken != nullptr;
}

bool HfcOleUninitialize()
{
    if (gUseCount <= 0)
        return false;
    if (--gUseCount == 0 && gToken != nullptr) {
        OleUninitialize();
        delete gToken;
        gToken = nullptr;
    }
    return true;
}

CHfcOleToken* HfcGetOleToken()
{
    return gToken;
}
