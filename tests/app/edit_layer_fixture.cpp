#include "edit_layer_fixture.h"

#include "app/WindowEvents.h"
#include "control_fixture.h"
#include "framework/ui/HfcDragData.h"
#include "framework/ui/HfcKnobMode.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcOle.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"
#include "support/ParameterChangeBytes.h"

#include <platform/testing.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace editor_test {

namespace input = platform::testing;

namespace {

constexpr int kStepPixels = 7;
constexpr int kKnobSize = 20;

}  // namespace

void CTestEditLayer::ShowParameterMessage(CHfcControl* control)
{
    valueAtMessage = CQ3917ProgramAccessor::PeekInstance()->GetValue(GetProgramRecord(), watched);
    Log().push_back("layer:message");
    CEditLayerBase::ShowParameterMessage(control);
}

void CTestEditLayer::PostDataChanged(bool wholeProgram)
{
    Log().push_back(std::string("layer:event 7, sent before it: ") + (shell.host.sent.empty() ? "nothing" : "bytes"));
    CEditLayerBase::PostDataChanged(wholeProgram);
}

bool CTestEditLayer::OnControlHoverBegin(CHfcControl* control)
{
    Log().push_back("layer:hover begin " + std::to_string(control->GetId()));
    return false;
}

bool CTestEditLayer::OnControlHoverEnd(CHfcControl* control)
{
    Log().push_back("layer:hover end " + std::to_string(control->GetId()));
    return false;
}

bool CTestEditLayer::StartBlockDrag(CHfcControl* control, int x, int y)
{
    Log().push_back("layer:start drag " + std::to_string(control->GetId()) + " at " + std::to_string(x) + "," +
                    std::to_string(y));
    return CEditLayerBase::StartBlockDrag(control, x, y);
}

bool CTestEditLayer::PasteBlock(CHfcControl* control, CHfcDragData* data, const CBlockData& block, int mode)
{
    sourceDuringDrag = GetDragSource();
    droppedItems.clear();
    for (const SHfcDragItem& item : data->GetItems())
        droppedItems.emplace_back(item.format, std::vector<std::uint8_t>(item.data, item.data + item.size));
    Log().push_back("layer:paste kind " + std::to_string(block.GetKind()) + " mode " + std::to_string(mode) + " on " +
                    std::to_string(control->GetId()));
    return acceptedKinds.count(block.GetKind()) != 0;
}

void CTestEditLayer::UpdateAllControls()
{
    Log().push_back("layer:update all");
    CEditLayerBase::UpdateAllControls();
}

CTestKnob::CTestKnob(CHfcBmp& strip, int x, int y, int minimum, int maximum, int ratio, std::uint32_t id,
                     std::uint32_t eventCode)
    : m_iMin(minimum), m_iMax(maximum), m_ratio(ratio * 2)
{
    const std::vector<HfcWord> words{x,
                                     y,
                                     kKnobSize,
                                     kKnobSize,
                                     HfcBitmapWord(&strip),
                                     0,
                                     0,
                                     0,
                                     1,
                                     0,
                                     0,
                                     (maximum - minimum) * kStepPixels * m_ratio,
                                     kStepPixels * m_ratio};
    EXPECT_TRUE(Create(words.data(), id, eventCode));
}

void CTestKnob::SetValue(int value)
{
    Log().push_back("knob:SetValue " + std::to_string(value));
    CHfcCtrlKnob::SetValue(ValueToPosition(value), true);
}

int CTestKnob::GetValue()
{
    return PositionToValue(CHfcCtrlKnob::GetValue());
}

int CTestKnob::ValueToPosition(int value)
{
    return (value - m_iMin) * kStepPixels * m_ratio;
}

int CTestKnob::PositionToValue(int position)
{
    return m_iMin + position / kStepPixels / m_ratio;
}

void CTestKnob::SetMin(int minimum)
{
    Log().push_back("knob:SetMin " + std::to_string(minimum));
    m_iMin = minimum;
    SetMinimum(ValueToPosition(minimum), false);
}

void CTestKnob::SetMax(int maximum)
{
    Log().push_back("knob:SetMax " + std::to_string(maximum));
    m_iMax = maximum;
    SetMaximum(ValueToPosition(maximum), false);
}

void CTestKnob::SetRatio(int ratio)
{
    Log().push_back("knob:SetRatio " + std::to_string(ratio));
    m_ratio = ratio * 2;
}

void CTestKnob::SetEnabled(bool enabled)
{
    Log().push_back(std::string("knob:SetEnabled ") + (enabled ? "1" : "0"));
    CCustomControl::SetEnabled(enabled);
}

bool CTestSwitch::Create(std::uint32_t id, std::uint32_t eventCode)
{
    const std::vector<HfcWord> words{m_x, m_y, 0, 0, HfcBitmapWord(&m_strip), 0, 0, 0, 2, 0};
    return CHfcCtrlOldSwitch::Create(words.data(), id, eventCode);
}

void CTestSwitch::SetValue(int value)
{
    Log().push_back("switch " + std::to_string(GetId()) + ":SetValue " + std::to_string(value));
    CHfcCtrlOldSwitch::SetValue(value, true);
}

