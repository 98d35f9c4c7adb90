#include "editor/MasterFxEditLayer.h"

#include "app/BaseWindow.h"
#include "app/ControlBinding.h"
#include "app/EditorShell.h"
#include "app/ValueSteps.h"
#include "app/WindowEvents.h"
#include "app/controls/CustomDragReceiver.h"
#include "app/controls/CustomEditText.h"
#include "app/controls/CustomStaticText.h"
#include "editor/MasterFxKnobAssignTable.h"
#include "editor/SkinnedPage.h"
#include "editor/layout/Layouts.h"
#include "model/BlockData.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <platform/painting.h>

#include <cstring>

namespace {

constexpr int kValueTextSize = 256;
constexpr int kCellWidth = CCustomStaticText::kCellWidth;
constexpr int kSwitchWithinBank = 1;
// The drop areas stand for no row.
constexpr int kNoRow = master_fx::kRows;
constexpr int kAssignment = 0;
constexpr int kPolarity = 1;
constexpr int kRibbonRows = 2;
// The ranges the fields are made with, until a rebuild gives them their
// parameter's.
constexpr int kTypeMaximum = 17;
constexpr int kRibbonMaximum = 19;
constexpr int kCreationRatio = 5;
constexpr const char* kRibbonLabels[kRibbonRows] = {"Long Ribbon (Filter)", "Long Ribbon Polarity"};

const layout::Window& Layout()
{
    static const layout::Window window = layout::MasterFxLayout();
    return window;
}

const CQ3917ProgramAccessor* Accessor()
{
    return CQ3917ProgramAccessor::PeekInstance();
}

CWindowManager* WindowManager()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? shell->GetWindowManager() : nullptr;
}

// The row of the address table that a control shows.
int RowOfControl(int id)
{
    using L = CMasterFxEditLayer;
    if (id < L::kDropArea)
        return master_fx::RowOf(id - L::kTypeField, master_fx::kTypeRow);
    if (id < L::kFirstLabel)
        return kNoRow;
    if (id < L::kFirstField)
        return master_fx::ParameterRow((id - L::kFirstLabel) / master_fx::kParameters,
                                       (id - L::kFirstLabel) % master_fx::kParameters);
    if (id < L::kFirstRibbon)
        return master_fx::ParameterRow((id - L::kFirstField) / master_fx::kParameters,
                                       (id - L::kFirstField) % master_fx::kParameters);
    const int ribbon = (id - L::kFirstRibbon) % 4 / 2;
    return master_fx::RowOf((id - L::kFirstRibbon) / 4, master_fx::kRibbonAssignRow + ribbon);
}

bool IsLabel(int id)
{
    return (id >= CMasterFxEditLayer::kFirstLabel && id < CMasterFxEditLayer::kFirstField) ||
           (id >= CMasterFxEditLayer::kFirstRibbon && (id - CMasterFxEditLayer::kFirstRibbon) % 2 == 1);
}

std::string TextOf(CCustomControl& control)
{
    char text[kValueTextSize] = {};
    control.GetText(text, sizeof text);
    return text;
}

template <class Control>
void SetText(Control& control, const std::string& text)
{
    if (TextOf(control) != text)
        control.SetData(text.c_str(), true);
}

void SetShown(CHfcControl& control, bool shown)
{
    if (control.IsVisible() == shown)
        return;
    if (shown)
        control.Show(true);
    else
        control.Hide(true);
}

// A shown control leaves its old place clean.
void MoveControl(CHfcControl& control, int x, int y)
{
    if (control.GetRect().left == x && control.GetRect().top == y)
        return;
    const bool shown = control.IsVisible();
    if (shown) {
        control.Hide(false);
        control.Redraw(false, false);
    }
    control.Move(x, y, false);
    if (shown)
        control.Show(true);
}

void SetRange(CCustomEditText& field, std::int32_t minimum, std::int32_t maximum)
{
    if (field.GetMin() == minimum && field.GetMax() == maximum)
        return;
    field.SetMin(minimum);
    field.SetMax(maximum);
    field.SetRatio(value_steps::RatioForRange(minimum, maximum));
}

}  // namespace

