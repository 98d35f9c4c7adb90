#include "framework/ui/HfcCtrlOldCharEditText.h"

#include "framework/services/EfTrace.h"
#include "framework/ui/HfcAppBase.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcDrawContext.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcModifiers.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcWindow.h"
#include "framework/ui/HfcWindowLayer.h"

#include <platform/input.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr DWORD kEditStyle = 0x50000080;  // WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL
constexpr WPARAM kEditId = 1;
constexpr int kGlyphCells = 128;

// Editing keys as the keyboard manager hands them on.
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kLeft = 28;
constexpr int kRight = 29;
constexpr int kUp = 30;
constexpr int kDown = 31;

// The glyphs the font keeps for an empty cell and for the caret.
constexpr int kEmptyGlyph = 0;
constexpr int kCaretGlyph = 1;

void SetMouseCursor(int index)
{
    if (CHfcMouse* mouse = CHfcMouse::GetInstance(); mouse != nullptr)
        mouse->SetCursor(index);
}

// The arrows as editing keys; 0 for any other key.
int ArrowCode(WPARAM virtualKey)
{
    switch (virtualKey) {
    case VK_LEFT: return kLeft;
    case VK_RIGHT: return kRight;
    case VK_UP: return kUp;
    case VK_DOWN: return kDown;
    default: return 0;
    }
}

// Control codes never go into a text that may end up in a name on the
// device.
bool IsPrintable(int code)
{
    return code >= 32 && code < 127;
}

}  // namespace

CHfcCtrlOldCharEditText::~CHfcCtrlOldCharEditText()
{
    // The base destructor cannot reach this class's edit window.
    if (IsCreated() || m_hEditWindow != nullptr)
        CHfcCtrlOldCharEditText::Destroy();
}

bool CHfcCtrlOldCharEditText::Create(const HfcEditTextDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (descriptor == nullptr || descriptor->font == nullptr || descriptor->rows <= 0 || descriptor->columns <= 0)
        return false;
    HfcEditTextDescriptor words = *descriptor;
    if (words.cellWidth == 0)
        words.cellWidth = words.font->GetWidth();
    if (words.cellHeight == 0)
        words.cellHeight = words.font->GetHeight() / kGlyphCells;
    // The caret is placed by dividing by the cell width, a drag by the step.
    if (words.cellWidth < 1 || words.pixelsPerStep < 1)
        return false;
    if (words.width == 0)
        words.width = words.columns * words.cellWidth;
    if (words.height == 0)
        words.height = words.rows * words.cellHeight;
    try {
        m_displayText.assign((static_cast<std::size_t>(words.columns) + 1) * static_cast<std::size_t>(words.rows),
                             '\0');
        m_editText.reserve(kEditBytes);
    } catch (const std::bad_alloc&) {
        m_displayText = {};
        m_editText = {};
        return false;
    }
    m_descriptor = words;
    m_editText.clear();
    m_iMaximumLength = std::clamp(words.columns, 1, kEditBytes);
    m_iCursorColumn = 0;
    m_iCursorRow = 0;
    m_iBlinkTime = 0;
    m_iSelectionStart = 0;
    m_iSelectionEnd = 0;
    m_bDragging = false;
    m_iDragAnchor = 0;
    m_iDragValue = 0;
    FinishCreate({words.x, words.y, words.x + words.width, words.y + words.height}, id, eventCode);
    SetMinimum(words.minimum, true);
    SetMaximum(words.maximum, true);
    return true;
}

void CHfcCtrlOldCharEditText::SetFont(CHfcBmp* font, bool redraw)
{
    m_descriptor.font = font;
    if (redraw)
        SetDirty(true);
}

void CHfcCtrlOldCharEditText::SetBackOrigin(int x, int y)
{
    m_descriptor.backgroundX = x;
    m_descriptor.backgroundY = y;
}

void CHfcCtrlOldCharEditText::Destroy()
{
    if (HoldsKeyManagerFocus())
        ClearKeyManagerFocus();
    DestroyEditWindow();
    m_bEditing = false;
    m_bDragging = false;
    m_displayText = {};
    m_editText = {};
    m_descriptor = HfcEditTextDescriptor{};
    m_iMaximumLength = kEditBytes;
    CHfcControl::Destroy();
}

// Mouse ---------------------------------------------------------------

