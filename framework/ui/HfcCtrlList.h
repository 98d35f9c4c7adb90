#pragma once
// A grid of text items drawn with a bitmap font: a fixed number of visible
// cells, scrolled by whole lines, with single or multiple selection,
// keyboard moves and the start of a drag of the pressed item. The list
// never changes the selection by itself: it asks its owner through
// OnControlListItem (code 0 per item, code 1 when the gesture is complete),
// and the owner calls SetItemSelected back, or does not.
// Its members are defined by concern in:
//   HfcCtrlList.cpp       items, lines and cells, and the requests made of the owner
//   HfcCtrlListDraw.cpp   painting the cells, whole or only the changed items
//   HfcCtrlListInput.cpp  presses, moves, keys and drags
#include "framework/ui/HfcControl.h"
#include "framework/ui/HfcCtrlListItem.h"

#include <memory>
#include <vector>

class CHfcOffscreenContext;

// The words of its descriptor.
enum EHfcListWord : int
{
    kHfcListX,
    kHfcListY,
    kHfcListWidth,
    kHfcListHeight,
    kHfcListBackX,
    kHfcListBackY,
    kHfcListBack,          // optional background bitmap
    kHfcListFont,          // required
    kHfcListSelectedFont,  // optional
    kHfcListDisabledFont,  // optional
    kHfcListGlyphWidth,    // 0: the font's width
    kHfcListGlyphHeight,   // 0: the font's height / 128
    kHfcListItemLimit,     // 0: none
    kHfcListColumns,       // K: items per line in row order
    kHfcListRows,          // R: visible lines in row order
    kHfcListLayout,        // kept, not read
    kHfcListLabelRaise,    // taken off the worked-out label y
    kHfcListLabelX,        // label margin inside a cell; 0 centres
    kHfcListLabelY,        // label y inside a cell; 0 works it out
    kHfcListFlags,         // EHfcListFlag
    kHfcListIcons,         // non-zero: an item's icon before its label
    kHfcListSelectedColor,
    kHfcListMarkedColor,
    kHfcListFrameColor,
    kHfcListWords
};

// The flag bytes of kHfcListFlags.
enum EHfcListFlag : int
{
    kHfcListColumnOrder = 0x1,     // items run down the columns; a line is a column
    kHfcListMultiple = 0x100,      // Ctrl and Shift extend the selection
    kHfcListDragAllowed = 0x10000  // moving a pressed item starts a drag
};

// The codes of OnControlListItem (control, code, a, b).
enum EHfcListCode : int
{
    kHfcListRequestSelection = 0,  // a: 0 or 1, b: item index
    kHfcListSelectionDone = 1,     // a, b: 0
    kHfcListActivate = 2,          // a: item index, b: CHfcCtrlListItem*
    kHfcListScrollTo = 4,          // a: item index moved to out of sight, b: 0
    kHfcListStartDrag = 5,         // a: item index, b: SHfcListDragStart*
    kHfcListContext = 6,           // a: item index or -1, b: POINT* in layer coordinates
    kHfcListOtherKey = 7           // a: focus item or -1, b: SHfcListKey*
};

struct SHfcListDragStart
{
    int screenX;
    int screenY;
    // The pointer inside the pressed item's cell.
    int offsetX;
    int offsetY;
};

struct SHfcListKey
{
    int code;
    int flags;
};

class CHfcCtrlList : public CHfcControl
{
public:
    // Fewer dirty items than this are repainted cell by cell.
    static constexpr int kPartialRedrawLimit = 5;
    // The pointer must move further than this (|dx| + |dy|) to start a drag.
    static constexpr int kDragDistance = 3;

    CHfcCtrlList();
    ~CHfcCtrlList() override;

