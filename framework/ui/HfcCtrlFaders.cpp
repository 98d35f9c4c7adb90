#include "framework/ui/HfcCtrlFaders.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcDrawContext.h"
#include "framework/ui/HfcModifiers.h"

#include <algorithm>

namespace {

constexpr HfcWord kVerticalDefaults[kHfcFaderWords] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 16383, 0, 128, 16};
constexpr HfcWord kHorizontalDefaults[kHfcFaderWords] = {40, 40, 100, 30, 0, 0,  100, 30,  0, 0,
                                                         0,  23, 10,  78, 0, 48, 0,   128, 16};

}  // namespace

CHfcCtrlVerticalFader::CHfcCtrlVerticalFader() : CHfcCtrlFader(true, kVerticalDefaults)
{}

CHfcCtrlHorizontalFader::CHfcCtrlHorizontalFader() : CHfcCtrlFader(false, kHorizontalDefaults)
{}

CHfcCtrlFader::CHfcCtrlFader(bool vertical, const HfcWord* defaults) : m_bVertical(vertical), m_pDefaults(defaults)
{
    std::copy(m_pDefaults, m_pDefaults + kHfcFaderWords, m_words);
}

bool CHfcCtrlFader::Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (descriptor == nullptr)
        return false;
    HfcWord words[kHfcFaderWords];
    std::copy(descriptor, descriptor + kHfcFaderWords, words);
    if (CHfcBmp* thumb = HfcWordBitmap(words[kHfcFaderThumb]); thumb != nullptr) {
        if (words[kHfcFaderThumbWidth] == 0)
            words[kHfcFaderThumbWidth] = thumb->GetWidth();
        if (words[kHfcFaderThumbHeight] == 0)
            words[kHfcFaderThumbHeight] = thumb->GetHeight();
    }
    // A thumb that cannot move would make every jump divide by zero.
    const HfcWord thumbLength = m_bVertical ? words[kHfcFaderThumbHeight] : words[kHfcFaderThumbWidth];
    if (words[kHfcFaderTrackLength] - thumbLength < 1 || words[kHfcFaderMaximum] < words[kHfcFaderMinimum])
        return false;
    std::copy(words, words + kHfcFaderWords, m_words);
    const auto x = static_cast<int>(m_words[kHfcFaderX]);
    const auto y = static_cast<int>(m_words[kHfcFaderY]);
    SetRect({x, y, x + static_cast<int>(m_words[kHfcFaderWidth]), y + static_cast<int>(m_words[kHfcFaderHeight])});
    SetMinimum(static_cast<int>(m_words[kHfcFaderMinimum]), true);
    SetMaximum(static_cast<int>(m_words[kHfcFaderMaximum]), true);
    SetValue(static_cast<int>(m_words[kHfcFaderValue]), true);
    UpdateThumbOffset();
    m_bDragging = false;
    FinishCreate(m_rcControl, id, eventCode);
    return true;
}

int CHfcCtrlFader::Travel() const
{
    return static_cast<int>(m_words[kHfcFaderTrackLength]) - (m_bVertical ? ThumbHeight() : ThumbWidth());
}

void CHfcCtrlFader::UpdateThumbOffset()
{
    const int travel = Travel();
    const int span = GetMaximum() - GetMinimum() + 1;
    if (span <= 0) {
        m_iThumbOffset = 0;
        return;
    }
    const int share = (travel + 1) * (GetValue() - GetMinimum()) / span;
    m_iThumbOffset = m_bVertical ? travel - share : share;
}

int CHfcCtrlFader::JumpValue(int along) const
{
    const int travel = Travel();
    const auto origin = static_cast<int>(m_bVertical ? m_words[kHfcFaderTrackY] : m_words[kHfcFaderTrackX]);
    const int fromMinimum =
        m_bVertical ? ThumbHeight() / 2 - along + origin + travel : along - ThumbWidth() / 2 - origin;
    return GetMinimum() + fromMinimum * (GetMaximum() - GetMinimum()) / travel;
}

