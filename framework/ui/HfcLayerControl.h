#pragma once
// What a layer needs of the controls on it; the control base implements it.
// The layer reads the rectangle (layer coordinates, right and bottom
// exclusive) and the visible and enabled flags, keeps the drag-inside flag
// and the owning layer, and routes mouse and drag events through the
// listener bases.
#include "framework/ui/HfcDragListener.h"
#include "framework/ui/HfcKeyFocusListener.h"
#include "framework/ui/HfcKeyListener.h"
#include "framework/ui/HfcMouseListener.h"

#include <platform/types.h>

class CHfcWindowLayer;

class CHfcLayerControl : public CHfcMouseListener,
                         public CHfcKeyListener,
                         public CHfcKeyFocusListener,
                         public CHfcDragListener
{
public:
    ~CHfcLayerControl() override = default;

    virtual void SetDirty(bool dirty) = 0;
    // Paints the control into its layer when dirty or forced, and updates
    // the layer's area at once or later.
    virtual void Redraw(bool force, bool now) = 0;
    // Gives up the window's key focus when the control holds it.
    virtual void ReleaseKeyFocus() = 0;
    // The layer lets go of the control.
    virtual void DetachLayer(CHfcWindowLayer* layer) = 0;

    const RECT& GetRect() const { return m_rcControl; }
    bool IsVisible() const { return m_bVisible; }
    bool IsEnabled() const { return m_bEnabled; }
    bool Contains(int x, int y) const
    {
        return m_rcControl.left <= x && x < m_rcControl.right && m_rcControl.top <= y && y < m_rcControl.bottom;
    }
    bool IsDragInside() const { return m_bDragInside; }
    void SetDragInside(bool inside) { m_bDragInside = inside; }
    CHfcWindowLayer* GetLayer() const { return m_pLayer; }
    void SetLayer(CHfcWindowLayer* layer) { m_pLayer = layer; }

protected:
    RECT m_rcControl{};
    CHfcWindowLayer* m_pLayer = nullptr;
    bool m_bVisible = false;
    bool m_bEnabled = false;
    bool m_bDragInside = false;
};
