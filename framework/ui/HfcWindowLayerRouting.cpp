// How a layer hands mouse, wheel and drag events to its controls.
#include "framework/ui/HfcLayerControl.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcUiLock.h"
#include "framework/ui/HfcWindowLayer.h"

namespace {

// The first visible, enabled control under the layer point that takes the
// event, in the order of addition, with the point in its own coordinates.
// Indexes, because a control may leave the layer while it handles one.
template <typename Deliver>
bool OfferToControlUnder(const std::vector<CHfcLayerControl*>& controls, int x, int y, Deliver deliver)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        CHfcLayerControl* control = controls[i];
        if (!control->IsVisible() || !control->IsEnabled() || !control->Contains(x, y))
            continue;
        if (deliver(*control, x - control->GetRect().left, y - control->GetRect().top))
            return true;
    }
    return false;
}

}  // namespace

POINT CHfcWindowLayer::LayerPoint(int x, int y)
{
    POINT point{x, y};
    ScreenToLayer(point);
    return point;
}

bool CHfcWindowLayer::OnHfcMouseRawLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    const POINT point = LayerPoint(x, y);
    return DispatchLButtonDown(mouse, point.x, point.y, modifiers);
}

bool CHfcWindowLayer::OnHfcMouseRawLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    const POINT point = LayerPoint(x, y);
    return DispatchLButtonDblClk(mouse, point.x, point.y, modifiers);
}

bool CHfcWindowLayer::OnHfcMouseRawLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers)
{
    const POINT point = LayerPoint(x, y);
    return DispatchLButtonUp(mouse, point.x, point.y, modifiers);
}

bool CHfcWindowLayer::OnHfcMouseRawRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    const POINT point = LayerPoint(x, y);
    return DispatchRButtonDown(mouse, point.x, point.y, modifiers);
}

bool CHfcWindowLayer::OnHfcMouseRawRButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    const POINT point = LayerPoint(x, y);
    return DispatchRButtonDblClk(mouse, point.x, point.y, modifiers);
}

bool CHfcWindowLayer::OnHfcMouseRawRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers)
{
    const POINT point = LayerPoint(x, y);
    return DispatchRButtonUp(mouse, point.x, point.y, modifiers);
}

bool CHfcWindowLayer::OnHfcMouseRawMButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    const POINT point = LayerPoint(x, y);
    return DispatchMButtonDown(mouse, point.x, point.y, modifiers);
}

bool CHfcWindowLayer::OnHfcMouseRawMButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    const POINT point = LayerPoint(x, y);
    return DispatchMButtonDblClk(mouse, point.x, point.y, modifiers);
}

bool CHfcWindowLayer::OnHfcMouseRawMButtonUp(CHfcMouse* mouse, int x, int y, int modifiers)
{
    const POINT point = LayerPoint(x, y);
    return DispatchMButtonUp(mouse, point.x, point.y, modifiers);
}

bool CHfcWindowLayer::OnHfcMouseRawMove(CHfcMouse* mouse, int x, int y, int modifiers)
{
    const POINT point = LayerPoint(x, y);
    return DispatchMouseMove(mouse, point.x, point.y, modifiers);
}

bool CHfcWindowLayer::OnHfcMouseRawWheel(CHfcMouse* mouse, int x, int y, int reserved, int delta, int modifiers)
{
    const POINT point = LayerPoint(x, y);
    return DispatchMouseWheel(mouse, point.x, point.y, reserved, delta, modifiers);
}

bool CHfcWindowLayer::DispatchMouseEvent(EHfcMouseEvent event, CHfcMouse* mouse, int x, int y, int modifiers)
{
    switch (event) {
    case EHfcMouseEvent::LButtonDown: return DispatchLButtonDown(mouse, x, y, modifiers);
    case EHfcMouseEvent::LButtonDblClk: return DispatchLButtonDblClk(mouse, x, y, modifiers);
    case EHfcMouseEvent::LButtonUp: return DispatchLButtonUp(mouse, x, y, modifiers);
    case EHfcMouseEvent::RButtonDown: return DispatchRButtonDown(mouse, x, y, modifiers);
    case EHfcMouseEvent::RButtonDblClk: return DispatchRButtonDblClk(mouse, x, y, modifiers);
    case EHfcMouseEvent::RButtonUp: return DispatchRButtonUp(mouse, x, y, modifiers);
    case EHfcMouseEvent::MButtonDown: return DispatchMButtonDown(mouse, x, y, modifiers);
    case EHfcMouseEvent::MButtonDblClk: return DispatchMButtonDblClk(mouse, x, y, modifiers);
    case EHfcMouseEvent::MButtonUp: return DispatchMButtonUp(mouse, x, y, modifiers);
    case EHfcMouseEvent::Move: return DispatchMouseMove(mouse, x, y, modifiers);
    }
    return false;
}

