// How the list turns presses, moves, keys and drags into requests to its
// owner.
#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcCtrlList.h"
#include "framework/ui/HfcModifiers.h"
#include "framework/ui/HfcUiLock.h"

#include <platform/input.h>

#include <algorithm>
#include <cstdlib>

namespace {

bool IsArrow(int code)
{
    return code >= VK_LEFT && code <= VK_DOWN;
}

bool IsVertical(int code)
{
    return code == VK_UP || code == VK_DOWN;
}

}  // namespace

void CHfcCtrlList::ClearPress()
{
    m_iPressState = 0;
    m_iPressedItem = -1;
    m_bDragPending = false;
}

void CHfcCtrlList::PressWithShift(int item)
{
    const int first = GetFirstSelectedItem();
    const int from = first >= 0 ? std::min(first, item) : item;
    const int to = first >= 0 ? std::max(first, item) : item;
    for (int i = from; i <= to; ++i) {
        const CHfcCtrlListItem& entry = *m_items[i];
        if (entry.IsEnabled() && !entry.IsSelected() && (!m_bMarkedOnly || entry.IsMarked()))
            RequestSelection(i, true);
    }
    EndSelection();
}

bool CHfcCtrlList::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    CHfcUiLock lock;
    if (OwnerTakesMouseDown(x, y, modifiers))
        return true;
    m_iPressState = 0;
    const int item = ItemAt(x, y);
    if (!IsUsable(item))
        return true;
    if (HasFlag(kHfcListMultiple) && (modifiers & kHfcModifierCtrl) != 0) {
        // Decided on release.
        m_iPressState = 2;
    } else if (HasFlag(kHfcListMultiple) && (modifiers & kHfcModifierShift) != 0) {
        PressWithShift(item);
        m_iPressState = 3;
    } else {
        // A press inside a multiple selection keeps it until the release,
        // so that the whole selection can be dragged.
        if (!m_items[item]->IsSelected()) {
            SelectItem(item, 0);
            EndSelection();
        }
        m_iPressState = 1;
    }
    m_iPressedItem = item;
    m_bDragPending = true;
    m_pressPoint = {x, y};
    return true;
}

bool CHfcCtrlList::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    CHfcUiLock lock;
    if (OwnerTakesMouseMove(x, y, modifiers))
        return true;
    if (!m_bDragPending || std::abs(x - m_pressPoint.x) + std::abs(y - m_pressPoint.y) <= kDragDistance)
        return true;
    const int pressed = m_iPressedItem;
    m_bDragPending = false;
    m_iPressState = 0;
    if (!HasFlag(kHfcListDragAllowed) || ItemToCell(pressed) < 0)
        return true;
    POINT screen{x, y};
    ControlToScreen(screen);
    const POINT origin = GetItemOrigin(pressed);
    SHfcListDragStart start{screen.x, screen.y, x + m_rcControl.left - origin.x, y + m_rcControl.top - origin.y};
    Report(kHfcListStartDrag, pressed, reinterpret_cast<std::intptr_t>(&start));
    return true;
}

bool CHfcCtrlList::OnHfcMouseLButtonUp(CHfcMouse*, int x, int y, int modifiers)
{
    CHfcUiLock lock;
    if (HoldsCapture())
        ReleaseCapture();
    const int state = m_iPressState;
    // A swallowed release still ends the press, so no later move drags.
    ClearPress();
    if (OwnerTakesMouseUp(x, y, modifiers))
        return true;
    const int item = ItemAt(x, y);
    if (state == 1 && IsUsable(item)) {
        SelectItem(item, 0);
        EndSelection();
    } else if (state == 2 && item >= 0 && (!m_bMarkedOnly || m_items[item]->IsMarked())) {
        SelectItem(item, m_items[item]->IsSelected() ? 2 : 3);
        EndSelection();
    }
    return true;
}

bool CHfcCtrlList::OnHfcMouseLButtonDblClk(CHfcMouse*, int x, int y, int modifiers)
{
    CHfcUiLock lock;
    if (OwnerTakesMouseDown(x, y, modifiers))
        return true;
    const int item = ItemAt(x, y);
    if (item < 0)
        return false;
    if (IsUsable(item)) {
        SelectItem(item, 0);
        Report(kHfcListActivate, item, reinterpret_cast<std::intptr_t>(m_items[item].get()));
    }
    return true;
}

