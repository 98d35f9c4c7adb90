#include "editor/TimbreEqEditLayer.h"

#include "app/ControlBinding.h"
#include "app/EqShelf.h"
#include "app/graphs/CustomEqGraph.h"
#include "editor/LayoutControls.h"
#include "editor/SkinnedPage.h"
#include "editor/layout/Layouts.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <memory>

namespace {

// Rows of the timbre group, in the order SetEqGraph takes them.
constexpr std::uint32_t kEqGroup = 4;
constexpr std::uint32_t kLowFrequency = 48;
constexpr std::uint32_t kLowGain = 49;
constexpr std::uint32_t kHighFrequency = 50;
constexpr std::uint32_t kHighGain = 51;
constexpr std::uint32_t kEqRows[] = {kLowFrequency, kLowGain, kHighFrequency, kHighGain};

constexpr float kSampleRate = 48000.0f;

const layout::Window& Page()
{
    static const layout::Window page = layout::TimbreEqLayout();
    return page;
}

CustomEqGraphDescriptor GraphDescriptor(const layout::Control& row, CHfcBmp* background)
{
    CustomEqGraphDescriptor d;
    d.x = row.x;
    d.y = row.y;
    d.width = row.w;
    d.height = row.h;
    d.background = background;
    d.backgroundX = row.x;
    d.backgroundY = row.y;
    d.bandCount = 2;
    d.leftFrequency = 16.0f;
    d.rightFrequency = 26000.0f;
    d.lowestDragFrequency = 20.0f;
    d.highestDragFrequency = 20000.0f;
    d.bottomGain = -16.0f;
    d.topGain = 16.0f;
    d.lowestDragGain = -15.0f;
    d.highestDragGain = 15.0f;
    d.curveColor = 0xFFFFFFFF;
    d.selectedFill = 0xFFFF0000;
    d.selectedFrame = 0xFFFFFFFF;
    d.otherFill = 0xFF000000;
    d.otherFrame = 0xFFFFFFFF;
    return d;
}

}  // namespace

CTimbreEqEditLayer::~CTimbreEqEditLayer()
{
    if (IsCreated())
        Destroy();
}

bool CTimbreEqEditLayer::OnCreate()
{
    m_background = ThemedBackground(Page().background);
    PaintSkinnedPage(*this, m_background);
    for (const layout::Control& row : Page().controls) {
        if (row.kind != layout::Kind::EqGraph) {
            AddLayoutControl(*this, row, m_background);
            continue;
        }
        const CustomEqGraphDescriptor descriptor = GraphDescriptor(row, m_background);
        auto graph = std::make_unique<CCustomEqGraph>();
        if (!graph->Create(&descriptor, static_cast<std::uint32_t>(GetBoundControlCount())) ||
            !AttachBoundControl(*this, *graph, ReferenceOf(row)))
            continue;
        const CustomEqGraphRecord rate{CustomEqGraphRecord::kSampleRate, 0, {kSampleRate}};
        graph->SetData(&rate, false);
        KeepControl(std::move(graph));
    }
    m_graphValues.fill(kNothingShown);
    m_shownBand = kNothingShown;
    m_selectedBand = kEqLowShelf;
    UpdateAllControls();
    return CEditLayerBase::OnCreate();
}

ParameterAddress CTimbreEqEditLayer::Address(std::uint32_t index) const
{
    ParameterAddress address{kEqGroup, index, 0};
    if (GetTimbreOverride() != -1)
        address.timbre = static_cast<std::uint32_t>(GetTimbreOverride());
    return address;
}

void CTimbreEqEditLayer::UpdateControl(int index)
{
    if (index != kGraphId) {
        CEditLayerBase::UpdateControl(index);
        return;
    }
    if (auto* graph = dynamic_cast<CCustomEqGraph*>(GetControl(index)))
        RefreshGraph(*graph);
}

void CTimbreEqEditLayer::RefreshGraph(CCustomEqGraph& graph)
{
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    CProgram* program = GetProgramRecord();
    if (accessor == nullptr || program == nullptr)
        return;
    std::array<std::int32_t, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = accessor->GetValue(program, Address(kEqRows[i]));
    if (values != m_graphValues) {
        m_graphValues = values;
        SetEqGraph(kGraphId, values[0], values[1], values[2], values[3]);
    }
    if (m_selectedBand != m_shownBand) {
        const CustomEqGraphRecord select{CustomEqGraphRecord::kSelect, m_selectedBand, {}};
        graph.SetData(&select, true);
        m_shownBand = m_selectedBand;
    }
}

bool CTimbreEqEditLayer::WantsParameterMessage(CHfcControl* control)
{
    return control->GetEventCode() != CCustomControl::kEventEqGraph;
}

void CTimbreEqEditLayer::OnControlEvent(CHfcControl* control, std::intptr_t word)
{
    if (control == nullptr || control->GetEventCode() != CCustomControl::kEventEqGraph || word == 0)
        return;
    const auto* report = reinterpret_cast<const CustomEqGraphReport*>(word);
    if (report->kind == CustomEqGraphReport::kFrequencyAndGain)
        ApplyBandDrag(*report);
}

void CTimbreEqEditLayer::ApplyBandDrag(const CustomEqGraphReport& report)
{
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    CProgram* program = GetProgramRecord();
    if (accessor == nullptr || program == nullptr || (report.band != kEqLowShelf && report.band != kEqHighShelf))
        return;
    const bool low = report.band == kEqLowShelf;
    const ParameterAddress gain = Address(low ? kLowGain : kHighGain);
    const ParameterAddress frequency = Address(low ? kLowFrequency : kHighFrequency);
    const std::int32_t gainValue = EqShelfGainValue(report.value2);
    const std::int32_t frequencyValue = EqShelfIndexAtOrBelow(report.band, report.value1);
    accessor->SetValue(program, gain, gainValue);
    accessor->SetValue(program, frequency, frequencyValue);
    SendParameterToDevice(gain, gainValue);
    SendParameterToDevice(frequency, frequencyValue);
    m_selectedBand = report.band;
    SetWindowModified();
    PostDataChanged(false);
}
