#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcCtrlButtons.h"
#include "framework/ui/HfcDrawContext.h"

bool CHfcCtrlLed::Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    RECT rect{};
    if (!m_words.Load(descriptor, kHfcStripFrames, 1, true, rect))
        return false;
    FinishCreate(rect, id, eventCode);
    SetMinimum(0, false);
    SetMaximum(static_cast<int>(m_words[kHfcStripFrames]) - 1, false);
    return true;
}

bool CHfcCtrlLed::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseDown(x, y, modifiers))
        return true;
    ClearKeyManagerFocus();
    TakeCapture();
    ReportEditBegin();
    ReportValue(GetValue() | kHfcValuePressed);
    return true;
}

bool CHfcCtrlLed::OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CHfcCtrlLed::OnHfcMouseLButtonUp(CHfcMouse*, int, int, int)
{
    ReportValue(GetValue());
    ReportEditEnd();
    ReleaseCapture();
    return true;
}

bool CHfcCtrlLed::OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    OwnerTakesRightButtonDown(x, y, modifiers);
    return true;
}

bool CHfcCtrlLed::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    OwnerTakesMouseMove(x, y, modifiers);
    return true;
}

bool CHfcCtrlLed::OnHfcMouseCaptureReleased(CHfcMouse*)
{
    ReportValue(GetValue());
    ReportEditEnd();
    return true;
}

void CHfcCtrlLed::Destroy()
{
    CHfcControl::Destroy();
    m_words.Reset({});
}

void CHfcCtrlLed::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible)
        return;
    context->ClearRectangle(m_rcControl);
    if (m_fillColor != 0) {
        context->SetFillColor(m_fillColor);
        context->FillRectangle(m_rcControl);
    }
    m_words.DrawBack(context, m_rcControl);
    m_words.DrawFrame(context, m_rcControl, GetValue());
}

void CHfcCtrlLed::SetValue(int value, bool redraw)
{
    StoreClampedValue(value, GetMinimum(), GetMaximum(), redraw);
}

HfcWord CHfcCtrlLed::GetAttribute(int index)
{
    return index >= 0 && index < kHfcStripWords ? m_words[index] : 0;
}

void CHfcCtrlLed::SetAttribute(int index, int value, HfcWord word)
{
    if (index == kHfcStripBitmap || index == kHfcStripBack)
        m_words[index] = word;
    else if (index >= 0 && index < kHfcStripWords)
        m_words[index] = value;
}
