#include "framework/ui/HfcCtrlKnob.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcDrawContext.h"
#include "framework/ui/HfcKnobMode.h"
#include "framework/ui/HfcModifiers.h"
#include "framework/ui/HfcMouse.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kTwoPi = 6.2831855f;
// The sweep runs clockwise over 312 degrees from 246 degrees.
constexpr float kSweepStart = 4.29351f;
constexpr float kSweep = 5.4454274f;
constexpr float kHalfDeadZone = (kTwoPi - kSweep) / 2.0f;
// A turn of 300 degrees sweeps the whole range in the relative mode.
constexpr float kRelativeTurn = 5.235988f;

float Wrapped(float angle)
{
    angle = std::fmod(angle, kTwoPi);
    return angle < 0.0f ? angle + kTwoPi : angle;
}

// The multiple of step at or below value, or at or above it.
int SnappedDown(int value, int step)
{
    const int rest = value % step;
    return rest < 0 ? value - rest - step : value - rest;
}

int SnappedUp(int value, int step)
{
    const int down = SnappedDown(value, step);
    return down == value ? value : down + step;
}

}  // namespace

bool CHfcCtrlKnob::Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (descriptor == nullptr)
        return false;
    auto* strip = HfcWordBitmap(descriptor[kHfcKnobBitmap]);
    const auto frames = static_cast<int>(descriptor[kHfcKnobFrames]);
    auto width = static_cast<int>(descriptor[kHfcKnobWidth]);
    auto height = static_cast<int>(descriptor[kHfcKnobHeight]);
    if (strip == nullptr || (height == 0 && frames < 1) || descriptor[kHfcKnobStep] < 1)
        return false;
    std::copy(descriptor, descriptor + kHfcKnobWords, m_words);
    if (width == 0)
        width = strip->GetWidth();
    if (height == 0)
        height = strip->GetHeight() / frames;
    const auto x = static_cast<int>(m_words[kHfcKnobX]);
    const auto y = static_cast<int>(m_words[kHfcKnobY]);
    FinishCreate({x, y, x + width, y + height}, id, eventCode);
    SetMinimum(static_cast<int>(m_words[kHfcKnobMinimum]), false);
    SetMaximum(static_cast<int>(m_words[kHfcKnobMaximum]), false);
    SetDirty(true);
    return true;
}

float CHfcCtrlKnob::AngleFraction(int x, int y) const
{
    // About the centre of the knob, where its frames turn.
    const int halfWidth = (m_rcControl.right - m_rcControl.left) / 2;
    const int halfHeight = (m_rcControl.bottom - m_rcControl.top) / 2;
    const float theta = Wrapped(std::atan2(static_cast<float>(halfHeight - y), static_cast<float>(x - halfWidth)));
    float fromEnd = theta - (kSweepStart - kSweep);
    fromEnd = std::fmod(fromEnd, kTwoPi);
    if (fromEnd < 0.0f)
        fromEnd += kTwoPi;
    if (fromEnd > kSweep + kHalfDeadZone)
        return 1.0f;
    if (fromEnd > kSweep)
        return 0.0f;
    return 1.0f - fromEnd / kSweep;
}

int CHfcCtrlKnob::ValueAt(float fraction) const
{
    const auto minimum = static_cast<int>(m_words[kHfcKnobMinimum]);
    const auto maximum = static_cast<int>(m_words[kHfcKnobMaximum]);
    return minimum + static_cast<int>(fraction * static_cast<float>(maximum - minimum));
}

bool CHfcCtrlKnob::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseDown(x, y, modifiers))
        return true;
    if ((modifiers & kHfcModifierCtrl) != 0 && m_pOwner != nullptr) {
        int value = GetValue();
        if (m_pOwner->OnControlQueryDefaultValue(this, &value))
            SetValue(value, true);
    }
    m_dragPoint = {x, y};
    m_iRunning = GetValue();
    m_iLastReported = GetValue();
    m_fLastFraction = GetFloatValue();
    const int setting = HfcGetKnobMode();
    m_iDragMode = setting;
    if ((modifiers & kHfcModifierAlt) != 0)
        m_iDragMode = setting == kHfcKnobModeVertical ? kHfcKnobModeCircular : kHfcKnobModeVertical;
    switch (m_iDragMode) {
    case kHfcKnobModeRelative: ReportEditBegin(); break;
    case kHfcKnobModeVertical:
        ReportEditBegin();
        ReportValue(m_iRunning);
        break;
    default: {
        // Later steps compare with where the press was, not with an older
        // fraction, so that the first step does not jump to an end.
        m_fLastFraction = AngleFraction(x, y);
        m_iLastReported = ValueAt(m_fLastFraction);
        ReportEditBegin();
        ReportValue(m_iLastReported);
        break;
    }
    }
    TakeCapture();
    ApplyCursor();
    ClearKeyManagerFocus();
    return true;
}

bool CHfcCtrlKnob::OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    if (OwnerTakesDoubleClick(x, y, modifiers))
        return true;
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CHfcCtrlKnob::OnHfcMouseLButtonUp(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseUp(x, y, modifiers))
        return true;
    if (HoldsCapture())
        ReleaseCapture();
    return true;
}

