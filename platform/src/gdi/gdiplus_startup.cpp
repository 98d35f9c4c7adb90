#include "recording.h"

// Nothing needs starting: the token only pairs the calls.
GpStatus GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output)
{
    using platform::gdi::Note;
    if (GpStatus status = Note("GdiplusStartup", nullptr); status != Ok)
        return status;
    if (!token || !input)
        return InvalidParameter;
    if (input->GdiplusVersion != 1)
        return UnsupportedGdiplusVersion;
    if (output)
        *output = {nullptr, nullptr};
    *token = 1;
    return Ok;
}

void GdiplusShutdown(ULONG_PTR token)
{
    platform::gdi::Note("GdiplusShutdown", nullptr, {float(token)});
}
