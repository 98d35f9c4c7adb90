#include "framework/ui/HfcCtrlScrollBar.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcDrawContext.h"

#include <algorithm>

namespace {

constexpr int kShortestThumb = 8;

}  // namespace

bool CHfcCtrlScrollBar::Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (descriptor == nullptr || descriptor[kHfcScrollWidth] < 1 || descriptor[kHfcScrollHeight] < 1 ||
        descriptor[kHfcScrollArrowWidth] < 1 || descriptor[kHfcScrollArrowHeight] < 1 || descriptor[kHfcScrollPage] < 0)
        return false;
    std::copy(descriptor, descriptor + kHfcScrollWords, m_words);
    const auto x = static_cast<int>(m_words[kHfcScrollX]);
    const auto y = static_cast<int>(m_words[kHfcScrollY]);
    m_activePart = EHfcScrollPart::None;
    FinishCreate(
        {x, y, x + static_cast<int>(m_words[kHfcScrollWidth]), y + static_cast<int>(m_words[kHfcScrollHeight])}, id,
        eventCode);
    UpdateGeometry(GetValue());
    SetDirty(true);
    return true;
}

void CHfcCtrlScrollBar::UpdateGeometry(int value)
{
    const int range = GetMaximum() - GetMinimum();
    m_iTrackLength = IsVertical() ? (m_rcControl.bottom - m_rcControl.top) - 2 * ArrowHeight()
                                  : (m_rcControl.right - m_rcControl.left) - 2 * ArrowWidth();
    if (range < 1) {
        m_iThumbLength = 1;
        m_iThumbTravel = 1;
        m_iThumbPosition = 0;
        return;
    }
    const auto page = static_cast<int>(m_words[kHfcScrollPage]);
    m_iThumbLength = std::max(kShortestThumb, page * m_iTrackLength / (page + range));
    // A track shorter than the shortest thumb leaves it nowhere to go.
    m_iThumbTravel = std::max(0, m_iTrackLength - m_iThumbLength);
    m_iThumbPosition = (value - GetMinimum()) * m_iThumbTravel / range;
}

EHfcScrollPart CHfcCtrlScrollBar::HitTestPart(int x, int y) const
{
    const bool vertical = IsVertical();
    const int across = vertical ? x : y;
    const int along = vertical ? y : x;
    const int thickness = vertical ? ArrowWidth() : ArrowHeight();
    const int arrow = vertical ? ArrowHeight() : ArrowWidth();
    const int length = vertical ? m_rcControl.bottom - m_rcControl.top : m_rcControl.right - m_rcControl.left;
    if (across < 0 || across >= thickness)
        return EHfcScrollPart::None;
    if (along >= 0 && along < arrow)
        return EHfcScrollPart::FirstArrow;
    if (along >= length - arrow && along < length)
        return EHfcScrollPart::SecondArrow;
    if (GetMaximum() - GetMinimum() < 1)
        return EHfcScrollPart::None;
    const int thumbStart = m_iThumbPosition + arrow;
    if (along < thumbStart)
        return EHfcScrollPart::TrackBefore;
    if (along <= thumbStart + m_iThumbLength)
        return EHfcScrollPart::Thumb;
    return EHfcScrollPart::TrackAfter;
}

void CHfcCtrlScrollBar::Scroll(EHfcScrollPart part)
{
    if (m_pOwner == nullptr)
        return;
    int delta = 0;
    switch (part) {
    case EHfcScrollPart::FirstArrow: delta = -static_cast<int>(m_words[kHfcScrollLineStep]); break;
    case EHfcScrollPart::SecondArrow: delta = static_cast<int>(m_words[kHfcScrollLineStep]); break;
    case EHfcScrollPart::TrackBefore: delta = -static_cast<int>(m_words[kHfcScrollPageStep]); break;
    case EHfcScrollPart::TrackAfter: delta = static_cast<int>(m_words[kHfcScrollPageStep]); break;
    default: return;
    }
    SetDirty(true);
    const bool towardMinimum = part == EHfcScrollPart::FirstArrow || part == EHfcScrollPart::TrackBefore;
    if (GetValue() == (towardMinimum ? GetMinimum() : GetMaximum()))
        return;
    ReportValue(std::max(GetMinimum(), std::min(GetValue() + delta, GetMaximum())));
}

bool CHfcCtrlScrollBar::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseDown(x, y, modifiers))
        return true;
    ClearKeyManagerFocus();
    if (GetMinimum() >= GetMaximum())
        return false;
    m_pressPoint = {x, y};
    m_iPressValue = GetValue();
    m_iPressThumbPosition = m_iThumbPosition;
    m_activePart = HitTestPart(x, y);
    if (m_activePart == EHfcScrollPart::None)
        return false;
    TakeCapture();
    ApplyCursor();
    m_iRepeatCountdown = kRepeatDelayMs;
    Scroll(m_activePart);
    return true;
}

