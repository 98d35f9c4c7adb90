// The program page's controls, made from its layout in control-id order.
#include "editor/ProgramEditLayer.h"

#include "app/ControlBinding.h"
#include "app/ValueSteps.h"
#include "app/controls/CustomBitmapList.h"
#include "app/controls/CustomDragReceiver.h"
#include "app/controls/CustomEditText.h"
#include "app/controls/CustomStaticText.h"
#include "app/controls/CustomSwitches.h"
#include "app/controls/CustomValueBar.h"
#include "app/graphs/CustomEqGraph.h"
#include "app/graphs/CustomVindelFilter.h"
#include "editor/SkinnedPage.h"
#include "editor/layout/Layouts.h"
#include "editor/layout/ProgramEditLayout.h"
#include "framework/services/ServiceSlots.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <memory>
#include <string>

namespace {

constexpr int kLcdCellWidth = 6;
constexpr int kLargeCellWidth = 7;
constexpr int kEqBands = 2;
// The filter graphs' rows give the control's rectangle, 2 pixels wider
// than the plot to the left and top and 4 to the right and bottom.
constexpr int kGraphLeadMargin = 2;
constexpr int kGraphMargins = 6;
constexpr int kFilterGraphMaximum = 256;
constexpr ARGB kFilterLineColour = 0xFFFFFFFF;
constexpr ARGB kFilterFillColour = 0xFF555555;
// The track of a mixer bar, so that a level of 0 still shows where it is.
constexpr ARGB kMixerTrackColour = 0xFF3A3D44;

const layout::Window& Layout()
{
    static const layout::Window page = layout::ProgramEditLayout();
    return page;
}

CHfcBmp* DimSkin(const char* name)
{
    return GetBitmap((std::string(name) + "Dim").c_str());
}

// The name field draws in the large LCD fonts, every other field in the
// layer's.
bool IsLargeField(const layout::Control& row)
{
    return std::string(row.skin) == "LcdCharLargeWhite";
}

ParameterReference ReferenceOf(const layout::Control& row, const layout::ProgramEditWords& words)
{
    // A knob-display line names what it shows in the group word.
    if (row.kind == layout::Kind::StaticText)
        return {{static_cast<std::uint32_t>(words.word), 0, 0}, 0, 0};
    if (row.parameter.group < 0)
        return {};
    return {{static_cast<std::uint32_t>(row.parameter.group), static_cast<std::uint32_t>(row.parameter.index),
             static_cast<std::uint32_t>(row.parameter.timbre)},
            0,
            0};
}

}  // namespace

class CProgramEditPageBuilder
{
public:
    CProgramEditPageBuilder(CProgramEditLayer& layer, CHfcBmp* background) : m_layer(layer), m_background(background) {}

    // False once a control could not be made or bound.
    bool Add(const layout::Control& row, const layout::ProgramEditWords& words)
    {
        const auto id = static_cast<std::uint32_t>(m_layer.GetBoundControlCount());
        const auto code = static_cast<std::uint32_t>(words.eventCode);
        const ParameterReference reference = ReferenceOf(row, words);
        switch (row.kind) {
        case layout::Kind::Button: {
            CustomSwitchDescriptor d{row.x, row.y, GetBitmap(row.skin), m_background, DimSkin(row.skin)};
            return Keep(std::make_unique<CCustomButton>(), reference, [&](auto& c) { return c.Create(&d, id, code); });
        }
        case layout::Kind::BitmapList: {
            CustomBitmapListDescriptor d{row.x, row.y, GetBitmap(row.skin), m_background, row.frames, nullptr};
            return Keep(std::make_unique<CCustomBitmapList>(), reference,
                        [&](auto& c) { return c.Create(&d, id, code); });
        }
        case layout::Kind::EditText: return AddField(row, reference, id, code);
        case layout::Kind::Switch: {
            CustomSwitchDescriptor d{row.x, row.y, GetBitmap(row.skin), m_background, DimSkin(row.skin)};
            return Keep(std::make_unique<CCustomSwitch>(), reference, [&](auto& c) { return c.Create(&d, id, code); });
        }
        case layout::Kind::Led: {
            CustomLedDescriptor d{row.x, row.y,      row.w, 0, GetBitmap(row.skin), m_background,
                                  0,     words.word, 0,     0, DimSkin(row.skin)};
            return Keep(std::make_unique<CCustomLed>(), reference, [&](auto& c) { return c.Create(&d, id); });
        }
        case layout::Kind::ValueBar: {
            const auto [minimum, maximum] = Range(reference);
            CustomValueBarDescriptor d{row.x,        row.y, row.w, row.h,   GetBitmap(row.skin),
                                       m_background, row.x, row.y, minimum, maximum};
            d.frameColor = kMixerTrackColour;
            // The overview shows the levels; the synth window edits them.
            return Keep(std::make_unique<CCustomValueBar>(), reference, [&](auto& c) {
                const bool made = c.Create(&d, id, code);
                c.SetReadOnly(true);
                return made;
            });
        }
        case layout::Kind::EqGraph: {
            CustomEqGraphDescriptor d;
            d.x = row.x;
            d.y = row.y;
            d.width = row.w;
            d.height = row.h;
            d.background = m_background;
            d.backgroundX = row.x;
            d.backgroundY = row.y;
            d.bandCount = kEqBands;
            return Keep(std::make_unique<CCustomEqGraph>(), reference, [&](auto& c) {
                const bool made = c.Create(&d, id);
                c.SetReadOnly(true);
                return made;
            });
        }
        case layout::Kind::FilterGraph: {
            QBFilterGraphDescriptor d;
            d.x = row.x + kGraphLeadMargin;
            d.y = row.y + kGraphLeadMargin;
            d.width = row.w - kGraphMargins;
            d.height = row.h - kGraphMargins;
            // The graph draws its background whole over its rectangle.
            d.background = m_layer.BackgroundPiece(RECT{row.x, row.y, row.x + row.w, row.y + row.h});
            d.lineColor = kFilterLineColour;
            d.fillColor = kFilterFillColour;
            d.maximum = kFilterGraphMaximum;
            // Nothing to drag here: no handle.
            d.handleFill = 0;
            d.handleFrame = 0;
            if (code == CCustomControl::kEventFilterGraphA)
                return AddGraph(std::make_unique<CCustomVindelFilterA>(), d, reference, id);
            return AddGraph(std::make_unique<CCustomVindelFilterB>(), d, reference, id);
        }
        case layout::Kind::StaticText: {
            CustomStaticTextDescriptor d{row.x,
                                         row.y,
                                         row.w / kLcdCellWidth,
                                         m_layer.GetLcdFont(CBaseLayer::kLcdWhite),
                                         m_background,
                                         m_layer.GetLcdFont(CBaseLayer::kLcdWhiteDim)};
            return Keep(std::make_unique<CCustomStaticText>(), reference,
                        [&](auto& c) { return c.Create(&d, id, code); });
        }
        case layout::Kind::DropArea: {
            const HfcWord d[kHfcDragReceiverWords] = {row.x, row.y, row.w, row.h, words.word, words.partIndex, 0};
            return Keep(std::make_unique<CCustomDragReceiver>(), reference,
                        [&](auto& c) { return c.Create(d, id, code); });
        }
        default: return false;
        }
    }

private:
    struct Bounds
    {
        int minimum;
        int maximum;
    };