    // False without a descriptor or font, with a size below 1, or with no
    // columns or rows or cells narrower than a pixel to divide the size by.
    bool Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode);

    // Null once the item limit is reached.
    CHfcCtrlListItem* AddItem();
    void RemoveAllItems();
    CHfcCtrlListItem* GetItem(int index) const;
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    bool IsItemSelected(int index) const;
    void SetItemSelected(int index, bool selected);
    // -1 when none.
    int GetFirstSelectedItem() const;
    // Items / items per line, rounded half up.
    int GetLineCount() const;
    int GetVisibleLineCount() const;
    int GetVisibleItemCount() const;
    int GetItemsPerLine() const;
    int GetTopLine() const { return m_iTopLine; }
    // Clamped to the lines; every item is repainted when it changes.
    void SetTopLine(int line);
    // Mode 0 scrolls the least that shows the item's line, mode 1 shows
    // the page that holds it.
    void EnsureVisible(int item, int mode);
    // Asks the owner to select an enabled item: mode 0 alone, mode 1 as
    // well; modes 2 and 3 ask for selection mode - 2 when it differs.
    void SelectItem(int index, int mode);
    // Asks the owner to deselect every selected item.
    void NotifySelectedItems();
    // Tells the owner the selection gesture is complete.
    void EndSelection();
    // Keys and clicks consider only marked items.
    void SetMarkedOnly(bool markedOnly) { m_bMarkedOnly = markedOnly; }
    bool IsMarkedOnly() const { return m_bMarkedOnly; }
    // The context request comes with the right press instead of its release.
    void SetContextOnPress(bool onPress) { m_bContextOnPress = onPress; }
    HfcWord GetWord(int index) const { return m_words[index]; }

    // The line of an item.
    virtual int GetLineOfItem(int item) const;
    // The layer point of a visible cell's corner.
    virtual POINT GetCellOrigin(int column, int row) const;
    // Column and row of a visible cell.
    virtual void IndexToCell(int cell, int& column, int& row) const;
    virtual POINT GetItemOrigin(int item) const;
    // The visible cell under a control point, with the point's offset
    // inside it; -1 outside every cell.
    virtual int PointToCell(int x, int y, POINT* offset) const;
    // -1 past the last item.
    virtual int CellToItem(int cell) const;
    // -1 when the item is out of sight.
    virtual int ItemToCell(int item) const;
    // Items dirty (or, not partial, all) into their cells; empty cells
    // painted over once.
    virtual void DrawCells(CHfcDrawContext* context, bool partial);
    // What an item shows in a cell-sized context.
    virtual void DrawItemContent(CHfcDrawContext* context, CHfcCtrlListItem* item, int width, int height);
    virtual void DrawItem(CHfcDrawContext* context, CHfcCtrlListItem* item, int cell, bool partial);
    virtual void DrawEmptyCell(CHfcDrawContext* context, int cell, bool partial);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseCaptureReleased(CHfcMouse* mouse) override;
    bool OnHfcKeyInput(CHfcKey* key, int code, int flags) override;
    bool OnHfcDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcDragLeave(CHfcOleToken* ole) override;
    bool OnHfcDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;

    void Destroy() override;
    // Only the dirty cells while fewer than five items changed since a
    // whole picture was drawn; otherwise everything.
    void Draw(CHfcDrawContext* context) override;
    void DrawBackground(CHfcDrawContext* context) override;
    // A forced redraw paints the whole picture; a hidden list is painted
    // over once.
    void Redraw(bool force, bool now) override;

protected:
    int Word(int index) const { return static_cast<int>(m_words[index]); }
    CHfcBmp* Bitmap(int index) const { return HfcWordBitmap(m_words[index]); }
    bool HasFlag(int flag) const { return (m_words[kHfcListFlags] & flag) != 0; }
    // The cell's rectangle in layer coordinates.
    RECT GetCellRect(int cell) const;

private:
    // The item under a control point, or -1.
    int ItemAt(int x, int y) const;
    bool IsUsable(int item) const;
    bool Report(int code, std::intptr_t a, std::intptr_t b);
    void RequestSelection(int item, bool selected);
    void ChangeTopLine(int line);
    void MarkAllItemsDirty();
    // The next marked item from one in a direction; -1 when none.
    int NextMarked(int from, int direction) const;
    // Where an arrow moves the focus item; the item itself at an edge.
    int ArrowTarget(int focus, int code) const;
    void MoveFocusTo(int item);
    void ReportOtherKey(int focus, int code, int flags);
    void PressWithShift(int item);
    void ClearPress();
    void DrawBackPart(CHfcDrawContext* context, const RECT& area) const;
    int CountDirtyVisibleItems() const;

    HfcWord m_words[kHfcListWords]{};
    std::vector<std::unique_ptr<CHfcCtrlListItem>> m_items;
    // One per visible cell: whether it shows something an empty cell must
    // paint over.
    std::vector<bool> m_painted;
    std::unique_ptr<CHfcOffscreenContext> m_cellContext;
    int m_iTopLine = 0;
    float m_fCellWidth = 0.0f;
    float m_fCellHeight = 0.0f;
    bool m_bMarkedOnly = false;
    bool m_bContextOnPress = false;
    // A whole picture has been drawn since the list was last erased.
    bool m_bPartialRedraw = false;
    bool m_bNow = false;
    int m_iPressState = 0;
    int m_iPressedItem = -1;
    bool m_bDragPending = false;
    POINT m_pressPoint{};
};
