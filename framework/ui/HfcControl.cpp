#include "framework/ui/HfcControl.h"

#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcDrawContext.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "framework/ui/HfcWindowLayer.h"

#include <platform/kernel.h>

#include <algorithm>

namespace {

constexpr DWORD kDragPauseMs = 100;
constexpr DWORD kLongestDragPauseMs = 1600;

RECT Grown(const RECT& rect, int margin)
{
    return {rect.left - margin, rect.top - margin, rect.right + margin, rect.bottom + margin};
}

}  // namespace

CHfcControl::~CHfcControl()
{
    // An uncreated control may still sit on a layer that would keep it.
    if (m_bCreated || m_pLayer != nullptr)
        CHfcControl::Destroy();
}

void CHfcControl::ResetParameters()
{}

void CHfcControl::Destroy()
{
    if (m_bCreated && m_pLayer != nullptr)
        ReleaseKeyFocus();
    if (CHfcKey* key = CHfcKey::GetInstance(); key != nullptr && key->GetFocus() == this)
        key->ClearFocus();
    if (CHfcMouse* mouse = CHfcMouse::GetInstance(); mouse != nullptr && HoldsCapture())
        mouse->ReleaseCapture();
    if (m_pLayer != nullptr)
        m_pLayer->RemoveControl(this, true);
    m_rcControl = {};
    m_rcHit = {};
    m_bCreated = false;
}

bool CHfcControl::Move(int x, int y, bool redraw)
{
    if (!m_bCreated)
        return false;
    SetRect({x, y, x + (m_rcControl.right - m_rcControl.left), y + (m_rcControl.bottom - m_rcControl.top)});
    if (m_pLayer == nullptr)
        return false;
    if (redraw)
        SetDirty(true);
    return true;
}

bool CHfcControl::Resize(int width, int height, bool redraw)
{
    if (!m_bCreated)
        return false;
    SetRect({m_rcControl.left, m_rcControl.top, m_rcControl.left + width, m_rcControl.top + height});
    if (m_pLayer == nullptr)
        return false;
    if (redraw)
        SetDirty(true);
    return true;
}

void CHfcControl::Draw(CHfcDrawContext* context)
{
    if (context != nullptr && m_bVisible)
        context->ClearRectangle(static_cast<float>(m_rcControl.left), static_cast<float>(m_rcControl.top),
                                static_cast<float>(m_rcControl.right - m_rcControl.left),
                                static_cast<float>(m_rcControl.bottom - m_rcControl.top));
}

void CHfcControl::DrawFocusFrame(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bCreated || !m_bVisible || m_focusFrameColor == 0)
        return;
    const int left = m_rcControl.left;
    const int top = m_rcControl.top;
    if (m_iMargin <= 0) {
        const int r = m_rcControl.right - 1;
        const int b = m_rcControl.bottom - 1;
        context->SetPenColor(m_focusFrameColor);
        const POINT corners[4][3] = {{{left, top}, {left + 3, top}, {left, top + 3}},
                                     {{r, top}, {r - 3, top}, {r, top + 3}},
                                     {{left, b}, {left + 3, b}, {left, b - 3}},
                                     {{r, b}, {r - 3, b}, {r, b - 3}}};
        for (const auto& corner : corners) {
            for (int end = 1; end <= 2; ++end) {
                context->MoveTo(static_cast<int>(corner[0].x), static_cast<int>(corner[0].y));
                context->LineTo(static_cast<int>(corner[end].x), static_cast<int>(corner[end].y));
            }
        }
        return;
    }
    const int width = m_rcControl.right - left;
    const int height = m_rcControl.bottom - top;
    const float alpha = static_cast<float>(m_focusFrameColor >> 24) / 255.0f;
    const float share = 1.0f / static_cast<float>(m_iMargin);
    for (int ring = 1; ring <= m_iMargin; ++ring) {
        const float ringAlpha = static_cast<float>(ring) * alpha * share * 255.0f;
        const auto a = static_cast<ARGB>(static_cast<int>(ringAlpha));
        context->SetPenColor((m_focusFrameColor & 0x00FFFFFFu) | (a << 24));
        context->DrawRectangle(left - ring, top - ring, width + 2 * ring, height + (m_bOpenBottom ? ring : 2 * ring));
    }
}

void CHfcControl::DrawBackground(CHfcDrawContext*)
{}

void CHfcControl::Redraw(bool force, bool now)
{
    if (m_bVisible) {
        if ((!m_bDirty && !force) || m_pLayer == nullptr)
            return;
        m_bDirty = false;
        Draw(m_pLayer->GetContext());
    } else {
        if (!m_bNeedsErase || m_pLayer == nullptr)
            return;
        m_bNeedsErase = false;
        DrawBackground(m_pLayer->GetContext());
    }
    m_pLayer->UpdateRect(m_iMargin != 0 ? m_rcHit : m_rcControl, now);
}

void CHfcControl::SetDirty(bool dirty)
{
    m_bDirty = dirty;
}

bool CHfcControl::IsDirty() const
{
    return m_bDirty;
}

void CHfcControl::Idle(int milliseconds)
{
    OnTimer(milliseconds);
}

void CHfcControl::OnTimer(int)
{
    Redraw(false, false);
}

void CHfcControl::SetBackBitmap(CHfcBmp*, bool)
{}

void CHfcControl::Show(bool redraw)
{
    if (!m_bCreated)
        return;
    m_bVisible = true;
    if (redraw)
        SetDirty(true);
}

void CHfcControl::Hide(bool redraw)
{
    if (!m_bCreated)
        return;
    if (m_bVisible) {
        m_bVisible = false;
        m_bNeedsErase = true;
    }
    if (redraw)
        SetDirty(true);
}

