// The window's layers and how their pictures reach the screen.
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "framework/ui/HfcWindow.h"
#include "framework/ui/HfcWindowLayer.h"

#include <platform/ole.h>

#include <algorithm>

namespace {

int Width(const RECT& rect)
{
    return rect.right - rect.left;
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

// A copy of the root layer's pixels to a client rectangle, with the part
// left of or above the root layer cut off.
struct SRootCopy
{
    int x, y, width, height, sourceX, sourceY;
};

SRootCopy RootCopy(const RECT& rect, const RECT& root)
{
    SRootCopy copy{rect.left, rect.top, Width(rect), Height(rect), rect.left - root.left, rect.top - root.top};
    if (copy.sourceX < 0) {
        copy.width += copy.sourceX;
        copy.x -= copy.sourceX;
        copy.sourceX = 0;
    }
    if (copy.sourceY < 0) {
        copy.height += copy.sourceY;
        copy.y -= copy.sourceY;
        copy.sourceY = 0;
    }
    return copy;
}

}  // namespace

bool CHfcWindow::CreateRootLayer()
{
    if (m_pRootLayer != nullptr)
        return false;
    RECT client{};
    GetClientRect(client);
    auto* layer = new CHfcWindowLayer;
    if (!layer->Create(0, 0, Width(client), Height(client), this)) {
        RemoveLayer(layer, false);
        delete layer;
        return false;
    }
    m_pRootLayer = layer;
    return true;
}

bool CHfcWindow::AddLayer(CHfcWindowLayer* layer, bool redraw)
{
    if (layer == nullptr || std::find(m_layers.begin(), m_layers.end(), layer) != m_layers.end())
        return false;
    m_layers.push_back(layer);
    layer->SetOwner(this);
    if (redraw) {
        RECT client{};
        GetClientRect(client);
        UpdateRect(client, true);
    }
    return true;
}

bool CHfcWindow::RemoveLayer(CHfcWindowLayer* layer, bool redraw)
{
    auto found = std::find(m_layers.begin(), m_layers.end(), layer);
    if (found == m_layers.end())
        return false;
    layer->OnDetach(this);
    found = std::find(m_layers.begin(), m_layers.end(), layer);
    if (found != m_layers.end())
        m_layers.erase(found);
    if (redraw) {
        RECT client{};
        GetClientRect(client);
        UpdateRect(client, true);
    }
    return true;
}

void CHfcWindow::RemoveAllLayers(bool redraw)
{
    while (!m_layers.empty())
        RemoveLayer(m_layers.back(), false);
    if (redraw) {
        RECT client{};
        GetClientRect(client);
        UpdateRect(client, true);
    }
}

void CHfcWindow::DestroyLayers()
{
    RemoveAllLayers(false);
    if (m_pRootLayer != nullptr) {
        m_pRootLayer->Destroy();
        delete m_pRootLayer;
        m_pRootLayer = nullptr;
    }
    if (m_pDropTarget != nullptr) {
        // The registration holds a reference of its own.
        if (m_hWnd != nullptr)
            RevokeDragDrop(m_hWnd);
        m_pDropTarget->Release();
        m_pDropTarget = nullptr;
    }
}

void CHfcWindow::UpdateRect(const RECT& rect, bool now)
{
    if (m_pRootLayer == nullptr || m_pRootLayer->GetContext() == nullptr)
        return;
    if (!now) {
        AddDirtyRect(&rect);
        return;
    }
    int x = rect.left;
    int y = rect.top;
    int width = Width(rect);
    int height = Height(rect);
    if (x < 0) {
        width += x;
        x = 0;
    }
    if (y < 0) {
        height += y;
        y = 0;
    }
    const RECT& root = m_pRootLayer->GetRect();
    CHfcOffscreenContext* backBuffer = m_pRootLayer->GetContext();
    backBuffer->ClearRectangle(x - root.left, y - root.top, width, height);
    for (std::size_t i = 0; i < m_layers.size(); ++i) {
        CHfcWindowLayer* layer = m_layers[i];
        if (!layer->IsVisible() || layer->GetContext() == nullptr)
            continue;
        const RECT& area = layer->GetRect();
        layer->GetContext()->CopyTo(backBuffer, x - root.left, y - root.top, width, height, x - area.left,
                                    y - area.top);
    }
    InvalidateRect(&rect);
}

void CHfcWindow::AddDirtyRect(const RECT* rect)
{
    RECT added{};
    if (rect != nullptr)
        added = *rect;
    else
        GetClientRect(added);
    if (Width(m_rcDirty) > 0) {
        m_rcDirty = {std::min(m_rcDirty.left, added.left), std::min(m_rcDirty.top, added.top),
                     std::max(m_rcDirty.right, added.right), std::max(m_rcDirty.bottom, added.bottom)};
    } else {
        m_rcDirty = added;
    }
}

void CHfcWindow::FlushDirtyRects()
{
    const RECT pending = m_rcDirty;
    m_rcDirty = {};
    if (Width(pending) >= 1 && Height(pending) >= 1)
        UpdateRect(pending, true);
}

void CHfcWindow::Paint(CHfcDrawContext* context, const RECT& rect)
{
    if (m_pRootLayer == nullptr || m_pRootLayer->GetContext() == nullptr)
        return;
    const SRootCopy copy = RootCopy(rect, m_pRootLayer->GetRect());
    m_pRootLayer->GetContext()->CopyTo(context, copy.x, copy.y, copy.width, copy.height, copy.sourceX, copy.sourceY);
}

void CHfcWindow::PaintTo(CHfcDrawContext* context, const RECT& rect)
{
    if (m_pRootLayer == nullptr || m_pRootLayer->GetContext() == nullptr || context == nullptr)
        return;
    const SRootCopy copy = RootCopy(rect, m_pRootLayer->GetRect());
    context->DrawBitmap(copy.x, copy.y, copy.width, copy.height, m_pRootLayer->GetContext()->GetBitmap(), copy.sourceX,
                        copy.sourceY);
}
