// The timbre synth edit window: its size, kind and caption, the timbre it
// puts into every address, the broadcasts it follows, and its closing.
#include "timbre_edit_fixture.h"

#include "app/MessageWindowLayer.h"
#include "app/ValueDisplayLayer.h"
#include "app/WindowEvents.h"
#include "editor/EditorEditWindows.h"
#include "framework/ui/HfcMouse.h"
#include "model/Program.h"

#include <gmock/gmock.h>
#include <platform/display.h>
#include <platform/window.h>

namespace editor_test {
namespace {

// Counts the captions set on one window.
class CaptionCounter
{
public:
    explicit CaptionCounter(HWND window) : m_window(window)
    {
        s_counter = this;
        m_previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CaptionCounter::Procedure)));
    }
    ~CaptionCounter()
    {
        SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
        s_counter = nullptr;
    }
    int sets = 0;

private:
    static LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_SETTEXT)
            ++s_counter->sets;
        return CallWindowProcA(s_counter->m_previous, window, message, wParam, lParam);
    }
    static inline CaptionCounter* s_counter = nullptr;
    HWND m_window;
    WNDPROC m_previous = nullptr;
};

// The library window as an opener sees it: it hears which windows close.
class ForgettingOwner : public CRecordingWindow
{
public:
    ForgettingOwner() : CRecordingWindow("owner") {}
    void ForgetDependentWindow(CBaseWindow* window) override { forgotten.push_back(window); }
    std::vector<CBaseWindow*> forgotten;
};

std::string ProgramName(const ProgramBank& bank, int program)
{
    return const_cast<CProgram&>(bank[static_cast<std::size_t>(program)]).GetProgramName();
}

TEST_F(TimbreEditTest, OpensAs794By600OfKind6ShowingItsProgramAndTimbreOnEveryControl)
{
    SetProgramRecordName((*bank)[kProgram], "Bright");
    Open(1, 40, 50);
    EXPECT_EQ(window->GetKind(), CBaseWindow::kTimbreSynthWindow);
    EXPECT_EQ(window->GetDataKind(), 2);
    EXPECT_EQ(window->GetProgramIndex(), kProgram);
    EXPECT_EQ(window->GetSecondIndex(), 1);
    EXPECT_EQ(window->GetDocumentId(), 5);
    EXPECT_EQ(window->GetOwnerWindow(), libraryWindow.get());
    EXPECT_TRUE(window->IsTimerEnabled());
    EXPECT_TRUE(window->IsWindowCreated());
    RECT client{};
    ASSERT_TRUE(window->GetClientRect(client));
    EXPECT_EQ(client.right - client.left, 794);
    EXPECT_EQ(client.bottom - client.top, 600);
    EXPECT_EQ(window->GetWindowTitle(), "Untitled [004:Bright] Timbre 2 Synth");

    EXPECT_EQ(Page().GetBoundControlCount(), 99);
    EXPECT_EQ(Page().GetProgramRecord(), &(*bank)[kProgram]);
    for (int id = 0; id < 99; ++id) {
        ParameterReference reference{};
        EXPECT_EQ(Binding(id).GetParameter(reference).address.timbre, 1u) << "control " << id;
    }
    ASSERT_NE(window->GetValueDisplayLayer(0), nullptr);
    EXPECT_EQ(window->GetValueDisplayLayer(0)->GetEditLayer(), &Page());
    EXPECT_EQ(window->GetValueDisplayLayer(1), nullptr);
    EXPECT_NE(window->GetMessageLayer(), nullptr) << "the tips preference is on";
}

TEST_F(TimbreEditTest, TimbreOneIsNamedInTheCaptionAndWithoutTipsThereIsNoMessageLine)
{
    shell->settings.showTipsLayer = false;
    Open(0);
    EXPECT_EQ(window->GetWindowTitle(), "Untitled [004:" + ProgramName(*bank, kProgram) + "] Timbre 1 Synth");
    EXPECT_EQ(window->GetMessageLayer(), nullptr);
    ParameterReference reference{};
    EXPECT_EQ(Binding(60).GetParameter(reference).address, (ParameterAddress{2, 36, 0}));
}

TEST_F(TimbreEditTest, TheCaptionFollowsItsProgramsChangesAndIsSetOnlyWhenItDiffers)
{
    Open(1);
    CaptionCounter captions(window->GetHandle());
    auto post = [&](int event, LONG_PTR p1, LONG_PTR p3) {
        shell->windowManager.PostMessageToAll(event, p1, -1, p3, p1, nullptr);
        Pump();
    };

    post(kEventProgramDataChanged, kProgram, 5);
    post(kEventTitlesChanged, 0, 0);
    EXPECT_EQ(captions.sets, 0) << "nothing in it changed";

    SetProgramRecordName((*bank)[kProgram], "Renamed");
    post(kEventProgramDataChanged, kProgram + 1, 5);
    post(kEventProgramDataChanged, kProgram, 6);
    EXPECT_EQ(captions.sets, 0) << "another program, another library";
    post(kEventProgramDataChanged, kProgram, 5);
    EXPECT_EQ(captions.sets, 1);
    EXPECT_EQ(window->GetWindowTitle(), "Untitled [004:Renamed] Timbre 2 Synth");

    for (int event : {kEventTitlesChanged, kEventProgramReceived, kEventProgramReplaced}) {
        SetProgramRecordName((*bank)[kProgram], ("Name" + std::to_string(event)).c_str());
        post(event, 0, 0);
        EXPECT_EQ(window->GetWindowTitle(), "Untitled [004:Name" + std::to_string(event) + "] Timbre 2 Synth")
            << "event " << event;
    }
    library.SetPath("/music/sounds/live set.vq700z_all");
    post(kEventTitlesChanged, 0, 0);
    EXPECT_EQ(window->GetWindowTitle(), "live set.vq700z_all [004:Name2] Timbre 2 Synth");
}

