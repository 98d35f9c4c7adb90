// The bitmap-font edit field: the grid at rest, editing through its own
// hidden edit window and the keyboard manager, the caret's blink, commit
// and cancel, the focus lost from under the edit window, the value drag at
// rest, and the bounds of its two texts.
#include "control_fixture.h"

#include "framework/services/EfTrace.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlOldCharEditText.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcModifiers.h"

#include <platform/input.h>
#include <platform/testing.h>

#include <cstring>

namespace ui_test {
namespace {

namespace input = platform::testing;

constexpr int kCell = 6;
constexpr int kCellHeight = 9;

// An owner that gives the field the keyboard focus on a double click, as
// the editor's layers do, and logs the texts the field reports.
class CEditOwner : public CRecordingOwner
{
public:
    bool OnControlDoubleClick(CHfcControl* control, int x, int y, int modifiers) override
    {
        CRecordingOwner::OnControlDoubleClick(control, x, y, modifiers);
        CHfcKey::GetInstance()->SetFocus(static_cast<CHfcCtrlOldCharEditText*>(control), window);
        return true;
    }
    void OnControlEvent(CHfcControl*, std::intptr_t word) override
    {
        Events().push_back(std::string("owner:commit ") + reinterpret_cast<const char*>(word));
    }
    bool OnControlListItem(CHfcControl*, int code, std::intptr_t a, std::intptr_t b) override
    {
        Events().push_back("owner:cancel " + std::to_string(code) + " " + std::to_string(a) + " " +
                           reinterpret_cast<const char*>(b));
        return false;
    }
    bool OnControlEditTextFocus(CHfcControl*) override
    {
        Events().push_back("owner:edit text focus");
        return false;
    }

    HWND window = nullptr;
};

// The traced lines, for the time of a test.
std::vector<std::string>& Traced()
{
    static std::vector<std::string> lines;
    return lines;
}

class EditText : public ControlTest
{
protected:
    void SetUp() override
    {
        // Time moves only when told, so that separate clicks never make a
        // double click by chance and the blink is counted exactly.
        clock_ = std::make_unique<input::ScopedFakeClock>(1000);
        ControlTest::SetUp();
        previousSink_ = SetEfTraceSink([](const char* line) { Traced().push_back(line); });
        Traced().clear();
        // Glyph c of the font is coloured c + 1; of the highlight font
        // (c + 1) << 8, so that a pixel tells glyph and font apart.
        FillNumberedStrip(font, kCell, kCellHeight, 128);
        ASSERT_TRUE(highlight.Create(kCell, kCellHeight * 128));
        BYTE* bits = highlight.LockBits();
        for (int y = 0; y < kCellHeight * 128; ++y)
            for (int x = 0; x < kCell; ++x)
                reinterpret_cast<std::uint32_t*>(bits + static_cast<std::ptrdiff_t>(y) * highlight.GetStride())[x] =
                    0xFF000000u | static_cast<std::uint32_t>((y / kCellHeight + 1) << 8);
        highlight.UnlockBits();
        editOwner.window = window->GetHandle();
    }
    void TearDown() override
    {
        field.Destroy();
        other.Destroy();
        SetEfTraceSink(previousSink_);
        ControlTest::TearDown();
        clock_.reset();
    }
    // Long enough after the last click for the next to be a new one.
    static void Later() { input::AdvanceClock(1000); }