float CHfcControl::GetFloatValue() const
{
    return m_fValue;
}

void CHfcControl::SetFloatValue(float value, bool)
{
    m_fValue = value;
}

float CHfcControl::GetFloatMinimum() const
{
    return m_fMinimum;
}

void CHfcControl::SetFloatMinimum(float value)
{
    m_fMinimum = value;
}

float CHfcControl::GetFloatMaximum() const
{
    return m_fMaximum;
}

void CHfcControl::SetFloatMaximum(float value)
{
    m_fMaximum = value;
}

int CHfcControl::GetValue() const
{
    return m_iValue;
}

void CHfcControl::SetValue(int value, bool)
{
    m_iValue = value;
}

int CHfcControl::GetMinimum() const
{
    return m_iMinimum;
}

void CHfcControl::SetMinimum(int value, bool)
{
    m_iMinimum = value;
}

int CHfcControl::GetMaximum() const
{
    return m_iMaximum;
}

void CHfcControl::SetMaximum(int value, bool)
{
    m_iMaximum = value;
}

void CHfcControl::SetData(const void*, bool)
{}

HfcWord CHfcControl::GetAttribute(int)
{
    return 0;
}

void CHfcControl::SetAttribute(int, int, HfcWord)
{}

void CHfcControl::DetachLayer(CHfcWindowLayer*)
{
    m_pLayer = nullptr;
}

void CHfcControl::ApplyCursor()
{
    if (m_iCursorId < 0)
        return;
    if (CHfcMouse* mouse = CHfcMouse::GetInstance(); mouse != nullptr)
        mouse->SetCursor(m_iCursorId);
}

void CHfcControl::AdvanceHoldTimer(int milliseconds)
{
    if (m_iHoldCounter >= kHoldDelayMs)
        return;
    m_iHoldCounter += milliseconds;
    if (m_iHoldCounter >= kHoldDelayMs && m_pOwner != nullptr)
        m_pOwner->OnControlDelayElapsed(this, 0, 0, 0);
}

float CHfcControl::GetDragSpeedFactor()
{
    const DWORD now = timeGetTime();
    float factor = 1.0f;
    if (now > m_dwLastDragTime && now - m_dwLastDragTime > kDragPauseMs)
        factor = 50.0f / static_cast<float>(std::min(now - m_dwLastDragTime, kLongestDragPauseMs));
    m_dwLastDragTime = now;
    return factor;
}

void CHfcControl::SetMargin(int margin)
{
    m_iMargin = margin;
    SetRect(m_rcControl);
}

void CHfcControl::SetRect(const RECT& rect)
{
    m_rcControl = rect;
    m_rcHit = Grown(rect, m_iMargin);
}

bool CHfcControl::StoreClampedValue(int value, int minimum, int maximum, bool redraw)
{
    const int clamped = std::max(minimum, std::min(value, maximum));
    if (clamped == m_iValue)
        return false;
    m_iValue = clamped;
    if (redraw)
        SetDirty(true);
    return true;
}

void CHfcControl::FinishCreate(const RECT& rect, std::uint32_t id, std::uint32_t eventCode)
{
    SetRect(rect);
    m_uId = id;
    m_uEventCode = eventCode;
    m_bEnabled = true;
    m_bCreated = true;
}

bool CHfcControl::OwnerTakesMouseDown(int x, int y, int modifiers)
{
    return m_pOwner != nullptr && m_pOwner->OnControlMouseDown(this, x, y, modifiers);
}

bool CHfcControl::OwnerTakesDoubleClick(int x, int y, int modifiers)
{
    return m_pOwner != nullptr && m_pOwner->OnControlDoubleClick(this, x, y, modifiers);
}

bool CHfcControl::OwnerTakesMouseUp(int x, int y, int modifiers)
{
    return m_pOwner != nullptr && m_pOwner->OnControlMouseUp(this, x, y, modifiers);
}

bool CHfcControl::OwnerTakesMouseMove(int x, int y, int modifiers)
{
    return m_pOwner != nullptr && m_pOwner->OnControlMouseMove(this, x, y, modifiers);
}

bool CHfcControl::OwnerTakesRightButtonDown(int x, int y, int modifiers)
{
    return m_pOwner != nullptr && m_pOwner->OnControlRightButtonDown(this, x, y, modifiers);
}

void CHfcControl::ReportValue(int value)
{
    if (m_pOwner != nullptr)
        m_pOwner->OnControlValueChanged(this, value);
}

void CHfcControl::ReportEditBegin()
{
    if (m_pOwner != nullptr)
        m_pOwner->OnControlEditBegin(this);
}

void CHfcControl::ReportEditEnd()
{
    if (m_pOwner != nullptr)
        m_pOwner->OnControlEditEnd(this);
}

void CHfcControl::TakeCapture()
{
    if (CHfcMouse* mouse = CHfcMouse::GetInstance(); mouse != nullptr)
        mouse->SetCapture(this, m_pLayer != nullptr ? m_pLayer->GetOwner() : nullptr);
}

bool CHfcControl::HoldsCapture() const
{
    const CHfcMouse* mouse = CHfcMouse::GetInstance();
    return mouse != nullptr && mouse->GetCapture() == static_cast<const CHfcMouseListener*>(this);
}

void CHfcControl::ReleaseCapture()
{
    if (CHfcMouse* mouse = CHfcMouse::GetInstance(); mouse != nullptr)
        mouse->ReleaseCapture();
}

void CHfcControl::ClearKeyManagerFocus()
{
    if (CHfcKey* key = CHfcKey::GetInstance(); key != nullptr)
        key->ClearFocus();
}
