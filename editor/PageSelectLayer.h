#pragma once
// The strip of page tabs across the top of a library window: the program
// page and the global page, the logo at its right end. A tab dragged away
// carries its whole page (all programs, or the global data) to another
// library window; a page dropped on a tab replaces this window's.
#include "app/BaseLayer.h"

#include <platform/types.h>

#include <memory>

class CHfcBmp;
class CHfcCtrlBitmapList;
class CHfcCtrlPageButton;
class CLibraryWindow;
class CPageTabStrip;

class CPageSelectLayer : public CBaseLayer
{
public:
    static constexpr int kWidth = 982;
    static constexpr int kHeight = 37;
    static constexpr int kPageCount = 2;
    // Tab k spans x 23 + 77k to 92 + 77k, y 6 to 35.
    static constexpr int kTabsX = 23;
    static constexpr int kTabsY = 6;
    static constexpr int kTabWidth = 69;
    static constexpr int kTabHeight = 29;
    static constexpr int kTabGap = 8;
    static constexpr int kPageSwitchEvent = 24;
    static constexpr int kDragThreshold = 3;
    // How long a drag rests over the window before it comes to the front.
    static constexpr int kHoverActivateMs = 300;

    CPageSelectLayer();
    ~CPageSelectLayer() override;

    // Registers with the window manager once it is made.
    bool Create(int x, int y, int width, int height, CHfcWindow* window) override;
    bool OnCreate() override;
    bool OnDestroy() override;

    // Switches the window's page; nothing while a modal dialog is open.
    void SwitchPage(int page);
    // From any thread: off the message thread it goes through the window
    // manager.
    void RequestPageSwitch(int page);
    // The global page's layers take the focus again while it shows; the
    // global edit layers call it.
    void RefreshGlobalPage();
    void RefreshView() override { m_fullRepaint = true; }
    // Every 60 ms: the paint, the tab strip's time and the drag hover.
    void OnTimerTick() override;

    void OnControlValueChanged(CHfcControl* control, int value) override;
    bool OnControlMouseDown(CHfcControl* control, int x, int y, int modifiers) override;
    bool OnControlMouseUp(CHfcControl* control, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnControlDragEnter(CHfcControl* control, CHfcDragData* data, int x, int y, int modifiers,
                            int* effect) override;
    bool OnControlDragOver(CHfcControl* control, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnControlDrop(CHfcControl* control, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcRawDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcRawDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcRawDragLeave(CHfcOleToken* ole) override;
    bool OnHfcRawDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override;

    int GetPressedTab() const { return m_pressedTab; }
    bool IsDraggingPage() const { return m_bDragging; }
    CHfcCtrlBitmapList* GetTabState() const { return m_tabState.get(); }
    CHfcCtrlPageButton* GetTabs() const;

private:
    CLibraryWindow* GetLibraryWindow() const;
    void Paint();
    void DragPage(int tab);
    // Copy for a page block over a tab, while this strip drags nothing.
    int DropEffect(CHfcControl* control, CHfcDragData* data, int x, int y) const;
    // Whether a block was pasted into the window's data.
    bool PastePage(CHfcDragData* data);
    void ClearPress();

    CHfcBmp* m_background = nullptr;
    std::unique_ptr<CHfcCtrlBitmapList> m_tabState;
    std::unique_ptr<CPageTabStrip> m_tabs;
    DWORD m_messageThread;
    int m_pressedTab = -1;
    POINT m_pressPoint{};
    bool m_pressCaptured = false;
    bool m_bDragging = false;
    bool m_fullRepaint = false;
    bool m_ready = false;
    bool m_listening = false;
    // The drag over the strip and how long it has rested, in ms.
    bool m_hovering = false;
    POINT m_hoverPoint{};
    int m_hoverMs = 0;
};
