// Parsing received buffers: a dump of many System Exclusive messages cut
// into input buffers at arbitrary points, as a dump of all programs arrives.
#include "framework/services/HfcMidi.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

class ParsingMidi : public CHfcMidi
{
public:
    using CHfcMidi::ParseInput;
};

class CountingListener : public CHfcMidiListener
{
public:
    long messages = 0;
    void OnHfcMidiSysExMessage(CHfcMidi*, const CHfcMidiMessage&) override { ++messages; }
};

// count messages of size bytes each, F0 to F7.
std::vector<BYTE> Dump(int count, int size)
{
    std::vector<BYTE> dump;
    for (int m = 0; m < count; ++m) {
        dump.push_back(0xF0);
        for (int i = 2; i < size; ++i)
            dump.push_back(static_cast<BYTE>((m + i) & 0x7F));
        dump.push_back(0xF7);
    }
    return dump;
}

void ParseProgramDump(benchmark::State& state)
{
    const std::vector<BYTE> dump = Dump(200, static_cast<int>(state.range(0)));
    ParsingMidi midi;
    CountingListener listener;
    midi.AddListener(&listener);
    for (auto _ : state) {
        for (std::size_t at = 0; at < dump.size(); at += CHfcMidi::kInputBufferSize) {
            const std::size_t count = std::min<std::size_t>(CHfcMidi::kInputBufferSize, dump.size() - at);
            midi.ParseInput(static_cast<int>(count), dump.data() + at);
        }
    }
    benchmark::DoNotOptimize(listener.messages);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(dump.size()));
}
// A single program's message, and a short message per parameter change.
BENCHMARK(ParseProgramDump)->Arg(411)->Arg(14);

}  // namespace