bool CHfcCtrlOldCharEditText::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    if (m_bEditing) {
        TakeCapture();
        const int cellWidth = m_descriptor.cellWidth;
        PlaceCursor((x + cellWidth / 2) / cellWidth);
        return true;
    }
    ClearKeyManagerFocus();
    if (OwnerTakesMouseDown(x, y, modifiers))
        return true;
    if ((modifiers & kHfcModifierCtrl) != 0 && m_pOwner != nullptr) {
        int value = GetValue();
        if (m_pOwner->OnControlQueryDefaultValue(this, &value))
            SetValue(value, true);
    }
    m_iDragAnchor = y;
    m_iDragValue = GetValue();
    m_iDragReported = m_iDragValue;
    m_bDragging = true;
    ReportEditBegin();
    TakeCapture();
    return true;
}

bool CHfcCtrlOldCharEditText::OnHfcMouseLButtonDblClk(CHfcMouse*, int x, int y, int modifiers)
{
    if (m_bEditing) {
        SetSelection(0, TextLength());
        m_iCursorColumn = TextLength();
        RestartBlink();
        return true;
    }
    OwnerTakesDoubleClick(x, y, modifiers);
    return true;
}

bool CHfcCtrlOldCharEditText::OnHfcMouseLButtonUp(CHfcMouse*, int x, int y, int modifiers)
{
    if (m_bEditing) {
        SetMouseCursor(kEditCursor);
    } else if (m_pOwner != nullptr) {
        m_pOwner->OnControlMouseUp(this, x, y, modifiers);
    }
    if (HoldsCapture())
        ReleaseCapture();
    else
        FinishDrag();
    return true;
}

bool CHfcCtrlOldCharEditText::OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    if (!m_bEditing)
        OwnerTakesRightButtonDown(x, y, modifiers);
    return true;
}

bool CHfcCtrlOldCharEditText::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    if (m_bEditing)
        return true;
    if (OwnerTakesMouseMove(x, y, modifiers))
        return true;
    if (!m_bDragging || !HoldsCapture())
        return true;
    const int pixels = m_iDragAnchor - y;
    const int steps = (modifiers & kHfcModifierShift) != 0 ? pixels : pixels / m_descriptor.pixelsPerStep;
    const int value = std::clamp(m_iDragValue + steps, GetMinimum(), std::max(GetMinimum(), GetMaximum()));
    if (value != m_iDragReported) {
        m_iDragReported = value;
        ReportValue(value | kHfcValuePressed);
    }
    return true;
}

bool CHfcCtrlOldCharEditText::OnHfcMouseCaptureReleased(CHfcMouse*)
{
    FinishDrag();
    if (m_pOwner != nullptr)
        m_pOwner->OnControlCaptureReleased(this);
    return true;
}

void CHfcCtrlOldCharEditText::FinishDrag()
{
    if (!m_bDragging)
        return;
    m_bDragging = false;
    if (m_iDragReported != m_iDragValue)
        ReportValue(m_iDragReported);
    ReportEditEnd();
}

// Drawing -------------------------------------------------------------

void CHfcCtrlOldCharEditText::DrawGround(CHfcDrawContext* context) const
{
    context->ClearRectangle(m_rcControl);
    if (m_descriptor.fillColor != 0) {
        context->SetFillColor(m_descriptor.fillColor);
        context->FillRectangle(m_rcControl);
    }
    if (m_descriptor.background != nullptr)
        context->DrawBitmap(m_rcControl, m_descriptor.background, m_descriptor.backgroundX, m_descriptor.backgroundY);
}

void CHfcCtrlOldCharEditText::DrawGlyph(CHfcDrawContext* context, CHfcBmp* font, int column, int row, int code) const
{
    const int cellWidth = m_descriptor.cellWidth;
    const int cellHeight = std::min(m_descriptor.cellHeight, static_cast<int>(m_rcControl.bottom - m_rcControl.top));
    context->DrawBitmap(m_rcControl.left + column * cellWidth, m_rcControl.top + row * cellHeight, cellWidth,
                        cellHeight, font, 0, (code & 127) * m_descriptor.cellHeight);
}

