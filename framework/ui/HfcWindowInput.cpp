// How a window turns its mouse messages into framework events and offers
// mouse and drag events to its layers.
#include "framework/ui/HfcMessageBox.h"
#include "framework/ui/HfcModifiers.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcWindow.h"
#include "framework/ui/HfcWindowLayer.h"

#include <platform/input.h>

namespace {

bool IsButtonUp(EHfcMouseEvent event)
{
    return event == EHfcMouseEvent::LButtonUp || event == EHfcMouseEvent::RButtonUp ||
           event == EHfcMouseEvent::MButtonUp;
}

// The topmost visible layer under the client point that takes the event
// (the last attached first), with the point in layer coordinates. Indexes,
// because a layer may leave the window while it handles one.
template <typename Deliver>
bool OfferToLayerUnder(const std::vector<CHfcWindowLayer*>& layers, int x, int y, Deliver deliver)
{
    for (std::size_t i = layers.size(); i-- > 0;) {
        if (i >= layers.size())
            continue;
        CHfcWindowLayer* layer = layers[i];
        if (layer->IsVisible() && layer->Contains(x, y) &&
            deliver(*layer, x - layer->GetRect().left, y - layer->GetRect().top))
            return true;
    }
    return false;
}

// The first visible layer, first attached first, that takes a drag event.
template <typename Deliver>
bool OfferToVisibleLayers(const std::vector<CHfcWindowLayer*>& layers, Deliver deliver)
{
    for (std::size_t i = 0; i < layers.size(); ++i)
        if (layers[i]->IsVisible() && deliver(*layers[i]))
            return true;
    return false;
}

}  // namespace

LRESULT CHfcWindow::RouteMouseMessage(EHfcMouseEvent event, WPARAM wParam, LPARAM lParam)
{
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    if (mouse == nullptr) {
        ShowMessageBox("Mouse=0", "error", 0, 0);
        return 0;
    }
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ClientToScreen(m_hWnd, &point);
    const int modifiers = HfcMouseModifiers(wParam);
    CHfcMouseListener* receiver = mouse->GetCapture() != nullptr ? mouse->GetCapture() : this;
    receiver->OnHfcMouseRawEvent(event, mouse, point.x, point.y, modifiers);
    // A holder that kept the capture past the last button's release (its
    // owner swallowed the release) would take every later mouse event.
    mouse = CHfcMouse::GetInstance();
    const bool buttonsHeld = (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
    if (mouse != nullptr && IsButtonUp(event) && !buttonsHeld && mouse->GetCapture() != nullptr)
        mouse->ReleaseCapture();
    return 0;
}

LRESULT CHfcWindow::Win32MouseMove(UINT, WPARAM wParam, LPARAM lParam)
{
    return RouteMouseMessage(EHfcMouseEvent::Move, wParam, lParam);
}

LRESULT CHfcWindow::Win32LButtonDown(UINT, WPARAM wParam, LPARAM lParam)
{
    return RouteMouseMessage(EHfcMouseEvent::LButtonDown, wParam, lParam);
}

LRESULT CHfcWindow::Win32LButtonUp(UINT, WPARAM wParam, LPARAM lParam)
{
    return RouteMouseMessage(EHfcMouseEvent::LButtonUp, wParam, lParam);
}

LRESULT CHfcWindow::Win32LButtonDblClk(UINT, WPARAM wParam, LPARAM lParam)
{
    return RouteMouseMessage(EHfcMouseEvent::LButtonDblClk, wParam, lParam);
}

LRESULT CHfcWindow::Win32RButtonDown(UINT, WPARAM wParam, LPARAM lParam)
{
    return RouteMouseMessage(EHfcMouseEvent::RButtonDown, wParam, lParam);
}

LRESULT CHfcWindow::Win32RButtonUp(UINT, WPARAM wParam, LPARAM lParam)
{
    return RouteMouseMessage(EHfcMouseEvent::RButtonUp, wParam, lParam);
}

LRESULT CHfcWindow::Win32RButtonDblClk(UINT, WPARAM wParam, LPARAM lParam)
{
    return RouteMouseMessage(EHfcMouseEvent::RButtonDblClk, wParam, lParam);
}

LRESULT CHfcWindow::Win32MButtonDown(UINT, WPARAM wParam, LPARAM lParam)
{
    return RouteMouseMessage(EHfcMouseEvent::MButtonDown, wParam, lParam);
}

LRESULT CHfcWindow::Win32MButtonUp(UINT, WPARAM wParam, LPARAM lParam)
{
    return RouteMouseMessage(EHfcMouseEvent::MButtonUp, wParam, lParam);
}

LRESULT CHfcWindow::Win32MButtonDblClk(UINT, WPARAM wParam, LPARAM lParam)
{
    return RouteMouseMessage(EHfcMouseEvent::MButtonDblClk, wParam, lParam);
}

LRESULT CHfcWindow::Win32MouseWheel(UINT, WPARAM wParam, LPARAM lParam)
{
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    if (mouse == nullptr)
        return 0;
    const int modifiers = HfcMouseModifiers(LOWORD(wParam));
    CHfcMouseListener* receiver = mouse->GetCapture() != nullptr ? mouse->GetCapture() : this;
    receiver->OnHfcMouseRawWheel(mouse, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), 0, GET_WHEEL_DELTA_WPARAM(wParam),
                                 modifiers);
    return 0;
}

