#include "framework/ui/HfcWindowLayer.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcLayerControl.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "framework/ui/HfcUiLock.h"
#include "framework/ui/HfcWindow.h"

#include <algorithm>

namespace {

// An empty size makes an empty buffer; any other needs its pixels.
bool HasPixels(CHfcOffscreenContext& context, int width, int height)
{
    return width <= 0 || height <= 0 || context.GetBitmap()->GetGdipBitmap() != nullptr;
}

}  // namespace

CHfcWindowLayer::~CHfcWindowLayer()
{
    if (m_bCreated)
        CHfcWindowLayer::Destroy();
    // A refused destroy still leaves the object; nothing may keep its bitmap.
    delete m_pContext;
    m_pContext = nullptr;
}

bool CHfcWindowLayer::Create(int x, int y, int width, int height, CHfcWindow* window)
{
    CHfcUiLock lock;
    auto* context = new CHfcOffscreenContext(width, height);
    if (!HasPixels(*context, width, height)) {
        delete context;
        return false;
    }
    delete m_pContext;
    m_pContext = context;
    m_rcLayer = {x, y, x + width, y + height};
    m_pOwner = window;
    m_bCreated = true;
    if (window != nullptr)
        window->AddLayer(this, false);
    return OnCreate();
}

bool CHfcWindowLayer::Destroy()
{
    CHfcUiLock lock;
    if (!m_bCreated)
        return false;
    if (m_pOwner != nullptr)
        m_pOwner->ReleaseKeyFocus(this);
    if (CHfcKey* key = CHfcKey::GetInstance(); key != nullptr && key->GetFocus() == this)
        key->ClearFocus();
    if (CHfcMouse* mouse = CHfcMouse::GetInstance(); mouse != nullptr && HoldsCapture(mouse))
        mouse->ReleaseCapture();
    // Destroy also runs from the destructor, where this class's own versions
    // are the ones meant; elsewhere a derived layer's versions run.
    if (!OnDestroy())  // NOLINT(clang-analyzer-optin.cplusplus.VirtualCall)
        return false;
    Hide(false);          // NOLINT(clang-analyzer-optin.cplusplus.VirtualCall)
    RemoveAllControls();  // NOLINT(clang-analyzer-optin.cplusplus.VirtualCall)
    delete m_pContext;
    m_pContext = nullptr;
    m_pOwner = nullptr;
    m_rcLayer = {};
    m_bCreated = false;
    return true;
}

bool CHfcWindowLayer::Resize(int width, int height, bool redraw)
{
    CHfcUiLock lock;
    if (m_pContext == nullptr)
        return false;
    const int oldWidth = GetWidth();
    const int oldHeight = GetHeight();
    OnResizing(&width, &height);
    if (!m_pContext->Resize(width, height))
        return false;
    m_rcLayer.right = m_rcLayer.left + width;
    m_rcLayer.bottom = m_rcLayer.top + height;
    OnResized(width, height);
    if (redraw && m_pOwner != nullptr) {
        const RECT both{m_rcLayer.left, m_rcLayer.top, m_rcLayer.left + std::max(oldWidth, width),
                        m_rcLayer.top + std::max(oldHeight, height)};
        m_pOwner->UpdateRect(both, true);
    }
    return true;
}

bool CHfcWindowLayer::Move(int x, int y, bool now)
{
    CHfcUiLock lock;
    if (!m_bCreated)
        return false;
    const RECT old = m_rcLayer;
    OnMoving(&x, &y);
    m_rcLayer = {x, y, x + GetWidth(), y + GetHeight()};
    OnMoved(x, y);
    if (m_pOwner != nullptr && m_bVisible) {
        const RECT both{std::min(old.left, m_rcLayer.left), std::min(old.top, m_rcLayer.top),
                        std::max(old.right, m_rcLayer.right), std::max(old.bottom, m_rcLayer.bottom)};
        m_pOwner->UpdateRect(both, now);
    }
    return true;
}

bool CHfcWindowLayer::Show(bool now)
{
    CHfcUiLock lock;
    if (!m_bCreated)
        return false;
    m_bVisible = true;
    if (m_pOwner != nullptr)
        m_pOwner->UpdateRect(m_rcLayer, now);
    return true;
}

bool CHfcWindowLayer::Hide(bool now)
{
    CHfcUiLock lock;
    if (!m_bCreated)
        return false;
    m_bVisible = false;
    if (m_pOwner != nullptr)
        m_pOwner->UpdateRect(m_rcLayer, now);
    return true;
}

