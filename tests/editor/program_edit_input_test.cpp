// What the program page does with the user's clicks and typing: the part
// windows its buttons and double-clicks open, and the program name.
#include "program_edit_fixture.h"

#include "framework/ui/HfcCtrlOldCharEditText.h"
#include "framework/ui/HfcMouse.h"
#include "model/Program.h"
#include "model/Q3917IdConverter.h"
#include "support/ParameterChangeBytes.h"

#include <gmock/gmock.h>

#include <cstring>

namespace editor_test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kNameField = 16;

// The part windows shown since the log was cleared.
std::vector<std::string> Opened()
{
    std::vector<std::string> opened;
    for (const std::string& line : Log()) {
        const auto at = line.find(":Show");
        if (at != std::string::npos)
            opened.push_back(line.substr(0, at));
    }
    return opened;
}

TEST_F(ProgramEditTest, ADoubleClickOpensThePartWindowOfTheFirstZoneHoldingThePoint)
{
    struct Case
    {
        int x, y;
        int voiceMode, vocoder;
        const char* opens;  // "" for none
    };
    const Case cases[] = {
        {7, 150, 0, 0, "synth 1"},
        {294, 303, 0, 0, "synth 1"},
        {200, 260, 0, 0, "synth 1"},
        {6, 150, 0, 0, ""},
        {296, 200, 1, 0, ""},
        {299, 150, 1, 0, "synth 2"},
        {587, 303, 3, 0, "synth 2"},
        {299, 150, 0, 0, ""},
        {588, 303, 1, 0, ""},
        {55, 431, 0, 0, "arpeggiator"},
        {178, 467, 0, 0, "arpeggiator"},
        {54, 431, 0, 0, ""},
        {244, 431, 0, 1, "vocoder"},
        {333, 467, 0, 1, "vocoder"},
        {244, 431, 0, 0, ""},
        {350, 431, 0, 0, "master effect"},
        {578, 467, 0, 0, "master effect"},
        {579, 467, 0, 0, ""},
        {100, 100, 1, 1, ""},
    };
    OpenWindow();
    for (const Case& c : cases) {
        SetValue(0, 35, c.voiceMode);
        SetValue(5, 0, c.vocoder);
        Log().clear();
        Page().OnHfcMouseLButtonDblClk(CHfcMouse::GetInstance(), c.x, c.y, 0);
        if (*c.opens)
            EXPECT_THAT(Opened(), ElementsAre(c.opens)) << c.x << "," << c.y;
        else
            EXPECT_THAT(Opened(), IsEmpty()) << c.x << "," << c.y;
    }
}

TEST_F(ProgramEditTest, TheButtonsAndTheEqGraphsOpenTheirPartWindowsAndEndTextEditing)
{
    OpenWindow();
    const char* opens[] = {"synth 1", "eq 1", "synth 2", "eq 2", "arpeggiator", "vocoder", "master effect"};
    for (int id = 0; id < 7; ++id) {
        ASSERT_TRUE(Page().OnControlDoubleClick(&Control(kNameField), 0, 0, 0));
        ASSERT_TRUE(dynamic_cast<CHfcCtrlOldCharEditText&>(Control(kNameField)).IsEditing());
        Log().clear();
        Page().OnControlValueChanged(&Control(id), kHfcValuePressed);
        EXPECT_THAT(Opened(), ElementsAre(opens[id])) << id;
        EXPECT_FALSE(dynamic_cast<CHfcCtrlOldCharEditText&>(Control(kNameField)).IsEditing()) << id;
    }

    // The timbre-2 graph stands for a timbre only the voice modes above 0 use.
    SetValue(0, 35, 0);
    Log().clear();
    EXPECT_TRUE(Page().OnControlDoubleClick(&Control(47), 5, 5, 0));
    EXPECT_TRUE(Page().OnControlDoubleClick(&Control(48), 5, 5, 0));
    EXPECT_THAT(Opened(), ElementsAre("eq 1"));
    SetValue(0, 35, 2);
    Log().clear();
    EXPECT_TRUE(Page().OnControlDoubleClick(&Control(48), 5, 5, 0));
    EXPECT_THAT(Opened(), ElementsAre("eq 2"));
    EXPECT_FALSE(Page().OnControlDoubleClick(&Control(19), 5, 5, 0)) << "other controls are left alone";
}

TEST_F(ProgramEditTest, ATypedNameIsStoredPaddedToEightAndSentCharacterByCharacter)
{
    OpenWindow();
    ASSERT_TRUE(Page().OnControlDoubleClick(&Control(kNameField), 0, 0, 0));
    EXPECT_TRUE(dynamic_cast<CHfcCtrlOldCharEditText&>(Control(kNameField)).IsEditing());
    const std::size_t before = shell->device->Received().size();
    Log().clear();
    TakeEvents();

    Page().OnControlEvent(&Control(kNameField), reinterpret_cast<std::intptr_t>("Abc"));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Program().GetRegion().image), 8), "Abc     ");
    EXPECT_STREQ(Program().GetRegion().name, "Abc");
    EXPECT_THAT(Log(), Contains("library:SetModified 1"));
    EXPECT_THAT(TakeEvents(), Contains("7 3 -1 5 -1"));

    std::vector<std::vector<std::uint8_t>> expected;
    const CQ3917IdConverter* converter = CQ3917IdConverter::PeekInstance();
    for (std::uint32_t i = 0; i < 8; ++i) {
        DeviceParameterId id{};
        ASSERT_TRUE(converter->ToDeviceId(ParameterAddress{0, i, 0}, id));
        expected.push_back(ParameterChangeBytes(id.high, id.low, static_cast<unsigned char>("Abc     "[i])));
    }
    const auto received = Received(before + 8);
    EXPECT_EQ(
        std::vector<std::vector<std::uint8_t>>(received.begin() + static_cast<std::ptrdiff_t>(before), received.end()),
        expected);
}

TEST_F(ProgramEditTest, ANameWithACharacterOutside32To127IsRefusedAndTheOldNameComesBack)
{
    OpenWindow();
    for (const char* name : {"Ab\xC3\xA9", "Ab\tc", "\x1F"}) {
        const std::size_t before = shell->device->Received().size();
        char shownText[16] = {};
        Binding(kNameField).GetText(shownText, sizeof shownText);
        Control(kNameField).SetData("typed", true);
        Log().clear();
        TakeEvents();
        Page().OnControlEvent(&Control(kNameField), reinterpret_cast<std::intptr_t>(name));
        EXPECT_STREQ(Program().GetRegion().name, "Lead");
        EXPECT_THAT(Log(), IsEmpty()) << "not modified";
        EXPECT_THAT(TakeEvents(), Contains("7 3 -1 5 -1"));
        char shown[16] = {};
        Binding(kNameField).GetText(shown, sizeof shown);
        EXPECT_STREQ(shown, shownText) << "the refresh put the stored name back";
        EXPECT_EQ(Received(before).size(), before) << "nothing sent";
    }
}

}  // namespace
}  // namespace editor_test