void CHfcCtrlOldCharEditText::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible || !m_bCreated)
        return;
    DrawGround(context);
    CHfcBmp* font = m_descriptor.font;
    const int columns = m_descriptor.columns;
    if (!m_bEditing) {
        for (int row = 0; row < m_descriptor.rows; ++row)
            for (int column = 0; column < columns; ++column)
                DrawGlyph(context, font, column, row,
                          static_cast<unsigned char>(m_displayText[static_cast<std::size_t>(row) * columns + column]));
        return;
    }
    CHfcBmp* highlight = m_descriptor.highlightFont != nullptr ? m_descriptor.highlightFont : font;
    const int shown = std::min(TextLength(), columns);
    for (int column = 0; column < shown; ++column) {
        const bool selected = column >= m_iSelectionStart && column < m_iSelectionEnd;
        DrawGlyph(context, selected ? highlight : font, column, 0,
                  static_cast<unsigned char>(m_editText[static_cast<std::size_t>(column)]));
    }
    for (int column = shown; column < columns; ++column)
        DrawGlyph(context, font, column, 0, kEmptyGlyph);
    if (m_iBlinkTime < kBlinkHalfPeriodMs && m_iCursorColumn < columns) {
        const int cellHeight =
            std::min(m_descriptor.cellHeight, static_cast<int>(m_rcControl.bottom - m_rcControl.top));
        context->DrawBitmap(m_rcControl.left + m_iCursorColumn * m_descriptor.cellWidth,
                            m_rcControl.top + m_iCursorRow * cellHeight + m_iCaretYOffset, m_descriptor.cellWidth,
                            cellHeight, font, 0, kCaretGlyph * m_descriptor.cellHeight);
    }
}

void CHfcCtrlOldCharEditText::DrawBackground(CHfcDrawContext* context)
{
    if (context != nullptr && m_bCreated)
        DrawGround(context);
}

void CHfcCtrlOldCharEditText::OnTimer(int milliseconds)
{
    if (m_bEditing) {
        const int before = m_iBlinkTime;
        m_iBlinkTime = (m_iBlinkTime + milliseconds) % (2 * kBlinkHalfPeriodMs);
        if ((before < kBlinkHalfPeriodMs && m_iBlinkTime >= kBlinkHalfPeriodMs) || m_iBlinkTime < before)
            SetDirty(true);
        return;
    }
    if (m_bDragging)
        CHfcControl::OnTimer(milliseconds);
}

void CHfcCtrlOldCharEditText::SetData(const void* data, bool redraw)
{
    if (data == nullptr || !m_bCreated)
        return;
    const auto* text = static_cast<const char*>(data);
    if (m_bEditing) {
        StoreEditText(text);
        SetSelection(m_iSelectionStart, m_iSelectionEnd);
        m_iCursorColumn = std::min(m_iCursorColumn, TextLength());
    } else {
        // The first line, cut at the columns and padded with zeros.
        const std::size_t columns = static_cast<std::size_t>(m_descriptor.columns);
        const std::size_t length = strnlen(text, columns);
        std::fill_n(m_displayText.begin(), columns + 1, '\0');
        std::copy_n(text, length, m_displayText.begin());
    }
    if (redraw)
        SetDirty(true);
}

// Editing -------------------------------------------------------------

void CHfcCtrlOldCharEditText::StoreEditText(const char* text)
{
    // The buffer keeps a byte for the terminator.
    const int longest = std::min(m_iMaximumLength, kEditBytes - 1);
    m_editText.assign(text, strnlen(text, static_cast<std::size_t>(longest)));
}

void CHfcCtrlOldCharEditText::SetSelection(int start, int end)
{
    if (!m_bEditing)
        return;
    start = std::clamp(start, 0, TextLength());
    end = std::clamp(end, 0, TextLength());
    if (start > end)
        end = start;
    m_iSelectionStart = start;
    m_iSelectionEnd = end;
    SetDirty(true);
}

void CHfcCtrlOldCharEditText::RestartBlink()
{
    m_iBlinkTime = 0;
    SetDirty(true);
}

void CHfcCtrlOldCharEditText::PlaceCursor(int column)
{
    m_iCursorColumn = std::clamp(column, 0, TextLength());
    m_iSelectionStart = m_iSelectionEnd = m_iCursorColumn;
    RestartBlink();
}

void CHfcCtrlOldCharEditText::DeleteSelection()
{
    m_editText.erase(static_cast<std::size_t>(m_iSelectionStart),
                     static_cast<std::size_t>(m_iSelectionEnd - m_iSelectionStart));
    PlaceCursor(m_iSelectionStart);
}

void CHfcCtrlOldCharEditText::DeleteBefore()
{
    if (HasSelection()) {
        DeleteSelection();
        return;
    }
    if (m_iCursorColumn == 0)
        return;
    m_editText.erase(static_cast<std::size_t>(m_iCursorColumn - 1), 1);
    PlaceCursor(m_iCursorColumn - 1);
}