CMasterFxEditLayer::CMasterFxEditLayer() = default;

CMasterFxEditLayer::~CMasterFxEditLayer()
{
    if (m_registered && WindowManager() != nullptr)
        WindowManager()->RemoveListener(this);
}

CHfcControl* CMasterFxEditLayer::GetControl(int id) const
{
    return id >= 0 && id < kControlCount ? m_controls[static_cast<std::size_t>(id)].get() : nullptr;
}

CCustomEditText* CMasterFxEditLayer::GetField(int id) const
{
    return dynamic_cast<CCustomEditText*>(GetControl(id));
}

CCustomStaticText* CMasterFxEditLayer::GetLabel(int id) const
{
    return dynamic_cast<CCustomStaticText*>(GetControl(id));
}

bool CMasterFxEditLayer::Create(int x, int y, int width, int height, CHfcWindow* window)
{
    SetDataKind(kProgramBankData);
    m_background = ThemedBackground(Layout().background);
    const bool made = CBaseLayer::Create(x, y, width, height, window);
    if (CWindowManager* manager = WindowManager(); manager != nullptr && !m_registered)
        m_registered = manager->AddListener(this);
    SetLayerCreated(true);
    return made;
}

bool CMasterFxEditLayer::OnCreate()
{
    if (!CBaseLayer::OnCreate())
        return false;
    PaintSkinnedPage(*this, m_background);
    if (!CreateControls())
        return false;
    HideAtStart();
    RebuildParameterControls();
    if (GetWindow() != nullptr)
        GetWindow()->SetTimerEnabled(true);
    return true;
}

bool CMasterFxEditLayer::CreateControls()
{
    const auto& controls = Layout().controls;
    for (const layout::Control& place : controls) {
        const int id = place.id;
        bool made = false;
        if (id < kDropArea)
            made = CreateField(id, RowOfControl(id), place.w / kCellWidth, 0, kTypeMaximum, kCreationRatio);
        else if (id < kFirstLabel)
            made = CreateDropArea(id, id - kDropArea);
        else if (IsLabel(id))
            made = CreateLabel(id, RowOfControl(id));
        else if (id < kFirstRibbon)
            made = CreateField(id, RowOfControl(id), place.w / kCellWidth, 0, 0, 0);
        else
            made = CreateField(id, RowOfControl(id), place.w / kCellWidth, 0, kRibbonMaximum, kCreationRatio);
        if (!made)
            return false;
    }
    return GetBoundControlCount() == kControlCount;
}

template <class Control, class Descriptor>
bool CMasterFxEditLayer::Make(const Descriptor& descriptor, int id, int row)
{
    auto control = std::make_unique<Control>();
    if (!control->Create(&descriptor, static_cast<std::uint32_t>(id), static_cast<std::uint32_t>(row)) ||
        !AttachBoundControl(*this, *control, ParameterReference{GetMasterFxAddress(row), 0, 0}))
        return false;
    m_controls[static_cast<std::size_t>(id)] = std::move(control);
    return true;
}

bool CMasterFxEditLayer::CreateField(int id, int row, int characters, int minimum, int maximum, int ratio)
{
    const layout::Control& place = Layout().controls[static_cast<std::size_t>(id)];
    CustomEditTextDescriptor descriptor;
    descriptor.x = place.x;
    descriptor.y = place.y;
    descriptor.font = GetLcdFont(kLcdWhiteBack);
    descriptor.background = m_background;
    descriptor.characters = characters;
    descriptor.minimum = minimum;
    descriptor.maximum = maximum;
    descriptor.ratio = ratio;
    descriptor.dimFont = GetLcdFont(kLcdWhiteDim);
    return Make<CCustomEditText>(descriptor, id, row);
}

