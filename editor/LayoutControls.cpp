#include "editor/LayoutControls.h"

#include "app/ControlBinding.h"
#include "app/EditLayerBase.h"
#include "app/ValueSteps.h"
#include "app/controls/CustomBitmapList.h"
#include "app/controls/CustomEditText.h"
#include "app/controls/CustomKnob.h"
#include "app/controls/CustomSlider.h"
#include "app/controls/CustomStaticText.h"
#include "app/controls/CustomSwitches.h"
#include "app/controls/CustomValueBar.h"
#include "framework/services/ServiceSlots.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <string>
#include <string_view>

namespace {

constexpr int kLcdCellWidth = 6;

CHfcBmp* DimSkin(const char* name)
{
    return GetBitmap((std::string(name) + "Dim").c_str());
}

// Fields in the back font draw their own dark cells and have no selected
// look.
bool OnOwnBack(const layout::Control& row)
{
    return row.skin != nullptr && std::string_view(row.skin) == "LcdCharWhiteBack";
}

// The parameter's range in the layer's program, with the timbre the
// binding will carry.
ValueRange RangeOf(const CBaseLayer& layer, const layout::Control& row)
{
    ParameterAddress address = ReferenceOf(row).address;
    if (layer.GetTimbreOverride() != -1)
        address.timbre = static_cast<std::uint32_t>(layer.GetTimbreOverride());
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    if (accessor == nullptr || layer.GetProgramRecord() == nullptr)
        return {};
    ValueRange range;
    range.minimum = accessor->GetMinimum(layer.GetProgramRecord(), address);
    range.maximum = accessor->GetMaximum(layer.GetProgramRecord(), address);
    range.ratio = value_steps::RatioForRange(range.minimum, range.maximum);
    return range;
}

template <class Control>
std::unique_ptr<CHfcControl> Bound(CBaseLayer& layer, std::unique_ptr<Control> control, bool made,
                                   const layout::Control& row)
{
    if (!made || !AttachBoundControl(layer, *control, ReferenceOf(row)))
        return nullptr;
    return control;
}

}  // namespace

ParameterReference ReferenceOf(const layout::Control& row)
{
    const layout::Parameter& p = row.parameter;
    if (p.group < 0)
        return {};
    return {{static_cast<std::uint32_t>(p.group), static_cast<std::uint32_t>(p.index),
             static_cast<std::uint32_t>(p.timbre)},
            static_cast<std::uint8_t>(p.showValue),
            p.valuePlacement};
}