void CHfcCtrlOldCharEditText::DeleteAt()
{
    if (HasSelection()) {
        DeleteSelection();
        return;
    }
    if (m_iCursorColumn < TextLength())
        m_editText.erase(static_cast<std::size_t>(m_iCursorColumn), 1);
    PlaceCursor(m_iCursorColumn);
}

void CHfcCtrlOldCharEditText::Insert(char character)
{
    if (HasSelection())
        DeleteSelection();
    if (TextLength() >= m_iMaximumLength - 1)
        return;
    m_editText.insert(static_cast<std::size_t>(m_iCursorColumn), 1, character);
    PlaceCursor(m_iCursorColumn + 1);
}

void CHfcCtrlOldCharEditText::MoveCursor(int code, int modifiers)
{
    const bool shift = (modifiers & kHfcModifierShift) != 0;
    const int length = TextLength();
    const int old = m_iCursorColumn;
    if (!HasSelection()) {
        int moved = old;
        switch (code) {
        case kLeft: moved = std::max(0, old - 1); break;
        case kRight: moved = std::min(length, old + 1); break;
        case kUp: moved = 0; break;
        default: moved = length; break;
        }
        PlaceCursor(moved);
        if (shift)
            SetSelection(std::min(old, moved), std::max(old, moved));
        return;
    }
    if (shift) {
        // The selection's far edge moves and the caret goes with it.
        int start = m_iSelectionStart;
        int end = m_iSelectionEnd;
        switch (code) {
        case kLeft: m_iCursorColumn = start = std::max(0, start - 1); break;
        case kRight: m_iCursorColumn = end = std::min(length, end + 1); break;
        case kUp: m_iCursorColumn = start = 0; break;
        default: m_iCursorColumn = end = length; break;
        }
        SetSelection(start, end);
        RestartBlink();
        return;
    }
    switch (code) {
    case kLeft: PlaceCursor(m_iSelectionStart); break;
    case kUp: PlaceCursor(0); break;
    default: PlaceCursor(m_iSelectionEnd); break;
    }
}

bool CHfcCtrlOldCharEditText::OnHfcKeyInput(CHfcKey*, int code, int flags)
{
    // Keys that reach the field without its edit window edit nothing.
    if (m_hEditWindow == nullptr || code > 127)
        return true;
    switch (code) {
    case kBackspace: DeleteBefore(); break;
    case kTab: Insert(' '); break;
    case kEnter: Commit(); break;
    case kEscape: Cancel(); break;
    case kLeft:
    case kRight:
    case kUp:
    case kDown: MoveCursor(code, flags); break;
    default:
        if (IsPrintable(code))
            Insert(static_cast<char>(code));
        break;
    }
    return true;
}

void CHfcCtrlOldCharEditText::Commit()
{
    EndEdit();
    if (m_pOwner != nullptr)
        m_pOwner->OnControlEvent(this, reinterpret_cast<std::intptr_t>(m_editText.c_str()));
}

void CHfcCtrlOldCharEditText::Cancel()
{
    EndEdit();
    if (m_pOwner != nullptr)
        m_pOwner->OnControlListItem(this, 0, GetValue(), reinterpret_cast<std::intptr_t>(m_displayText.data()));
}

bool CHfcCtrlOldCharEditText::BeginEdit()
{
    if (m_bEditing || !m_bCreated)
        return false;
    StoreEditText(m_displayText.data());
    m_iCursorColumn = TextLength();
    if (!Win32CreateEditText()) {
        EfTrace("Failed to call Win32CreateEditText().");
        return false;
    }
    SetSelection(0, TextLength());
    SetMouseCursor(kEditCursor);
    return true;
}

void CHfcCtrlOldCharEditText::EndEdit()
{
    // The keyboard manager's loss of the focus destroys the edit window.
    if (HoldsKeyManagerFocus())
        ClearKeyManagerFocus();
    DestroyEditWindow();
    m_bEditing = false;
    SetDirty(true);
}

// The keyboard manager and the edit window -------------------------------

bool CHfcCtrlOldCharEditText::HoldsKeyManagerFocus() const
{
    const CHfcKey* key = CHfcKey::GetInstance();
    return key != nullptr && key->GetFocus() == static_cast<const CHfcKeyListener*>(this);
}

