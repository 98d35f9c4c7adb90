#include "app/ValueSteps.h"

#include <algorithm>

namespace value_steps {

int RatioForRange(int minimum, int maximum)
{
    if (maximum == minimum)
        return 1;
    // A reversed range divides to 0 or less and so gets 1 as well.
    const long long span = static_cast<long long>(maximum) - minimum;
    return static_cast<int>(std::clamp(127 / span, 1LL, 12LL));
}

int StepsToPixels(int steps, int ratio)
{
    if (ratio == 0)
        ratio = 1;
    if (ratio < 0)
        return steps * kPixelsPerStep / -ratio;
    return steps * kPixelsPerStep * ratio;
}

int PixelsToSteps(int pixels, int ratio)
{
    if (ratio == 0)
        ratio = 1;
    if (ratio < 0)
        return pixels / kPixelsPerStep * -ratio;
    return pixels / kPixelsPerStep / ratio;
}

}  // namespace value_steps
