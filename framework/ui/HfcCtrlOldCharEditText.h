#pragma once
// A text field drawn entirely with a bitmap font. At rest it shows a grid
// of rows x columns characters, and a vertical drag over it changes its
// value like a knob. With the keyboard manager's focus it edits one line:
// a hidden system edit window takes the system focus, so that keys and the
// input method reach the program, and hands every key back through the
// keyboard manager to the field's own editing. Enter commits the text to
// the owner, Escape abandons it.
#include "framework/ui/HfcControl.h"

#include <platform/window.h>

#include <string>
#include <vector>

// The field's descriptor, copied whole by Create.
struct HfcEditTextDescriptor
{
    int x = 0;
    int y = 0;
    // 0: columns x cell width, rows x cell height.
    int width = 0;
    int height = 0;
    // A vertical strip of 128 glyph cells; required.
    CHfcBmp* font = nullptr;
    CHfcBmp* background = nullptr;
    int backgroundX = 0;
    int backgroundY = 0;
    // 0: the font's width, and its height / 128.
    int cellWidth = 1;
    int cellHeight = 1;
    int rows = 1;
    // Characters per line, and the longest text kept while editing.
    int columns = 1;
    int minimum = 0;
    int maximum = 100;
    // Vertical drag distance of one value step.
    int pixelsPerStep = 10;
    // Glyphs of selected characters while editing; the font when null.
    CHfcBmp* highlightFont = nullptr;
    HfcWord unused = 0;
    // Filled over the rectangle before the background when not 0.
    ARGB fillColor = 0;
};

class CHfcCtrlOldCharEditText : public CHfcControl
{
public:
    // The edit buffer, terminator included.
    static constexpr int kEditBytes = 1024;
    static constexpr int kBlinkHalfPeriodMs = 250;
    // Rows of the mouse manager's cursor table.
    static constexpr int kEditCursor = 4;
    static constexpr int kRestCursor = 0;

    CHfcCtrlOldCharEditText() = default;
    // Leaves editing and destroys the edit window before the base goes.
    ~CHfcCtrlOldCharEditText() override;

    // False without a descriptor or font, with rows or columns not above 0,
    // or when a cell width or the drag step would come to less than 1.
    bool Create(const HfcEditTextDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode);

    // While editing: places the caret or selects all. At rest: a press
    // starts a value drag (Ctrl asks the owner for a default first), a
    // double click goes to the owner, which normally gives the field the
    // keyboard focus.
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseCaptureReleased(CHfcMouse* mouse) override;
    // Gives up the keyboard focus and the edit window, then the base.
    void Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    void DrawBackground(CHfcDrawContext* context) override;
    // Blinks the caret while editing; redraws during a drag at rest.
    void OnTimer(int milliseconds) override;
    // The edit text while editing, else the first display line; bounded
    // to what each holds.
    void SetData(const void* data, bool redraw) override;

    // Editing keys: 8 Backspace, 9 a blank, 13 commit, 27 cancel, 28 to 31
    // the arrows (Left, Right, start, end; with Shift 1 they select);
    // printable characters are inserted. Always true.
    bool OnHfcKeyInput(CHfcKey* key, int code, int flags) override;
    // Begins editing.
    void OnHfcKeyGetFocus(CHfcKey* key) override;
    // Ends editing and destroys the edit window.
    void OnHfcKeyLostFocus(CHfcKey* key) override;

    // The edit window's messages.
    virtual void OnWin32EditSetFocus();
    virtual void OnWin32EditKillFocus();
    virtual void OnWin32EditKeyDown(WPARAM virtualKey);
    virtual void OnWin32EditKeyUp(WPARAM virtualKey);
    virtual void OnWin32EditChar(WPARAM character);

    // Copies the display line into the edit text, selects it all and makes
    // the edit window; false when already editing or when the window
    // cannot be made.
    bool BeginEdit();
    // Gives up the keyboard focus when the field holds it and leaves
    // editing without a report.
    void EndEdit();
    // The hidden edit window, focused, with this field as the keyboard
    // manager's listener; false when one exists or there is no window.
    bool Win32CreateEditText();
    // Clamped to the edit text; a start beyond the end selects nothing.
    void SetSelection(int start, int end);
    // Typing stops one character short of the columns, unless the field
    // must take texts that fill them (a name the device keeps whole).
    void SetFillsColumns(bool fills) { m_bFillsColumns = fills; }

    bool IsEditing() const { return m_bEditing; }
    const std::string& GetEditText() const { return m_editText; }
    // Rows of columns + 1 bytes; the first line ends at the columns.
    const std::vector<char>& GetDisplayText() const { return m_displayText; }
    int GetCursorColumn() const { return m_iCursorColumn; }
    int GetSelectionStart() const { return m_iSelectionStart; }
    int GetSelectionEnd() const { return m_iSelectionEnd; }
    int GetBlinkTime() const { return m_iBlinkTime; }
    int GetMaximumLength() const { return m_iMaximumLength; }
    HWND GetEditWindow() const { return m_hEditWindow; }
    const HfcEditTextDescriptor& GetDescriptor() const { return m_descriptor; }
    // Another font of the same cells.
    void SetFont(CHfcBmp* font, bool redraw);
    // Where the background part is taken from.
    void SetBackOrigin(int x, int y);

private:
    static LRESULT CALLBACK EditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void DestroyEditWindow();
    bool HoldsKeyManagerFocus() const;
    int TextLength() const { return static_cast<int>(m_editText.size()); }
    // Keeps at most the maximum length, and never the buffer's last byte.
    void StoreEditText(const char* text);
    bool HasSelection() const { return m_iSelectionStart != m_iSelectionEnd; }
    void PlaceCursor(int column);
    void DeleteSelection();
    void DeleteBefore();
    void DeleteAt();
    void Insert(char character);
    void MoveCursor(int code, int modifiers);
    void RestartBlink();
    void Commit();
    void Cancel();
    // Ends a value drag: the last value goes to the owner without the
    // pressed bit when it moved.
    void FinishDrag();
    void DrawGlyph(CHfcDrawContext* context, CHfcBmp* font, int column, int row, int code) const;
    void DrawGround(CHfcDrawContext* context) const;

    HfcEditTextDescriptor m_descriptor;
    std::vector<char> m_displayText;
    bool m_bEditing = false;
    std::string m_editText;
    int m_iMaximumLength = kEditBytes;
    bool m_bFillsColumns = false;
    int m_iCursorColumn = 0;
    int m_iCursorRow = 0;
    int m_iBlinkTime = 0;
    int m_iCaretYOffset = 0;
    int m_iDragAnchor = 0;
    int m_iDragValue = 0;
    int m_iDragReported = 0;
    bool m_bDragging = false;
    int m_iSelectionStart = 0;
    int m_iSelectionEnd = 0;
    HWND m_hEditWindow = nullptr;
    WNDPROC m_pfnPreviousProc = nullptr;
};
