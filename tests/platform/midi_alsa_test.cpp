// The ALSA sequencer backend on whatever machine runs the tests: without a
// sequencer device it lists no ports and fails nothing.
#include "midi_fixture.h"

#include <platform/kernel.h>

#include <unistd.h>

namespace midi_test {
namespace {

using namespace platform::testing;

class AlsaTest : public ::testing::Test
{
protected:
    void SetUp() override { UseAlsaMidi(); }
    void TearDown() override { UseVirtualMidi(); }
};

TEST_F(AlsaTest, WithoutASequencerThereAreNoPorts)
{
    if (access("/dev/snd/seq", F_OK) == 0)
        GTEST_SKIP() << "this machine has a sequencer";
    EXPECT_EQ(midiInGetNumDevs(), 0u);
    EXPECT_EQ(midiOutGetNumDevs(), 0u);
    HMIDIIN in = nullptr;
    HMIDIOUT out = nullptr;
    EXPECT_EQ(midiInOpen(&in, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(midiOutOpen(&out, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_BADDEVICEID);
}

TEST_F(AlsaTest, ListedPortsHaveNamesAndNoDriverIds)
{
    for (UINT i = 0; i < midiInGetNumDevs(); ++i) {
        MIDIINCAPSA caps{};
        ASSERT_EQ(midiInGetDevCapsA(i, &caps, sizeof caps), MMSYSERR_NOERROR);
        EXPECT_NE(caps.szPname[0], '\0');
        EXPECT_NE(caps.dwSupport & MIDICAPS_NO_DRIVER_IDS, 0u);
    }
    for (UINT i = 0; i < midiOutGetNumDevs(); ++i) {
        MIDIOUTCAPSA caps{};
        ASSERT_EQ(midiOutGetDevCapsA(i, &caps, sizeof caps), MMSYSERR_NOERROR);
        EXPECT_NE(caps.szPname[0], '\0');
        EXPECT_NE(caps.dwSupport & MIDICAPS_NO_DRIVER_IDS, 0u);
    }
}

}  // namespace
}  // namespace midi_test
