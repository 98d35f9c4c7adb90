// The global settings sheet: one control per cell of its 77-row table at
// the table's places, the drag ratio of its fields, what a press on a
// field does (a drag, or a popup of the parameter's values), and which
// broadcasts bring the fields up to date.
#include "app/WindowEvents.h"
#include "app/controls/CustomEditText.h"
#include "app/controls/CustomStaticText.h"
#include "editor/layout/GlobalPageTable.h"
#include "global_page_fixture.h"
#include "model/Q3917GlobalAccessor.h"

#include <platform/testing.h>

namespace library_test {
namespace {

namespace input = platform::testing;
namespace table = layout::global_page;

constexpr ParameterAddress kTranspose{0, 1, 0};
constexpr ParameterAddress kLocalControl{1, 1, 0};
constexpr ParameterAddress kFavourite{6, 5, 0};

std::int32_t Read(CGlobal& global, const ParameterAddress& address)
{
    return CQ3917GlobalAccessor::PeekInstance()->GetValue(&global, address);
}

void Write(CGlobal& global, const ParameterAddress& address, std::int32_t value)
{
    CQ3917GlobalAccessor::PeekInstance()->SetValue(&global, address, value);
}

class GlobalSettingsPageTest : public GlobalPageTest
{
protected:
    static std::string Text(CCustomEditText& field)
    {
        char text[64] = {};
        field.GetText(text, sizeof text);
        return text;
    }
};

TEST_F(GlobalSettingsPageTest, EveryTableRowBecomesItsControlsAtTheTablesPlaces)
{
    CLibraryWindow& window = OpenGlobalPage();
    CGlobalEditGlobalPageLayer& page = Settings(window);
    EXPECT_EQ(page.GetRect(), (RECT{28, 170, 578, 660}));
    ASSERT_EQ(page.GetControlCount(), 135);
    int headings = 0, keys = 0, labels = 0, fields = 0;
    for (int id = 0; id < page.GetControlCount(); ++id) {
        CHfcControl& control = *page.GetControl(id);
        auto& binding = dynamic_cast<CCustomControl&>(control);
        EXPECT_EQ(static_cast<int>(control.GetId()), id);
        EXPECT_EQ(page.GetBoundControl(id), &binding);
        const table::Row& row = table::kRows[binding.GetIndex()];
        SCOPED_TRACE(std::string("control ") + std::to_string(id) + " " + row.label);
        const RECT& rect = control.GetRect();
        if (auto* text = dynamic_cast<CCustomStaticText*>(&control)) {
            const bool heading = control.GetEventCode() == CGlobalEditGlobalPageLayer::kEventHeading;
            (heading ? headings : labels)++;
            EXPECT_EQ(heading, row.header);
            EXPECT_EQ(rect.left, row.x * 251);
            EXPECT_EQ(rect.top, row.y * 13);
            EXPECT_EQ(rect.right - rect.left, 24 * 6);
            EXPECT_EQ(text->GetWord(kHfcStaticTextBackX), rect.left + 28);
            EXPECT_EQ(text->GetWord(kHfcStaticTextBackY), rect.top + 133);
            char shown[32] = {};
            text->GetText(shown, sizeof shown);
            EXPECT_STREQ(shown, row.label) << "the table's name is the accessor's";
            continue;
        }
        auto& field = dynamic_cast<CCustomEditText&>(control);
        EXPECT_EQ(control.GetEventCode(), CGlobalEditGlobalPageLayer::kEventValue);
        EXPECT_FALSE(row.header);
        if (row.kind == table::kKey) {
            ++keys;
            EXPECT_EQ(rect.left, row.x);
            EXPECT_EQ(rect.top, row.y + 130);
            EXPECT_EQ(rect.right - rect.left, 3 * 6);
        } else {
            ++fields;
            EXPECT_EQ(rect.left, row.x * 251 + 150);
            EXPECT_EQ(rect.top, row.y * 13);
            EXPECT_EQ(rect.right - rect.left, 14 * 6);
        }
        EXPECT_EQ(field.GetDescriptor().backgroundX, rect.left + 28);
        EXPECT_EQ(field.GetDescriptor().backgroundY, rect.top + 133);
        ParameterReference reference{};
        field.GetParameter(reference);
        EXPECT_EQ(reference.address.group, static_cast<std::uint32_t>(row.group));
        EXPECT_EQ(reference.address.index, static_cast<std::uint32_t>(row.index));
        const auto* accessor = CQ3917GlobalAccessor::PeekInstance();
        const int minimum = accessor->GetMinimum(&Global(window), reference.address);
        const int maximum = accessor->GetMaximum(&Global(window), reference.address);
        EXPECT_EQ(field.GetMin(), minimum);
        EXPECT_EQ(field.GetMax(), maximum);
        EXPECT_EQ(field.GetRatio(), 2 * CGlobalEditGlobalPageLayer::RatioOf(minimum, maximum));
    }
    EXPECT_EQ(headings, 7);
    EXPECT_EQ(keys, 12);
    EXPECT_EQ(labels, 58);
    EXPECT_EQ(fields, 58);
}

TEST_F(GlobalSettingsPageTest, RatioIs127OverTheRangeKeptWithinOneToTwelve)
{
    const struct
    {
        int minimum, maximum, ratio;
    } cases[] = {
        {5, 5, 1},       // a single value
        {0, 1, 12},      // a switch: 127, held at 12
        {0, 15, 8},      // MIDI channel
        {-12, 12, 5},    // Transpose
        {-63, 63, 1},    // a scale step: exactly 1
        {-100, 100, 1},  // Master Tune: 0, raised to 1
        {0, 199, 1},     // a favourite
    };
    for (const auto& c : cases)
        EXPECT_EQ(CGlobalEditGlobalPageLayer::RatioOf(c.minimum, c.maximum), c.ratio) << c.minimum << ".." << c.maximum;
}

TEST_F(GlobalSettingsPageTest, FieldsShowTheDataWithDisabledSettingsDimmed)
{
    CLibraryWindow& window = OpenGlobalPage();
    Write(Global(window), kTranspose, -7);
    Write(Global(window), kFavourite, 41);
    Write(Global(window), ParameterAddress{3, 1, 0}, -63);
    shell->windowManager.PostMessageToAll(kEventLibraryReplaced, window.GetWindowNumber(), -1, 0, 0, nullptr);
    Pump();
    EXPECT_EQ(Text(Field(window, kTranspose)), "-7");
    EXPECT_EQ(Field(window, kTranspose).GetValue(), -7);
    EXPECT_EQ(Text(Field(window, kFavourite)), "042");
    EXPECT_EQ(Text(Field(window, ParameterAddress{3, 1, 0})), "-63");
    EXPECT_FALSE(Field(window, ParameterAddress{1, 0, 0}).IsEnabled()) << "the global channel is the device's";
    EXPECT_TRUE(Field(window, kLocalControl).IsEnabled());
}

TEST_F(GlobalSettingsPageTest, AListOrSwitchFieldOffersItsValuesInAPopup)
{
    CLibraryWindow& window = OpenGlobalPage();
    Write(Global(window), kFavourite, 17);

    // Choosing the value it has changes nothing.
    input::QueuePopupMenuAnswers({17 + 1});
    Press(Field(window, kFavourite), 2, 2);
    auto menus = input::TakeShownPopupMenus();
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].items.size(), 200u);
    EXPECT_EQ(menus[0].items[0].text, "001");
    EXPECT_EQ(menus[0].items[199].text, "200");
    for (std::size_t i = 0; i < menus[0].items.size(); ++i)
        EXPECT_EQ(menus[0].items[i].checked, i == 17) << i;
    Release(Field(window, kFavourite), 2, 2);
    EXPECT_FALSE(window.IsModified());
    EXPECT_TRUE(TakePosts(kEventGlobalChanged).empty());

