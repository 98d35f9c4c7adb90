// The window as a drop target.
#include "framework/ui/HfcDragWin32DropTarget.h"
#include "framework/ui/HfcOle.h"
#include "framework/ui/HfcWindow.h"

#include <new>

bool CHfcWindow::RegisterDropTarget()
{
    if (m_hWnd == nullptr || m_pDropTarget != nullptr || HfcGetOleToken() == nullptr)
        return false;
    auto* target = new (std::nothrow) CHfcDragWin32DropTarget(m_hWnd, this);
    if (target == nullptr)
        return false;
    if (FAILED(RegisterDragDrop(m_hWnd, target))) {
        target->Release();
        return false;
    }
    m_pDropTarget = target;
    return true;
}