bool CHfcCtrlKnob::OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    OwnerTakesRightButtonDown(x, y, modifiers);
    return true;
}

bool CHfcCtrlKnob::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseMove(x, y, modifiers))
        return true;
    if (!HoldsCapture())
        return true;
    switch (m_iDragMode) {
    case kHfcKnobModeRelative: DragRelative(x, y); break;
    case kHfcKnobModeVertical: DragVertical(x, y, modifiers); break;
    default: DragCircular(x, y); break;
    }
    return true;
}

void CHfcCtrlKnob::DragCircular(int x, int y)
{
    const float reached = AngleFraction(x, y);
    float fraction = reached;
    // A jump across the dead zone keeps the knob at the end it passed.
    if (m_fLastFraction - reached > 0.5f)
        fraction = 1.0f;
    else if (reached - m_fLastFraction > 0.5f)
        fraction = 0.0f;
    else
        m_fLastFraction = reached;
    const int value = ValueAt(fraction);
    if (value != m_iLastReported) {
        m_iLastReported = value;
        ReportValue(value);
    }
}

void CHfcCtrlKnob::DragRelative(int x, int y)
{
    const float cx = static_cast<float>((m_rcControl.right - m_rcControl.left) / 2);
    const float cy = static_cast<float>((m_rcControl.bottom - m_rcControl.top) / 2);
    const float x1 = static_cast<float>(m_dragPoint.x);
    const float y1 = static_cast<float>(m_dragPoint.y);
    const float x2 = static_cast<float>(x);
    const float y2 = static_cast<float>(y);
    const float from = std::atan2(x1 - cx, cy - y1);
    float to = std::atan2(x2 - cx, cy - y2);
    // Positive: clockwise on the screen, where the angle grows.
    const float turn = (y1 - cy) * (cx - x2) - (y2 - cy) * (cx - x1);
    if (turn > 0.0f && to < from)
        to += kTwoPi;
    else if (turn < 0.0f && to > from)
        to -= kTwoPi;
    const float range = static_cast<float>(GetMaximum() - GetMinimum());
    const int delta = static_cast<int>(range * (to / kRelativeTurn - from / kRelativeTurn));
    const int running = m_iRunning + delta;
    if (running == m_iRunning)
        return;
    m_dragPoint = {x, y};
    m_iRunning = running;
    ReportValue(std::max(GetMinimum(), std::min(running, GetMaximum())));
}

void CHfcCtrlKnob::DragVertical(int x, int y, int modifiers)
{
    const int step = (modifiers & kHfcModifierShift) != 0 ? 1 : static_cast<int>(m_words[kHfcKnobStep]);
    if (m_iRunning % step != 0)
        m_iRunning = y > m_dragPoint.y ? SnappedUp(m_iRunning, step) : SnappedDown(m_iRunning, step);
    m_iRunning += (m_dragPoint.y - y) * step;
    m_iRunning = std::max(GetMinimum(), std::min(m_iRunning, GetMaximum()));
    if (m_iRunning != m_iLastReported) {
        m_iLastReported = m_iRunning;
        ReportValue(m_iRunning);
    }
    m_dragPoint = {x, y};
}

bool CHfcCtrlKnob::OnHfcMouseCaptureReleased(CHfcMouse* mouse)
{
    if (mouse != nullptr)
        mouse->SetCursor(0);
    ReportEditEnd();
    return true;
}

int CHfcCtrlKnob::GetFrame() const
{
    const auto frames = static_cast<int>(m_words[kHfcKnobFrames]);
    const int span = GetMaximum() - GetMinimum();
    if (frames <= 1 || span <= 0)
        return 0;
    const float share = static_cast<float>(GetValue() - GetMinimum()) / static_cast<float>(span);
    const float frame = share * static_cast<float>(frames) - 1.0f / static_cast<float>(frames - 1);
    return std::clamp(static_cast<int>(frame), 0, frames - 1);
}

void CHfcCtrlKnob::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible)
        return;
    context->ClearRectangle(m_rcControl);
    if (auto* back = HfcWordBitmap(m_words[kHfcKnobBack]); back != nullptr)
        context->DrawBitmap(m_rcControl, back, static_cast<int>(m_words[kHfcKnobBackX]),
                            static_cast<int>(m_words[kHfcKnobBackY]));
    context->DrawBitmap(m_rcControl, HfcWordBitmap(m_words[kHfcKnobBitmap]), 0,
                        GetFrame() * (m_rcControl.bottom - m_rcControl.top));
}

void CHfcCtrlKnob::SetBackBitmap(CHfcBmp* bitmap, bool redraw)
{
    m_words[kHfcKnobBack] = HfcBitmapWord(bitmap);
    if (redraw)
        SetDirty(true);
}

void CHfcCtrlKnob::SetBitmap(CHfcBmp* bitmap, bool redraw)
{
    m_words[kHfcKnobBitmap] = HfcBitmapWord(bitmap);
    if (redraw)
        SetDirty(true);
}

void CHfcCtrlKnob::SetValue(int value, bool redraw)
{
    StoreClampedValue(value, GetMinimum(), GetMaximum(), redraw);
}
