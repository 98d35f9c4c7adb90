#include "framework/ui/HfcKnobMode.h"

#include <algorithm>

namespace {

// Read and written on the message thread only.
int g_knobMode = kHfcKnobModeVertical;

}  // namespace

int HfcGetKnobMode()
{
    return g_knobMode;
}

void HfcSetKnobMode(int mode)
{
    g_knobMode = std::clamp(mode, kHfcKnobModeCircular, kHfcKnobModeVertical);
}
