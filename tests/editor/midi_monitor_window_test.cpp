// The MIDI monitor window: its page, the two lines as the MIDI manager
// wrote them, shown at the tick and only when they changed, the device's
// timing clock and active sensing never shown, and its closing.
#include "midi_monitor_host.h"
#include "tool_window_fixture.h"

#include "app/SkinTable.h"
#include "editor/MidiMonitorWindow.h"
#include "framework/ui/HfcCtrlCharStaticText.h"

#include <platform/kernel.h>

#include <cstdio>

namespace editor_test {
namespace {

using MonitorLine = CMidiManagerHost::MonitorLine;

class MidiMonitorWindowTest : public ToolWindowTest
{
protected:
    MidiMonitorWindow Open(int x = 30, int y = 40)
    {
        MidiMonitorWindow opened;
        {
            CSemaphoreHold hold(&monitorLock);
            opened = tools->CreateMidiMonitorWindow(At(x, y), monitorLock);
        }
        ShowWindow(opened.window);
        return opened;
    }
    static CMidiMonitorLayer* Layer(const MidiMonitorWindow& opened)
    {
        return static_cast<CMidiMonitorWindow*>(opened.window)->GetLayer();
    }
    void Write(const MidiMonitorWindow& opened, MonitorLine line, const std::string& text)
    {
        CSemaphoreHold hold(&monitorLock);
        opened.lines->SetLine(line, text);
    }
    // Ticks until the line shows text, for at most five seconds.
    bool TickUntilShown(const MidiMonitorWindow& opened, MonitorLine line, const std::string& text)
    {
        for (int i = 0; i < 500; ++i) {
            Tick();
            if (Text(Layer(opened)->GetText(line)) == text)
                return true;
            Sleep(10);
        }
        return false;
    }
    static std::string Hex(const std::vector<std::uint8_t>& bytes, std::size_t count)
    {
        std::string text;
        for (std::size_t i = 0; i < std::min(count, bytes.size()); ++i) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02X ", bytes[i]);
            text += hex;
        }
        return text;
    }
};

TEST_F(MidiMonitorWindowTest, IsAMonitorPageOfSixHundredBy178WithTwoLinesOf94Characters)
{
    const int number = shell->windowManager.TakeWindowNumber() + 1;
    MidiMonitorWindow opened = Open();
    ASSERT_NE(opened.window, nullptr);
    ASSERT_NE(opened.lines, nullptr);
    EXPECT_EQ(opened.window->GetKind(), CBaseWindow::kMidiMonitorWindow);
    EXPECT_EQ(opened.window->GetDocumentId(), number);
    EXPECT_EQ(opened.window->GetWindowTitle(), "MIDI Monitor");
    const SIZE client = ClientSize(*opened.window);
    EXPECT_EQ(client.cx, 600);
    EXPECT_EQ(client.cy, 178);
    EXPECT_EQ(Layer(opened)->GetText(MonitorLine::Received)->GetRect(), (RECT{23, 88, 23 + 94 * 6, 97}));
    EXPECT_EQ(Layer(opened)->GetText(MonitorLine::Sent)->GetRect(), (RECT{23, 133, 23 + 94 * 6, 142}));
}

TEST_F(MidiMonitorWindowTest, LinesShowAtTheNextTickAndOnlyWhenTheyChanged)
{
    MidiMonitorWindow opened = Open();
    Tick();
    Write(opened, MonitorLine::Received, "F0 7D 30 ");
    Write(opened, MonitorLine::Sent, "B0 7B 00 ");
    EXPECT_EQ(Text(Layer(opened)->GetText(MonitorLine::Received)), "") << "not before the tick";
    Tick();
    EXPECT_EQ(Text(Layer(opened)->GetText(MonitorLine::Received)), "F0 7D 30 ");
    EXPECT_EQ(Text(Layer(opened)->GetText(MonitorLine::Sent)), "B0 7B 00 ");

    // Unchanged lines are not copied again: a text changed behind the
    // monitor's back stays until its line changes.
    auto* received = const_cast<CHfcCtrlCharStaticText*>(Layer(opened)->GetText(MonitorLine::Received));
    received->SetData("elsewhere", true);
    Tick();
    EXPECT_EQ(Text(received), "elsewhere");
    Write(opened, MonitorLine::Received, "F0 7E 7F ");
    Tick();
    EXPECT_EQ(Text(received), "F0 7E 7F ");
    EXPECT_EQ(Text(Layer(opened)->GetText(MonitorLine::Sent)), "B0 7B 00 ");

    Write(opened, MonitorLine::Sent, std::string(90, 'A'));
    Tick();
    EXPECT_EQ(Text(Layer(opened)->GetText(MonitorLine::Sent)), std::string(80, 'A')) << "a line holds 80 characters";
}

TEST_F(MidiMonitorWindowTest, ADumpFromTheDeviceShowsItsFirst26BytesAndClockOrSensingNeverReplaceIt)
{
    MonitoredDevice monitored(monitorLock);
    MidiMonitorWindow opened = Open();
    monitored.host.lines = opened.lines;
    std::vector<std::uint8_t> dump(403);
    dump.front() = 0xF0;
    for (std::size_t i = 1; i + 1 < dump.size(); ++i)
        dump[i] = static_cast<std::uint8_t>(i & 0x7F);
    dump.back() = 0xF7;
    // Timing clocks arrive between the dump's pieces, as a playing device sends them.
    monitored.device.SetFragmentation(64);
    monitored.device.SendRaw(dump);
    monitored.device.SendRaw({0xF8});
    monitored.device.SendRaw({0xFE});
    ASSERT_TRUE(TickUntilShown(opened, MonitorLine::Received, Hex(dump, 26)));
    const std::vector<std::uint8_t> marker = {0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};
    monitored.device.SendRaw(marker);
    ASSERT_TRUE(TickUntilShown(opened, MonitorLine::Received, Hex(marker, 26)));
    EXPECT_EQ(monitored.host.ReceivedLines(), (std::vector<std::string>{Hex(dump, 26), Hex(marker, 26)}))
        << "the clock and sensing bytes before the marker never reached the monitor";

    monitored.manager->SendParameterChange(5, 0x12, 0x34);
    ASSERT_FALSE(monitored.host.SentLines().empty());
    const std::string sent = monitored.host.SentLines().back();
    EXPECT_EQ(sent.size(), 14u * 3) << "a parameter change is 14 bytes";
    EXPECT_TRUE(TickUntilShown(opened, MonitorLine::Sent, sent));
    monitored.host.lines = nullptr;
}

TEST_F(MidiMonitorWindowTest, ANewMonitorStartsEmptyAndClosingTellsTheOwnerOnce)
{
    MidiMonitorWindow first = Open();
    Write(first, MonitorLine::Received, "F0 01 ");
    Tick();
    ASSERT_TRUE(first.window->CloseWindow(false));
    Pump();
    EXPECT_EQ(owner.closed, std::vector<CBaseWindow*>{first.window});
    Write(first, MonitorLine::Received, "F0 02 ");
    MidiMonitorWindow second = Open();
    EXPECT_EQ(second.lines, first.lines) << "the lines outlive the windows";
    Tick();
    EXPECT_EQ(Text(Layer(second)->GetText(MonitorLine::Received)), "");
}

TEST_F(MidiMonitorWindowTest, LooksRightInEveryTheme)
{
    for (int theme = 0; theme < 3; ++theme) {
        SetColourTheme(theme);
        MidiMonitorWindow opened = Open();
        Write(opened, MonitorLine::Received,
              "F0 7D 30 00 01 6E 4C 00 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 ");
        Write(opened, MonitorLine::Sent, "F0 7D 30 00 01 6E 41 12 00 34 00 05 00 F7 ");
        Tick();
        EXPECT_TRUE(MatchesReference(*opened.window, "midi_monitor_theme" + std::to_string(theme)));
        ASSERT_TRUE(opened.window->CloseWindow(false));
        Pump();
    }
}

}  // namespace
}  // namespace editor_test
