#include "framework/ui/HfcCtrlButtons.h"

CHfcCtrlBitmapList::CHfcCtrlBitmapList()
{
    m_words.Reset({kHfcStripFrames});
}

bool CHfcCtrlBitmapList::Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    RECT rect{};
    if (!m_words.Load(descriptor, kHfcStripFrames, 1, false, rect))
        return false;
    m_words[kHfcStripWidth] = rect.right - rect.left;
    m_words[kHfcStripHeight] = rect.bottom - rect.top;
    FinishCreate(rect, id, eventCode);
    m_iMinimum = 0;
    m_iMaximum = static_cast<int>(m_words[kHfcStripFrames]) - 1;
    return true;
}

void CHfcCtrlBitmapList::Destroy()
{
    CHfcControl::Destroy();
    m_words.Reset({kHfcStripFrames});
}

void CHfcCtrlBitmapList::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible)
        return;
    m_words.DrawBack(context, m_rcControl);
    m_words.DrawFrame(context, m_rcControl, GetValue());
}

void CHfcCtrlBitmapList::SetValue(int value, bool redraw)
{
    StoreClampedValue(value, m_iMinimum, m_iMaximum, redraw);
}
