#pragma once
// The two master effects of a program, one panel above the other: the
// effect type, the parameter rows the type has, named and placed as the
// type says, and the long ribbon's assignment and polarity. A panel dragged
// onto the other panel moves (swaps) or, with Ctrl, copies its effect; onto
// another program's window it copies. Every change goes into the program
// at once and to the device.
// Its members are defined by concern in:
//   MasterFxEditLayer.cpp       the panels' controls and their rows for the effect type
//   MasterFxEditLayerInput.cpp  presses, drags and reported values of the fields
//   MasterFxEditLayerDrop.cpp   whole effects dragged out of and dropped onto the panels
#include "app/BaseLayer.h"
#include "editor/MasterFxAddresses.h"

#include <array>
#include <cstdint>
#include <memory>

class CBlockData;
class CCustomDragReceiver;
class CCustomEditText;
class CCustomStaticText;
class CHfcBmp;

class CMasterFxEditLayer : public CBaseLayer
{
public:
    // Control ids, in creation order.
    static constexpr int kTypeField = 0;     // + effect
    static constexpr int kDropArea = 2;      // + effect
    static constexpr int kFirstLabel = 4;    // + 20 x effect + parameter
    static constexpr int kFirstField = 44;   // + 20 x effect + parameter
    static constexpr int kFirstRibbon = 84;  // + 4 x effect + 2 x (0 assignment, 1 polarity); its label follows
    static constexpr int kControlCount = 92;

    // Parameter k of a panel: its label at (39 + 275 (k div 10), top + 13
    // (k mod 10)), its field 140 pixels further right.
    static constexpr int kRowLeft = 39;
    static constexpr int kColumnPitch = 275;
    static constexpr int kRowPitch = 13;
    static constexpr int kFieldOffset = 140;
    static constexpr std::array<int, master_fx::kEffects> kPanelTop{103, 326};
    // Pointer travel (|dx| + |dy|) beyond which a press on a panel drags it.
    static constexpr int kDragThreshold = 5;
    // What QueryEffectDrop answers.
    static constexpr int kRefused = 0;
    static constexpr int kFromElsewhere = 1;
    static constexpr int kFromHere = 3;

    static constexpr int LabelId(int effect, int parameter) { return kFirstLabel + 20 * effect + parameter; }
    static constexpr int FieldId(int effect, int parameter) { return kFirstField + 20 * effect + parameter; }
    static constexpr int RibbonFieldId(int effect, int ribbon) { return kFirstRibbon + 4 * effect + 2 * ribbon; }

    CMasterFxEditLayer();
    ~CMasterFxEditLayer() override;

    int GetDataKind() override { return kProgramEditKind; }
    // Binds to the window's bank, then listens to the window manager.
    bool Create(int x, int y, int width, int height, CHfcWindow* window) override;
    bool OnCreate() override;
    bool OnDestroy() override;
    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override;

    // A panel is laid out again only when its type's text changed; then
    // every row shows what the program holds.
    void RebuildParameterControls();

    void OnControlValueChanged(CHfcControl* control, int value) override;
    // Records a press that may become a panel drag; the polarity and
    // assignment fields and list or switch parameters open their popup.
    bool OnControlMouseDown(CHfcControl* control, int x, int y, int modifiers) override;
    bool OnControlMouseUp(CHfcControl* control, int x, int y, int modifiers) override;
    bool OnControlMouseMove(CHfcControl* control, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;

    bool OnControlDragEnter(CHfcControl* control, CHfcDragData* data, int x, int y, int modifiers,
                            int* effect) override;
    bool OnControlDragOver(CHfcControl* control, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnControlDrop(CHfcControl* control, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;

    // A panel's effect out of the window; (x, y) is the press in the
    // panel's coordinates.
    bool StartEffectDrag(CHfcControl* control, int x, int y);
    // kRefused unless the control is a panel and the data carries a master
    // effect; kFromHere while this layer's press is under way.
    int QueryEffectDrop(CHfcControl* control, CHfcDragData* data) const;
    // Pastes an effect block onto a panel; true when it was taken.
    bool DropEffectBlock(CHfcControl* control, CHfcDragData* data, const CBlockData& block, int mode);

    CHfcControl* GetControl(int id) const;
    CCustomEditText* GetField(int id) const;
    CCustomStaticText* GetLabel(int id) const;
    int GetPressedControl() const { return m_pressControl; }
    int GetHoveredControl() const { return m_hoveredControl; }

private:
    bool CreateControls();
    bool CreateField(int id, int row, int characters, int minimum, int maximum, int ratio);
    bool CreateLabel(int id, int row);
    bool CreateDropArea(int id, int effect);
    // Creates the control from its descriptor, binds it to the row and keeps it.
    template <class Control, class Descriptor>
    bool Make(const Descriptor& descriptor, int id, int row);
    void HideAtStart();

    // Places and ranges the rows of a panel whose type changed.
    void LayOutPanel(int effect);
    void ShowEnabledRows(int effect);
    void FillRows(int effect);
    void FillRibbonRows(int effect);
    void SetFieldValue(CCustomEditText& field, std::int32_t value, const char* text);

    // The value clamped to the parameter's range; unless the program has it
    // already: written, the window marked, event 7 posted and the change
    // sent to the device.
    void ApplyValue(const ParameterAddress& address, std::int32_t value);
    // The long ribbon of an effect assigned to the parameter at a menu
    // position; positions outside the table change nothing.
    void ApplyAssignmentPosition(int effect, int position);
    void OpenValuePopup(CHfcControl& control, const ParameterAddress& address);
    void OpenAssignmentPopup(CHfcControl& control, int effect);
    void ForgetPress();
    int EffectOfDropArea(const CHfcControl* control) const;

    CHfcBmp* m_background = nullptr;
    std::array<std::unique_ptr<CHfcControl>, kControlCount> m_controls;
    int m_pressControl = -1;
    bool m_pressed = false;
    POINT m_pressPoint{};  // layer coordinates
    int m_hoveredControl = -1;
    bool m_registered = false;
};
