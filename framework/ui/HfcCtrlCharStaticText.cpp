#include "framework/ui/HfcCtrlCharStaticText.h"

#include "framework/services/EfTrace.h"
#include "framework/services/HfcHeap.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcDrawContext.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

constexpr int kGlyphs = 128;

}  // namespace

CHfcCtrlCharStaticText::CHfcCtrlCharStaticText()
{
    ResetWords();
}

CHfcCtrlCharStaticText::~CHfcCtrlCharStaticText()
{
    HfcFree(m_pText);
}

void CHfcCtrlCharStaticText::ResetWords()
{
    std::fill(std::begin(m_words), std::end(m_words), 0);
    m_words[kHfcStaticTextCellWidth] = 1;
    m_words[kHfcStaticTextCellHeight] = 1;
}

bool CHfcCtrlCharStaticText::Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    char* text = nullptr;
    try {
        if (descriptor == nullptr)
            throw "pParam is invalid.";
        CHfcBmp* font = HfcWordBitmap(descriptor[kHfcStaticTextFont]);
        if (font == nullptr)
            throw "m_pBmpChar is invalid.";
        const HfcWord columns = descriptor[kHfcStaticTextColumns];
        const HfcWord lines = descriptor[kHfcStaticTextLines];
        if (columns < 1)
            throw "m_iColumns is smaller than 0.";
        if (lines < 1)
            throw "m_iLines is smaller than 0.";
        const auto size = static_cast<std::size_t>(lines) * static_cast<std::size_t>(columns);
        text = static_cast<char*>(HfcMalloc(size));
        if (text == nullptr)
            throw "Failed to allocate memory for text buffer.";
        std::memset(text, 0, size);
        std::copy(descriptor, descriptor + kHfcStaticTextWords, m_words);
        if (m_words[kHfcStaticTextCellWidth] == 0)
            m_words[kHfcStaticTextCellWidth] = font->GetWidth();
        if (m_words[kHfcStaticTextCellHeight] == 0)
            m_words[kHfcStaticTextCellHeight] = font->GetHeight() / kGlyphs;
        if (m_words[kHfcStaticTextWidth] == 0)
            m_words[kHfcStaticTextWidth] = columns * m_words[kHfcStaticTextCellWidth];
        if (m_words[kHfcStaticTextHeight] == 0)
            m_words[kHfcStaticTextHeight] = lines * m_words[kHfcStaticTextCellHeight];
    } catch (const char* failure) {
        EfTrace("CHfcCtrlCharStaticText::Create() - %s", failure);
        HfcFree(text);
        return false;
    }
    HfcFree(m_pText);
    m_pText = text;
    const auto x = static_cast<int>(m_words[kHfcStaticTextX]);
    const auto y = static_cast<int>(m_words[kHfcStaticTextY]);
    FinishCreate(
        {x, y, x + static_cast<int>(m_words[kHfcStaticTextWidth]), y + static_cast<int>(m_words[kHfcStaticTextHeight])},
        id, eventCode);
    return true;
}

void CHfcCtrlCharStaticText::SetFont(CHfcBmp* font, bool redraw)
{
    m_words[kHfcStaticTextFont] = HfcBitmapWord(font);
    if (redraw)
        SetDirty(true);
}

void CHfcCtrlCharStaticText::SetBackOrigin(int x, int y)
{
    m_words[kHfcStaticTextBackX] = x;
    m_words[kHfcStaticTextBackY] = y;
}

void CHfcCtrlCharStaticText::Destroy()
{
    // The base gives up the key focus while the control is still created.
    CHfcControl::Destroy();
    HfcFree(m_pText);
    m_pText = nullptr;
    ResetWords();
}

void CHfcCtrlCharStaticText::SetData(const void* text, bool redraw)
{
    if (m_pText != nullptr) {
        const auto columns = static_cast<std::size_t>(m_words[kHfcStaticTextColumns]);
        const char* source = text != nullptr ? static_cast<const char*>(text) : "";
        std::strncpy(m_pText, source, columns);
    }
    if (redraw)
        SetDirty(true);
}

void CHfcCtrlCharStaticText::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible)
        return;
    context->ClearRectangle(m_rcControl);
    if (CHfcBmp* back = HfcWordBitmap(m_words[kHfcStaticTextBack]); back != nullptr)
        context->DrawBitmap(m_rcControl, back, static_cast<int>(m_words[kHfcStaticTextBackX]),
                            static_cast<int>(m_words[kHfcStaticTextBackY]));
    if (m_pText == nullptr)
        return;
    CHfcBmp* font = HfcWordBitmap(m_words[kHfcStaticTextFont]);
    const auto cellWidth = static_cast<int>(m_words[kHfcStaticTextCellWidth]);
    const auto cellHeight = static_cast<int>(m_words[kHfcStaticTextCellHeight]);
    const auto lines = static_cast<int>(m_words[kHfcStaticTextLines]);
    const auto columns = static_cast<int>(m_words[kHfcStaticTextColumns]);
    for (int line = 0; line < lines; ++line) {
        for (int column = 0; column < columns; ++column) {
            const auto glyph = static_cast<signed char>(m_pText[line * columns + column]);
            // Bytes from 128 on lie outside the font's 128 cells: left blank.
            if (glyph < 0)
                continue;
            context->DrawBitmap(m_rcControl.left + column * cellWidth, m_rcControl.top + line * cellHeight, cellWidth,
                                cellHeight, font, 0, glyph * cellHeight);
        }
    }
}