    HfcEditTextDescriptor Descriptor(int columns, int rows = 1)
    {
        HfcEditTextDescriptor descriptor;
        descriptor.x = 20;
        descriptor.y = 30;
        descriptor.font = &font;
        descriptor.highlightFont = &highlight;
        descriptor.cellWidth = 0;
        descriptor.cellHeight = 0;
        descriptor.rows = rows;
        descriptor.columns = columns;
        descriptor.minimum = 0;
        descriptor.maximum = 50;
        descriptor.pixelsPerStep = 10;
        return descriptor;
    }
    // A field of the columns on the layer, showing the text.
    void Make(CHfcCtrlOldCharEditText& control, int columns, const char* text, int x = 20)
    {
        HfcEditTextDescriptor descriptor = Descriptor(columns);
        descriptor.x = x;
        ASSERT_TRUE(control.Create(&descriptor, 1, 2));
        control.SetOwner(&editOwner);
        layer.AddControl(&control, false);
        control.Show(true);
        control.SetData(text, true);
    }
    // Begins editing as a user does, by a double click through the owner.
    void BeginEditing(CHfcCtrlOldCharEditText& control)
    {
        ASSERT_TRUE(DoubleClick(control, 2, 2));
        Pump();
        ASSERT_TRUE(control.IsEditing());
        Events().clear();
    }
    // An editing key as the keyboard manager hands it on.
    void Key(int code, int modifiers = 0) { field.OnHfcKeyInput(CHfcKey::GetInstance(), code, modifiers); }
    void Type(const char* text)
    {
        input::TypeText(text);
        Pump();
    }
    // A key typed with modifier keys held down around it.
    void PressKey(UINT key, std::vector<UINT> modifiers = {})
    {
        for (UINT modifier : modifiers)
            input::PressKey(modifier);
        Pump();
        input::TypeKey(key);
        Pump();
        for (UINT modifier : modifiers)
            input::ReleaseKey(modifier);
        Pump();
    }
    // The glyph drawn in a cell of the field, and by which font: 'f' for
    // the font, 'h' for the highlight font, '?' for anything else.
    std::pair<char, int> Cell(int column, int row = 0)
    {
        Render(field);
        const std::uint32_t pixel =
            Pixel(field.GetRect().left + column * kCell + 2, field.GetRect().top + row * kCellHeight + 2);
        if (FrameOf(pixel) >= 0)
            return {'f', FrameOf(pixel)};
        if ((pixel & 0xFFFF00FFu) == 0xFF000000u && (pixel & 0xFF00) != 0)
            return {'h', static_cast<int>((pixel >> 8) & 0xFF) - 1};
        return {'?', -1};
    }
    std::string Selection() const
    {
        return std::to_string(field.GetSelectionStart()) + "-" + std::to_string(field.GetSelectionEnd()) + " at " +
               std::to_string(field.GetCursorColumn());
    }

