#pragma once
// An edit layer in a shown edit window of program 3 of a library, the test
// device on the MIDI ports, and skinned-control doubles: framework controls
// with the parameter binding mixed in, mapping values as the layouts' knobs
// do, that write what the layer asks of them into the shared log.
#include "editor_base_fixture.h"

#include "app/ControlBinding.h"
#include "app/EditLayerBase.h"
#include "app/controls/CustomSwitches.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlButtons.h"
#include "framework/ui/HfcCtrlDragReceiver.h"
#include "framework/ui/HfcCtrlKnob.h"
#include "model/BlockData.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace editor_test {

// Records the steps of a change and answers drops as its test sets.
class CTestEditLayer : public CEditLayerBase
{
public:
    explicit CTestEditLayer(FakeEditorShell& shell) : shell(shell) {}

    void ShowParameterMessage(CHfcControl* control) override;
    void PostDataChanged(bool wholeProgram) override;
    bool OnControlHoverBegin(CHfcControl* control) override;
    bool OnControlHoverEnd(CHfcControl* control) override;
    bool StartBlockDrag(CHfcControl* control, int x, int y) override;
    int QueryBlockDrop(CHfcControl*, CHfcDragData*) override { return dropAnswer; }
    bool PasteBlock(CHfcControl* control, CHfcDragData* data, const CBlockData& block, int mode) override;
    void UpdateAllControls() override;

    FakeEditorShell& shell;
    int dropAnswer = 0;
    // The block kinds PasteBlock takes.
    std::set<std::uint32_t> acceptedKinds;
    // The program at the message step; -1 before one.
    std::int32_t valueAtMessage = -1;
    ParameterAddress watched{};
    // The drag source at the last paste.
    int sourceDuringDrag = -2;
    // The format and bytes of each item of the last drop pasted from.
    std::vector<std::pair<UINT, std::vector<std::uint8_t>>> droppedItems;
};

// A knob of the layouts: positions of 7 pixels per value step times twice
// the ratio, counted from the minimum.
class CTestKnob : public CHfcCtrlKnob, public CCustomControl
{
public:
    CTestKnob(CHfcBmp& strip, int x, int y, int minimum, int maximum, int ratio, std::uint32_t id,
              std::uint32_t eventCode = CCustomControl::kEventPosition);

    void SetValue(int value) override;
    int GetValue() override;
    int ValueToPosition(int value) override;
    int PositionToValue(int position) override;
    int GetMin() override { return m_iMin; }
    int GetMax() override { return m_iMax; }
    void SetMin(int minimum) override;
    void SetMax(int maximum) override;
    void SetRatio(int ratio) override;
    void SetEnabled(bool enabled) override;
    int GetControlType() const override { return kKnob; }

private:
    int m_iMin;
    int m_iMax;
    int m_ratio;
};

// A two-state switch.
class CTestSwitch : public CHfcCtrlOldSwitch, public CCustomControl
{
public:
    CTestSwitch(CHfcBmp& strip, int x, int y) : m_strip(strip), m_x(x), m_y(y) {}
    bool Create(std::uint32_t id, std::uint32_t eventCode);

    void SetValue(int value) override;
    int GetValue() override { return CHfcCtrlOldSwitch::GetValue(); }
    int GetControlType() const override { return kSwitch; }

private:
    CHfcBmp& m_strip;
    int m_x;
    int m_y;
};

// A drop area that a program part is dragged from: words 4 to 6 are the
// block kind, the part index and the extra word.
class CTestDropArea : public CHfcCtrlDragReceiver, public CCustomControl
{
public:
    bool Create(const RECT& rect, std::uint32_t kind, std::uint32_t part, std::uint32_t id,
                std::uint32_t eventCode = CEditLayerBase::kEventBlockHandle);
    int GetControlType() const override { return kDragReceiver; }
};

// A control of any type that logs what the layer asks of it.
class CTypedControl : public CHfcControl, public CCustomControl
{
public:
    CTypedControl(int type, const RECT& rect, std::uint32_t id, std::uint32_t eventCode = 0);

    void Redraw(bool force, bool now) override;
    void OnTimer(int milliseconds) override;
    void SetData(const void* data, bool redraw) override;
    void SetValue(int value) override;
    int GetValue() override { return m_iShown; }
    int GetMin() override { return m_iMin; }
    int GetMax() override { return m_iMax; }
    void SetMin(int minimum) override;
    void SetMax(int maximum) override;
    void SetRatio(int ratio) override;
    void SetEnabled(bool enabled) override;
    void GetText(char* buffer, int size) override;
    int GetControlType() const override { return m_type; }

    void Record(const std::string& what) { Log().push_back("control " + std::to_string(GetId()) + ":" + what); }

    std::string text;
    bool logRedraws = false;

private:
    int m_type;
    int m_iShown = 0;
    int m_iMin = 0;
    int m_iMax = 127;
};

class EditLayerTest : public EditorBaseTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Binds a created control as the layouts do, the layer keeping it.
    template <class Control>
    Control* Attach(std::unique_ptr<Control> control, const ParameterAddress& address)
    {
        Control* raw = control.get();
        EXPECT_TRUE(AttachBoundControl(*layer, *raw, ParameterReference{address, 0, 0}));
        layer->KeepControl(std::move(control));
        return raw;
    }
    int NextId() const { return layer->GetBoundControlCount(); }

    std::int32_t Value(const ParameterAddress& address);
    void SetValue(const ParameterAddress& address, std::int32_t value);
    // What the device has received once count messages came, and a moment
    // more for any extra.
    std::vector<DeviceSimulator::Bytes> ReceivedChanges(std::size_t count);
    // The 14 bytes of a parameter change on channel 1, built field by field.
    static DeviceSimulator::Bytes ChangeBytes(std::uint32_t idHigh, std::uint32_t idLow, std::int32_t value);
    // The events the window manager delivered to a listener beside the
    // layer, as "event p1 p2 p3 p4".
    std::vector<std::string> TakeEvents();
    // How many event 29 the message line has had since the last call.
    int TakeMessageLineEvents();

    std::unique_ptr<CRecordingWindow> edit;
    CTestEditLayer* layer = nullptr;
    CHfcBmp knobStrip;
    CHfcBmp switchStrip;

private:
    struct EventRecorder : CWindowManagerListener
    {
        void OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                    CWindowManagerListener*) override;
        std::vector<std::string> events;
        int messageLineWakes = 0;
    } m_recorder;
};

}  // namespace editor_test
