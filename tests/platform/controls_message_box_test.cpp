// Message boxes on the screen: every button set answered by clicks on its
// buttons, with and without an owner, the close box, and the icons drawn.
#include "display_fixture.h"

#include <platform/dialogs.h>

#include <cstdlib>
#include <functional>
#include <map>

namespace display_test {
namespace {

using platform::testing::PixelAt;

// Runs once on the box as soon as its modal loop dispatches timers.
std::function<void(HWND box)> onBox;
std::vector<int> buttonIds;  // of the box seen, in tab order

void CALLBACK Visit(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND box = GetActiveWindow();
    buttonIds.clear();
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO})
        if (GetDlgItem(box, id))
            buttonIds.push_back(id);
    UpdateWindow(box);
    onBox(box);
}

int Show(HWND owner, UINT type, std::function<void(HWND)> action)
{
    onBox = std::move(action);
    SetTimer(nullptr, 0, 1, Visit);
    return MessageBoxA(owner, "Overwrite the program\nin slot 12?", "Confirm", type);
}

void ClickButton(HWND box, int id)
{
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(GetDlgItem(box, id), &rect));
    platform::testing::Click(platform::testing::MouseButton::Left, (rect.left + rect.right) / 2,
                             (rect.top + rect.bottom) / 2);
}

class MessageBoxLook : public DisplayTest
{};

TEST_F(MessageBoxLook, EachButtonSetAnswersByClicks)
{
    struct Case
    {
        UINT type;
        std::vector<int> buttons;
        int click;
    };
    const Case cases[] = {
        {MB_OK, {IDOK}, IDOK},
        {MB_OKCANCEL, {IDOK, IDCANCEL}, IDOK},
        {MB_OKCANCEL | MB_ICONWARNING, {IDOK, IDCANCEL}, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, {IDYES, IDNO}, IDYES},
        {MB_YESNO, {IDYES, IDNO}, IDNO},
        {MB_YESNOCANCEL | MB_ICONERROR, {IDCANCEL, IDYES, IDNO}, IDYES},
        {MB_YESNOCANCEL, {IDCANCEL, IDYES, IDNO}, IDNO},
        {MB_YESNOCANCEL | MB_ICONINFORMATION, {IDCANCEL, IDYES, IDNO}, IDCANCEL},
    };
    HWND owner = MakeTop({100, 100, 500, 400});
    bool withOwner = false;
    for (const Case& c : cases) {
        withOwner = !withOwner;
        bool ownerEnabled = true;
        const int answer = Show(withOwner ? owner : nullptr, c.type, [&](HWND box) {
            ownerEnabled = IsWindowEnabled(owner);
            ClickButton(box, c.click);
        });
        EXPECT_EQ(answer, c.click) << c.type;
        EXPECT_EQ(buttonIds, c.buttons) << c.type;
        EXPECT_EQ(ownerEnabled, !withOwner) << c.type;
        EXPECT_TRUE(IsWindowEnabled(owner));
        Pump();
    }
}

TEST_F(MessageBoxLook, TheCloseBoxIsCancelWhereThereIsOne)
{
    const auto closeBox = [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); };
    EXPECT_EQ(Show(nullptr, MB_OKCANCEL, closeBox), IDCANCEL);
    EXPECT_EQ(Show(nullptr, MB_YESNOCANCEL, closeBox), IDCANCEL);
    EXPECT_EQ(Show(nullptr, MB_OK, closeBox), IDOK);
    // Without Cancel it does nothing; the box waits for an answer.
    EXPECT_EQ(Show(nullptr, MB_YESNO,
                   [&](HWND box) {
                       closeBox(box);
                       platform::testing::TypeKey(VK_TAB);
                       platform::testing::TypeKey(VK_RETURN);
                   }),
              IDNO);
}

TEST_F(MessageBoxLook, EachIconIsDrawnLeftOfTheText)
{
    // Pixels of the box's top-left corner, where the icon goes.
    const auto corner = [](HWND box) {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 56; ++y)
            for (int x = 0; x < 56; ++x)
                pixels.push_back(PixelAt(box, x, y));
        return pixels;
    };
    const auto count = [](const std::vector<COLORREF>& pixels, bool (*is)(int r, int g, int b)) {
        return std::count_if(pixels.begin(), pixels.end(),
                             [is](COLORREF c) { return is(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); });
    };
    const auto red = +[](int r, int g, int b) { return r > 150 && g < 80 && b < 80; };
    const auto blue = +[](int r, int /*g*/, int b) { return b > 150 && r < 80; };
    const auto yellow = +[](int r, int g, int b) { return r > 200 && g > 150 && b < 80; };
    struct Case
    {
        UINT icon;
        bool (*colour)(int, int, int);
    };
    const Case cases[] = {
        {MB_ICONERROR, red}, {MB_ICONINFORMATION, blue}, {MB_ICONWARNING, yellow}, {MB_ICONQUESTION, blue}};
    std::vector<std::vector<COLORREF>> seen;
    for (const Case& c : cases) {
        std::vector<COLORREF> pixels;
        Show(nullptr, MB_OK | c.icon, [&](HWND box) {
            pixels = corner(box);
            platform::testing::TypeKey(VK_RETURN);
        });
        EXPECT_GT(count(pixels, c.colour), 200) << c.icon;
        for (const auto& other : seen)
            EXPECT_NE(pixels, other) << c.icon;
        seen.push_back(pixels);
    }
    // No icon: nothing coloured where it would be (the text starts there instead).
    std::vector<COLORREF> plain;
    Show(nullptr, MB_OK, [&](HWND box) {
        plain = corner(box);
        platform::testing::TypeKey(VK_RETURN);
    });
    for (const Case& c : cases)
        EXPECT_EQ(count(plain, c.colour), 0) << c.icon;
}

