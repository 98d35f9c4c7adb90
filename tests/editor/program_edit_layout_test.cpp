// The program page's controls: one per layout row, in creation order, at
// the row's place, bound to its parameter; and the page as it looks in each
// colour theme.
#include "program_edit_fixture.h"

#include "app/SkinTable.h"
#include "app/controls/CustomEditText.h"
#include "editor/layout/Layouts.h"
#include "editor/layout/ProgramEditLayout.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcCtrlDragReceiver.h"
#include "support/ReferencePng.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <vector>

namespace editor_test {
namespace {

int Luma(std::uint32_t pixel)
{
    return static_cast<int>(((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF)) / 3;
}

int TypeOf(layout::Kind kind)
{
    switch (kind) {
    case layout::Kind::Button: return CCustomControl::kButton;
    case layout::Kind::BitmapList: return CCustomControl::kBitmapList;
    case layout::Kind::EditText: return CCustomControl::kEditText;
    case layout::Kind::Switch: return CCustomControl::kSwitch;
    case layout::Kind::Led: return CCustomControl::kLed;
    case layout::Kind::ValueBar: return CCustomControl::kValueBar;
    case layout::Kind::EqGraph: return CCustomControl::kEqGraph;
    case layout::Kind::StaticText: return CCustomControl::kStaticText;
    case layout::Kind::DropArea: return CCustomControl::kDragReceiver;
    default: return -1;
    }
}

TEST_F(ProgramEditTest, EveryLayoutRowIsAControlOfItsIdAtItsPlaceBoundToItsParameter)
{
    OpenWindow();
    const layout::Window page = layout::ProgramEditLayout();
    const auto words = layout::ProgramEditControlWords();
    ASSERT_EQ(page.controls.size(), 65u);
    ASSERT_EQ(words.size(), page.controls.size());
    ASSERT_EQ(Page().GetBoundControlCount(), 65);
    for (std::size_t i = 0; i < page.controls.size(); ++i) {
        const layout::Control& row = page.controls[i];
        const int id = static_cast<int>(i);
        ASSERT_EQ(row.id, id);
        CHfcControl& control = Control(id);
        CCustomControl& binding = Binding(id);
        EXPECT_EQ(static_cast<int>(control.GetId()), id);
        EXPECT_EQ(static_cast<int>(control.GetEventCode()), words[i].eventCode) << id;
        if (row.kind == layout::Kind::FilterGraph)
            EXPECT_EQ(binding.GetControlType(),
                      words[i].eventCode == 8 ? CCustomControl::kFilterGraphA : CCustomControl::kFilterGraphB);
        else
            EXPECT_EQ(binding.GetControlType(), TypeOf(row.kind)) << id;
        EXPECT_EQ(control.GetRect().left, row.x) << id;
        EXPECT_EQ(control.GetRect().top, row.y) << id;
        const ParameterAddress address = Page().GetControlParameter(&binding);
        if (row.kind == layout::Kind::StaticText) {
            EXPECT_EQ(static_cast<int>(address.group), words[i].word) << "a line's group word is its kind";
        } else if (row.parameter.group >= 0) {
            EXPECT_EQ(address, (ParameterAddress{static_cast<std::uint32_t>(row.parameter.group),
                                                 static_cast<std::uint32_t>(row.parameter.index),
                                                 static_cast<std::uint32_t>(row.parameter.timbre)}))
                << id;
        }
        if (row.kind == layout::Kind::DropArea) {
            auto& area = dynamic_cast<CHfcCtrlDragReceiver&>(control);
            EXPECT_EQ(area.GetWord4(), words[i].word);
            EXPECT_EQ(area.GetWord5(), words[i].partIndex);
            EXPECT_EQ(control.GetRect().right - control.GetRect().left, row.w);
        }
    }
    EXPECT_EQ(Page().GetTimbreOverride(), -1);

    // The name in the large fonts, eight characters; the others in the layer's.
    auto& name = dynamic_cast<CCustomEditText&>(Control(16));
    EXPECT_EQ(name.GetCustomDescriptor().font, GetBitmap("LcdCharLargeWhite"));
    EXPECT_EQ(name.GetCustomDescriptor().selectedFont, GetBitmap("LcdCharLargeWhiteSelected"));
    EXPECT_EQ(name.GetCustomDescriptor().dimFont, GetBitmap("LcdCharLargeWhiteDim"));
    EXPECT_EQ(name.GetCustomDescriptor().characters, 8);
    auto& scale = dynamic_cast<CCustomEditText&>(Control(19));
    EXPECT_EQ(scale.GetCustomDescriptor().font, Page().GetLcdFont(CBaseLayer::kLcdWhite));
    EXPECT_EQ(scale.GetCustomDescriptor().characters, 14);
}

TEST_F(ProgramEditTest, ThePageInEveryTheme)
{
    // A layered program with some shape to every graph.
    SetValue(0, 35, 1);
    SetValue(5, 0, 1);
    SetValue(7, 1, 1);
    for (std::uint32_t timbre : {0u, 1u}) {
        SetValue(2, 31, 100, timbre);
        SetValue(2, 32, 30, timbre);
        SetValue(2, 35, 40, timbre);
        SetValue(2, 36, 70, timbre);
        SetValue(2, 37, 90, timbre);
        SetValue(2, 42, 50, timbre);
        SetValue(2, 43, 60, timbre);
        SetValue(4, 49, 10, timbre);
        SetValue(4, 51, -8, timbre);
    }
    for (int theme = 0; theme < 3; ++theme) {
        SetColourTheme(theme);
        OpenWindow();
        shell->Tick();
        Pump();
        CHfcWindowLayer& layer = Page();
        EXPECT_TRUE(MatchesReferencePng("editor/reference", "program_edit_theme" + std::to_string(theme),
                                        layer.GetWidth(), layer.GetHeight(),
                                        [&](int x, int y) { return Pixel(layer, x, y); }));
        window->Destroy();
        Pump();
        window.reset();
    }
    SetColourTheme(0);
}

TEST_F(ProgramEditTest, TheFilterGraphsDrawEachCurveAsALightLineOverADarkerFillInEveryTheme)
{
    SetValue(0, 35, 1);  // layered: both timbres' graphs are in use
    const struct
    {
        int cutoff, resonance;
    } shapes[] = {{127, 0}, {70, 90}};  // open filters draw a flat line
    for (int theme = 0; theme < 3; ++theme) {
        SetColourTheme(theme);
        for (const auto& shape : shapes) {
            for (std::uint32_t timbre : {0u, 1u}) {
                SetValue(2, 36, shape.cutoff, timbre);
                SetValue(2, 37, shape.resonance, timbre);
                SetValue(2, 42, shape.cutoff, timbre);
                SetValue(2, 43, shape.resonance, timbre);
            }
            OpenWindow();
            shell->Tick();
            Pump();
            for (int id = 49; id <= 52; ++id) {
                const RECT area = Control(id).GetRect();
                const int ground = Luma(Pixel(Page(), area.left + 1, area.top + 1));
                // Down each column: the first lit pixel is the curve, a few
                // below it the fill.
                std::vector<int> lineOverFill;
                std::vector<int> fillOverGround;
                for (int x = area.left + 6; x < area.right - 6; ++x) {
                    for (int y = area.top + 2; y < area.bottom - 6; ++y) {
                        if (Luma(Pixel(Page(), x, y)) - ground < 12)
                            continue;
                        const int line = std::max(Luma(Pixel(Page(), x, y)), Luma(Pixel(Page(), x, y + 1)));
                        const int fill = Luma(Pixel(Page(), x, y + 4));
                        lineOverFill.push_back(line - fill);
                        fillOverGround.push_back(fill - ground);
                        break;
                    }
                }
                const std::string what = "theme " + std::to_string(theme) + ", graph " + std::to_string(id) +
                                         ", cutoff " + std::to_string(shape.cutoff);
                ASSERT_GT(lineOverFill.size(), 30u) << what;
                std::sort(lineOverFill.begin(), lineOverFill.end());
                std::sort(fillOverGround.begin(), fillOverGround.end());
                EXPECT_GE(lineOverFill[lineOverFill.size() / 2], 60) << what << ": the curve stands out";
                EXPECT_GE(fillOverGround[fillOverGround.size() / 2], 12) << what << ": the fill shows under it";
            }
            window->Destroy();
            Pump();
            window.reset();
        }
    }
    SetColourTheme(0);
}

}  // namespace
}  // namespace editor_test
