// The program page's answers to the mouse, the keys and its controls. A
// plain click on a selected row reduces the selection only on release, so
// that a selection of several programs can be dragged.
#include "app/AppSettings.h"
#include "app/EditorShell.h"
#include "editor/ProgramListDragHandler.h"
#include "editor/ProgramListLayer.h"
#include "framework/ui/HfcCtrlButtons.h"

#include <platform/input.h>

#include <algorithm>
#include <cstdlib>

using namespace program_list;

namespace {

constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kColumnStep = kRowsPerColumn;

}  // namespace

bool CProgramListLayer::OnHfcMouseLButtonDown(CHfcMouse* /*mouse*/, int x, int y, int modifiers)
{
    if (IsBusy())
        return true;
    m_clickedNew = false;
    m_pendingClick = kNoClick;
    EndTextEditing();
    if (const int program = ProgramAt(m_geometry, m_page, x, y); program >= 0) {
        if ((modifiers & kCtrl) != 0) {
            m_pendingClick = kCtrlClick;
        } else if ((modifiers & kShift) == 0) {
            if ((GetProgramFlags(program) & kSelected) == 0) {
                SelectProgram(program);
                m_clickedNew = true;
            }
            m_pendingClick = kPlainClick;
        } else {
            SelectRange(std::max(FirstSelected(), 0), program);
            RefreshSelection();
        }
        m_pressIndex = program;
        m_pressOnFavourite = false;
    } else if (const int slot = FavouriteAt(x, y); slot >= 0) {
        if ((GetFavouriteFlags(slot) & kSelected) == 0) {
            ClearFavouriteSelection();
            SetFavouriteFlags(slot, GetFavouriteFlags(slot) | kSelected | kNeedsRedraw);
            DrawFavourites();
            m_clickedNew = true;
        }
        m_pendingClick = kPlainClick;
        m_pressIndex = slot;
        m_pressOnFavourite = true;
    } else {
        if (const int tab = PageTabAt(m_geometry, x, y); tab >= 0)
            SetPage(tab);
        return true;
    }
    m_pressPoint = {x, y};
    m_pressHeld = true;
    return true;
}

bool CProgramListLayer::OnHfcMouseLButtonUp(CHfcMouse* /*mouse*/, int x, int y, int /*modifiers*/)
{
    if (IsBusy())
        return true;
    const int program = ProgramAt(m_geometry, m_page, x, y);
    if (m_pendingClick == kPlainClick && !m_pressOnFavourite && program >= 0) {
        const bool several = SelectedCount() > 1;
        ClearSelection();
        SetProgramFlags(program, GetProgramFlags(program) | kSelected | kNeedsRedraw);
        if ((m_clickedNew || several) && IsAutoDumpOn())
            SendSelectedProgramToDevice(program);
    } else if (m_pendingClick == kPlainClick && m_pressOnFavourite) {
        if (const int slot = FavouriteAt(x, y); slot >= 0) {
            ClearFavouriteSelection();
            SetFavouriteFlags(slot, GetFavouriteFlags(slot) | kSelected | kNeedsRedraw);
            DrawFavourites();
        }
    } else if (m_pendingClick == kCtrlClick && program >= 0) {
        const std::uint32_t flags = GetProgramFlags(program);
        if (m_highlightMode == kHighlightOff || (flags & kHighlighted) != 0)
            SetProgramFlags(program, (flags ^ kSelected) | kNeedsRedraw);
    }
    RefreshSelection();
    EndPress();
    return true;
}

bool CProgramListLayer::OnHfcMouseLButtonDblClk(CHfcMouse* /*mouse*/, int x, int y, int /*modifiers*/)
{
    if (IsBusy())
        return true;
    if (const int program = ProgramAt(m_geometry, m_page, x, y); program >= 0)
        OpenEditWindow(program);
    return true;
}

bool CProgramListLayer::OnHfcMouseRButtonDown(CHfcMouse* /*mouse*/, int x, int y, int /*modifiers*/)
{
    if (IsBusy())
        return true;
    if (const int program = ProgramAt(m_geometry, m_page, x, y);
        program >= 0 && (GetProgramFlags(program) & kSelected) == 0)
        SelectProgram(program);
    return true;
}

bool CProgramListLayer::OnHfcMouseRButtonUp(CHfcMouse* /*mouse*/, int x, int y, int /*modifiers*/)
{
    ShowPopupMenu(x, y);
    return true;
}