bool CMasterFxEditLayer::CreateLabel(int id, int row)
{
    const layout::Control& place = Layout().controls[static_cast<std::size_t>(id)];
    CustomStaticTextDescriptor descriptor;
    descriptor.x = place.x;
    descriptor.y = place.y;
    descriptor.columns = place.w / kCellWidth;
    descriptor.font = GetLcdFont(kLcdWhite);
    descriptor.background = m_background;
    descriptor.dimFont = GetLcdFont(kLcdWhiteDim);
    return Make<CCustomStaticText>(descriptor, id, row);
}

bool CMasterFxEditLayer::CreateDropArea(int id, int effect)
{
    const layout::Control& place = Layout().controls[static_cast<std::size_t>(id)];
    const HfcWord words[kHfcDragReceiverWords] = {place.x, place.y, place.w, place.h, kBlockMfx, effect, 0};
    auto area = std::make_unique<CCustomDragReceiver>();
    if (!area->Create(words, static_cast<std::uint32_t>(id), static_cast<std::uint32_t>(kNoRow)) ||
        !AttachBoundControl(*this, *area, ParameterReference{}))
        return false;
    m_controls[static_cast<std::size_t>(id)] = std::move(area);
    return true;
}

void CMasterFxEditLayer::HideAtStart()
{
    for (int id = kFirstLabel; id < kControlCount; ++id)
        GetControl(id)->Hide(false);
}

bool CMasterFxEditLayer::OnDestroy()
{
    if (m_registered && WindowManager() != nullptr)
        WindowManager()->RemoveListener(this);
    m_registered = false;
    for (auto& control : m_controls) {
        if (control == nullptr)
            continue;
        RemoveControl(control.get());
        RemoveBoundControl(dynamic_cast<CCustomControl*>(control.get()));
        control->Destroy();
        control.reset();
    }
    ForgetPress();
    m_hoveredControl = -1;
    return CBaseLayer::OnDestroy();
}

void CMasterFxEditLayer::RebuildParameterControls()
{
    const CQ3917ProgramAccessor* accessor = Accessor();
    CProgram* program = GetProgramRecord();
    if (accessor == nullptr || program == nullptr || GetControl(kControlCount - 1) == nullptr)
        return;
    for (int effect = 0; effect < master_fx::kEffects; ++effect) {
        const ParameterAddress address = GetMasterFxAddress(master_fx::RowOf(effect, master_fx::kTypeRow));
        const std::int32_t type = accessor->GetValue(program, address);
        char text[kValueTextSize] = {};
        accessor->ValueToText(program, address, type, text, sizeof text);
        CCustomEditText& field = *GetField(kTypeField + effect);
        field.SetValue(type);
        if (TextOf(field) != text) {
            field.SetData(text, true);
            LayOutPanel(effect);
        }
        ShowEnabledRows(effect);
        FillRows(effect);
    }
    for (int effect = 0; effect < master_fx::kEffects; ++effect)
        FillRibbonRows(effect);
    RedrawAllControls(false);
}

void CMasterFxEditLayer::LayOutPanel(int effect)
{
    const CQ3917ProgramAccessor* accessor = Accessor();
    CProgram* program = GetProgramRecord();
    for (int k = 0; k < master_fx::kParameters; ++k) {
        const ParameterAddress address = GetMasterFxAddress(master_fx::ParameterRow(effect, k));
        CCustomStaticText& label = *GetLabel(LabelId(effect, k));
        CCustomEditText& field = *GetField(FieldId(effect, k));
        if (!accessor->IsSupported(program, address)) {
            SetShown(label, false);
            SetShown(field, false);
            continue;
        }
        const int x = kRowLeft + kColumnPitch * (k / 10);
        const int y = kPanelTop[static_cast<std::size_t>(effect)] + kRowPitch * (k % 10);
        MoveControl(label, x, y);
        MoveControl(field, x + kFieldOffset, y);
        SetRange(field, accessor->GetMinimum(program, address), accessor->GetMaximum(program, address));
    }
}

