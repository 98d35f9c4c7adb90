#pragma once
// Records the vector-drawing calls made while a recording lives, and makes
// chosen calls fail, so that tests can check what a drawer asked for.
#include <platform/gdiplus.h>

#include <string>
#include <string_view>
#include <vector>

namespace platform::testing {

struct GdiplusCall
{
    std::string function;     // "GdipFillPie"
    const void* object;       // the first handle argument: graphics, pen, brush, path or image
    std::vector<float> args;  // the numeric arguments in order (modes and units as numbers)
    ARGB color;               // the pen's or brush's colour, the clear or creation colour; else 0
    float penWidth;           // the pen's width when a pen is involved; else 0

    bool operator==(const GdiplusCall&) const = default;
};

// Drawing goes on as usual while calls are recorded. One recording at a time.
class GdiplusRecording
{
public:
    GdiplusRecording();
    ~GdiplusRecording();
    GdiplusRecording(const GdiplusRecording&) = delete;
    GdiplusRecording& operator=(const GdiplusRecording&) = delete;

    std::vector<GdiplusCall> Calls() const;
    std::vector<GdiplusCall> CallsOf(std::string_view function) const;
    std::vector<std::string> Functions() const;
    void Clear();
    // The next call of the function returns the status and does nothing
    // else (a creation leaves its output null).
    void FailNext(std::string_view function, GpStatus status);
};

}  // namespace platform::testing