bool CProgramListLayer::OnHfcMouseMove(CHfcMouse* /*mouse*/, int x, int y, int modifiers)
{
    if (m_drag == nullptr || !m_pressHeld || m_pressIndex < 0 ||
        std::abs(x - m_pressPoint.x) + std::abs(y - m_pressPoint.y) < kDragThreshold || IsBusy())
        return false;
    m_pressHeld = false;
    m_drag->StartDrag(x, y, modifiers);
    EndPress();
    return true;
}

bool CProgramListLayer::OnHfcKeyInput(CHfcKey* /*key*/, int code, int /*flags*/)
{
    if (IsBusy())
        return true;
    switch (code) {
    case 'i':
    case 'I':
        if (SelectedCount() == 1)
            EditProgramInfo();
        return true;
    case VK_RETURN:
        if (SelectedCount() == 1)
            OpenEditWindow(FirstSelected());
        return true;
    case VK_DELETE: InitializeSelected(true); return true;
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT: MoveSelection(code); return true;
    default: return false;
    }
}

void CProgramListLayer::MoveSelection(int code)
{
    const int current = std::max(FirstSelected(), 0);
    int target = current;
    if (m_highlightMode == kHighlightOff) {
        switch (code) {
        case VK_UP: target = std::max(current - 1, 0); break;
        case VK_DOWN: target = std::min(current + 1, kProgramCount - 1); break;
        case VK_LEFT: target = current - kColumnStep >= 0 ? current - kColumnStep : current; break;
        default: target = current + kColumnStep < kProgramCount ? current + kColumnStep : current; break;
        }
    } else {
        if (code != VK_UP && code != VK_DOWN)
            return;
        const int step = code == VK_UP ? -1 : 1;
        target = -1;
        for (int program = current + step; program >= 0 && program < kProgramCount; program += step) {
            if ((GetProgramFlags(program) & kHighlighted) != 0) {
                target = program;
                break;
            }
        }
        if (target < 0)
            return;
    }
    ClearSelection();
    SetProgramFlags(target, GetProgramFlags(target) | kSelected | kNeedsRedraw);
    UpdateHeaderFields();
    UpdateHighlight();
    if (PageOf(m_geometry, target) != m_page)
        SetPage(PageOf(m_geometry, target));
    DrawRows();
    if (IsAutoDumpOn() && target != current)
        SendSelectedProgramToDevice(target);
}

void CProgramListLayer::OnControlValueChanged(CHfcControl* control, int value)
{
    if (control == nullptr || IsBusy())
        return;
    const bool pressed = (value & kHfcValuePressed) != 0;
    switch (control->GetId()) {
    case kViewMenuButton: ShowViewMenu(); break;
    case kInfoButton:
        if (SelectedCount() == 1)
            EditProgramInfo();
        break;
    case kEditButton:
        if (SelectedCount() == 1)
            OpenEditWindow(FirstSelected());
        break;
    case kAutoDumpSwitch:
        // A switch acts on its press.
        if (pressed) {
            const int on = m_autoDumpSwitch->GetValue() == 1 ? 0 : 1;
            m_autoDumpSwitch->SetValue(on, true);
            if (CEditorShell* shell = GetEditorShell())
                shell->GetMutableSettings().autoDumpEnabled = on == 1;
        }
        return;
    case kListModeSwitch:
        if (pressed)
            SetListMode(m_listMode == 1 ? 0 : 1);
        return;
    default: return;
    }
    TakeKeyFocus();
}

bool CProgramListLayer::OnControlDoubleClick(CHfcControl* /*control*/, int /*x*/, int /*y*/, int /*modifiers*/)
{
    return true;
}

bool CProgramListLayer::OnHfcDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    CBaseLayer::OnHfcDragEnter(ole, data, x, y, modifiers, effect);
    return m_drag != nullptr && m_drag->DragEnter(data, x, y, modifiers, effect);
}

bool CProgramListLayer::OnHfcDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    CBaseLayer::OnHfcDragOver(ole, data, x, y, modifiers, effect);
    return m_drag != nullptr && m_drag->DragOver(data, x, y, modifiers, effect);
}

bool CProgramListLayer::OnHfcDragLeave(CHfcOleToken* ole)
{
    CBaseLayer::OnHfcDragLeave(ole);
    return m_drag != nullptr && m_drag->DragLeave();
}

bool CProgramListLayer::OnHfcDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    CBaseLayer::OnHfcDrop(ole, data, x, y, modifiers, effect);
    return m_drag != nullptr && m_drag->Drop(data, x, y, modifiers, effect);
}
