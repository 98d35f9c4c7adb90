// The character static text: its grid, SetData's one zero-padded line, and
// the descriptors Create refuses.
#include "control_fixture.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlCharStaticText.h"

#include <string>

namespace ui_test {
namespace {

class StaticText : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        // Glyph n is a 2 x 3 cell of colour n + 1.
        FillNumberedStrip(font, 2, 3, 128);
    }
    std::vector<HfcWord> Words(int lines, int columns, CHfcBmp* withFont)
    {
        return {10, 20, 0, 0, HfcBitmapWord(withFont), 0, 0, 0, 0, 0, lines, columns};
    }
    std::string Line(const CHfcCtrlCharStaticText& text, int line, int columns)
    {
        return std::string(text.GetText() + line * columns, static_cast<std::size_t>(columns));
    }
    // The glyph drawn in a cell, -1 for an empty one.
    int GlyphAt(int line, int column) { return FrameOf(Pixel(10 + column * 2, 20 + line * 3)); }

    CHfcBmp font;
};

TEST_F(StaticText, SetDataFillsTheFirstLineZeroPaddedAndCutAtItsEnd)
{
    CHfcCtrlCharStaticText text;
    ASSERT_TRUE(text.Create(Words(2, 8, &font).data(), 1, 0));
    EXPECT_EQ(text.GetRect(), (RECT{10, 20, 26, 26})) << "columns x lines cells";
    Place(text);
    text.SetData("ABCDEFGHIJ", true);
    EXPECT_EQ(Line(text, 0, 8), "ABCDEFGH");
    text.SetData("ABC", true);
    EXPECT_EQ(Line(text, 0, 8), std::string("ABC\0\0\0\0\0", 8));
    EXPECT_EQ(Line(text, 1, 8), std::string(8, '\0')) << "the second line keeps its bytes";
    Render(text);
    EXPECT_EQ(GlyphAt(0, 0), 'A');
    EXPECT_EQ(GlyphAt(0, 2), 'C');
    EXPECT_EQ(GlyphAt(0, 3), 0) << "a zero byte draws glyph 0";
    EXPECT_EQ(GlyphAt(1, 7), 0);

    text.SetData("\xC1"
                 "B",
                 true);
    Render(text);
    EXPECT_EQ(Pixel(10, 20) >> 24, 0u) << "a byte past the font's 128 cells is left blank";
    EXPECT_EQ(GlyphAt(0, 1), 'B');
    text.SetData(nullptr, true);
    EXPECT_EQ(Line(text, 0, 8), std::string(8, '\0'));
}

TEST_F(StaticText, AGivenSizeAndCellSizeAreKept)
{
    CHfcCtrlCharStaticText text;
    std::vector<HfcWord> words = Words(1, 4, &font);
    words[kHfcStaticTextWidth] = 30;
    words[kHfcStaticTextCellWidth] = 5;
    ASSERT_TRUE(text.Create(words.data(), 1, 0));
    EXPECT_EQ(text.GetRect(), (RECT{10, 20, 40, 23}));
    EXPECT_EQ(text.GetWord(kHfcStaticTextCellHeight), 3) << "the font's height / 128";
    text.Destroy();
    EXPECT_EQ(text.GetText(), nullptr);
    EXPECT_EQ(text.GetWord(kHfcStaticTextCellWidth), 1) << "the defaults come back";
    EXPECT_EQ(text.GetWord(kHfcStaticTextLines), 0);
}

TEST_F(StaticText, CreateRefusesAMissingFontAndAnEmptyGridAndKeepsNoBuffer)
{
    CHfcCtrlCharStaticText text;
    EXPECT_FALSE(text.Create(nullptr, 1, 0));
    EXPECT_FALSE(text.Create(Words(2, 8, nullptr).data(), 1, 0));
    EXPECT_FALSE(text.Create(Words(2, 0, &font).data(), 1, 0));
    EXPECT_FALSE(text.Create(Words(0, 8, &font).data(), 1, 0));
    EXPECT_FALSE(text.Create(Words(-1, 8, &font).data(), 1, 0));
    EXPECT_FALSE(text.IsCreated());
    EXPECT_EQ(text.GetText(), nullptr);
    text.SetData("ABC", true);
    EXPECT_EQ(text.GetText(), nullptr);
}

}  // namespace
}  // namespace ui_test