    Bounds Range(const ParameterReference& reference) const
    {
        const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
        if (accessor == nullptr || m_layer.GetProgramRecord() == nullptr)
            return {0, 0};
        return {accessor->GetMinimum(m_layer.GetProgramRecord(), reference.address),
                accessor->GetMaximum(m_layer.GetProgramRecord(), reference.address)};
    }

    bool AddField(const layout::Control& row, const ParameterReference& reference, std::uint32_t id, std::uint32_t code)
    {
        const auto [minimum, maximum] = Range(reference);
        CustomEditTextDescriptor d;
        d.x = row.x;
        d.y = row.y;
        d.background = m_background;
        d.minimum = minimum;
        d.maximum = maximum;
        d.ratio = value_steps::RatioForRange(minimum, maximum);
        if (IsLargeField(row)) {
            d.font = GetBitmap("LcdCharLargeWhite");
            d.selectedFont = GetBitmap("LcdCharLargeWhiteSelected");
            d.dimFont = GetBitmap("LcdCharLargeWhiteDim");
            d.characters = row.w / kLargeCellWidth;
        } else {
            d.font = m_layer.GetLcdFont(CBaseLayer::kLcdWhite);
            d.selectedFont = m_layer.GetLcdFont(CBaseLayer::kLcdWhiteSelected);
            d.dimFont = m_layer.GetLcdFont(CBaseLayer::kLcdWhiteDim);
            d.characters = row.w / kLcdCellWidth;
        }
        return Keep(std::make_unique<CCustomEditText>(), reference, [&](auto& c) { return c.Create(&d, id, code); });
    }

    template <class Graph>
    bool AddGraph(std::unique_ptr<Graph> graph, const QBFilterGraphDescriptor& d, const ParameterReference& reference,
                  std::uint32_t id)
    {
        return Keep(std::move(graph), reference, [&](auto& c) {
            const bool made = c.Create(&d, id);
            c.SetReadOnly(true);
            return made;
        });
    }

    template <class Control, class Create>
    bool Keep(std::unique_ptr<Control> control, const ParameterReference& reference, Create create)
    {
        if (!create(*control) || !AttachBoundControl(m_layer, *control, reference))
            return false;
        m_layer.KeepControl(std::move(control));
        return true;
    }

    CProgramEditLayer& m_layer;
    CHfcBmp* m_background;
};

bool CProgramEditLayer::OnCreate()
{
    m_background = ThemedBackground(Layout().background);
    CProgramEditPageBuilder builder(*this, m_background);
    const auto words = layout::ProgramEditControlWords();
    for (std::size_t i = 0; i < Layout().controls.size(); ++i) {
        if (!builder.Add(Layout().controls[i], words[i]))
            return false;
    }
    m_repaint = true;
    UpdateAllControls();
    PaintPage();
    return true;
}