bool CHfcCtrlScrollBar::OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    if (OwnerTakesDoubleClick(x, y, modifiers))
        return true;
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CHfcCtrlScrollBar::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseMove(x, y, modifiers))
        return true;
    if (!HoldsCapture() || m_activePart != EHfcScrollPart::Thumb)
        return true;
    const int moved = IsVertical() ? y - m_pressPoint.y : x - m_pressPoint.x;
    const int position = std::clamp(m_iPressThumbPosition + moved, 0, m_iThumbTravel);
    const int range = GetMaximum() - GetMinimum();
    const int value = m_iThumbTravel > 0 && range > 0 ? GetMinimum() + range * position / m_iThumbTravel : GetMinimum();
    ReportValue(std::max(GetMinimum(), std::min(value, GetMaximum())));
    return true;
}

bool CHfcCtrlScrollBar::OnHfcMouseLButtonUp(CHfcMouse*, int, int, int)
{
    if (HoldsCapture())
        ReleaseCapture();
    return true;
}

bool CHfcCtrlScrollBar::OnHfcMouseCaptureReleased(CHfcMouse*)
{
    if (m_activePart != EHfcScrollPart::None) {
        m_activePart = EHfcScrollPart::None;
        SetDirty(true);
    }
    return true;
}

void CHfcCtrlScrollBar::OnTimer(int milliseconds)
{
    if (m_activePart != EHfcScrollPart::None) {
        m_iRepeatCountdown -= milliseconds;
        if (m_iRepeatCountdown < 0) {
            m_iRepeatCountdown = kRepeatIntervalMs;
            Scroll(m_activePart);
        }
    }
    CHfcControl::OnTimer(milliseconds);
}

void CHfcCtrlScrollBar::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible)
        return;
    context->ClearRectangle(m_rcControl);
    if (m_fillColor != 0) {
        context->SetFillColor(m_fillColor);
        context->FillRectangle(m_rcControl);
    }
    if (CHfcBmp* back = HfcWordBitmap(m_words[kHfcScrollBack]); back != nullptr)
        context->DrawBitmap(m_rcControl, back, static_cast<int>(m_words[kHfcScrollBackX]),
                            static_cast<int>(m_words[kHfcScrollBackY]));
    context->SetPenWidth(1.0f);
    const auto colour = static_cast<ARGB>(m_words[kHfcScrollColour]);
    const int left = m_rcControl.left;
    const int top = m_rcControl.top;
    const bool vertical = IsVertical();
    const bool empty = GetMinimum() >= GetMaximum();
    if (m_iTrackLength > 0) {
        context->SetPenColor(colour);
        if (vertical) {
            const int start = top + ArrowHeight();
            for (int x : {left, left + ArrowWidth() - 1}) {
                context->MoveTo(x, start);
                context->LineTo(x, start + m_iTrackLength);
            }
        } else {
            const int start = left + ArrowWidth();
            for (int y : {top, top + ArrowHeight() - 1}) {
                context->MoveTo(start, y);
                context->LineTo(start + m_iTrackLength, y);
            }
        }
        if (!empty) {
            context->SetFillColor(colour);
            if (vertical)
                context->FillRectangle(left + 1, top + ArrowHeight() + m_iThumbPosition, ArrowWidth() - 2,
                                       m_iThumbLength);
            else
                context->FillRectangle(left + ArrowWidth() + m_iThumbPosition, top + 1, m_iThumbLength,
                                       ArrowHeight() - 2);
        }
    }
    CHfcBmp* arrows = HfcWordBitmap(m_words[kHfcScrollArrows]);
    if (arrows == nullptr)
        return;
    const int disabled = empty ? 2 : 0;
    const int first = (m_activePart == EHfcScrollPart::FirstArrow ? 1 : 0) + disabled;
    const int second = 4 + (m_activePart == EHfcScrollPart::SecondArrow ? 1 : 0) + disabled;
    const int secondX = vertical ? left : m_rcControl.right - ArrowWidth();
    const int secondY = vertical ? m_rcControl.bottom - ArrowHeight() : top;
    context->DrawBitmap(left, top, ArrowWidth(), ArrowHeight(), arrows, 0, first * ArrowHeight());
    context->DrawBitmap(secondX, secondY, ArrowWidth(), ArrowHeight(), arrows, 0, second * ArrowHeight());
}

void CHfcCtrlScrollBar::SetValue(int value, bool redraw)
{
    const int clamped = std::max(GetMinimum(), std::min(value, GetMaximum()));
    UpdateGeometry(clamped);
    StoreClampedValue(clamped, GetMinimum(), GetMaximum(), redraw);
}

void CHfcCtrlScrollBar::SetMinimum(int value, bool redraw)
{
    CHfcControl::SetMinimum(value, redraw);
    UpdateGeometry(GetValue());
}

void CHfcCtrlScrollBar::SetMaximum(int value, bool redraw)
{
    CHfcControl::SetMaximum(value, redraw);
    UpdateGeometry(GetValue());
}
