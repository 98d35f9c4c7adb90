#pragma once
// A rectangular part of a window with its own offscreen bitmap and its own
// controls. The window composites its visible layers (HfcWindow.h); the
// layer routes mouse, wheel and drag events to the control under the point
// or keeps them itself, and gives up key focus and capture when it goes.
// Its members are defined by concern in:
//   HfcWindowLayer.cpp         geometry, controls, invalidation and key focus
//   HfcWindowLayerRouting.cpp  mouse, wheel and drag events handed to the controls
#include "framework/ui/HfcDragListener.h"
#include "framework/ui/HfcKeyFocusListener.h"
#include "framework/ui/HfcKeyListener.h"
#include "framework/ui/HfcMouseListener.h"

#include <platform/types.h>

#include <vector>

class CHfcLayerControl;
class CHfcOffscreenContext;
class CHfcWindow;

class CHfcWindowLayer : public CHfcMouseListener,
                        public CHfcKeyListener,
                        public CHfcDragListener,
                        public CHfcKeyFocusListener
{
public:
    CHfcWindowLayer() = default;
    // Destroys the layer when it is still created.
    ~CHfcWindowLayer() override;
    CHfcWindowLayer(const CHfcWindowLayer&) = delete;
    CHfcWindowLayer& operator=(const CHfcWindowLayer&) = delete;

    // Screen coordinates, from the window while the layer holds the
    // capture: converted to layer coordinates for the dispatch operations.
    bool OnHfcMouseRawLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawRButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawMButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawMButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawMButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawWheel(CHfcMouse* mouse, int x, int y, int reserved, int delta, int modifiers) override;

    // Screen coordinates from the window: the control under the point, or
    // the layer's own plain operation.
    bool OnHfcRawDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcRawDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcRawDragLeave(CHfcOleToken* ole) override;
    bool OnHfcRawDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;

    // A width x height bitmap at (x, y) of the window, attached to it
    // without redraw, hidden; then OnCreate's answer.
    virtual bool Create(int x, int y, int width, int height, CHfcWindow* window);
    // Gives up focus and capture, asks OnDestroy (false refuses), then
    // hides, removes the controls and deletes the bitmap. The layer stays
    // in its window's list.
    virtual bool Destroy();
    // A new bitmap size; with redraw the union of old and new is composited.
    virtual bool Resize(int width, int height, bool redraw);
    virtual bool Move(int x, int y, bool now);
    virtual bool Show(bool now);
    virtual bool Hide(bool now);
    virtual bool AddControl(CHfcLayerControl* control, bool redraw);
    // The second argument is not used.
    virtual bool RemoveControl(CHfcLayerControl* control, bool unused = true);
    // Last first.
    virtual void RemoveAllControls();
    virtual void Invalidate();
    // A rectangle in layer coordinates.
    virtual void InvalidateArea(const RECT& rect);
    // Builds the controls; false fails Create.
    virtual bool OnCreate();
    // False refuses the destroy.
    virtual bool OnDestroy();
    // The window lets go of the layer: whoever holds its key focus loses it.
    virtual void OnDetach(CHfcWindow* window);
    virtual void OnResizing(int* width, int* height);
    virtual void OnResized(int width, int height);
    virtual void OnMoving(int* x, int* y);
    virtual void OnMoved(int x, int y);

    // Layer coordinates: the control under the point, or the layer's own
    // operation; while the layer holds the capture only its own.
    virtual bool DispatchLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool DispatchLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool DispatchLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool DispatchRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool DispatchRButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool DispatchRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool DispatchMButtonDown(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool DispatchMButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool DispatchMButtonUp(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool DispatchMouseMove(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool DispatchMouseWheel(CHfcMouse* mouse, int x, int y, int reserved, int delta, int modifiers);
    // The dispatch operation of the event.
    bool DispatchMouseEvent(EHfcMouseEvent event, CHfcMouse* mouse, int x, int y, int modifiers);

    // Composite an area of the layer into the window (layer coordinates).
    void UpdateRect(const RECT& rect, bool now);
    void UpdateArea(int x, int y, int width, int height, bool now);
    void Update(bool now);
    int GetWidth() const;
    int GetHeight() const;
    bool ScreenToLayer(POINT& point);
    bool LayerToScreen(POINT& point);
    void SetKeyFocus(CHfcKeyFocusListener* listener);
    void ReleaseKeyFocus(CHfcKeyFocusListener* listener);
    bool HasKeyFocus(CHfcKeyFocusListener* listener);

    bool IsCreated() const { return m_bCreated; }
    bool IsVisible() const { return m_bVisible; }
    const RECT& GetRect() const { return m_rcLayer; }
    bool Contains(int x, int y) const
    {
        return m_rcLayer.left <= x && x < m_rcLayer.right && m_rcLayer.top <= y && y < m_rcLayer.bottom;
    }
    CHfcWindow* GetOwner() const { return m_pOwner; }
    // Set by the window that attaches the layer.
    void SetOwner(CHfcWindow* window) { m_pOwner = window; }
    CHfcOffscreenContext* GetContext() const { return m_pContext; }
    float GetOpacity() const { return m_fOpacity; }
    const std::vector<CHfcLayerControl*>& GetControls() const { return m_controls; }

protected:
    // Walks the controls for a button or move event, then the layer's own.
    bool DispatchToControls(EHfcMouseEvent event, CHfcMouse* mouse, int x, int y, int modifiers);
    bool HoldsCapture(CHfcMouse* mouse);
    // The screen point in layer coordinates, unconverted when not created.
    POINT LayerPoint(int x, int y);

    bool m_bCreated = false;
    RECT m_rcLayer{};
    CHfcWindow* m_pOwner = nullptr;
    CHfcOffscreenContext* m_pContext = nullptr;
    bool m_bVisible = false;
    float m_fOpacity = 1.0f;
    std::vector<CHfcLayerControl*> m_controls;
};
