#include "editor/ProgramEditLayer.h"

#include "app/WindowEvents.h"
#include "editor/ProgramEditWindow.h"
#include "editor/SkinnedPage.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlOldCharEditText.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

namespace {

constexpr std::uint32_t kCommonGroup = 0;
constexpr std::uint32_t kVoiceModeIndex = 35;
constexpr std::uint32_t kVocoderGroup = 5;
constexpr std::uint32_t kVocoderSwitchIndex = 0;
constexpr int kHighestNameCharacter = 127;
constexpr int kLowestNameCharacter = 32;

// A point of the page opens the part window of the first zone that holds
// it, edges included.
struct DoubleClickZone
{
    RECT area;
    CProgramEditWindow::Dependent opens;
    bool needsTimbre2;
    bool needsVocoder;
};

constexpr DoubleClickZone kZones[] = {
    {{7, 150, 294, 303}, CProgramEditWindow::kTimbre1Synth, false, false},
    {{299, 150, 587, 303}, CProgramEditWindow::kTimbre2Synth, true, false},
    {{55, 431, 178, 467}, CProgramEditWindow::kArpeggiator, false, false},
    {{244, 431, 333, 467}, CProgramEditWindow::kVocoder, false, true},
    {{350, 431, 578, 467}, CProgramEditWindow::kMasterEffect, false, false},
};

bool Holds(const RECT& area, int x, int y)
{
    return x >= area.left && x <= area.right && y >= area.top && y <= area.bottom;
}

}  // namespace

CProgramEditLayer::CProgramEditLayer() = default;

CProgramEditLayer::~CProgramEditLayer()
{
    if (IsCreated())
        Destroy();
}

CProgramEditWindow* CProgramEditLayer::GetEditWindow() const
{
    return dynamic_cast<CProgramEditWindow*>(GetWindow());
}

std::int32_t CProgramEditLayer::Value(std::uint32_t group, std::uint32_t index, std::uint32_t timbre) const
{
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    if (accessor == nullptr || GetProgramRecord() == nullptr)
        return 0;
    return accessor->GetValue(GetProgramRecord(), ParameterAddress{group, index, timbre});
}

bool CProgramEditLayer::IsTimbre2Used() const
{
    return Value(kCommonGroup, kVoiceModeIndex) != 0;
}

bool CProgramEditLayer::OnDestroy()
{
    const bool destroyed = CEditLayerBase::OnDestroy();
    m_background = nullptr;
    m_backgroundPieces.clear();
    return destroyed;
}

CHfcBmp* CProgramEditLayer::BackgroundPiece(const RECT& area)
{
    if (m_background == nullptr)
        return nullptr;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    auto piece = std::make_unique<CHfcOffscreenContext>(width, height);
    if (piece->GetBitmap() == nullptr)
        return nullptr;
    piece->BlitBitmap(0, 0, width, height, m_background, area.left, area.top);
    m_backgroundPieces.push_back(std::move(piece));
    return m_backgroundPieces.back()->GetBitmap();
}

void CProgramEditLayer::OnTimerTick()
{
    if (m_repaint)
        PaintPage();
    CEditLayerBase::OnTimerTick();
}

void CProgramEditLayer::PaintPage()
{
    PaintSkinnedPage(*this, m_background);
    m_repaint = false;
    RedrawAllControls(true);
    Update(false);
}

bool CProgramEditLayer::WantsParameterMessage(CHfcControl* control)
{
    if (control == nullptr)
        return false;
    const std::uint32_t code = control->GetEventCode();
    const bool ownReport = code == CCustomControl::kEventEqGraph || code == CCustomControl::kEventFilterGraphA ||
                           code == CCustomControl::kEventFilterGraphB || code == kEventBlockHandle ||
                           (code >= kEventEditSynth1 && code <= kEventKnobLine);
    return !ownReport;
}