bool CHfcWindowLayer::DispatchToControls(EHfcMouseEvent event, CHfcMouse* mouse, int x, int y, int modifiers)
{
    const bool held = mouse != nullptr && HoldsCapture(mouse);
    if (!held && OfferToControlUnder(m_controls, x, y, [&](CHfcLayerControl& control, int cx, int cy) {
            return control.OnHfcMouseEvent(event, mouse, cx, cy, modifiers);
        }))
        return true;
    return OnHfcMouseEvent(event, mouse, x, y, modifiers);
}

bool CHfcWindowLayer::DispatchLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToControls(EHfcMouseEvent::LButtonDown, mouse, x, y, modifiers);
}

bool CHfcWindowLayer::DispatchLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToControls(EHfcMouseEvent::LButtonDblClk, mouse, x, y, modifiers);
}

bool CHfcWindowLayer::DispatchLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToControls(EHfcMouseEvent::LButtonUp, mouse, x, y, modifiers);
}

bool CHfcWindowLayer::DispatchRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToControls(EHfcMouseEvent::RButtonDown, mouse, x, y, modifiers);
}

bool CHfcWindowLayer::DispatchRButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToControls(EHfcMouseEvent::RButtonDblClk, mouse, x, y, modifiers);
}

bool CHfcWindowLayer::DispatchRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToControls(EHfcMouseEvent::RButtonUp, mouse, x, y, modifiers);
}

bool CHfcWindowLayer::DispatchMButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToControls(EHfcMouseEvent::MButtonDown, mouse, x, y, modifiers);
}

bool CHfcWindowLayer::DispatchMButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToControls(EHfcMouseEvent::MButtonDblClk, mouse, x, y, modifiers);
}

bool CHfcWindowLayer::DispatchMButtonUp(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToControls(EHfcMouseEvent::MButtonUp, mouse, x, y, modifiers);
}

bool CHfcWindowLayer::DispatchMouseMove(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return DispatchToControls(EHfcMouseEvent::Move, mouse, x, y, modifiers);
}

bool CHfcWindowLayer::DispatchMouseWheel(CHfcMouse* mouse, int x, int y, int reserved, int delta, int modifiers)
{
    const bool held = mouse != nullptr && HoldsCapture(mouse);
    if (!held && OfferToControlUnder(m_controls, x, y, [&](CHfcLayerControl& control, int cx, int cy) {
            return control.OnHfcMouseWheel(mouse, cx, cy, reserved, delta, modifiers);
        }))
        return true;
    return OnHfcMouseWheel(mouse, x, y, reserved, delta, modifiers);
}

bool CHfcWindowLayer::OnHfcRawDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    CHfcUiLock lock;
    const POINT point = LayerPoint(x, y);
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        CHfcLayerControl* control = m_controls[i];
        if (!control->IsVisible() || !control->Contains(point.x, point.y))
            continue;
        const RECT& area = control->GetRect();
        control->SetDragInside(true);
        if (control->OnHfcDragEnter(ole, data, point.x - area.left, point.y - area.top, modifiers, effect))
            return true;
    }
    return OnHfcDragEnter(ole, data, point.x, point.y, modifiers, effect);
}

bool CHfcWindowLayer::OnHfcRawDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    CHfcUiLock lock;
    const POINT point = LayerPoint(x, y);
    bool accepted = false;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        CHfcLayerControl* control = m_controls[i];
        if (!control->IsVisible())
            continue;
        if (!control->Contains(point.x, point.y)) {
            if (control->IsDragInside()) {
                control->OnHfcDragLeave(ole);
                control->SetDragInside(false);
            }
            continue;
        }
        if (accepted)
            continue;
        const RECT& area = control->GetRect();
        const int cx = point.x - area.left;
        const int cy = point.y - area.top;
        if (control->IsDragInside()) {
            accepted = control->OnHfcDragOver(ole, data, cx, cy, modifiers, effect);
        } else {
            accepted = control->OnHfcDragEnter(ole, data, cx, cy, modifiers, effect);
            control->SetDragInside(true);
        }
    }
    return accepted || OnHfcDragOver(ole, data, point.x, point.y, modifiers, effect);
}

bool CHfcWindowLayer::OnHfcRawDragLeave(CHfcOleToken* ole)
{
    CHfcUiLock lock;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        CHfcLayerControl* control = m_controls[i];
        if (control->IsVisible() && control->IsDragInside())
            control->OnHfcDragLeave(ole);
        control->SetDragInside(false);
    }
    return OnHfcDragLeave(ole);
}

bool CHfcWindowLayer::OnHfcRawDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    CHfcUiLock lock;
    const POINT point = LayerPoint(x, y);
    bool accepted = false;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        CHfcLayerControl* control = m_controls[i];
        if (!control->IsVisible() || !control->Contains(point.x, point.y))
            continue;
        const RECT& area = control->GetRect();
        if (control->OnHfcDrop(ole, data, point.x - area.left, point.y - area.top, modifiers, effect)) {
            control->SetDragInside(false);
            accepted = true;
            break;
        }
    }
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        CHfcLayerControl* control = m_controls[i];
        if (control->IsDragInside()) {
            control->OnHfcDragLeave(ole);
            control->SetDragInside(false);
        }
    }
    return accepted || OnHfcDrop(ole, data, point.x, point.y, modifiers, effect);
}
