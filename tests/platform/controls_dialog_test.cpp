// The drawn controls inside dialogs: a modal dialog whose timer moves the
// progress bar while a click turns the check box over, and what each
// control shows on the screen.
#include "display_fixture.h"

#include <platform/dialogs.h>

#include <cstdio>
#include <filesystem>

namespace display_test {
namespace {

using platform::testing::PixelAt;

int Brightness(COLORREF c)
{
    return int((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)) / 3;
}

struct Run
{
    HWND owner = nullptr;
    int ticks = 0;
    std::vector<LRESULT> previousPositions;
    std::vector<int> commands;
    bool ownerEnabledDuring = true;
};
Run run;

void ClickCenterOf(HWND control)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    platform::testing::Click(platform::testing::MouseButton::Left, rect.left + 6, (rect.top + rect.bottom) / 2);
}

// Each tick moves the bar by 30; the first clicks the check box, the fourth presses Enter.
INT_PTR CALLBACK TransferDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        SetTimer(dialog, 1, 1, nullptr);
        PostMessageA(run.owner, WM_USER + 5, 0, 0);
        return TRUE;
    case WM_TIMER:
        ++run.ticks;
        run.ownerEnabledDuring = IsWindowEnabled(run.owner);
        run.previousPositions.push_back(SendDlgItemMessageA(dialog, 105, PBM_SETPOS, run.ticks * 30, 0));
        if (run.ticks == 1)
            ClickCenterOf(GetDlgItem(dialog, 101));
        if (run.ticks == 4) {
            KillTimer(dialog, 1);
            platform::testing::TypeKey(VK_RETURN);
        }
        return TRUE;
    case WM_COMMAND:
        run.commands.push_back(LOWORD(wParam));
        if (LOWORD(wParam) == 500)
            EndDialog(dialog, 1000 + SendDlgItemMessageA(dialog, 101, BM_GETCHECK, 0, 0));
        return TRUE;
    }
    return FALSE;
}

class DialogControls : public DisplayTest
{
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        run = {};
    }
};

TEST_F(DialogControls, AModalDialogKeepsTimersAndPostsGoingWhileItsControlsWork)
{
    run.owner = MakeTop({100, 100, 600, 500});
    EXPECT_EQ(DialogBoxParamA(nullptr, "ControlTest", run.owner, TransferDialog, 0), 1000 + BST_CHECKED);
    EXPECT_EQ(run.ticks, 4);
    EXPECT_EQ(run.previousPositions, (std::vector<LRESULT>{0, 30, 60, 90}));  // the last, 120, was cut to 100
    EXPECT_EQ(run.commands, (std::vector<int>{101, 500}));
    EXPECT_FALSE(run.ownerEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(run.owner));
    EXPECT_EQ(LoggedOf(WM_USER + 5).size(), 1u);
}

TEST_F(DialogControls, TheProgressBarClampsAndAnswersThePreviousPosition)
{
    HWND parent = MakeTop({100, 100, 400, 300});
    HWND bar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 16, parent, nullptr, nullptr,
                               nullptr);
    ASSERT_NE(bar, nullptr);
    struct Step
    {
        int set;
        LRESULT previous;
    };
    const Step steps[] = {{40, 0}, {40, 40}, {-5, 40}, {250, 0}, {100, 100}, {0, 100}};
    for (const Step& step : steps)
        EXPECT_EQ(SendMessageA(bar, PBM_SETPOS, WPARAM(step.set), 0), step.previous) << step.set;
}

// What the screen shows of each control of a modeless dialog.
class DialogLooks : public DialogControls
{
protected:
    void SetUp() override
    {
        DialogControls::SetUp();
        owner_ = MakeTop({50, 50, 650, 550});
        dialog_ = CreateDialogParamA(nullptr, "ControlTest", owner_, nullptr, 0);
        ASSERT_NE(dialog_, nullptr);
        ShowWindow(dialog_, SW_SHOWNORMAL);
        Pump();
    }
    void TearDown() override
    {
        if (IsWindow(dialog_))
            DestroyWindow(dialog_);
        DialogControls::TearDown();
    }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    static std::vector<COLORREF> Pixels(HWND window)
    {
        RECT client{};
        GetClientRect(window, &client);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x)
                pixels.push_back(PixelAt(window, x, y));
        return pixels;
    }
    // The darkest pixel's brightness (the average of its channels), leaving
    // out columns at the left and a border all round.
    static int Darkest(HWND window, int fromColumn = 0, int border = 0)
    {
        RECT client{};
        GetClientRect(window, &client);
        int darkest = 255;
        for (int y = border; y < client.bottom - border; ++y)
            for (int x = std::max(fromColumn, border); x < client.right - border; ++x)
                darkest = std::min(darkest, Brightness(PixelAt(window, x, y)));
        return darkest;
    }
    // -1 when no pixel is darker.
    static int FirstColumnDarkerThan(HWND window, int level)
    {
        RECT client{};
        GetClientRect(window, &client);
        for (int x = 0; x < client.right; ++x)
            for (int y = 0; y < client.bottom; ++y) {
                COLORREF c = PixelAt(window, x, y);
                if (Brightness(c) < level)
                    return x;
            }
        return -1;
    }
    HWND owner_ = nullptr;
    HWND dialog_ = nullptr;
};