void CMasterFxEditLayer::ShowEnabledRows(int effect)
{
    const CQ3917ProgramAccessor* accessor = Accessor();
    CProgram* program = GetProgramRecord();
    for (int k = 0; k < master_fx::kParameters; ++k) {
        const ParameterAddress address = GetMasterFxAddress(master_fx::ParameterRow(effect, k));
        if (!accessor->IsSupported(program, address))
            continue;
        const bool enabled = accessor->IsEnabled(program, address);
        SetShown(*GetControl(LabelId(effect, k)), enabled);
        SetShown(*GetControl(FieldId(effect, k)), enabled);
    }
}

void CMasterFxEditLayer::FillRows(int effect)
{
    const CQ3917ProgramAccessor* accessor = Accessor();
    CProgram* program = GetProgramRecord();
    for (int k = 0; k < master_fx::kParameters; ++k) {
        const ParameterAddress address = GetMasterFxAddress(master_fx::ParameterRow(effect, k));
        CCustomStaticText& label = *GetLabel(LabelId(effect, k));
        CCustomEditText& field = *GetField(FieldId(effect, k));
        if (label.IsVisible()) {
            const char* name = accessor->GetName(program, address);
            SetText(label, name != nullptr ? name : "");
        }
        if (field.IsVisible()) {
            char text[kValueTextSize] = {};
            accessor->GetValueText(program, address, text, sizeof text);
            SetFieldValue(field, accessor->GetValue(program, address), text);
        }
    }
}

void CMasterFxEditLayer::FillRibbonRows(int effect)
{
    const CQ3917ProgramAccessor* accessor = Accessor();
    CProgram* program = GetProgramRecord();
    const bool shown = accessor->GetValue(program, GetMasterFxAddress(master_fx::RowOf(effect, 0))) != 0;
    for (int ribbon = 0; ribbon < kRibbonRows; ++ribbon) {
        CHfcControl& field = *GetControl(RibbonFieldId(effect, ribbon));
        CHfcControl& label = *GetControl(RibbonFieldId(effect, ribbon) + 1);
        SetShown(field, shown);
        SetShown(label, shown);
        if (shown)
            SetText(*GetLabel(RibbonFieldId(effect, ribbon) + 1), kRibbonLabels[ribbon]);
    }
    if (!shown)
        return;

    const ParameterAddress polarity = GetMasterFxAddress(master_fx::RowOf(effect, master_fx::kRibbonPolarityRow));
    CCustomEditText& polarityField = *GetField(RibbonFieldId(effect, kPolarity));
    SetRange(polarityField, accessor->GetMinimum(program, polarity), accessor->GetMaximum(program, polarity));
    char text[kValueTextSize] = {};
    accessor->GetValueText(program, polarity, text, sizeof text);
    SetFieldValue(polarityField, accessor->GetValue(program, polarity), text);

    // The assignment field counts menu positions: 0 is no assignment.
    const CMasterFxKnobAssignTable table(program, effect);
    const std::int32_t assigned =
        accessor->GetValue(program, GetMasterFxAddress(master_fx::RowOf(effect, master_fx::kRibbonAssignRow)));
    CCustomEditText& assignField = *GetField(RibbonFieldId(effect, kAssignment));
    SetRange(assignField, 0, table.GetCount());
    SetFieldValue(assignField, table.PositionOf(assigned), table.GetAssignText(assigned).c_str());
}

void CMasterFxEditLayer::SetFieldValue(CCustomEditText& field, std::int32_t value, const char* text)
{
    field.SetValue(value);
    SetText(field, text);
}

void CMasterFxEditLayer::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3,
                                                LONG_PTR p4, CWindowManagerListener* sender)
{
    switch (event) {
    case kEventProgramDataChanged:
    case kEventDataModified:
        if (p1 == GetProgramIndex() && p3 == GetDocumentId()) {
            RebuildParameterControls();
            if (GetOwner() != nullptr)
                UpdateWindow(GetOwner()->GetHandle());
        }
        break;
    case kEventProgramSwitch:
        if (p1 == GetDocumentId() && p2 == kSwitchWithinBank && p3 == GetProgramIndex()) {
            SelectProgram(static_cast<int>(p4));
            RebuildParameterControls();
        }
        break;
    case kEventPartDropped:
        if (sender == this)
            TransmitShownProgram();
        break;
    default: break;
    }
}