bool CTestDropArea::Create(const RECT& rect, std::uint32_t kind, std::uint32_t part, std::uint32_t id,
                           std::uint32_t eventCode)
{
    const std::vector<HfcWord> words{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, kind,
                                     part,      0};
    return CHfcCtrlDragReceiver::Create(words.data(), id, eventCode);
}

CTypedControl::CTypedControl(int type, const RECT& rect, std::uint32_t id, std::uint32_t eventCode) : m_type(type)
{
    FinishCreate(rect, id, eventCode);
}

void CTypedControl::Redraw(bool force, bool now)
{
    if (logRedraws)
        Record(std::string("Redraw ") + (force ? "1" : "0") + " " + (now ? "1" : "0"));
}

void CTypedControl::OnTimer(int milliseconds)
{
    Record("OnTimer " + std::to_string(milliseconds));
}

void CTypedControl::SetData(const void* data, bool)
{
    text = static_cast<const char*>(data);
    Record("SetData " + text);
}

void CTypedControl::SetValue(int value)
{
    m_iShown = value;
    Record("SetValue " + std::to_string(value));
}

void CTypedControl::SetMin(int minimum)
{
    m_iMin = minimum;
    Record("SetMin " + std::to_string(minimum));
}

void CTypedControl::SetMax(int maximum)
{
    m_iMax = maximum;
    Record("SetMax " + std::to_string(maximum));
}

void CTypedControl::SetRatio(int ratio)
{
    Record("SetRatio " + std::to_string(ratio));
}

void CTypedControl::SetEnabled(bool enabled)
{
    Record(std::string("SetEnabled ") + (enabled ? "1" : "0"));
    CCustomControl::SetEnabled(enabled);
}

void CTypedControl::GetText(char* buffer, int size)
{
    std::snprintf(buffer, static_cast<std::size_t>(size), "%s", text.c_str());
}

void EditLayerTest::SetUp()
{
    EditorBaseTest::SetUp();
    // Drops reach the window only while drag and drop is up.
    ASSERT_TRUE(HfcOleInitialize());
    SetUpLibrary();
    shell->Connect();
    HfcSetKnobMode(kHfcKnobModeVertical);
    ui_test::FillNumberedStrip(knobStrip, kKnobSize, kKnobSize, 1);
    ui_test::FillNumberedStrip(switchStrip, 16, 10, 4);
    edit = MakeEditWindow("edit", 3);
    ASSERT_TRUE(Open(*edit, 10, 10, 400, 300));
    layer = static_cast<CTestEditLayer*>(edit->SetMainLayer(std::make_unique<CTestEditLayer>(*shell)));
    ASSERT_TRUE(layer->Create(0, 0, 400, 300, edit.get()));
    layer->Show(false);
    edit->CreateMessageWindowLayer(MessageLayerSetup{});
    ASSERT_TRUE(shell->windowManager.AddListener(&m_recorder));
    Pump();
    Log().clear();
}

void EditLayerTest::TearDown()
{
    shell->windowManager.RemoveListener(&m_recorder);
    input::QueuePopupMenuAnswers({});
    input::TakeShownPopupMenus();
    HfcSetKnobMode(kHfcKnobModeVertical);
    // The system window goes first, taking its drop target with it.
    edit->Destroy();
    Pump();
    edit.reset();
    EditorBaseTest::TearDown();
    EXPECT_TRUE(HfcOleUninitialize());
}

std::int32_t EditLayerTest::Value(const ParameterAddress& address)
{
    return CQ3917ProgramAccessor::PeekInstance()->GetValue(&(*bank)[3], address);
}

void EditLayerTest::SetValue(const ParameterAddress& address, std::int32_t value)
{
    CQ3917ProgramAccessor::PeekInstance()->SetValue(&(*bank)[3], address, value);
}

std::vector<DeviceSimulator::Bytes> EditLayerTest::ReceivedChanges(std::size_t count)
{
    shell->device->WaitForReceived(count);
    // Time for one more to arrive, which would be one too many.
    shell->device->WaitForReceived(count + 1, std::chrono::milliseconds(100));
    return shell->device->Received();
}

DeviceSimulator::Bytes EditLayerTest::ChangeBytes(std::uint32_t idHigh, std::uint32_t idLow, std::int32_t value)
{
    return ParameterChangeBytes(idHigh, idLow, value);
}

std::vector<std::string> EditLayerTest::TakeEvents()
{
    Pump();
    std::vector<std::string> events;
    events.swap(m_recorder.events);
    return events;
}

int EditLayerTest::TakeMessageLineEvents()
{
    Pump();
    return std::exchange(m_recorder.messageLineWakes, 0);
}

void EditLayerTest::EventRecorder::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2,
                                                          LONG_PTR p3, LONG_PTR p4, CWindowManagerListener*)
{
    if (event == kEventMessageLine) {
        ++messageLineWakes;
        return;
    }
    events.push_back(std::to_string(event) + " " + std::to_string(p1) + " " + std::to_string(p2) + " " +
                     std::to_string(p3) + " " + std::to_string(p4));
}

}  // namespace editor_test
