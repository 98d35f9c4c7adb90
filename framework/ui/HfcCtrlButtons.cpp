#include "framework/ui/HfcCtrlButtons.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcDrawContext.h"

#include <algorithm>
#include <iterator>

bool CHfcStripWords::Load(const HfcWord* descriptor, int countWord, int framesPerCount, bool needsStrip, RECT& rect)
{
    if (descriptor == nullptr)
        return false;
    CHfcStripWords loaded;
    std::copy(descriptor, descriptor + kHfcStripWords, loaded.m_words);
    if (needsStrip && loaded.Strip() == nullptr)
        return false;
    if (!loaded.WorkOutSize(framesPerCount * static_cast<int>(loaded[countWord]), rect))
        return false;
    *this = loaded;
    return true;
}

void CHfcStripWords::Reset(std::initializer_list<int> ones)
{
    std::fill(std::begin(m_words), std::end(m_words), 0);
    for (int index : ones)
        m_words[index] = 1;
}

bool CHfcStripWords::WorkOutSize(int divisor, RECT& rect) const
{
    auto width = static_cast<int>(m_words[kHfcStripWidth]);
    auto height = static_cast<int>(m_words[kHfcStripHeight]);
    if ((width == 0 || height == 0) && Strip() == nullptr)
        return false;
    if (width == 0)
        width = Strip()->GetWidth();
    if (height == 0) {
        if (divisor < 1)
            return false;
        height = Strip()->GetHeight() / divisor;
    }
    const auto x = static_cast<int>(m_words[kHfcStripX]);
    const auto y = static_cast<int>(m_words[kHfcStripY]);
    rect = {x, y, x + width, y + height};
    return true;
}

void CHfcStripWords::DrawBack(CHfcDrawContext* context, const RECT& rect) const
{
    if (Back() != nullptr)
        context->DrawBitmap(rect, Back(), static_cast<int>(m_words[kHfcStripBackX]),
                            static_cast<int>(m_words[kHfcStripBackY]));
}

void CHfcStripWords::DrawFrame(CHfcDrawContext* context, const RECT& rect, int frame) const
{
    context->DrawBitmap(rect, Strip(), 0, frame * (rect.bottom - rect.top));
}
