// The synth page's controls, made from its layout rows.
#include "editor/TimbreEditLayer.h"

#include "app/ControlBinding.h"
#include "app/SkinTable.h"
#include "app/controls/CustomGraphs.h"
#include "editor/LayoutControls.h"
#include "editor/layout/Layouts.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcOffscreenContext.h"

#include <memory>

namespace {

constexpr int kEnvelopePoints = 5;
constexpr int kEnvelopeMargin = 7;
constexpr int kEnvelopeMaximum = 127;
constexpr ARGB kGraphLine = 0xFFD7D7D7;
constexpr ARGB kDraggedPoint = 0xFFE61A1A;
constexpr float kFixedCycles = 2.0f;
constexpr float kSlowestCycles = 0.3f;
constexpr float kFastestCycles = 20.0f;

const layout::Window& Page()
{
    static const layout::Window page = layout::SynthEditLayout();
    return page;
}

// Until the program's values come: a flat start, a full-level peak, a
// sustain at 0 and a release that takes the whole time.
constexpr SHfcEnvelopePoint kStartPoints[kEnvelopePoints] = {
    {0, 0, 0, 3}, {1, 127, 0, 2}, {2, 0, 0, 1}, {3, 0, 127, 3}, {4, 0, 0, 1},
};

}  // namespace

CTimbreEditLayer::CTimbreEditLayer() = default;

CTimbreEditLayer::~CTimbreEditLayer()
{
    if (IsCreated())
        Destroy();
}

bool CTimbreEditLayer::OnCreate()
{
    m_background = GetBitmap(ThemedBitmapName(Page().background, GetColourTheme()).c_str());
    if (CHfcOffscreenContext* context = GetContext()) {
        if (m_background != nullptr)
            context->DrawBitmap(0, 0, m_background->GetWidth(), m_background->GetHeight(), m_background, 0, 0);
        DrawLogo(context, GetWidth());
    }
    for (const layout::Control& row : Page().controls) {
        if (row.kind == layout::Kind::EnvelopeGraph)
            MakeEnvelopeCurve(row);
        else if (row.kind == layout::Kind::LfoGraph)
            MakeLfoGraph(row);
        else
            AddLayoutControl(*this, row, m_background);
    }
    UpdateAllControls();
    return CEditLayerBase::OnCreate();
}

void CTimbreEditLayer::MakeEnvelopeCurve(const layout::Control& row)
{
    const HfcWord words[kHfcEnvelopeWords] = {
        row.x,
        row.y,
        row.w,
        row.h,
        HfcBitmapWord(m_background),
        row.x,
        row.y,
        kEnvelopePoints,
        kEnvelopeMargin,
        0,
        kEnvelopeMaximum,
        kGraphLine,
        kDraggedPoint,
        kGraphLine,
        kGraphLine,
        kGraphLine,
    };
    auto curve = std::make_unique<CCustomEnvelopeCurve>();
    if (!curve->Create(words, static_cast<std::uint32_t>(GetBoundControlCount())) ||
        !AttachBoundControl(*this, *curve, ReferenceOf(row)))
        return;
    for (const SHfcEnvelopePoint& point : kStartPoints)
        curve->SetPointValues(point.index, point, false);
    curve->CalcPoints();
    KeepControl(std::move(curve));
}

void CTimbreEditLayer::MakeLfoGraph(const layout::Control& row)
{
    HfcLfoGraphDescriptor descriptor;
    descriptor.x = row.x;
    descriptor.y = row.y;
    descriptor.width = row.w;
    descriptor.height = row.h;
    descriptor.background = m_background;
    descriptor.backgroundX = row.x;
    descriptor.backgroundY = row.y;
    descriptor.lineColor = kGraphLine;
    descriptor.fixedRate = false;
    descriptor.fixedCycles = kFixedCycles;
    descriptor.minimumCycles = kSlowestCycles;
    descriptor.maximumCycles = kFastestCycles;
    auto graph = std::make_unique<CCustomLfoGraph>();
    if (!graph->Create(&descriptor, static_cast<std::uint32_t>(GetBoundControlCount())) ||
        !AttachBoundControl(*this, *graph, ReferenceOf(row)))
        return;
    graph->SetShape(0);
    graph->SetStartPhase(0);
    graph->SetWaveform(CHfcCtrlLfoGraph::kSaw);
    KeepControl(std::move(graph));
}
