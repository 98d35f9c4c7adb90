#include "framework/services/EfTrace.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

#ifdef NDEBUG
constexpr EfTraceSink kDefaultSink = nullptr;
#else
void PrintToStandardError(const char* line)
{
    std::fprintf(stderr, "%s\n", line);
}
constexpr EfTraceSink kDefaultSink = PrintToStandardError;
#endif

std::atomic<EfTraceSink> g_sink{kDefaultSink};

}  // namespace

void EfTrace(const char* format, ...)
{
    const EfTraceSink sink = g_sink.load();
    if (sink == nullptr)
        return;
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    sink(text.c_str());
}

EfTraceSink SetEfTraceSink(EfTraceSink sink)
{
    return g_sink.exchange(sink != nullptr ? sink : kDefaultSink);
}