std::unique_ptr<CHfcControl> MakeLayoutControl(CBaseLayer& layer, const layout::Control& row, CHfcBmp* background,
                                               std::optional<ValueRange> fixedRange)
{
    const auto id = static_cast<std::uint32_t>(layer.GetBoundControlCount());
    const auto eventCode = static_cast<std::uint32_t>(row.eventCode);
    const auto rangeOf = [&] { return fixedRange ? *fixedRange : RangeOf(layer, row); };
    switch (row.kind) {
    case layout::Kind::BitmapList: {
        // A strip is its own dim strip: it looks the same while disabled.
        CHfcBmp* picture = GetBitmap(row.skin);
        CustomBitmapListDescriptor descriptor{row.x, row.y, picture, background, row.frames, picture};
        auto strip = std::make_unique<CCustomBitmapList>();
        const bool made = strip->Create(&descriptor, id, eventCode);
        return Bound(layer, std::move(strip), made, row);
    }
    case layout::Kind::EditText: {
        const ValueRange range = rangeOf();
        const bool back = OnOwnBack(row);
        CustomEditTextDescriptor descriptor{row.x,
                                            row.y,
                                            layer.GetLcdFont(back ? CBaseLayer::kLcdWhiteBack : CBaseLayer::kLcdWhite),
                                            background,
                                            row.w / kLcdCellWidth,
                                            range.minimum,
                                            range.maximum,
                                            back ? nullptr : layer.GetLcdFont(CBaseLayer::kLcdWhiteSelected),
                                            range.ratio,
                                            layer.GetLcdFont(CBaseLayer::kLcdWhiteDim)};
        auto field = std::make_unique<CCustomEditText>();
        const bool made = field->Create(&descriptor, id, eventCode);
        return Bound(layer, std::move(field), made, row);
    }
    case layout::Kind::StaticText: {
        CustomStaticTextDescriptor descriptor{row.x,
                                              row.y,
                                              row.w / kLcdCellWidth,
                                              layer.GetLcdFont(CBaseLayer::kLcdWhite),
                                              background,
                                              layer.GetLcdFont(CBaseLayer::kLcdWhiteDim)};
        auto label = std::make_unique<CCustomStaticText>();
        const bool made = label->Create(&descriptor, id, eventCode);
        return Bound(layer, std::move(label), made, row);
    }
    case layout::Kind::Switch: {
        CustomSwitchDescriptor descriptor{row.x, row.y, GetBitmap(row.skin), background, DimSkin(row.skin)};
        auto toggle = std::make_unique<CCustomSwitch>();
        const bool made = toggle->Create(&descriptor, id, eventCode);
        return Bound(layer, std::move(toggle), made, row);
    }
    case layout::Kind::Knob: {
        const ValueRange range = rangeOf();
        CHfcBmp* strip = GetBitmap(row.skin);
        CHfcBmp* dim = DimSkin(row.skin);
        CustomKnobDescriptor descriptor{row.x,         row.y,       strip, background, row.frames, range.minimum,
                                        range.maximum, range.ratio, dim,   strip,      dim,        0};
        auto knob = std::make_unique<CCustomKnob>();
        const bool made = knob->Create(&descriptor, id, eventCode);
        return Bound(layer, std::move(knob), made, row);
    }
    case layout::Kind::Fader: {
        const ValueRange range = rangeOf();
        CustomSliderDescriptor descriptor{row.x,      row.y,      row.w,         row.h,         GetBitmap(row.skin),
                                          background, row.frames, range.minimum, range.maximum, DimSkin(row.skin)};
        auto fader = std::make_unique<CCustomSlider>();
        const bool made = fader->Create(&descriptor, id, eventCode);
        return Bound(layer, std::move(fader), made, row);
    }
    case layout::Kind::Led: {
        CustomLedDescriptor descriptor{row.x,         row.y,         row.w, 0, GetBitmap(row.skin), background,
                                       row.lampGroup, row.lampValue, 0,     0, DimSkin(row.skin)};
        auto led = std::make_unique<CCustomLed>();
        const bool made = led->Create(&descriptor, id);
        return Bound(layer, std::move(led), made, row);
    }
    case layout::Kind::ValueBar: {
        const ValueRange range = rangeOf();
        CustomValueBarDescriptor descriptor{row.x,      row.y, row.w, row.h,         GetBitmap(row.skin),
                                            background, row.x, row.y, range.minimum, range.maximum};
        descriptor.vertical = row.h > row.w;
        auto bar = std::make_unique<CCustomValueBar>();
        const bool made = bar->Create(&descriptor, id, eventCode);
        // A bar shows what the device measured or another window set.
        bar->SetReadOnly(true);
        return Bound(layer, std::move(bar), made, row);
    }
    case layout::Kind::Button: {
        CustomSwitchDescriptor descriptor{row.x, row.y, GetBitmap(row.skin), background, DimSkin(row.skin)};
        auto button = std::make_unique<CCustomButton>();
        const bool made = button->Create(&descriptor, id, eventCode);
        return Bound(layer, std::move(button), made, row);
    }
    default: return nullptr;
    }
}

CHfcControl* AddLayoutControl(CEditLayerBase& layer, const layout::Control& row, CHfcBmp* background)
{
    std::unique_ptr<CHfcControl> control = MakeLayoutControl(layer, row, background);
    CHfcControl* kept = control.get();
    layer.KeepControl(std::move(control));
    return kept;
}
