// Japanese text in menus and message boxes: the glyphs come from the
// installed Japanese font, not as missing-glyph boxes, and the layout makes
// room for them as they are drawn.
#include "display_fixture.h"
#include "platform/src/menus/menu_bar.h"
#include "platform/src/menus/menu_bar_layout.h"
#include "platform/src/utf16.h"

#include <platform/dialogs.h>
#include <platform/menus.h>

#include <pango/pangocairo.h>

#include <functional>
#include <string>

namespace display_test {
namespace {

using platform::testing::PixelAt;

// The font the platform is to find the Japanese glyphs in.
constexpr char kJapaneseFamily[] = "IPAGothic";
constexpr int kUiPixels = 12;

// Which pixels of an area are ink: darker than halfway between the
// background and the text colour.
struct Ink
{
    int width = 0;
    int height = 0;
    std::vector<bool> dark;
    bool At(int x, int y) const { return dark[std::size_t(y * width + x)]; }
};

int Lightness(COLORREF c)
{
    return int(c & 0xFF) + int((c >> 8) & 0xFF) + int((c >> 16) & 0xFF);
}

// The ink cut to its bounding box.
Ink Trimmed(const Ink& ink)
{
    int left = ink.width, top = ink.height, right = -1, bottom = -1;
    for (int y = 0; y < ink.height; ++y)
        for (int x = 0; x < ink.width; ++x)
            if (ink.At(x, y)) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    Ink trimmed;
    if (right < 0)
        return trimmed;
    trimmed.width = right - left + 1;
    trimmed.height = bottom - top + 1;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            trimmed.dark.push_back(ink.At(x, y));
    return trimmed;
}

// A window's pixels in a client rectangle.
Ink InkOfWindow(HWND window, const RECT& area, COLORREF background, COLORREF text)
{
    const int threshold = (Lightness(background) + Lightness(text)) / 2;
    Ink ink{int(area.right - area.left), int(area.bottom - area.top), {}};
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            ink.dark.push_back(Lightness(PixelAt(window, x, y)) < threshold);
    return Trimmed(ink);
}

// The text drawn straight from the Japanese font, black on white, and its advance.
struct Reference
{
    Ink ink;
    int advance = 0;
};

Reference Render(const std::string& utf8)
{
    constexpr int kWidth = 400, kHeight = 40;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string(kJapaneseFamily);
    pango_font_description_set_absolute_size(font, kUiPixels * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, utf8.c_str(), -1);
    EXPECT_EQ(pango_layout_get_unknown_glyphs_count(layout), 0) << "the Japanese font is installed";
    cairo_move_to(cr, 10, 25);
    pango_cairo_show_layout_line(cr, pango_layout_get_line_readonly(layout, 0));
    PangoRectangle logical{};
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    cairo_surface_flush(surface);

    Reference reference;
    reference.advance = logical.width;
    Ink ink{kWidth, kHeight, {}};
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ink.dark.push_back(data[y * stride + x * 4 + 1] < 128);
    reference.ink = Trimmed(ink);
    pango_font_description_free(font);
    g_object_unref(layout);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return reference;
}

// The share of pixels on which the two agree, when their boxes are the same size.
double Agreement(const Ink& drawn, const Ink& expected)
{
    if (drawn.width != expected.width || drawn.height != expected.height || drawn.dark.empty())
        return 0;
    std::size_t same = 0;
    for (std::size_t i = 0; i < drawn.dark.size(); ++i)
        same += drawn.dark[i] == expected.dark[i];
    return double(same) / double(drawn.dark.size());
}

void SaveShot(HWND window, const char* name)
{
    const std::string path = std::string(VQ_TEST_OUTPUT_DIR) + "/" + name;
    EXPECT_TRUE(platform::testing::SaveScreenshot(window, path.c_str())) << path;
}

class JapaneseText : public DisplayTest
{};

TEST_F(JapaneseText, MenuBarTitlesShowAndMeasureTheirGlyphs)
{
    const std::string file = "\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB";  // "file" in katakana
    const std::string edit = "\xE7\xB7\xA8\xE9\x9B\x86";                          // "edit" in kanji
    HWND frame = MakeTop({20, 20, 420, 220}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 1, file.c_str());
    AppendMenuA(bar, MF_STRING, 2, edit.c_str());
    SetMenu(frame, bar);
    Pump();
    SaveShot(frame, "japanese_menu_bar.png");

    const std::vector<RECT> titles = platform::menus::MenuBarTitlesOnScreen(frame);
    ASSERT_EQ(titles.size(), 2u);
    const std::string texts[] = {file, edit};
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const Reference reference = Render(texts[i]);
        EXPECT_EQ(titles[i].right - titles[i].left, reference.advance + 2 * platform::menus::kTitlePadding)
            << "the slot holds the text as the font sets it";
        RECT area = titles[i];
        ScreenToClient(frame, reinterpret_cast<POINT*>(&area.left));
        ScreenToClient(frame, reinterpret_cast<POINT*>(&area.right));
        const Ink drawn = InkOfWindow(frame, area, GetSysColor(COLOR_MENU), GetSysColor(COLOR_MENUTEXT));
        EXPECT_EQ(drawn.width, reference.ink.width);
        EXPECT_EQ(drawn.height, reference.ink.height);
        EXPECT_GE(Agreement(drawn, reference.ink), 0.97) << "the glyphs are the Japanese font's";
    }
}

// Runs once on the box as soon as its modal loop dispatches timers.
std::function<void(HWND box)> onBox;

void CALLBACK Visit(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND box = GetActiveWindow();
    UpdateWindow(box);
    onBox(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST_F(JapaneseText, MessageBoxTextShowsItsGlyphsAndWrapsBetweenThem)
{
    // "Overwrite the program?" and, on its own, a sentence too long for one line.
    const std::u16string question = u"\u30D7\u30ED\u30B0\u30E9\u30E0\u3092\u4E0A\u66F8\u304D\u3057\u307E\u3059\u304B";
    std::u16string longText;
    for (int i = 0; i < 4; ++i)
        longText += question;

    struct Seen
    {
        RECT text{};
        Ink ink;
        int lines = 0;
    };
    auto show = [&](const std::u16string& text, const char* shot) {
        Seen seen;
        onBox = [&](HWND box) {
            SaveShot(box, shot);
            std::vector<HWND> children;
            EnumChildWindows(
                box,
                [](HWND child, LPARAM list) {
                    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&children));
            ASSERT_EQ(children.size(), 2u) << "the text and the OK button";
            HWND label = children[0] == GetDlgItem(box, IDOK) ? children[1] : children[0];
            GetWindowRect(label, &seen.text);
            ScreenToClient(box, reinterpret_cast<POINT*>(&seen.text.left));
            ScreenToClient(box, reinterpret_cast<POINT*>(&seen.text.right));
            seen.ink = InkOfWindow(box, seen.text, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOWTEXT));
            // Rows of ink separated by blank rows.
            bool inLine = false;
            for (LONG y = seen.text.top; y < seen.text.bottom; ++y) {
                bool any = false;
                for (LONG x = seen.text.left; x < seen.text.right && !any; ++x)
                    any = Lightness(PixelAt(box, x, y)) < Lightness(GetSysColor(COLOR_BTNFACE)) / 2;
                if (any && !inLine)
                    ++seen.lines;
                inLine = any;
            }
        };
        SetTimer(nullptr, 0, 1, Visit);
        EXPECT_EQ(MessageBoxW(nullptr, text.c_str(), u"\u78BA\u8A8D", MB_OK), IDOK);
        return seen;
    };

    const Reference reference = Render(platform::Utf16ToUtf8(question.c_str()));
    const Seen one = show(question, "japanese_message_box.png");
    EXPECT_EQ(one.lines, 1);
    EXPECT_GE(one.text.right - one.text.left, reference.advance) << "the text is given room for all of it";
    EXPECT_EQ(one.ink.width, reference.ink.width);
    EXPECT_EQ(one.ink.height, reference.ink.height);
    EXPECT_GE(Agreement(one.ink, reference.ink), 0.97) << "the glyphs are the Japanese font's";

    const Seen wrapped = show(longText, "japanese_message_box_wrapped.png");
    EXPECT_GT(wrapped.lines, 1) << "text without spaces wraps between its characters";
    EXPECT_LT(wrapped.text.right - wrapped.text.left, 4 * reference.advance);
}

}  // namespace
}  // namespace display_test