    // Another value is written, marks the window and tells the windows.
    // Away from the first press, which a second would otherwise double.
    input::QueuePopupMenuAnswers({199 + 1});
    Press(Field(window, kFavourite), 12, 5);
    Release(Field(window, kFavourite), 12, 5);
    EXPECT_EQ(input::TakeShownPopupMenus().size(), 1u);
    EXPECT_EQ(Read(Global(window), kFavourite), 199);
    EXPECT_EQ(Text(Field(window, kFavourite)), "200");
    EXPECT_TRUE(window.IsModified());
    ExpectGlobalChangedOnce(window);

    // A switch: its two values.
    input::QueuePopupMenuAnswers({0});
    Click(Field(window, kLocalControl));
    menus = input::TakeShownPopupMenus();
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].items.size(), 2u);
    EXPECT_EQ(menus[0].items[0].text, "Off");
    EXPECT_EQ(menus[0].items[1].text, "On");
}

TEST_F(GlobalSettingsPageTest, ANumberFieldIsDraggedWithoutAMenu)
{
    CLibraryWindow& window = OpenGlobalPage();
    CCustomEditText& transpose = Field(window, kTranspose);
    ASSERT_EQ(Read(Global(window), kTranspose), 0);
    Press(transpose, 3, 4);
    POINT at{3, 4 - 2 * 70 - 3};  // 70 pixels a step: 7 x twice the ratio of 5
    transpose.ControlToScreen(at);
    input::MoveMouse(at.x, at.y);
    Pump();
    Release(transpose, 3, at.y);
    EXPECT_TRUE(input::TakeShownPopupMenus().empty());
    EXPECT_EQ(Read(Global(window), kTranspose), 2);
    EXPECT_EQ(Text(transpose), "+2");
    EXPECT_TRUE(window.IsModified());
    EXPECT_FALSE(TakePosts(kEventGlobalChanged).empty());
}