bool CHfcWindow::OnRawMouseEvent(EHfcMouseEvent event, CHfcMouse* mouse, int x, int y, int modifiers)
{
    POINT client{x, y};
    ScreenToClient(client);
    if (mouse != nullptr)
        mouse->SetLastEvent({this, x, y, static_cast<int>(client.x), static_cast<int>(client.y), modifiers});
    return OnHfcMouseEvent(event, mouse, client.x, client.y, modifiers);
}

bool CHfcWindow::DispatchToLayers(EHfcMouseEvent event, CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OfferToLayerUnder(m_layers, x, y, [&](CHfcWindowLayer& layer, int lx, int ly) {
        return layer.DispatchMouseEvent(event, mouse, lx, ly, modifiers);
    });
}

bool CHfcWindow::OnHfcMouseRawLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OnRawMouseEvent(EHfcMouseEvent::LButtonDown, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseRawLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OnRawMouseEvent(EHfcMouseEvent::LButtonDblClk, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseRawLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OnRawMouseEvent(EHfcMouseEvent::LButtonUp, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseRawRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OnRawMouseEvent(EHfcMouseEvent::RButtonDown, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseRawRButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OnRawMouseEvent(EHfcMouseEvent::RButtonDblClk, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseRawRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OnRawMouseEvent(EHfcMouseEvent::RButtonUp, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseRawMButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OnRawMouseEvent(EHfcMouseEvent::MButtonDown, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseRawMButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OnRawMouseEvent(EHfcMouseEvent::MButtonDblClk, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseRawMButtonUp(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OnRawMouseEvent(EHfcMouseEvent::MButtonUp, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseRawMove(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OnRawMouseEvent(EHfcMouseEvent::Move, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseRawWheel(CHfcMouse* mouse, int x, int y, int reserved, int delta, int modifiers)
{
    POINT client{x, y};
    ScreenToClient(client);
    return OnHfcMouseWheel(mouse, client.x, client.y, reserved, delta, modifiers);
}

bool CHfcWindow::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToLayers(EHfcMouseEvent::LButtonDown, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToLayers(EHfcMouseEvent::LButtonDblClk, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToLayers(EHfcMouseEvent::LButtonUp, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToLayers(EHfcMouseEvent::RButtonDown, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseRButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToLayers(EHfcMouseEvent::RButtonDblClk, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToLayers(EHfcMouseEvent::RButtonUp, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseMButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToLayers(EHfcMouseEvent::MButtonDown, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseMButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToLayers(EHfcMouseEvent::MButtonDblClk, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseMButtonUp(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToLayers(EHfcMouseEvent::MButtonUp, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToLayers(EHfcMouseEvent::Move, mouse, x, y, modifiers);
}

bool CHfcWindow::OnHfcMouseWheel(CHfcMouse* mouse, int x, int y, int reserved, int delta, int modifiers)
{
    return OfferToLayerUnder(m_layers, x, y, [&](CHfcWindowLayer& layer, int lx, int ly) {
        return layer.DispatchMouseWheel(mouse, lx, ly, reserved, delta, modifiers);
    });
}

bool CHfcWindow::OnHfcRawDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    if (OfferToVisibleLayers(m_layers, [&](CHfcWindowLayer& layer) {
            return layer.OnHfcRawDragEnter(ole, data, x, y, modifiers, effect);
        }))
        return true;
    POINT client{x, y};
    ScreenToClient(client);
    return OnHfcDragEnter(ole, data, client.x, client.y, modifiers, effect);
}

bool CHfcWindow::OnHfcRawDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    if (OfferToVisibleLayers(m_layers, [&](CHfcWindowLayer& layer) {
            return layer.OnHfcRawDragOver(ole, data, x, y, modifiers, effect);
        }))
        return true;
    POINT client{x, y};
    ScreenToClient(client);
    return OnHfcDragOver(ole, data, client.x, client.y, modifiers, effect);
}

bool CHfcWindow::OnHfcRawDragLeave(CHfcOleToken* ole)
{
    if (OfferToVisibleLayers(m_layers, [&](CHfcWindowLayer& layer) { return layer.OnHfcRawDragLeave(ole); }))
        return true;
    return OnHfcDragLeave(ole);
}

bool CHfcWindow::OnHfcRawDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    if (OfferToVisibleLayers(
            m_layers, [&](CHfcWindowLayer& layer) { return layer.OnHfcRawDrop(ole, data, x, y, modifiers, effect); }))
        return true;
    POINT client{x, y};
    ScreenToClient(client);
    return OnHfcDrop(ole, data, client.x, client.y, modifiers, effect);
}