    CHfcBmp font;
    CHfcBmp highlight;
    CEditOwner editOwner;
    CHfcCtrlOldCharEditText field;
    CHfcCtrlOldCharEditText other;

private:
    std::unique_ptr<input::ScopedFakeClock> clock_;
    EfTraceSink previousSink_ = nullptr;
};

TEST_F(EditText, CreateRefusesWhatItCannotDrawOrDivideBy)
{
    CHfcBmp empty;
    const auto refused = [&](auto change) {
        HfcEditTextDescriptor descriptor = Descriptor(8);
        change(descriptor);
        return !field.Create(&descriptor, 1, 2) && !field.IsCreated();
    };
    EXPECT_FALSE(field.Create(nullptr, 1, 2));
    EXPECT_TRUE(refused([](HfcEditTextDescriptor& d) { d.font = nullptr; }));
    EXPECT_TRUE(refused([](HfcEditTextDescriptor& d) { d.rows = 0; }));
    EXPECT_TRUE(refused([](HfcEditTextDescriptor& d) { d.columns = -1; }));
    EXPECT_TRUE(refused([](HfcEditTextDescriptor& d) { d.pixelsPerStep = 0; }));
    EXPECT_TRUE(refused([&](HfcEditTextDescriptor& d) { d.font = &empty; }));  // a cell width of 0
    EXPECT_TRUE(refused([](HfcEditTextDescriptor& d) { d.cellWidth = -3; }));
}

TEST_F(EditText, CreateWorksOutTheCellsAndTheSize)
{
    HfcEditTextDescriptor descriptor = Descriptor(8, 2);
    ASSERT_TRUE(field.Create(&descriptor, 5, 2));
    EXPECT_EQ(field.GetDescriptor().cellWidth, kCell);
    EXPECT_EQ(field.GetDescriptor().cellHeight, kCellHeight);
    EXPECT_EQ(field.GetRect(), (RECT{20, 30, 20 + 8 * kCell, 30 + 2 * kCellHeight}));
    EXPECT_EQ(field.GetDisplayText().size(), 18u);
    EXPECT_EQ(field.GetMaximumLength(), 8);
    EXPECT_EQ(field.GetMinimum(), 0);
    EXPECT_EQ(field.GetMaximum(), 50);
    EXPECT_EQ(field.GetEventCode(), 2u);
    field.Destroy();

    descriptor = Descriptor(3000);
    ASSERT_TRUE(field.Create(&descriptor, 5, 2));
    EXPECT_EQ(field.GetMaximumLength(), 1024);
}

TEST_F(EditText, AtRestTheDisplayTextIsAGridOfSevenBitGlyphs)
{
    Make(field, 6, "ab");
    EXPECT_EQ(Cell(0), std::make_pair('f', int{'a'}));
    EXPECT_EQ(Cell(1), std::make_pair('f', int{'b'}));
    EXPECT_EQ(Cell(2), std::make_pair('f', 0)) << "padded with zeros";
    const char high[] = {'x', static_cast<char>(200), 0};
    field.SetData(high, true);
    EXPECT_EQ(Cell(1), std::make_pair('f', 72));
    EXPECT_EQ(Cell(2), std::make_pair('f', 0));

    // A text longer than the columns is cut and the line still ends.
    field.SetData("0123456789", true);
    EXPECT_EQ(std::string(field.GetDisplayText().data()), "012345");
    EXPECT_EQ(Cell(5), std::make_pair('f', int{'5'}));
    SaveCrop(field.GetRect(), "edit_text_at_rest");
}

TEST_F(EditText, ADoubleClickBeginsEditingAndASingleClickDoesNot)
{
    Make(field, 8, "name");
    Press(field, 3, 3);
    Release(field, 3, 3);
    EXPECT_FALSE(field.IsEditing());
    EXPECT_EQ(field.GetEditWindow(), nullptr);

    Events().clear();
    ASSERT_TRUE(DoubleClick(field, 3, 3));
    Pump();
    EXPECT_TRUE(field.IsEditing());
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:double click 3,3", "owner:edit text focus"}));
    HWND edit = field.GetEditWindow();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(GetParent(edit), window->GetHandle());
    RECT placed{};
    GetWindowRect(edit, &placed);
    EXPECT_EQ(placed.right - placed.left, 300);
    EXPECT_EQ(placed.bottom - placed.top, 20);
    EXPECT_EQ(CHfcKey::GetInstance()->GetFocus(), static_cast<CHfcKeyListener*>(&field));
    EXPECT_EQ(field.GetEditText(), "name");
    EXPECT_EQ(Selection(), "0-4 at 4");
    ASSERT_FALSE(Traced().empty());
    EXPECT_EQ(Traced()[0].rfind("CHfcCtrlOldCharEditText::OnHfcKeyGetFocus(", 0), 0u) << Traced()[0];
    // Selected glyphs come from the highlight font, the rest is glyph 0.
    EXPECT_EQ(Cell(0), std::make_pair('h', int{'n'}));
    EXPECT_EQ(Cell(6), std::make_pair('f', 0));
}

TEST_F(EditText, WithoutAWindowEditingCannotBegin)
{
    HfcEditTextDescriptor descriptor = Descriptor(8);
    ASSERT_TRUE(field.Create(&descriptor, 1, 2));
    EXPECT_FALSE(field.BeginEdit());
    EXPECT_EQ(Traced(), (std::vector<std::string>{"Failed to call Win32CreateEditText()."}));
    EXPECT_FALSE(field.IsEditing());
    EXPECT_EQ(field.GetEditWindow(), nullptr);

    layer.AddControl(&field, false);
    field.Show(true);
    ASSERT_TRUE(field.BeginEdit());
    EXPECT_TRUE(field.IsEditing());
    EXPECT_FALSE(field.BeginEdit()) << "already editing";
    field.EndEdit();
    EXPECT_FALSE(field.IsEditing());
    EXPECT_EQ(field.GetEditWindow(), nullptr);
}

TEST_F(EditText, TypedKeysReachTheFieldThroughItsEditWindow)
{
    Make(field, 8, "ab");
    BeginEditing(field);
    Type("xy");  // replaces the selection
    EXPECT_EQ(field.GetEditText(), "xy");
    PressKey(VK_LEFT);
    Type("-");
    EXPECT_EQ(field.GetEditText(), "x-y");
    PressKey(VK_LEFT, {VK_SHIFT});
    EXPECT_EQ(Selection(), "1-2 at 1");
    PressKey(VK_DELETE);
    EXPECT_EQ(field.GetEditText(), "xy");
    PressKey(VK_UP);
    PressKey(VK_BACK);  // at column 0: nothing
    EXPECT_EQ(field.GetEditText(), "xy");
    PressKey(VK_DELETE);
    EXPECT_EQ(field.GetEditText(), "y");
    PressKey(VK_TAB);
    EXPECT_EQ(field.GetEditText(), " y");
    PressKey('A', {VK_CONTROL});  // a control code, not a letter
    PressKey(VK_DOWN);
    PressKey(VK_BACK);
    EXPECT_EQ(field.GetEditText(), " ");
    EXPECT_EQ(Selection(), "1-1 at 1");
    EXPECT_TRUE(field.IsEditing());
}

TEST_F(EditText, ControlCodesAndCodesAbove127AreNeverInserted)
{
    Make(field, 8, "");
    BeginEditing(field);
    for (int code = 0; code < 32; ++code) {
        if (code == 8 || code == 9 || code == 13 || code == 27 || code >= 28)
            continue;
        Key(code);
    }
    Key(127);
    Key(128);
    Key(255);
    EXPECT_EQ(field.GetEditText(), "");
    Key('~');
    EXPECT_EQ(field.GetEditText(), "~");
}

TEST_F(EditText, InsertionStopsOneShortOfTheColumns)
{
    Make(field, 5, "");
    BeginEditing(field);
    Type("abcdef");
    EXPECT_EQ(field.GetEditText(), "abcd");
    Key(28);
    Key(28);
    Key('Z');
    EXPECT_EQ(field.GetEditText(), "abcd") << "a full field takes nothing";
    Key(28, kHfcModifierShift);
    Key('Z');
    EXPECT_EQ(field.GetEditText(), "aZcd") << "a selection makes room";
    EXPECT_EQ(Selection(), "2-2 at 2");
}

TEST_F(EditText, ArrowsMoveTheCaretAndShiftSelects)
{
    struct Case
    {
        int start, end, cursor;  // before
        int code, modifiers;
        const char* after;
    };
    // "abcdef": without a selection the caret moves, with Shift the passed
    // characters become the selection; with one, Shift moves its far edge
    // and a plain arrow collapses it.
    const Case cases[] = {
        {3, 3, 3, 28, 0, "2-2 at 2"}, {3, 3, 3, 29, 0, "4-4 at 4"}, {3, 3, 3, 30, 0, "0-0 at 0"},
        {3, 3, 3, 31, 0, "6-6 at 6"}, {0, 0, 0, 28, 0, "0-0 at 0"}, {6, 6, 6, 29, 0, "6-6 at 6"},
        {3, 3, 3, 28, 1, "2-3 at 2"}, {3, 3, 3, 29, 1, "3-4 at 4"}, {3, 3, 3, 30, 1, "0-3 at 0"},
        {3, 3, 3, 31, 1, "3-6 at 6"}, {2, 4, 4, 28, 1, "1-4 at 1"}, {2, 4, 4, 29, 1, "2-5 at 5"},
        {2, 4, 2, 30, 1, "0-4 at 0"}, {2, 4, 2, 31, 1, "2-6 at 6"}, {0, 4, 0, 28, 1, "0-4 at 0"},
        {2, 6, 6, 29, 1, "2-6 at 6"}, {2, 4, 4, 28, 0, "2-2 at 2"}, {2, 4, 2, 29, 0, "4-4 at 4"},
        {2, 4, 4, 30, 0, "0-0 at 0"}, {2, 4, 2, 31, 0, "4-4 at 4"},
    };
    Make(field, 10, "abcdef");
    BeginEditing(field);
    for (const Case& c : cases) {
        // Place the caret, then select.
        Key(30);
        for (int i = 0; i < c.cursor; ++i)
            Key(29);
        field.SetSelection(c.start, c.end);
        field.OnTimer(300);
        Key(c.code, c.modifiers);
        EXPECT_EQ(Selection(), c.after) << c.start << "-" << c.end << " at " << c.cursor << " key " << c.code
                                        << " modifiers " << c.modifiers;
        EXPECT_EQ(field.GetBlinkTime(), 0) << "a move shows the caret";
    }
    EXPECT_EQ(field.GetEditText(), "abcdef");
}

TEST_F(EditText, TheSelectionStaysInsideTheText)
{
    Make(field, 10, "abcd");
    field.SetSelection(1, 2);
    EXPECT_EQ(Selection(), "0-0 at 0") << "no selection at rest";
    BeginEditing(field);
    field.SetSelection(-5, 99);
    EXPECT_EQ(field.GetSelectionStart(), 0);
    EXPECT_EQ(field.GetSelectionEnd(), 4);
    field.SetSelection(3, 1);
    EXPECT_EQ(field.GetSelectionStart(), 3);
    EXPECT_EQ(field.GetSelectionEnd(), 3);
}

TEST_F(EditText, EnterCommitsTheEditedText)
{
    Make(field, 8, "old");
    BeginEditing(field);
    HWND edit = field.GetEditWindow();
    Type("new");
    PressKey(VK_RETURN);
    EXPECT_FALSE(field.IsEditing());
    EXPECT_EQ(field.GetEditWindow(), nullptr);
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(CHfcKey::GetInstance()->GetFocus(), nullptr);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:kill focus", "owner:commit new"}));
    EXPECT_EQ(std::string(field.GetDisplayText().data()), "old") << "the owner writes the text back";
    EXPECT_EQ(Cell(0), std::make_pair('f', int{'o'}));
}

TEST_F(EditText, EscapeCancelsWithTheValueAndTheDisplayText)
{
    Make(field, 8, "old");
    field.SetValue(17, false);
    BeginEditing(field);
    Type("new");
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(field.IsEditing());
    EXPECT_EQ(field.GetEditWindow(), nullptr);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:kill focus", "owner:cancel 0 17 old"}));
}

TEST_F(EditText, TheCaretShowsFor250MillisecondsAndHidesFor250)
{
    Make(field, 8, "ab");
    BeginEditing(field);
    Key(31);
    ASSERT_EQ(field.GetCursorColumn(), 2);
    // The window's timer drives the field with the time that passed.
    DWORD last = timeGetTime();
    const auto tick = [&](DWORD ms) {
        input::AdvanceClock(ms);
        const DWORD now = timeGetTime();
        field.OnTimer(static_cast<int>(now - last));
        last = now;
    };
    EXPECT_EQ(Cell(2), std::make_pair('f', 1)) << "the caret glyph";
    tick(240);
    EXPECT_FALSE(field.IsDirty());
    EXPECT_EQ(Cell(2), std::make_pair('f', 1));
    tick(10);
    EXPECT_TRUE(field.IsDirty()) << "hidden at 250";
    EXPECT_EQ(Cell(2), std::make_pair('f', 0));
    tick(249);
    EXPECT_FALSE(field.IsDirty());
    tick(1);
    EXPECT_TRUE(field.IsDirty()) << "shown again at 500";
    EXPECT_EQ(field.GetBlinkTime(), 0);
    EXPECT_EQ(Cell(2), std::make_pair('f', 1));
    tick(300);
    EXPECT_EQ(Cell(2), std::make_pair('f', 0));
    Key('c');
    EXPECT_EQ(field.GetBlinkTime(), 0) << "an edit shows it at once";
    EXPECT_EQ(Cell(3), std::make_pair('f', 1));
    SaveCrop(field.GetRect(), "edit_text_editing");
}

TEST_F(EditText, ClicksWhileEditingPlaceTheCaretOrSelectAll)
{
    Make(field, 8, "abcdef");
    BeginEditing(field);
    Press(field, 2 * kCell + 2, 3);  // nearer the boundary before c
    Release(field, 2 * kCell + 2, 3);
    EXPECT_EQ(Selection(), "2-2 at 2");
    EXPECT_FALSE(HoldsCapture(field));
    Later();
    Press(field, 2 * kCell + 3, 3);  // halfway: the next boundary
    Release(field, 2 * kCell + 3, 3);
    EXPECT_EQ(Selection(), "3-3 at 3");
    Later();
    Press(field, 7 * kCell, 3);  // past the text
    Release(field, 7 * kCell, 3);
    EXPECT_EQ(Selection(), "6-6 at 6");
    EXPECT_TRUE(DoubleClick(field, 3, 3));
    EXPECT_EQ(Selection(), "0-6 at 6");
    RightPress(field, 3, 3);
    EXPECT_TRUE(field.IsEditing());
    for (const std::string& event : Events())
        EXPECT_EQ(event.find("right down"), std::string::npos) << "ignored while editing";
}

TEST_F(EditText, EditingEndsWhenTheFocusGoesElsewhere)
{
    // The edit window is destroyed inside its own focus loss.
    Make(field, 8, "one");
    Make(other, 8, "two", 100);
    BeginEditing(field);
    HWND first = field.GetEditWindow();
    ASSERT_TRUE(DoubleClick(other, 2, 2));
    Pump();
    EXPECT_FALSE(field.IsEditing());
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(other.IsEditing());
    EXPECT_EQ(GetFocus(), other.GetEditWindow());
    EXPECT_EQ(CHfcKey::GetInstance()->GetFocus(), static_cast<CHfcKeyListener*>(&other));

    // The system focus moved straight to another window.
    HWND second = other.GetEditWindow();
    ::SetFocus(window->GetHandle());
    Pump();
    EXPECT_FALSE(other.IsEditing());
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(CHfcKey::GetInstance()->GetFocus(), nullptr);

    // A press at rest takes the keyboard manager's focus away as well.
    Later();
    BeginEditing(field);
    Later();
    Press(other, 2, 2);
    Release(other, 2, 2);
    EXPECT_FALSE(field.IsEditing());
    EXPECT_EQ(field.GetEditWindow(), nullptr);
    EXPECT_FALSE(other.IsEditing());
}

TEST_F(EditText, DestroyWhileEditingLeavesNothingBehind)
{
    Make(field, 8, "abc");
    BeginEditing(field);
    HWND edit = field.GetEditWindow();
    field.Destroy();
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(CHfcKey::GetInstance()->GetFocus(), nullptr);
    EXPECT_TRUE(field.GetDisplayText().empty());
    EXPECT_EQ(field.GetDescriptor().columns, 1);
    EXPECT_EQ(field.GetDescriptor().pixelsPerStep, 10);

    // Deleted while editing, the field takes its edit window along.
    auto deleted = std::make_unique<CHfcCtrlOldCharEditText>();
    Make(*deleted, 8, "abc");
    ASSERT_TRUE(DoubleClick(*deleted, 2, 2));
    edit = deleted->GetEditWindow();
    ASSERT_NE(edit, nullptr);
    deleted.reset();
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(CHfcKey::GetInstance()->GetFocus(), nullptr);
    input::TypeKey('A');
    Pump();
}

TEST_F(EditText, TheWindowDestroyedWhileEditingTakesTheEditWindowAlong)
{
    Make(field, 8, "abc");
    BeginEditing(field);
    HWND edit = field.GetEditWindow();
    window->Destroy();
    Pump();
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_FALSE(field.IsEditing());
    EXPECT_EQ(field.GetEditWindow(), nullptr);
}

TEST_F(EditText, TheEditTextNeverOutgrowsItsBuffer)
{
    // 1,500 columns: editing keeps at most 1,023 characters and the
    // terminator, whether it starts from the display or is set.
    const std::string longText(1500, 'q');
    Make(field, 1500, longText.c_str());
    EXPECT_EQ(std::strlen(field.GetDisplayText().data()), 1500u);
    BeginEditing(field);
    EXPECT_EQ(field.GetEditText().size(), 1023u);
    field.SetData(std::string(3000, 'r').c_str(), true);
    EXPECT_EQ(field.GetEditText(), std::string(1023, 'r'));
    EXPECT_EQ(Selection(), "0-1023 at 1023");
    Key(31);
    Key('s');
    EXPECT_EQ(field.GetEditText(), std::string(1023, 'r'));

    // A shorter text keeps the caret and selection inside it.
    field.SetData("ab", false);
    EXPECT_EQ(field.GetEditText(), "ab");
    EXPECT_EQ(Selection(), "2-2 at 2");
    Key('c');
    EXPECT_EQ(field.GetEditText(), "abc");
}

TEST_F(EditText, PicturesWithTheSkinFonts)
{
    // For anyone to look at: a field at rest, and editing with two
    // characters selected and the caret after them.
    CHfcBmp lcd;
    CHfcBmp lcdSelected;
    ASSERT_TRUE(lcd.LoadPngResource("LcdCharWhiteBack"));
    ASSERT_TRUE(lcdSelected.LoadPngResource("LcdCharWhiteSelected"));
    HfcEditTextDescriptor descriptor = Descriptor(12);
    descriptor.font = &lcd;
    descriptor.highlightFont = &lcdSelected;
    descriptor.fillColor = 0xFF203040;
    ASSERT_TRUE(field.Create(&descriptor, 1, 2));
    field.SetOwner(&editOwner);
    layer.AddControl(&field, false);
    field.Show(true);
    field.SetData("Init Program", true);
    Render(field);
    SaveCrop(field.GetRect(), "edit_text_lcd_at_rest");
    BeginEditing(field);
    Key(30);
    Key(29);
    Key(29, kHfcModifierShift);
    Key(29, kHfcModifierShift);
    Render(field);
    SaveCrop(field.GetRect(), "edit_text_lcd_editing");
    EXPECT_EQ(Selection(), "1-3 at 3");
    EXPECT_EQ(field.GetEditText(), "Init Program") << "a full line is edited whole";
}

TEST_F(EditText, AVerticalDragAtRestReportsValues)
{
    Make(field, 8, "10");
    field.SetValue(10, false);
    Press(field, 5, 5);
    EXPECT_TRUE(HoldsCapture(field));
    MoveTo(field, 5, -20);                     // 25 pixels up: two steps of 10
    MoveTo(field, 5, -24);                     // still two
    MoveTo(field, 5, -24, kHfcModifierShift);  // a step per pixel: 29
    MoveTo(field, 5, 500);                     // clamped at the minimum
    Release(field, 5, 500);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"owner:mouse down 5,5", "owner:edit begin", "owner:value 12 pressed",
                                        "owner:value 39 pressed", "owner:value 0 pressed", "owner:mouse up 5,500",
                                        "owner:value 0", "owner:edit end", "owner:capture released"}));
    EXPECT_FALSE(HoldsCapture(field));
    EXPECT_FALSE(field.IsEditing());

    // Ctrl asks the owner for a default first; a swallowed press does nothing.
    Events().clear();
    editOwner.hasDefault = true;
    editOwner.defaultValue = 7;
    Later();
    Press(field, 5, 5, kHfcModifierCtrl);
    MoveTo(field, 5, -200);  // 205 pixels up: 20 steps from the default
    Release(field, 5, -200);
    EXPECT_EQ(field.GetValue(), 7);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 5,5", "owner:query default", "owner:edit begin",
                                                  "owner:value 27 pressed", "owner:mouse up 5,-200", "owner:value 27",
                                                  "owner:edit end", "owner:capture released"}));
    Events().clear();
    editOwner.swallow = {"mouse down"};
    Later();
    Press(field, 5, 5);
    Release(field, 5, 5);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 5,5", "owner:mouse up 5,5"}));
    RightPress(field, 4, 4);
    EXPECT_EQ(Events().back(), "owner:right down 4,4");
}

}  // namespace
}  // namespace ui_test