bool CHfcCtrlFader::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseDown(x, y, modifiers))
        return true;
    ClearKeyManagerFocus();
    TakeCapture();
    if (m_bVertical)
        ApplyCursor();
    const int along = m_bVertical ? y : x;
    const int across = m_bVertical ? x : y;
    const auto bandStart = static_cast<int>(m_bVertical ? m_words[kHfcFaderTrackX] : m_words[kHfcFaderTrackY]);
    const int bandWidth = m_bVertical ? ThumbWidth() : ThumbHeight();
    if (across < bandStart || across >= bandStart + bandWidth) {
        m_bDragging = false;
        return true;
    }
    ReportEditBegin();
    if (!m_bVertical && (modifiers & kHfcModifierCtrl) != 0 && m_pOwner != nullptr) {
        int value = GetValue();
        if (m_pOwner->OnControlQueryDefaultValue(this, &value)) {
            SetValue(value, true);
            ReportEditEnd();
            ReleaseCapture();
            return true;
        }
    }
    const int thumbStart =
        static_cast<int>(m_bVertical ? m_words[kHfcFaderTrackY] : m_words[kHfcFaderTrackX]) + m_iThumbOffset;
    const int thumbLength = m_bVertical ? ThumbHeight() : ThumbWidth();
    m_iRunning = along >= thumbStart && along < thumbStart + thumbLength ? GetValue() : JumpValue(along);
    ReportValue(std::max(GetMinimum(), std::min(m_iRunning, GetMaximum())));
    m_iLastAlong = along;
    m_bDragging = true;
    return true;
}

bool CHfcCtrlFader::OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CHfcCtrlFader::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseMove(x, y, modifiers))
        return true;
    if (!HoldsCapture() || !m_bDragging)
        return true;
    const auto step =
        static_cast<int>((modifiers & kHfcModifierShift) != 0 ? m_words[kHfcFaderShiftStep] : m_words[kHfcFaderStep]);
    const int along = m_bVertical ? y : x;
    m_iRunning += (m_bVertical ? m_iLastAlong - along : along - m_iLastAlong) * step;
    m_iLastAlong = along;
    ReportValue(std::max(GetMinimum(), std::min(m_iRunning, GetMaximum())));
    return true;
}

bool CHfcCtrlFader::OnHfcMouseLButtonUp(CHfcMouse*, int, int, int)
{
    if (!HoldsCapture())
        return false;
    // Only a press on the thumb's column or band began an edit.
    if (m_bDragging)
        ReportEditEnd();
    m_bDragging = false;
    ReleaseCapture();
    return true;
}

void CHfcCtrlFader::Destroy()
{
    CHfcControl::Destroy();
    std::copy(m_pDefaults, m_pDefaults + kHfcFaderWords, m_words);
}

void CHfcCtrlFader::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible)
        return;
    CHfcBmp* thumb = HfcWordBitmap(m_words[kHfcFaderThumb]);
    const int width = m_rcControl.right - m_rcControl.left;
    const int height = m_rcControl.bottom - m_rcControl.top;
    const int left = m_rcControl.left;
    const int top = m_rcControl.top;
    const auto trackX = static_cast<int>(m_words[kHfcFaderTrackX]);
    const auto trackY = static_cast<int>(m_words[kHfcFaderTrackY]);
    if (CHfcBmp* back = HfcWordBitmap(m_words[kHfcFaderBack]); back != nullptr) {
        const auto backX = static_cast<int>(m_words[kHfcFaderBackX]);
        const auto backY = static_cast<int>(m_words[kHfcFaderBackY]);
        if (m_bVertical) {
            context->DrawBitmap(left, top, width, height, back, backX, backY);
        } else {
            const int thumbWidth = thumb != nullptr ? thumb->GetWidth() : 0;
            const int thumbHeight = thumb != nullptr ? thumb->GetHeight() : 0;
            context->DrawBitmap(left, top, thumbWidth - ThumbWidth() + width, thumbHeight - ThumbHeight() + height,
                                back, backX, backY);
        }
    } else {
        context->ClearRectangle(m_rcControl);
    }
    if (thumb == nullptr)
        return;
    if (m_bVertical)
        context->DrawBitmap(left + trackX, top + trackY + m_iThumbOffset, ThumbWidth(), ThumbHeight(), thumb, 0, 0);
    else
        context->DrawBitmap(left + trackX + m_iThumbOffset, top + trackY, thumb->GetWidth(), thumb->GetHeight(), thumb,
                            0, 0);
}

void CHfcCtrlFader::SetThumbBitmap(CHfcBmp* bitmap, bool redraw)
{
    m_words[kHfcFaderThumb] = HfcBitmapWord(bitmap);
    if (redraw)
        SetDirty(true);
}

void CHfcCtrlFader::SetDragSteps(int step, int shiftStep)
{
    m_words[kHfcFaderStep] = step;
    m_words[kHfcFaderShiftStep] = shiftStep;
}

void CHfcCtrlFader::SetValue(int value, bool redraw)
{
    if (StoreClampedValue(value, GetMinimum(), GetMaximum(), redraw))
        UpdateThumbOffset();
}
