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

namespace editor_test {
namespace {

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

}  // namespace
}  // namespace editor_test