TEST_F(TimbreEditTest, FollowsAProgramSwitchOnlyOfItsOwnDocumentAndProgram)
{
    struct Case
    {
        LONG_PTR document, afterStep, from;
        bool follows;
    } cases[] = {
        {5, 1, kProgram, true},
        {6, 1, kProgram, false},
        {5, 0, kProgram, false},
        {5, 1, kProgram + 1, false},
    };
    for (const Case& c : cases) {
        Open(1);
        shell->windowManager.PostMessageToAll(kEventProgramSwitch, c.document, c.afterStep, c.from, 9, nullptr);
        Pump();
        const int expected = c.follows ? 9 : kProgram;
        EXPECT_EQ(window->GetProgramIndex(), expected) << c.document << " " << c.afterStep << " " << c.from;
        EXPECT_EQ(Page().GetProgramRecord(), &(*bank)[static_cast<std::size_t>(expected)]);
        window->Destroy();
        Pump();
    }
}

TEST_F(TimbreEditTest, ShowValuesShowsAndHidesTheValueDisplay)
{
    Open(0);
    CValueDisplayLayer* display = window->GetValueDisplayLayer(0);
    ASSERT_NE(display, nullptr);
    EXPECT_FALSE(display->IsVisible());
    shell->settings.showValueLayer = true;
    shell->windowManager.PostMessageToAll(kEventShowValues, 1, 0, 0, 0, nullptr);
    Pump();
    EXPECT_TRUE(display->IsVisible());
    shell->settings.showValueLayer = false;
    shell->windowManager.PostMessageToAll(kEventShowValues, 0, 0, 0, 0, nullptr);
    Pump();
    EXPECT_FALSE(display->IsVisible());
}

TEST_F(TimbreEditTest, AValueBoxGoesWhenItsKnobIsLetGoSoBoxesNeverPileUp)
{
    shell->settings.showValueLayer = true;
    Open(0);
    CValueDisplayLayer* display = window->GetValueDisplayLayer(0);
    ASSERT_NE(display, nullptr);
    ASSERT_TRUE(display->IsVisible());
    auto shownBoxes = [&] {
        std::vector<int> shown;
        for (std::size_t i = 0; i < display->GetRecords().size(); ++i)
            if (display->GetRecords()[i].box != RECT{})
                shown.push_back(static_cast<int>(i));
        return shown;
    };
    // Cutoff, then resonance: each held knob shows its own box alone.
    for (int id : {60, 61}) {
        Set(2, static_cast<std::uint32_t>(36 + id - 60), 64);
        CHfcControl& knob = Control(id);
        Press(knob, 17, 17);
        MoveTo(knob, 17, 12);
        ASSERT_THAT(shownBoxes(), ::testing::ElementsAre(id));
        const RECT box = display->GetRecords()[static_cast<std::size_t>(id)].box;
        EXPECT_NE(Pixel(*display, box.left + 1, box.top + 1), 0u);
        Release(knob, 17, 12);
        EXPECT_THAT(shownBoxes(), ::testing::IsEmpty()) << id;
        EXPECT_EQ(Pixel(*display, box.left + 1, box.top + 1), 0u) << "erased from the picture";
    }
}

TEST_F(TimbreEditTest, ClosingIsRefusedWhileAKnobIsHeldAndOtherwiseTheOwnerForgetsTheWindow)
{
    ForgettingOwner owner;
    EditWindowContext context = Context();
    context.owner = &owner;
    timbre = 0;
    window = std::make_unique<CTimbreEditWindow>();
    ASSERT_TRUE(window->CreateMdiWindow(context, 10, 10, kProgram, 0));
    window->Show();
    Pump();

    CHfcControl& cutoff = Control(60);
    Press(cutoff, 10, 10);
    ASSERT_NE(CHfcMouse::GetInstance()->GetCapture(), nullptr);
    EXPECT_FALSE(window->CloseWindow(false));
    EXPECT_TRUE(owner.forgotten.empty());
    EXPECT_NE(window->GetHandle(), nullptr);

    Release(cutoff, 10, 10);
    EXPECT_TRUE(window->CloseWindow(false));
    Pump();
    EXPECT_THAT(owner.forgotten, ::testing::ElementsAre(window.get()));
    EXPECT_TRUE(window->IsGone());
}

TEST_F(TimbreEditTest, TheEditorsFactoryMakesItForTheTimbreSynthKind)
{
    CEditorEditWindows factory;
    CBaseWindow* made =
        GetEditWindowFactory()->CreateEditWindow(CEditWindowFactory::kTimbreSynth, Context(), 40, 50, kProgram, 1);
    ASSERT_NE(made, nullptr);
    EXPECT_NE(dynamic_cast<CTimbreEditWindow*>(made), nullptr);
    EXPECT_EQ(made->GetKind(), CBaseWindow::kTimbreSynthWindow);
    EXPECT_EQ(made->GetSecondIndex(), 1);
    EXPECT_EQ(made->GetProgramIndex(), kProgram);
    EXPECT_EQ(factory.GetWindowCount(), 1);
}

}  // namespace
}  // namespace editor_test