TEST_F(DialogLooks, TheBackgroundAndTheLabels)
{
    EXPECT_EQ(PixelAt(dialog_, 2, 2), GetSysColor(COLOR_BTNFACE));
    // Text in black, left or centred as the style says.
    EXPECT_LT(Darkest(Item(103)), 60);
    const int left = FirstColumnDarkerThan(Item(103), 100), centred = FirstColumnDarkerThan(Item(104), 100);
    EXPECT_GE(left, 0);
    EXPECT_LE(left, 3);
    EXPECT_GT(centred, 30);
    // WM_SETTEXT repaints: an empty label shows nothing, a button shows its new text.
    SetDlgItemTextA(dialog_, 103, "");
    const auto button = Pixels(Item(501));
    SetDlgItemTextA(dialog_, 501, "Stop");
    Pump();
    EXPECT_EQ(FirstColumnDarkerThan(Item(103), 200), -1);
    EXPECT_NE(Pixels(Item(501)), button);
}

TEST_F(DialogLooks, CheckBoxesShowTheirMarkAndTheirGreyedState)
{
    HWND box = Item(101);
    const auto unchecked = Pixels(box);
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    Pump();
    const auto checked = Pixels(box);
    RECT client{};
    GetClientRect(box, &client);
    // Only the square at the left changes.
    int changed = 0;
    for (std::size_t i = 0; i < checked.size(); ++i) {
        if (checked[i] == unchecked[i])
            continue;
        ++changed;
        EXPECT_LT(LONG(i % client.right), 13) << i;
    }
    EXPECT_GT(changed, 10);
    // The greyed box writes in grey, the other in black (right of the square).
    EXPECT_LT(Darkest(box, 16), 60);
    EXPECT_GT(Darkest(Item(102), 16), 90);

    const auto path = std::filesystem::temp_directory_path() / "vq_controls_dialog.png";
    EXPECT_TRUE(platform::testing::SaveScreenshot(dialog_, path.c_str()));
    EXPECT_GT(std::filesystem::file_size(path), 100u);
    std::filesystem::remove(path);
}

TEST_F(DialogLooks, TheButtonThatEnterPressesIsMarkedAndTheFocusShown)
{
    HWND ok = Item(500), cancel = Item(501);
    RECT client{};
    GetClientRect(ok, &client);
    EXPECT_EQ(PixelAt(ok, 0, client.bottom / 2), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(PixelAt(cancel, 0, client.bottom / 2), GetSysColor(COLOR_BTNHIGHLIGHT));

    // The focused push button takes the frame, since Enter presses it; it
    // goes back to the default one when the focus leaves the push buttons.
    EXPECT_NE(GetFocus(), cancel);
    const auto before = Pixels(cancel);
    SetFocus(cancel);
    Pump();
    EXPECT_NE(Pixels(cancel), before);
    EXPECT_EQ(PixelAt(cancel, 0, client.bottom / 2), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(PixelAt(ok, 0, client.bottom / 2), GetSysColor(COLOR_BTNHIGHLIGHT));
    SetFocus(Item(101));
    Pump();
    EXPECT_EQ(Pixels(cancel), before);
    EXPECT_EQ(PixelAt(ok, 0, client.bottom / 2), GetSysColor(COLOR_WINDOWFRAME));

    // Greyed, its text goes grey; inside the bevel nothing is dark any more.
    EXPECT_LT(Darkest(cancel, 0, 3), 60);
    EnableWindow(cancel, FALSE);
    Pump();
    EXPECT_GT(Darkest(cancel, 0, 3), 90);
}

TEST_F(DialogLooks, TheProgressBarFillsItsShare)
{
    HWND bar = Item(105);
    RECT client{};
    GetClientRect(bar, &client);
    const int middle = client.bottom / 2;
    EXPECT_EQ(PixelAt(bar, client.right / 4, middle), GetSysColor(COLOR_BTNFACE));
    SendMessageA(bar, PBM_SETPOS, 50, 0);
    Pump();
    EXPECT_EQ(PixelAt(bar, client.right / 4, middle), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(PixelAt(bar, client.right * 3 / 4, middle), GetSysColor(COLOR_BTNFACE));
    SendMessageA(bar, PBM_SETPOS, 100, 0);
    Pump();
    EXPECT_EQ(PixelAt(bar, client.right - 3, middle), GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(DialogLooks, TheGroupBoxFramesWithoutTakingTheFocus)
{
    HWND group = Item(100);
    EXPECT_FALSE(GetWindowLongPtrA(group, GWL_STYLE) & WS_TABSTOP);
    RECT client{};
    GetClientRect(group, &client);
    // Its frame's left and bottom lines, in the shadow colour.
    EXPECT_EQ(PixelAt(group, 0, client.bottom - 5), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(PixelAt(group, client.right / 2, client.bottom - 2), GetSysColor(COLOR_BTNSHADOW));
    // Tab goes round the stops without ever landing on it.
    for (int i = 0; i < 6; ++i) {
        platform::testing::TypeKey(VK_TAB);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageA(dialog_, &msg))
                DispatchMessageA(&msg);
        EXPECT_NE(GetFocus(), group);
        EXPECT_NE(GetFocus(), Item(102));  // greyed
    }
}

}  // namespace
}  // namespace display_test
