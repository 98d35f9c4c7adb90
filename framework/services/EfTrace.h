#pragma once
// The debug trace every framework failure is reported to. Debug builds print
// to standard error; release builds stay silent unless a sink is installed.

using EfTraceSink = void (*)(const char* line);

void EfTrace(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Routes the trace to sink (nullptr restores the build's default) and returns
// the sink that was in place, so a test can read what was traced.
EfTraceSink SetEfTraceSink(EfTraceSink sink);
