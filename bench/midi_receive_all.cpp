// Receive All Data against the test device, in this process and as the
// program behind the MIDI bridge: on a link that hands bytes over at once,
// and on one paced at MIDI's 31,250 baud, where the counters set the time
// taken against the time the bytes need on the wire.
#include "model/MidiManager.h"
#include "model/SysExProtocol.h"
#include "support/DeviceSimulator.h"
#include "support/SimulatorProcess.h"

#include <platform/testing/midi.h>

#include "quiet_midi_host.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

constexpr UINT kMidiBytesPerSecond = 3125;

// Requests and replies of one Receive All, both directions.
double BytesOnTheWire()
{
    const std::uint8_t reply[kDeviceInquiryReplySize] = {};
    double bytes = static_cast<double>(BuildSysExMessage(DeviceInquiryRequest, 0).size() + sizeof reply);
    bytes += kProgramBankSize * static_cast<double>(BuildSysExMessage(ProgramDumpRequest, 0, 0).size() +
                                                    GetDumpMessageSize(ProgramDump, CQ3917ProgramData::kImageSize));
    bytes += static_cast<double>(BuildSysExMessage(GlobalDumpRequest, 0).size() +
                                 GetDumpMessageSize(GlobalDump, CQ3917GlobalData::kImageSize));
    return bytes;
}

// Runs Receive All on ports inPort/outPort of the current backend for as
// many iterations as the state asks, then sets the counters against the
// time the bytes take at 31,250 baud.
void ReceiveAllOn(benchmark::State& state, UINT inPort, UINT outPort)
{
    QuietHost host;
    CHfcMidi midi;
    midi.Create("bench");
    CMidiManager manager(&midi, &host);
    manager.Create();
    manager.OpenInPort(static_cast<int>(inPort));
    manager.OpenOutPort(static_cast<int>(outPort));
    LibraryData library;
    library.AddItem(LibraryDataItem::kProgramBank);
    library.AddItem(LibraryDataItem::kGlobal);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (!manager.ReceiveAll(library)) {
            state.SkipWithError("the transfer failed");
            break;
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    midi.Destroy();
    const double bytes = BytesOnTheWire();
    const double wireSeconds = bytes / kMidiBytesPerSecond;
    state.counters["wire_bytes"] = bytes;
    state.counters["wire_seconds"] = wireSeconds;
    if (state.iterations() > 0)
        state.counters["time_over_wire"] = elapsed.count() / static_cast<double>(state.iterations()) / wireSeconds;
}

// The device in this process on the virtual ports, at the given byte rate
// (0: at once).
void BM_ReceiveAllData(benchmark::State& state)
{
    platform::testing::UseVirtualMidi();
    platform::testing::SetVirtualMidiByteRate(static_cast<UINT>(state.range(0)));
    {
        DeviceSimulator device;
        ReceiveAllOn(state, device.InPort(), device.OutPort());
    }
    platform::testing::SetVirtualMidiByteRate(0);
    platform::testing::UseVirtualMidi();
}

// The device simulator program behind the MIDI bridge, unpaced (0) or
// paced at the cable's rate (1).
void BM_ReceiveAllThroughBridge(benchmark::State& state)
{
    SimulatorProcess device(VQ_DEVICE_SIMULATOR);
    std::vector<std::string> arguments;
    if (state.range(0) != 0)
        arguments.emplace_back("--pace");
    if (!device.Start(arguments)) {
        state.SkipWithError("the device simulator did not start");
        return;
    }
    platform::testing::UseMidiBridge(device.SocketPath());
    ReceiveAllOn(state, 0, 0);
    platform::testing::UseVirtualMidi();
}

BENCHMARK(BM_ReceiveAllData)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReceiveAllData)->Arg(kMidiBytesPerSecond)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_ReceiveAllThroughBridge)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReceiveAllThroughBridge)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
