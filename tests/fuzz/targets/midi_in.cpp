// MIDI IN bytes as the port's thread hands its buffers over: parsed into
// messages for the MIDI manager, whose parameter-change receiver applies
// changes on this thread, and read as each reply a transfer can await.
// The first byte is the most a buffer holds (0: all bytes in one).
#include "FuzzInput.h"

#include "framework/services/PslMessageDispatchEngine.h"
#include "framework/services/ServiceSlots.h"
#include "model/MidiManager.h"
#include "model/ParameterChangeReceiver.h"
#include "model/Q3917IdConverter.h"
#include "model/Q3917ProgramAccessor.h"
#include "model/SysExProtocol.h"
#include "model/midi_host_fake.h"

#include <algorithm>
#include <array>

namespace {

// Fed straight, with no thread, as the parser tests feed it.
class FeedingMidi : public CHfcMidi
{
public:
    using CHfcMidi::ParseInput;
};

// What a transfer does with a message while it waits for each kind of reply.
class ReplyReader : public CHfcMidiListener
{
public:
    void OnHfcMidiSysExMessage(CHfcMidi*, const CHfcMidiMessage& message) override
    {
        const std::uint8_t* bytes = message.GetByte(0);
        const int length = message.GetLength();
        DeviceIdentity identity{};
        ReadDeviceInquiryReply(bytes, length, identity);
        std::array<std::uint8_t, CQ3917ProgramData::kImageSize> image{};
        for (ReplyKind kind : {ReplyKind::ProgramWriteReply, ReplyKind::GlobalWriteReply, ReplyKind::ProgramDumpReply,
                               ReplyKind::GlobalDumpReply}) {
            const std::size_t imageSize =
                kind == ReplyKind::GlobalDumpReply ? CQ3917GlobalData::kImageSize : CQ3917ProgramData::kImageSize;
            ClassifyReply(kind, bytes, length, std::span(image.data(), imageSize));
        }
    }
};

// This thread is the message thread that owns the dispatch engine.
struct Receiving
{
    CPslMessageDispatchEngine engine;
    FakeMidiHost host;
    CQ3917ProgramAccessor accessor;
    CQ3917IdConverter converter;
    CParameterChangeReceiver receiver{&engine, &host, &accessor, &converter};
    CProgram program;

    Receiving() { host.target = {&program, 1, 0}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Receiving* receiving = new Receiving;
    if (size == 0)
        return 0;
    const std::size_t most = data[0] != 0 ? data[0] : size;
    {
        // A fresh port object per input, so no message is left half collected.
        FeedingMidi midi;
        CMidiManager manager(&midi, &receiving->host);
        manager.Create();
        manager.SetParameterChangeReceiver(&receiving->receiver);
        ReplyReader replies;
        midi.AddListener(&replies);
        for (std::size_t at = 1; at < size; at += most) {
            const std::size_t count = std::min(most, size - at);
            midi.ParseInput(static_cast<int>(count), data + at);
        }
        PumpMessages();
    }
    receiving->host.broadcasts.clear();
    receiving->host.broadcastThreads.clear();
    return 0;
}
