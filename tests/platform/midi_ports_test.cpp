// Port lists, capabilities and the rules of opening and closing ports.
#include "midi_fixture.h"

#include <platform/kernel.h>

#include <string>

namespace midi_test {
namespace {

using namespace platform::testing;

using PortsTest = VirtualMidiTest;

std::u16string Wide(const WCHAR* text)
{
    return std::u16string(text);
}

TEST_F(PortsTest, CapsGiveNameIdsAndWhetherTheIdsAreKnown)
{
    AddVirtualMidiIn({"Device IN", 901, 17, true});
    AddVirtualMidiIn({"Loopback", 0, 0, false});
    AddVirtualMidiOut({"Device OUT", 901, 18, true}, nullptr);
    ASSERT_EQ(midiInGetNumDevs(), 2u);
    ASSERT_EQ(midiOutGetNumDevs(), 1u);

    MIDIINCAPSA inA{};
    ASSERT_EQ(midiInGetDevCapsA(0, &inA, sizeof inA), MMSYSERR_NOERROR);
    EXPECT_STREQ(inA.szPname, "Device IN");
    EXPECT_EQ(inA.wMid, 901);
    EXPECT_EQ(inA.wPid, 17);
    EXPECT_EQ(inA.dwSupport & MIDICAPS_NO_DRIVER_IDS, 0u);

    MIDIINCAPSW inW{};
    ASSERT_EQ(midiInGetDevCapsW(1, &inW, sizeof inW), MMSYSERR_NOERROR);
    EXPECT_EQ(Wide(inW.szPname), u"Loopback");
    EXPECT_EQ(inW.wMid, 0);
    EXPECT_NE(inW.dwSupport & MIDICAPS_NO_DRIVER_IDS, 0u);

    MIDIOUTCAPSW outW{};
    ASSERT_EQ(midiOutGetDevCapsW(0, &outW, sizeof outW), MMSYSERR_NOERROR);
    EXPECT_EQ(Wide(outW.szPname), u"Device OUT");
    EXPECT_EQ(outW.wPid, 18);
    EXPECT_EQ(outW.wTechnology, MOD_MIDIPORT);
}

TEST_F(PortsTest, LongNamesAreCutAtWholeCharacters)
{
    // 30 letters and a two-byte character: it fits the wide buffer, not the narrow one.
    const std::string name = std::string(30, 'a') + "\xC3\xA9" + "b";
    AddVirtualMidiOut({name}, nullptr);
    MIDIOUTCAPSA narrow{};
    ASSERT_EQ(midiOutGetDevCapsA(0, &narrow, sizeof narrow), MMSYSERR_NOERROR);
    EXPECT_EQ(std::string(narrow.szPname), std::string(30, 'a'));
    MIDIOUTCAPSW wide{};
    ASSERT_EQ(midiOutGetDevCapsW(0, &wide, sizeof wide), MMSYSERR_NOERROR);
    EXPECT_EQ(Wide(wide.szPname), std::u16string(30, u'a') + u"\u00E9");
}

TEST_F(PortsTest, CapsOfMissingPortsAreRefused)
{
    AddVirtualMidiIn({"Only IN"});
    MIDIINCAPSA in{};
    MIDIOUTCAPSW out{};
    EXPECT_EQ(midiInGetDevCapsA(1, &in, sizeof in), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(midiOutGetDevCapsW(0, &out, sizeof out), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(midiInGetDevCapsA(0, nullptr, sizeof in), MMSYSERR_INVALPARAM);
}

struct OpenRefusal
{
    const char* name;
    UINT device;
    DWORD flags;
    MMRESULT injected;
    MMRESULT expected;
};

class OpenRefusalTest : public VirtualMidiTest, public testing::WithParamInterface<OpenRefusal>
{};

TEST_P(OpenRefusalTest, LeavesNoHandleInEitherDirection)
{
    AddVirtualMidiIn({"IN"});
    AddVirtualMidiOut({"OUT"}, nullptr);
    const OpenRefusal& c = GetParam();
    SetVirtualMidiInOpenResult(0, c.injected);
    SetVirtualMidiOutOpenResult(0, c.injected);
    HMIDIIN in = reinterpret_cast<HMIDIIN>(1);
    HMIDIOUT out = reinterpret_cast<HMIDIOUT>(1);
    EXPECT_EQ(midiInOpen(&in, c.device, GetCurrentThreadId(), 0, c.flags), c.expected);
    EXPECT_EQ(midiOutOpen(&out, c.device, GetCurrentThreadId(), 0, c.flags), c.expected);
    EXPECT_EQ(in, nullptr);
    EXPECT_EQ(out, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, OpenRefusalTest,
    testing::Values(OpenRefusal{"NoSuchPort", 1, CALLBACK_THREAD, MMSYSERR_NOERROR, MMSYSERR_BADDEVICEID},
                    OpenRefusal{"NotAThreadCallback", 0, 0, MMSYSERR_NOERROR, MMSYSERR_INVALFLAG},
                    OpenRefusal{"DeviceInUse", 0, CALLBACK_THREAD, MMSYSERR_ALLOCATED, MMSYSERR_ALLOCATED},
                    OpenRefusal{"NoMemory", 0, CALLBACK_THREAD, MMSYSERR_NOMEM, MMSYSERR_NOMEM}),
    [](const testing::TestParamInfo<OpenRefusal>& info) { return std::string(info.param.name); });

TEST_F(PortsTest, APortIsOpenOnceAtATime)
{
    AddVirtualMidiIn({"IN"});
    AddVirtualMidiOut({"OUT"}, nullptr);
    HMIDIIN in = nullptr, again = nullptr;
    HMIDIOUT out = nullptr, outAgain = nullptr;
    ASSERT_EQ(midiInOpen(&in, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_NOERROR);
    ASSERT_EQ(midiOutOpen(&out, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_NOERROR);
    EXPECT_EQ(midiInOpen(&again, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_ALLOCATED);
    EXPECT_EQ(midiOutOpen(&outAgain, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_ALLOCATED);

    EXPECT_EQ(midiInClose(in), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutClose(out), MMSYSERR_NOERROR);
    ASSERT_EQ(midiInOpen(&again, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_NOERROR);
    ASSERT_EQ(midiOutOpen(&outAgain, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_NOERROR);
    EXPECT_EQ(midiInClose(again), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutClose(outAgain), MMSYSERR_NOERROR);
}

TEST_F(PortsTest, ClosedHandlesAreRefused)
{
    AddVirtualMidiIn({"IN"});
    AddVirtualMidiOut({"OUT"}, nullptr);
    InputBuffers none(0, 16);
    HMIDIIN in = OpenStartedInput(0, none);
    HMIDIOUT out = OpenOutput(0);
    ASSERT_EQ(midiInClose(in), MMSYSERR_NOERROR);
    ASSERT_EQ(midiOutClose(out), MMSYSERR_NOERROR);

    char bytes[4] = {};
    MIDIHDR header{};
    header.lpData = bytes;
    header.dwBufferLength = sizeof bytes;
    EXPECT_EQ(midiInPrepareHeader(in, &header, sizeof header), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiInAddBuffer(in, &header, sizeof header), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiInStart(in), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiInStop(in), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiInReset(in), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiInClose(in), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiOutShortMsg(out, 0x403C90), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiOutPrepareHeader(out, &header, sizeof header), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiOutLongMsg(out, &header, sizeof header), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiOutClose(out), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiInClose(nullptr), MMSYSERR_INVALHANDLE);
}

}  // namespace
}  // namespace midi_test
