#pragma once
// The right sub-page of the global page: the CC number map, one line per
// sound parameter with the controller number the device uses for it, or
// Off. Activating a line opens the CC map value dialog for it.
#include "editor/GlobalBaseLayer.h"

#include <platform/types.h>

#include <memory>
#include <string>

class CCustomList;
class CCustomPageButton;
class CHfcBmp;

class CGlobalEditCcMapPageLayer : public CGlobalBaseLayer
{
public:
    // Where the page lies in the window: from its list down, so that the
    // settings page's "CC# MAP" heading above the list stays in sight.
    static constexpr RECT kArea{530, 182, 530 + 440, 182 + 458};
    // Where the layer's (0, 0) lies on the background.
    static constexpr int kBackgroundX = 530;
    static constexpr int kBackgroundY = 145;
    static constexpr int kMapGroup = 5;
    static constexpr int kLineCount = 64;
    // The highest controller number; anything above it, unsigned, is Off.
    static constexpr unsigned kLastController = 119;
    enum ControlId
    {
        kTabsId = 0,
        kListId = 1,
    };
    // The list's reports.
    enum ListReport
    {
        kReportSelect = 0,
        kReportSelectionDone = 1,
        kReportActivate = 2,
        kReportRedraw = 3,
        kReportScroll = 4,
    };

    CGlobalEditCcMapPageLayer();
    ~CGlobalEditCcMapPageLayer() override;

    bool OnCreate() override;
    bool OnDestroy() override;
    // The keys go to the list.
    void TakeFocus() override;
    void OnControlEditEnd(CHfcControl* control) override;
    // Paints the background once, then what changed.
    void OnTimerTick() override;
    // Events 17 and 18 show the map again.
    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override;
    void OnControlValueChanged(CHfcControl* control, int value) override;
    bool OnControlListItem(CHfcControl* control, int code, std::intptr_t a, std::intptr_t b) override;

    // The value of a line, as stored; -1 past the map.
    std::int32_t GetLineValue(int line) const;
    // The dialog for a line; OK writes its choice even when unchanged.
    void OpenValueDialog(int line);
    // Each line whose value changed since it was last shown.
    void FillLines();
    // "%-24.24s : CC# %02d", or "%-24.24s : Off" above the last controller.
    static std::string LineText(const std::string& name, std::int32_t value);

    CCustomList* GetList() const { return m_list.get(); }
    CCustomPageButton* GetTabs() const { return m_tabs.get(); }
    int GetCurrentPage() const { return m_page; }

private:
    void ShowPage(int page);
    void FocusList();

    CHfcBmp* m_background = nullptr;
    bool m_backgroundPending = false;
    int m_page = 0;
    std::unique_ptr<CCustomPageButton> m_tabs;
    std::unique_ptr<CCustomList> m_list;
};