void CHfcCtrlOldCharEditText::OnHfcKeyGetFocus(CHfcKey* key)
{
    EfTrace("CHfcCtrlOldCharEditText::OnHfcKeyGetFocus(%08x)",
            static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(key)));
    if (m_pOwner != nullptr)
        m_pOwner->OnControlEditTextFocus(this);
    if (m_hEditWindow == nullptr)
        BeginEdit();
    SetDirty(true);
}

void CHfcCtrlOldCharEditText::OnHfcKeyLostFocus(CHfcKey*)
{
    if (m_pOwner != nullptr)
        m_pOwner->OnControlKillFocus(this);
    DestroyEditWindow();
    SetMouseCursor(kRestCursor);
    m_bEditing = false;
    SetDirty(true);
}

bool CHfcCtrlOldCharEditText::Win32CreateEditText()
{
    if (m_hEditWindow != nullptr || m_pLayer == nullptr || m_pLayer->GetOwner() == nullptr)
        return false;
    HWND parent = m_pLayer->GetOwner()->GetHandle();
    if (parent == nullptr)
        return false;
    HWND edit = CreateWindowExA(0, "EDIT", m_editText.c_str(), kEditStyle, 0, -40, 300, 20, parent,
                                reinterpret_cast<HMENU>(kEditId), GetInstanceHandle(), nullptr);
    if (edit == nullptr)
        return false;
    SetWindowLongPtrA(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_pfnPreviousProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC));
    if (m_pfnPreviousProc == nullptr) {
        DestroyWindow(edit);
        return false;
    }
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditWindowProc));
    m_hEditWindow = edit;
    ::SetFocus(edit);
    if (CHfcKey* key = CHfcKey::GetInstance(); key != nullptr)
        key->SetFocus(this, edit);
    return true;
}

void CHfcCtrlOldCharEditText::DestroyEditWindow()
{
    HWND edit = m_hEditWindow;
    if (edit == nullptr)
        return;
    // Forgotten first: whatever the destruction sends goes to the edit
    // window's own procedure and never back here.
    m_hEditWindow = nullptr;
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnPreviousProc));
    SetWindowLongPtrA(edit, GWLP_USERDATA, 0);
    m_pfnPreviousProc = nullptr;
    DestroyWindow(edit);
}

LRESULT CALLBACK CHfcCtrlOldCharEditText::EditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* field = reinterpret_cast<CHfcCtrlOldCharEditText*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (field == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_SETFOCUS: field->OnWin32EditSetFocus(); return 0;
    case WM_KILLFOCUS: field->OnWin32EditKillFocus(); return 0;
    case WM_KEYDOWN: field->OnWin32EditKeyDown(wParam); return 0;
    case WM_KEYUP: field->OnWin32EditKeyUp(wParam); return 0;
    case WM_CHAR: field->OnWin32EditChar(wParam); return 0;
    case WM_NCDESTROY: {
        // Destroyed with its parent: the handle must not be used again.
        const LRESULT result = CallWindowProcA(field->m_pfnPreviousProc, window, message, wParam, lParam);
        if (field->m_hEditWindow == window) {
            field->m_hEditWindow = nullptr;
            field->m_pfnPreviousProc = nullptr;
            field->m_bEditing = false;
        }
        return result;
    }
    default: return CallWindowProcA(field->m_pfnPreviousProc, window, message, wParam, lParam);
    }
}

void CHfcCtrlOldCharEditText::OnWin32EditSetFocus()
{
    m_bEditing = true;
}

void CHfcCtrlOldCharEditText::OnWin32EditKillFocus()
{
    if (HoldsKeyManagerFocus())
        CHfcKey::GetInstance()->KillFocus();
}

void CHfcCtrlOldCharEditText::OnWin32EditKeyDown(WPARAM virtualKey)
{
    if (virtualKey == VK_DELETE) {
        DeleteAt();
        return;
    }
    const int code = ArrowCode(virtualKey);
    if (CHfcKey* key = CHfcKey::GetInstance(); key != nullptr && code != 0)
        key->KeyInput(code, HfcKeyboardModifiers());
}

void CHfcCtrlOldCharEditText::OnWin32EditKeyUp(WPARAM)
{}

void CHfcCtrlOldCharEditText::OnWin32EditChar(WPARAM character)
{
    if (CHfcKey* key = CHfcKey::GetInstance(); key != nullptr)
        key->KeyInput(static_cast<int>(character), HfcKeyboardModifiers());
}