// Centred on the owner as far as the work area allows, and wholly inside
// it: owners half off each edge and past the corners, an owner larger than
// the area and none at all.
TEST_F(MessageBoxLook, TheBoxIsCentredOnItsOwnerWhollyInsideTheWorkArea)
{
    RECT saved{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &saved, 0);
    const RECT area{0, 30, 1024, 740};  // a panel above
    platform::testing::SetWorkArea(area);
    enum Side
    {
        Centred,
        Low,
        High
    };  // on the owner, at the area's left or top, at its right or bottom
    struct Case
    {
        const char* name;
        RECT owner;
        Side across, down;
    };
    const Case cases[] = {
        {"middle", {312, 235, 712, 535}, Centred, Centred},
        {"half off the left", {-350, 300, 50, 500}, Low, Centred},
        {"half off the right", {970, 300, 1370, 500}, High, Centred},
        {"under the panel", {400, -150, 700, 60}, Centred, Low},
        {"half off the bottom", {400, 700, 700, 900}, Centred, High},
        {"past the top left", {-500, -400, 20, 40}, Low, Low},
        {"past the bottom right", {1000, 720, 1500, 1100}, High, High},
        {"larger than the area", {-100, -100, 1200, 900}, Centred, Centred},
        {"near the right, fitting", {600, 300, 1000, 500}, Centred, Centred},
    };
    for (const Case& c : cases) {
        HWND owner = MakeTop(c.owner);
        RECT box{};
        Show(owner, MB_YESNOCANCEL | MB_ICONQUESTION, [&](HWND shown) {
            GetWindowRect(shown, &box);
            platform::testing::TypeKey(VK_ESCAPE);
        });
        DestroyWindow(owner);
        const auto check = [&](Side side, LONG boxLow, LONG boxHigh, LONG ownerLow, LONG ownerHigh, LONG areaLow,
                               LONG areaHigh) {
            EXPECT_GE(boxLow, areaLow) << c.name;
            EXPECT_LE(boxHigh, areaHigh) << c.name;
            switch (side) {
            case Centred: EXPECT_LE(std::abs((boxLow + boxHigh) - (ownerLow + ownerHigh)), 1) << c.name; break;
            case Low: EXPECT_EQ(boxLow, areaLow) << c.name; break;
            case High: EXPECT_EQ(boxHigh, areaHigh) << c.name; break;
            }
        };
        check(c.across, box.left, box.right, c.owner.left, c.owner.right, area.left, area.right);
        check(c.down, box.top, box.bottom, c.owner.top, c.owner.bottom, area.top, area.bottom);
    }
    RECT box{};
    Show(nullptr, MB_OK, [&](HWND shown) {
        GetWindowRect(shown, &box);
        platform::testing::TypeKey(VK_RETURN);
    });
    EXPECT_LE(std::abs((box.left + box.right) - (area.left + area.right)), 1) << "no owner: the area's middle";
    EXPECT_LE(std::abs((box.top + box.bottom) - (area.top + area.bottom)), 1);
    platform::testing::SetWorkArea(saved);
}

// The lowest row of a button's face (inside its bevel and frame) with a
// run of at least two dark pixels: the dotted focus box has none.
int LowestInkRow(HWND button)
{
    RECT client{};
    GetClientRect(button, &client);
    const auto dark = [button](int x, int y) {
        const COLORREF c = PixelAt(button, x, y);
        return (c & 0xFF) < 96 && ((c >> 8) & 0xFF) < 96 && ((c >> 16) & 0xFF) < 96;
    };
    for (int y = client.bottom - 4; y >= 3; --y)
        for (int x = 3; x + 1 < client.right - 3; ++x)
            if (dark(x, y) && dark(x + 1, y))
                return y;
    return -1;
}

TEST_F(MessageBoxLook, YesAndNoShowTheirLettersUnderlined)
{
    std::map<int, int> lowest;
    std::map<int, std::string> texts;
    Show(nullptr, MB_YESNOCANCEL, [&](HWND box) {
        for (int id : {IDYES, IDNO, IDCANCEL}) {
            lowest[id] = LowestInkRow(GetDlgItem(box, id));
            char text[32]{};
            GetWindowTextA(GetDlgItem(box, id), text, sizeof text);
            texts[id] = text;
        }

        platform::testing::TypeKey(VK_ESCAPE);
    });
    EXPECT_EQ(texts[IDYES], "&Yes");
    EXPECT_EQ(texts[IDNO], "&No");
    EXPECT_EQ(texts[IDCANCEL], "Cancel");
    // No letter goes below the baseline; the underline does.
    EXPECT_GT(lowest[IDYES], lowest[IDCANCEL]);
    EXPECT_GT(lowest[IDNO], lowest[IDCANCEL]);
    EXPECT_GT(lowest[IDCANCEL], 0);
}

}  // namespace
}  // namespace display_test