TEST_F(GlobalSettingsPageTest, OnlyBroadcastsAboutThisWindowRefreshItsFields)
{
    CLibraryWindow& first = OpenGlobalPage();
    CLibraryWindow& second = OpenGlobalPage();
    Write(Global(first), kTranspose, 9);
    for (int event : {kEventGlobalChanged, kEventLibraryReplaced}) {
        shell->windowManager.PostMessageToAll(event, second.GetWindowNumber(), -1, -1, 0, nullptr);
        Pump();
        EXPECT_EQ(Text(Field(first, kTranspose)), "+0") << event;
    }
    shell->windowManager.PostMessageToAll(kEventGlobalChanged, first.GetWindowNumber(), -1, -1, 0, nullptr);
    Pump();
    EXPECT_EQ(Text(Field(first, kTranspose)), "+9");
}

// The "CC# MAP" heading is 24 cells wide from x 502, past the page's 550
// pixels: it is drawn cut at the page's edge.
TEST_F(GlobalSettingsPageTest, TheHeadingPastThePagesEdgeIsCutThere)
{
    CLibraryWindow& window = OpenGlobalPage();
    CGlobalEditGlobalPageLayer& page = Settings(window);
    CHfcControl& heading = *page.GetControl(page.GetControlCount() - 1);
    EXPECT_GT(heading.GetRect().right, page.GetWidth());
    heading.Redraw(true, true);
    window.UpdateRect(RECT{0, 0, CLibraryWindow::kClientWidth, CLibraryWindow::kClientHeight}, true);
    // The heading's first letter shows above the CC map.
    bool lit = false;
    for (int x = 530; x < 536; ++x)
        for (int y = 170; y < 179; ++y)
            lit = lit || ScreenPixel(window, x, y) != ScreenPixel(window, 575, 172);
    EXPECT_TRUE(lit);
}

}  // namespace
}  // namespace library_test
