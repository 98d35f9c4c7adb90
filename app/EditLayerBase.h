#pragma once
// The base of every layer that edits a program: what a skinned control
// reports becomes a value written into the program, a modified mark, an
// event 7 to every window and a parameter change to the device. It also
// offers list parameters in a popup of all their values, shows the hovered
// parameter in the message line, refreshes its controls from the program,
// drags program parts out of its drop areas and feeds the EQ graphs.
// Its members are defined by concern in:
//   EditLayerBase.cpp       creating, keeping and refreshing the controls; timer and messages
//   EditLayerGesture.cpp    reported values written into the program, and list popups
//   EditLayerHover.cpp      the hovered parameter's message and the start of a part drag
//   EditLayerBlockDrag.cpp  program parts dragged out of and dropped onto drop areas
//   EditLayerEq.cpp         feeding an EQ graph
#include "app/BaseLayer.h"

#include <cstdint>
#include <memory>
#include <vector>

class CBlockData;
class CHfcControl;
class CHfcDragData;

class CEditLayerBase : public CBaseLayer
{
public:
    // The event code of a drop area that a program part is dragged from.
    static constexpr std::uint32_t kEventBlockHandle = 10;
    // How a dropped block came: copied or moved within this layer, or from
    // anywhere else.
    enum DropMode
    {
        kDropCopy = 1,
        kDropMove = 2,
        kDropFromOutside = 3,
    };
    // QueryBlockDrop's answer bits.
    static constexpr int kDropCanCopy = 1;
    static constexpr int kDropCanMove = 2;
    // Pointer travel (|dx| + |dy|) beyond which a press becomes a block drag.
    static constexpr int kDragThreshold = 5;
    // The drag cursor of a pressed enabled control.
    static constexpr int kDragCursor = 10;
    // Kept of a parameter's name and value text for the message line.
    static constexpr int kShownTextLength = 33;

    CEditLayerBase() = default;
    ~CEditLayerBase() override;

    virtual bool WantsParameterMessage(CHfcControl* /*control*/) { return true; }
    // Every control from the program, then their redraw.
    virtual void UpdateAllControls();
    virtual void UpdateControl(int index);
    // Wakes the message line and posts the parameter's name and value text
    // when either changed since the last post.
    virtual void ShowParameterMessage(CHfcControl* control);
    virtual bool OnControlHoverBegin(CHfcControl* /*control*/) { return false; }
    virtual bool OnControlHoverEnd(CHfcControl* /*control*/) { return false; }
    // Drags the block of a drop area's part out of the layer; (x, y) is the
    // press in the control's own coordinates.
    virtual bool StartBlockDrag(CHfcControl* control, int x, int y);
    // kDropCanCopy and kDropCanMove bits; the base takes no drop.
    virtual int QueryBlockDrop(CHfcControl* /*control*/, CHfcDragData* /*data*/) { return 0; }
    virtual bool PasteBlock(CHfcControl* /*control*/, CHfcDragData* /*data*/, const CBlockData& /*block*/, int /*mode*/)
    {
        return false;
    }

    int GetDataKind() override { return kProgramEditKind; }
    // Binds to the window's bank, then listens to the window manager.
    bool Create(int x, int y, int width, int height, CHfcWindow* window) override;
    bool OnDestroy() override;
    void OnTimerTick() override;
    void OnWindowDeactivate() override;
    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override;

    // The pointer is over no control.
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;

    void OnControlValueChanged(CHfcControl* control, int value) override;
    // Arms a block drag; a list parameter's press opens its popup.
    bool OnControlMouseDown(CHfcControl* control, int x, int y, int modifiers) override;
    bool OnControlMouseUp(CHfcControl* control, int x, int y, int modifiers) override;
    bool OnControlMouseMove(CHfcControl* control, int x, int y, int modifiers) override;
    bool OnControlDragEnter(CHfcControl* control, CHfcDragData* data, int x, int y, int modifiers,
                            int* effect) override;
    bool OnControlDragOver(CHfcControl* control, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnControlDrop(CHfcControl* control, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;

    // Hands the EQ graph of the control id its two bands: frequencies and
    // gains from the parameter values, and the shelf coefficients.
    void SetEqGraph(int controlId, int lowFrequencyIndex, int lowGain, int highFrequencyIndex, int highGain);

    // The layer destroys and deletes the control when it goes.
    void KeepControl(std::unique_ptr<CHfcControl> control);
    // The framework control of a control id, or none.
    CHfcControl* GetControl(int index) const;

    int GetDragSource() const { return m_dragSource; }
    bool IsDragArmed() const { return m_dragArmed != 0; }
    POINT GetDragStart() const { return m_dragStart; }
    int GetHoveredControl() const { return m_hoveredControl; }
    const char* GetShownName() const { return m_shownName; }
    const char* GetShownValue() const { return m_shownValue; }

protected:
    // The text on a drop area's drag image; none by default.
    virtual const char* DragLabel(CHfcControl* /*control*/) { return nullptr; }
    // Writes a value that differs from the program's, then the message,
    // the modified mark, event 7 and the parameter change, in that order.
    // False when nothing was written.
    bool ApplyParameterChange(CHfcControl* control, const ParameterAddress& address, std::int32_t value,
                              bool toBothTimbres);
    // The popup of a list parameter's values at the control's corner; the
    // chosen one is applied.
    void OpenListPopup(CHfcControl* control, const ParameterAddress& address);

private:
    // The value a report asks for; false when the report asks for none.
    bool ValueOfReport(CHfcControl* control, CCustomControl* binding, int report, std::int32_t& value);
    // The value an LED stands for; false for a control that is no LED.
    static bool LedValueOf(CHfcControl* control, std::int32_t& value);
    void Disarm();
    // The effect of a drag over a control, written into *effect.
    bool OfferDrop(CHfcControl* control, CHfcDragData* data, int modifiers, int* effect);

    int m_dragSource = -1;
    int m_dragArmed = 0;
    POINT m_dragStart{};
    int m_hoveredControl = -1;
    char m_shownName[kShownTextLength + 1] = {};
    char m_shownValue[kShownTextLength + 1] = {};
    bool m_registered = false;
    std::vector<std::unique_ptr<CHfcControl>> m_ownedControls;
};