void CProgramEditLayer::OnControlValueChanged(CHfcControl* control, int value)
{
    EndTextEditing();
    CProgramEditWindow* window = GetEditWindow();
    if (control == nullptr)
        return;
    using W = CProgramEditWindow;
    W::Dependent opens = W::kDependentCount;
    switch (control->GetEventCode()) {
    case kEventEditSynth1: opens = W::kTimbre1Synth; break;
    case kEventEditSynth2: opens = W::kTimbre2Synth; break;
    case kEventEditEq1: opens = W::kTimbre1Eq; break;
    case kEventEditEq2: opens = W::kTimbre2Eq; break;
    case kEventEditArpeggiator: opens = W::kArpeggiator; break;
    case kEventEditVocoder: opens = W::kVocoder; break;
    case kEventEditMasterEffect: opens = W::kMasterEffect; break;
    default: CEditLayerBase::OnControlValueChanged(control, value); return;
    }
    if (window != nullptr)
        window->OpenDependentWindow(opens);
}

bool CProgramEditLayer::OnControlDoubleClick(CHfcControl* control, int /*x*/, int /*y*/, int /*modifiers*/)
{
    if (control == nullptr)
        return false;
    if (control->GetEventCode() == CCustomControl::kEventEqGraph) {
        CCustomControl* binding = GetBoundControl(static_cast<int>(control->GetId()));
        const bool timbre2 = binding != nullptr && GetControlParameter(binding).timbre == 1;
        if (timbre2 && !IsTimbre2Used())
            return true;
        if (CProgramEditWindow* window = GetEditWindow())
            window->OpenDependentWindow(timbre2 ? CProgramEditWindow::kTimbre2Eq : CProgramEditWindow::kTimbre1Eq);
        return true;
    }
    if (control->GetEventCode() == kEventProgramName) {
        EndTextEditing();
        if (auto* field = dynamic_cast<CHfcCtrlOldCharEditText*>(control))
            field->BeginEdit();
        return true;
    }
    return false;
}

void CProgramEditLayer::OnControlEvent(CHfcControl* control, std::intptr_t word)
{
    if (control != nullptr && control->GetEventCode() == kEventProgramName && word != 0)
        EnterProgramName(*control, reinterpret_cast<const char*>(word));
}

void CProgramEditLayer::EnterProgramName(CHfcControl& field, const char* text)
{
    CProgram* program = GetProgramRecord();
    if (program == nullptr)
        return;
    // Only codes 32 to 127 are a name the device can show; anything else
    // leaves the stored name, which the refresh puts back into the field.
    for (const char* c = text; *c != '\0'; ++c) {
        const int code = static_cast<unsigned char>(*c);
        if (code < kLowestNameCharacter || code > kHighestNameCharacter) {
            PostDataChanged(false);
            return;
        }
    }
    SetProgramRecordName(*program, text);
    ShowParameterMessage(&field);
    SetWindowModified();
    for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(ProgramRegion::kNameLength); ++i)
        SendParameterToDevice(ParameterAddress{kCommonGroup, i, 0}, program->GetRegion().image[i]);
    PostDataChanged(false);
}

bool CProgramEditLayer::OnControlMouseDown(CHfcControl* control, int x, int y, int modifiers)
{
    if (dynamic_cast<CHfcCtrlOldCharEditText*>(control) == nullptr)
        EndTextEditing();
    return CEditLayerBase::OnControlMouseDown(control, x, y, modifiers);
}

bool CProgramEditLayer::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    EndTextEditing();
    return CEditLayerBase::OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CProgramEditLayer::OnHfcMouseLButtonDblClk(CHfcMouse* /*mouse*/, int x, int y, int /*modifiers*/)
{
    CProgramEditWindow* window = GetEditWindow();
    for (const DoubleClickZone& zone : kZones) {
        if (!Holds(zone.area, x, y))
            continue;
        const bool allowed = (!zone.needsTimbre2 || IsTimbre2Used()) &&
                             (!zone.needsVocoder || Value(kVocoderGroup, kVocoderSwitchIndex) != 0);
        if (allowed && window != nullptr)
            window->OpenDependentWindow(zone.opens);
        return true;
    }
    return false;
}

void CProgramEditLayer::OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2,
                                               LONG_PTR p3, LONG_PTR p4, CWindowManagerListener* sender)
{
    if (event == kEventPartDropped) {
        if (sender == this)
            TransmitShownProgram();
        return;
    }
    CEditLayerBase::OnWindowManagerMessage(manager, event, p1, p2, p3, p4, sender);
}