bool CHfcWindowLayer::AddControl(CHfcLayerControl* control, bool redraw)
{
    if (control == nullptr)
        return false;
    control->SetLayer(this);
    m_controls.push_back(control);
    control->SetDirty(true);
    if (redraw)
        control->Redraw(true, true);
    return true;
}

bool CHfcWindowLayer::RemoveControl(CHfcLayerControl* control, bool)
{
    auto found = std::find(m_controls.begin(), m_controls.end(), control);
    if (found == m_controls.end())
        return false;
    control->ReleaseKeyFocus();
    control->DetachLayer(this);
    control->SetLayer(nullptr);
    // The control's own clean-up may have changed the list.
    found = std::find(m_controls.begin(), m_controls.end(), control);
    if (found != m_controls.end())
        m_controls.erase(found);
    return true;
}

void CHfcWindowLayer::RemoveAllControls()
{
    while (!m_controls.empty())
        RemoveControl(m_controls.back());  // NOLINT(clang-analyzer-optin.cplusplus.VirtualCall): as in Destroy
}

void CHfcWindowLayer::Invalidate()
{
    if (m_bCreated && m_pOwner != nullptr)
        m_pOwner->InvalidateRect(&m_rcLayer);
}

void CHfcWindowLayer::InvalidateArea(const RECT& rect)
{
    if (!m_bCreated || m_pOwner == nullptr)
        return;
    const RECT shifted{rect.left + m_rcLayer.left, rect.top + m_rcLayer.top, rect.right + m_rcLayer.left,
                       rect.bottom + m_rcLayer.top};
    m_pOwner->InvalidateRect(&shifted);
}

bool CHfcWindowLayer::OnCreate()
{
    return true;
}

bool CHfcWindowLayer::OnDestroy()
{
    return true;
}

void CHfcWindowLayer::OnDetach(CHfcWindow* window)
{
    if (window != nullptr)
        window->ReleaseKeyFocus(nullptr);
    m_pOwner = nullptr;
}

void CHfcWindowLayer::OnResizing(int*, int*)
{}
void CHfcWindowLayer::OnResized(int, int)
{}
void CHfcWindowLayer::OnMoving(int*, int*)
{}
void CHfcWindowLayer::OnMoved(int, int)
{}

void CHfcWindowLayer::UpdateRect(const RECT& rect, bool now)
{
    if (!m_bCreated || m_pOwner == nullptr)
        return;
    const RECT shifted{rect.left + m_rcLayer.left, rect.top + m_rcLayer.top, rect.right + m_rcLayer.left,
                       rect.bottom + m_rcLayer.top};
    m_pOwner->UpdateRect(shifted, now);
}

void CHfcWindowLayer::UpdateArea(int x, int y, int width, int height, bool now)
{
    UpdateRect({x, y, x + width, y + height}, now);
}

void CHfcWindowLayer::Update(bool now)
{
    UpdateArea(0, 0, GetWidth(), GetHeight(), now);
}

int CHfcWindowLayer::GetWidth() const
{
    return m_pContext != nullptr ? m_pContext->GetBitmap()->GetWidth() : 0;
}

int CHfcWindowLayer::GetHeight() const
{
    return m_pContext != nullptr ? m_pContext->GetBitmap()->GetHeight() : 0;
}

bool CHfcWindowLayer::ScreenToLayer(POINT& point)
{
    if (!m_bCreated)
        return false;
    if (m_pOwner != nullptr)
        m_pOwner->ScreenToClient(point);
    point.x -= m_rcLayer.left;
    point.y -= m_rcLayer.top;
    return true;
}

bool CHfcWindowLayer::LayerToScreen(POINT& point)
{
    if (!m_bCreated)
        return false;
    point.x += m_rcLayer.left;
    point.y += m_rcLayer.top;
    if (m_pOwner != nullptr)
        m_pOwner->ClientToScreen(point);
    return true;
}

void CHfcWindowLayer::SetKeyFocus(CHfcKeyFocusListener* listener)
{
    if (m_pOwner != nullptr)
        m_pOwner->SetKeyFocus(listener);
}

void CHfcWindowLayer::ReleaseKeyFocus(CHfcKeyFocusListener* listener)
{
    if (m_pOwner != nullptr)
        m_pOwner->ReleaseKeyFocus(listener);
}

bool CHfcWindowLayer::HasKeyFocus(CHfcKeyFocusListener* listener)
{
    return m_pOwner != nullptr && m_pOwner->HasKeyFocus(listener);
}

bool CHfcWindowLayer::HoldsCapture(CHfcMouse* mouse)
{
    return mouse->GetCapture() == static_cast<CHfcMouseListener*>(this);
}
