#pragma once
// The left sub-page of the global page: the device's global settings as an
// LCD sheet of headings, names and value fields, with the user scale on a
// drawn keyboard. A value field is dragged, or offers its values in a
// popup when its parameter is a list or a switch.
#include "editor/GlobalBaseLayer.h"

#include <platform/types.h>

#include <memory>
#include <vector>

class CCustomEditText;
class CHfcBmp;
class CHfcControl;

class CGlobalEditGlobalPageLayer : public CGlobalBaseLayer
{
public:
    // Where the page lies in the window, and so in the background bitmap.
    static constexpr RECT kArea{28, 170, 28 + 550, 170 + 490};
    static constexpr int kBackgroundX = 28;
    static constexpr int kBackgroundY = 133;
    // The event codes of its controls.
    static constexpr std::uint32_t kEventHeading = 0;
    static constexpr std::uint32_t kEventLabel = 1;
    static constexpr std::uint32_t kEventValue = 2;
    // Control kinds of the global table that choose from a popup.
    static constexpr int kKindList = 3;
    static constexpr int kKindOnOff = 4;
    // The ratio of a field whose range is a single value or wider than 127.
    static constexpr int kSteps = 127;
    static constexpr int kMaximumRatio = 12;

    CGlobalEditGlobalPageLayer();
    ~CGlobalEditGlobalPageLayer() override;

    bool OnCreate() override;
    bool OnDestroy() override;
    // The keys come to the page, every field is brought up to date.
    void TakeFocus() override;
    // Repaints what changed, holding the drawing semaphore.
    void OnTimerTick() override;
    // Events 17 and 18 for this window bring the fields up to date.
    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override;

    void OnControlValueChanged(CHfcControl* control, int value) override;
    // A list or switch parameter's field opens its popup instead of dragging.
    bool OnControlMouseDown(CHfcControl* control, int x, int y, int modifiers) override;

    // Every value field shows its parameter's range, state, value and text.
    void UpdateValueFields();
    // A field's drag ratio for a range.
    static int RatioOf(int minimum, int maximum);

    int GetControlCount() const { return static_cast<int>(m_controls.size()); }
    CHfcControl* GetControl(int id) const;

private:
    // The field and its table row, or null for any other control.
    CCustomEditText* ValueField(CHfcControl* control) const;
    void UpdateValueField(CCustomEditText& field);
    void OpenValuePopup(CCustomEditText& field);
    // Writes, marks the window and tells every window.
    void ApplyValue(CCustomEditText& field, std::int32_t value);
    bool Attach(std::unique_ptr<CHfcControl> control, CCustomControl& binding, int row,
                const ParameterAddress& address);
    void DrawPage();

    CHfcBmp* m_background = nullptr;
    std::vector<std::unique_ptr<CHfcControl>> m_controls;
};