bool CHfcCtrlList::OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    CHfcUiLock lock;
    if (OwnerTakesRightButtonDown(x, y, modifiers))
        return true;
    const int item = ItemAt(x, y);
    if (item < 0)
        return true;
    if (!m_items[item]->IsSelected() && m_items[item]->IsEnabled()) {
        SelectItem(item, 0);
        EndSelection();
    }
    if (m_bContextOnPress) {
        POINT at{x + m_rcControl.left, y + m_rcControl.top};
        Report(kHfcListContext, item, reinterpret_cast<std::intptr_t>(&at));
    }
    return true;
}

bool CHfcCtrlList::OnHfcMouseRButtonUp(CHfcMouse*, int x, int y, int modifiers)
{
    CHfcUiLock lock;
    if (m_pOwner != nullptr && m_pOwner->OnControlRightButtonUp(this, x, y, modifiers))
        return true;
    if (!m_bContextOnPress) {
        POINT at{x + m_rcControl.left, y + m_rcControl.top};
        Report(kHfcListContext, ItemAt(x, y), reinterpret_cast<std::intptr_t>(&at));
    }
    return true;
}

bool CHfcCtrlList::OnHfcMouseCaptureReleased(CHfcMouse*)
{
    return m_pOwner != nullptr && m_pOwner->OnControlCaptureReleased(this);
}

int CHfcCtrlList::NextMarked(int from, int direction) const
{
    for (int i = from + direction; i >= 0 && i < GetItemCount(); i += direction) {
        if (m_items[i]->IsMarked())
            return i;
    }
    return -1;
}

int CHfcCtrlList::ArrowTarget(int focus, int code) const
{
    const int count = GetItemCount();
    // Left and Right step along a line in row order and across lines in
    // column order; Up and Down the other way.
    const int across = HasFlag(kHfcListColumnOrder) ? GetItemsPerLine() : 1;
    const int along = HasFlag(kHfcListColumnOrder) ? 1 : GetItemsPerLine();
    int target = focus;
    switch (code) {
    case VK_LEFT: target = focus - across; break;
    case VK_RIGHT: target = focus + across; break;
    case VK_UP: target = focus - along; break;
    case VK_DOWN: target = focus + along; break;
    default: break;
    }
    return target >= 0 && target < count ? target : focus;
}

void CHfcCtrlList::MoveFocusTo(int item)
{
    if (GetItem(item) == nullptr)
        return;
    if (m_items[item]->IsEnabled())
        SelectItem(item, 0);
    const int line = GetLineOfItem(item);
    if (line < m_iTopLine || line >= m_iTopLine + GetVisibleLineCount())
        Report(kHfcListScrollTo, item, 0);
    EndSelection();
}

void CHfcCtrlList::ReportOtherKey(int focus, int code, int flags)
{
    SHfcListKey key{code, flags};
    Report(kHfcListOtherKey, focus, reinterpret_cast<std::intptr_t>(&key));
}

bool CHfcCtrlList::OnHfcKeyInput(CHfcKey*, int code, int flags)
{
    CHfcUiLock lock;
    const int focus = GetFirstSelectedItem();
    if (focus < 0) {
        if (IsArrow(code) && !m_bMarkedOnly)
            MoveFocusTo(0);
        else if (IsVertical(code) && m_bMarkedOnly)
            MoveFocusTo(NextMarked(-1, 1));
        else
            ReportOtherKey(-1, code, flags);
        return true;
    }
    if (code == VK_RETURN) {
        SelectItem(focus, 0);
        if (m_items[focus]->IsEnabled())
            Report(kHfcListActivate, focus, reinterpret_cast<std::intptr_t>(m_items[focus].get()));
    } else if (m_bMarkedOnly && IsVertical(code)) {
        MoveFocusTo(NextMarked(focus, code == VK_UP ? -1 : 1));
    } else if (IsArrow(code) && !m_bMarkedOnly) {
        MoveFocusTo(ArrowTarget(focus, code));
    } else {
        ReportOtherKey(focus, code, flags);
    }
    return true;
}

bool CHfcCtrlList::OnHfcDragEnter(CHfcOleToken*, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    return m_pOwner != nullptr && m_pOwner->OnControlDragEnter(this, data, x, y, modifiers, effect);
}

bool CHfcCtrlList::OnHfcDragOver(CHfcOleToken*, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    return m_pOwner != nullptr && m_pOwner->OnControlDragOver(this, data, x, y, modifiers, effect);
}

bool CHfcCtrlList::OnHfcDragLeave(CHfcOleToken*)
{
    return m_pOwner != nullptr && m_pOwner->OnControlDragLeave(this);
}

bool CHfcCtrlList::OnHfcDrop(CHfcOleToken*, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    return m_pOwner != nullptr && m_pOwner->OnControlDrop(this, data, x, y, modifiers, effect);
}
