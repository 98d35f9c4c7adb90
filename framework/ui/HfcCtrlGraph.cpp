#include "framework/ui/HfcCtrlGraph.h"

#include "framework/ui/HfcDrawContext.h"

bool CHfcCtrlGraph::NotifyMouseDown(CHfcMouse*, int x, int y, int modifiers)
{
    return OwnerTakesMouseDown(x, y, modifiers);
}

bool CHfcCtrlGraph::NotifyMouseUp(CHfcMouse*, int x, int y, int modifiers)
{
    return OwnerTakesMouseUp(x, y, modifiers);
}

bool CHfcCtrlGraph::NotifyMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    return OwnerTakesMouseMove(x, y, modifiers);
}

void CHfcCtrlGraph::DrawGround(CHfcDrawContext* context, CHfcBmp* background, int sourceX, int sourceY)
{
    if (background != nullptr)
        context->DrawBitmap(m_rcControl, background, sourceX, sourceY);
    else
        context->ClearRectangle(m_rcControl);
}

void CHfcCtrlGraph::DrawGroundPart(CHfcDrawContext* context, CHfcBmp* background, int width, int height, int sourceX,
                                   int sourceY)
{
    if (context != nullptr && background != nullptr)
        context->DrawBitmap(m_rcControl.left, m_rcControl.top, width, height, background, sourceX, sourceY);
}
