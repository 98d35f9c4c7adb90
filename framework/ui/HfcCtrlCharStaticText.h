#pragma once
// A fixed grid of characters (lines x columns) drawn from a bitmap font over
// an optional background part. It takes no input; SetData fills its first
// line.
#include "framework/ui/HfcControl.h"

enum EHfcStaticTextWord : int
{
    kHfcStaticTextX,
    kHfcStaticTextY,
    kHfcStaticTextWidth,   // 0: columns x cell width
    kHfcStaticTextHeight,  // 0: lines x cell height
    kHfcStaticTextFont,    // 128 glyph cells stacked downwards
    kHfcStaticTextBack,    // optional, drawn from (BackX, BackY)
    kHfcStaticTextBackX,
    kHfcStaticTextBackY,
    kHfcStaticTextCellWidth,   // 0: the font's width
    kHfcStaticTextCellHeight,  // 0: the font's height / 128
    kHfcStaticTextLines,
    kHfcStaticTextColumns,
    kHfcStaticTextWords
};

class CHfcCtrlCharStaticText : public CHfcControl
{
public:
    CHfcCtrlCharStaticText();
    ~CHfcCtrlCharStaticText() override;

    // False without a descriptor or font, for fewer than one line or
    // column, or when the text buffer cannot be had; the text starts as
    // glyph 0 everywhere.
    bool Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode);
    void Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    // Copies a text into the first line, at most a line of it, and fills
    // the rest of the line with 0; later lines keep their bytes.
    void SetData(const void* text, bool redraw) override;

    // Line l, column c is byte l x columns + c; null until created.
    const char* GetText() const { return m_pText; }
    HfcWord GetWord(int index) const { return m_words[index]; }
    // Another font of the same cells.
    void SetFont(CHfcBmp* font, bool redraw);
    // Where the background part is taken from.
    void SetBackOrigin(int x, int y);

private:
    void ResetWords();

    HfcWord m_words[kHfcStaticTextWords]{};
    char* m_pText = nullptr;
};
