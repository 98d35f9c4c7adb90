#include "recording.h"

#include <platform/testing/gdi.h>

#include <algorithm>
#include <mutex>

namespace platform::gdi {
namespace {

struct Recorder
{
    std::mutex mutex;
    bool active = false;
    std::vector<testing::GdiplusCall> calls;
    std::vector<std::pair<std::string, GpStatus>> failures;
};

Recorder& TheRecorder()
{
    static Recorder* recorder = new Recorder;
    return *recorder;
}

}  // namespace

GpStatus Note(const char* function, const void* object, std::initializer_list<float> args, ARGB color, float penWidth)
{
    auto& recorder = TheRecorder();
    std::lock_guard lock(recorder.mutex);
    if (recorder.active)
        recorder.calls.push_back({function, object, args, color, penWidth});
    auto failure = std::find_if(recorder.failures.begin(), recorder.failures.end(),
                                [&](const auto& f) { return f.first == function; });
    if (failure == recorder.failures.end())
        return Ok;
    GpStatus status = failure->second;
    recorder.failures.erase(failure);
    return status;
}

}  // namespace platform::gdi

namespace platform::testing {

using gdi::TheRecorder;

GdiplusRecording::GdiplusRecording()
{
    std::lock_guard lock(TheRecorder().mutex);
    TheRecorder().active = true;
    TheRecorder().calls.clear();
}

GdiplusRecording::~GdiplusRecording()
{
    std::lock_guard lock(TheRecorder().mutex);
    TheRecorder().active = false;
    TheRecorder().calls.clear();
    TheRecorder().failures.clear();
}

std::vector<GdiplusCall> GdiplusRecording::Calls() const
{
    std::lock_guard lock(TheRecorder().mutex);
    return TheRecorder().calls;
}

std::vector<GdiplusCall> GdiplusRecording::CallsOf(std::string_view function) const
{
    std::vector<GdiplusCall> calls = Calls();
    std::erase_if(calls, [&](const GdiplusCall& call) { return call.function != function; });
    return calls;
}

std::vector<std::string> GdiplusRecording::Functions() const
{
    std::vector<std::string> names;
    for (const GdiplusCall& call : Calls())
        names.push_back(call.function);
    return names;
}

void GdiplusRecording::Clear()
{
    std::lock_guard lock(TheRecorder().mutex);
    TheRecorder().calls.clear();
}

void GdiplusRecording::FailNext(std::string_view function, GpStatus status)
{
    std::lock_guard lock(TheRecorder().mutex);
    TheRecorder().failures.emplace_back(std::string(function), status);
}

}  // namespace platform::testing
