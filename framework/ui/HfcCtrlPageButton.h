#pragma once
// A strip of tabs in one control: each tab a framed rectangle with a short
// label in a bitmap font, the selected tab (the control's value) filled. A
// click on a tab reports its index to the owner, which selects the page and
// sets the value back. While something is dragged over the strip, resting
// on a tab for more than 800 ms reports that tab too, so that the user can
// change pages during a drag.
#include "framework/ui/HfcControl.h"

#include <vector>

// The words of its descriptor.
enum EHfcPageWord : int
{
    kHfcPageX,
    kHfcPageY,
    kHfcPageWidth,
    kHfcPageHeight,
    kHfcPageBackX,
    kHfcPageBackY,
    kHfcPageBack,          // optional background bitmap
    kHfcPageFont,          // optional; no labels without it
    kHfcPageSelectedFont,  // 0: the font
    kHfcPageDisabledFont,  // 0: the font chosen so far
    kHfcPageCellWidth,     // 0: the font's width
    kHfcPageCellHeight,    // 0: the font's height / 128
    kHfcPageTabWidth,
    kHfcPageTabHeight,
    kHfcPageGap,
    kHfcPageLabelX,  // inside a tab; -1 centres
    kHfcPageLabelY,  // inside a tab; -1 centres
    kHfcPageFrameColor,
    kHfcPageFillColor,
    kHfcPageDragSwitch,  // non-zero: accept drags and switch by resting on a tab
    kHfcPageWords
};

struct SHfcPageTab
{
    // At most 31 characters, always terminated.
    char label[32] = {};
    bool enabled = true;
    bool visible = true;
    int index = 0;
    // In layer coordinates.
    RECT rect{};
};

class CHfcCtrlPageButton : public CHfcControl
{
public:
    // How long a drag must rest on a tab; the report comes after more.
    static constexpr int kHoverMs = 800;

    CHfcCtrlPageButton() = default;

    // False without a descriptor or with a width or height below 1. The
    // event code is 0; there are no tabs yet.
    bool Create(const HfcWord* descriptor, std::uint32_t id);

    // Appends a tab right of the last one, its label cut to 31 characters;
    // the new tab's index.
    int AddTab(const char* label);
    void RemoveAllTabs();
    // The first enabled, visible tab whose rectangle holds the layer point
    // strictly inside; -1 for none.
    int HitTestTab(int x, int y) const;
    // The same for a point in control coordinates.
    int TabFromPoint(int x, int y);
    // Null outside [0, tabs).
    SHfcPageTab* GetTab(int index);
    int GetTabCount() const { return static_cast<int>(m_tabs.size()); }

    // Reports the clicked tab; the value stays until the owner sets it.
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseCaptureReleased(CHfcMouse* mouse) override;
    void Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    void DrawBackground(CHfcDrawContext* context) override;
    // Counts time for the drag hover; draws nothing.
    void OnTimer(int milliseconds) override;
    // Clamped to the tabs, 0 without any; always marks the control dirty.
    void SetValue(int value, bool redraw) override;

    // The effect is move when the strip switches on drags, else none,
    // before the owner is asked.
    bool OnHfcDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcDragLeave(CHfcOleToken* ole) override;
    bool OnHfcDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;

    HfcWord GetWord(int index) const { return m_words[index]; }

private:
    int Word(int index) const { return static_cast<int>(m_words[index]); }
    CHfcBmp* Bitmap(int index) const { return HfcWordBitmap(m_words[index]); }
    bool SwitchesOnDrag() const { return m_words[kHfcPageDragSwitch] != 0; }
    void ClearHover();
    void DrawTab(CHfcDrawContext* context, const SHfcPageTab& tab, int labelY, int characters);

    HfcWord m_words[kHfcPageWords]{};
    std::vector<SHfcPageTab> m_tabs;
    int m_iHoverTab = -1;
    bool m_bHoverPending = false;
    bool m_bDragOver = false;
    int m_iHoverStart = 0;
    int m_iElapsed = 0;
};
