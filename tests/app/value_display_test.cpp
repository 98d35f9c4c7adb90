// The value display: a box beside each pressed control that asks for one,
// placed by the binding's code, redrawn only when its text changed or it
// was marked, erased once the control is released; drawn under its two
// semaphores in their order.
#include "editor_base_fixture.h"

#include "app/WindowEvents.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <gmock/gmock.h>

#include <atomic>
#include <thread>

namespace editor_test {
namespace {

using ::testing::ElementsAre;

constexpr RECT kKnobRect{100, 50, 140, 90};
constexpr ParameterAddress kKnobAddress{2, 22, 0};

// Another window's broadcasts.
struct Sender : CWindowManagerListener
{
    void OnWindowManagerMessage(CWindowManager*, int, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR,
                                CWindowManagerListener*) override
    {}
};

class ValueDisplayTest : public EditorBaseTest
{
protected:
    void SetUp() override
    {
        EditorBaseTest::SetUp();
        SetUpLibrary();
        edit = MakeEditWindow("edit", 0);
        layer = edit->BindMainLayer(0, 0, 300, 200);
        knob = std::make_unique<CTestControl>(*layer, kKnobRect, ParameterReference{kKnobAddress, 1, 0});
        quiet = std::make_unique<CTestControl>(*layer, RECT{200, 50, 240, 90}, ParameterReference{{2, 23, 0}, 0, 0});
        CQ3917ProgramAccessor::PeekInstance()->SetValue(&(*bank)[0], kKnobAddress, 64);
        display = edit->AddValueDisplay(0);
        ASSERT_NE(display, nullptr);
        ASSERT_TRUE(shell->windowManager.AddListener(&other));
    }
    void TearDown() override
    {
        shell->windowManager.RemoveListener(&other);
        EditorBaseTest::TearDown();
    }

    void Press(CHfcControl& control) { CHfcMouse::GetInstance()->SetCapture(&control, nullptr); }
    void Release() { CHfcMouse::GetInstance()->ReleaseCapture(); }
    // A broadcast from another window, delivered.
    void Post(int event, LONG_PTR p1, LONG_PTR p3 = 0, LONG_PTR p4 = 0)
    {
        shell->windowManager.PostMessageToAll(event, p1, -1, p3, p4, &other);
        Pump();
    }
    // Paints one green pixel into the display's bitmap.
    void Mark(int x, int y)
    {
        display->GetContext()->SetFillColor(0xFF00FF00);
        display->GetContext()->FillRectangle(x, y, 1, 1);
    }
    const ValueDisplayRecord& Record(int i) { return display->GetRecords().at(static_cast<std::size_t>(i)); }
    RECT ExpectedBox(int characters) { return CValueDisplayLayer::PlaceBox(kKnobRect, 6 * characters + 3, 0); }

    std::unique_ptr<CRecordingWindow> edit;
    CRecordingLayer* layer = nullptr;
    std::unique_ptr<CTestControl> knob;
    std::unique_ptr<CTestControl> quiet;
    CValueDisplayLayer* display = nullptr;
    Sender other;
};

TEST(ValueDisplayBox, IsSixPixelsPerCharacterPlusThreeByElevenPlacedByTheBindingsCode)
{
    EXPECT_EQ(CValueDisplayLayer::BoxWidth(5), 33);
    struct Case
    {
        int code;
        POINT at;
    };
    // Control (100, 50)-(140, 90), box 33 wide.
    const Case cases[] = {
        {1, {67, 50}},                   // left of the control
        {3, {100, 39}},                  // above, left-aligned
        {4, {103, 90}},                  // below, centred
        {5, {103, 90}}, {6, {100, 90}},  // below, left-aligned
        {7, {103, 84}},                  // centred on the bottom edge
        {0, {140, 79}},                  // right of the control, bottom-aligned
        {2, {140, 79}}, {9, {140, 79}},
    };
    for (const Case& c : cases) {
        const RECT box = CValueDisplayLayer::PlaceBox(kKnobRect, 33, c.code);
        EXPECT_EQ(box.left, c.at.x) << "code " << c.code;
        EXPECT_EQ(box.top, c.at.y) << "code " << c.code;
        EXPECT_EQ(box.right - box.left, 33);
        EXPECT_EQ(box.bottom - box.top, 11);
    }
    // Whole-number division: a 34-wide box over a 40-wide control sits 3 in.
    EXPECT_EQ(CValueDisplayLayer::PlaceBox(kKnobRect, 34, 4).left, 103);
}

TEST_F(ValueDisplayTest, AttachKeepsOneDirtyEmptyRecordPerControlOverTheEditLayersRectangle)
{
    ASSERT_EQ(display->GetRecords().size(), 2u);
    EXPECT_EQ(display->GetRect(), layer->GetRect());
    EXPECT_EQ(display->GetEditLayer(), layer);
    EXPECT_EQ(display->GetDataKind(), 5);
    EXPECT_TRUE(display->IsLayerCreated());
    EXPECT_EQ(display->GetProgramRecord(), &(*bank)[0]);
    CValueDisplayLayer none;
    EXPECT_FALSE(none.Attach(nullptr, edit.get()));
}

TEST_F(ValueDisplayTest, OnlyAPressedControlThatAsksForItGetsABoxAndItGoesAfterTheRelease)
{
    display->Redraw();
    EXPECT_EQ(Record(0).box, (RECT{})) << "nothing pressed, nothing shown";
    EXPECT_FALSE(Record(0).dirty);

    Press(*quiet);
    display->Redraw();
    EXPECT_EQ(Record(1).box, (RECT{})) << "its binding asks for no value";

    Press(*knob);
    display->Redraw();
    char text[257] = {};
    CQ3917ProgramAccessor::PeekInstance()->GetValueText(&(*bank)[0], kKnobAddress, text, sizeof text);
    EXPECT_STREQ(Record(0).text, text);
    const RECT box = ExpectedBox(static_cast<int>(std::strlen(text)));
    EXPECT_EQ(Record(0).box, box);
    EXPECT_EQ(Pixel(*display, box.left + 1, box.top + 1) >> 24, 0xCCu) << "filled at alpha 0xCC";
    EXPECT_EQ(Pixel(*display, box.left + 1, box.top + 1) & 0xFFFF00, 0u) << "dark blue";
    EXPECT_NEAR(Pixel(*display, box.left + 1, box.top + 1) & 0xFF, 0x66, 1);
    EXPECT_EQ(Pixel(*display, box.right + 1, box.top + 1), 0u) << "nothing outside the box";

    // An unchanged text is not drawn again.
    Mark(box.left + 1, box.top + 1);
    display->Redraw();
    EXPECT_EQ(Pixel(*display, box.left + 1, box.top + 1), 0xFF00FF00u);

    // A changed value is.
    CQ3917ProgramAccessor::PeekInstance()->SetValue(&(*bank)[0], kKnobAddress, 100);
    Post(kEventProgramDataChanged, 0, 5);
    EXPECT_STRNE(Record(0).text, text);
    EXPECT_EQ(Pixel(*display, box.left + 1, box.top + 1) >> 24, 0xCCu);

    // Released and marked, the next pass erases it.
    Release();
    Post(kEventValueDisplay, 0);
    Post(kEventProgramDataChanged, 0, 5);
    EXPECT_EQ(Pixel(*display, box.left + 1, box.top + 1), 0u);
    EXPECT_EQ(Record(0).box, (RECT{}));
}

TEST_F(ValueDisplayTest, EventThirteenWithMinusOneMarksEveryRecordAndTheNextPassRedrawsAnUnchangedBox)
{
    Press(*knob);
    display->Redraw();
    const RECT box = Record(0).box;
    Mark(box.left + 1, box.top + 1);

    // Its own posts do not reach it.
    display->PostMessageToAll(kEventValueDisplay, -1, 0, 0, 0);
    Pump();
    EXPECT_FALSE(Record(0).dirty);

    Post(kEventValueDisplay, 1);
    Post(kEventValueDisplay, 7);  // no such control
    EXPECT_FALSE(Record(0).dirty) << "another control's mark";

    // Event 7 of another program or library redraws nothing.
    Post(kEventValueDisplay, -1);
    EXPECT_TRUE(Record(0).dirty);
    Post(kEventProgramDataChanged, 1, 5);
    Post(kEventProgramDataChanged, 0, 6);
    EXPECT_EQ(Pixel(*display, box.left + 1, box.top + 1), 0xFF00FF00u);
    Post(kEventDataModified, 0, 5);
    EXPECT_EQ(Pixel(*display, box.left + 1, box.top + 1) >> 24, 0xCCu) << "drawn again with the same text";
}

TEST_F(ValueDisplayTest, AProgramSwitchOfItsLibraryMovesItToTheNewProgram)
{
    CQ3917ProgramAccessor::PeekInstance()->SetValue(&(*bank)[7], kKnobAddress, 3);
    Press(*knob);
    Post(kEventProgramSwitch, 6, 0, 7);  // another library
    EXPECT_EQ(display->GetProgramIndex(), 0);
    Post(kEventProgramSwitch, 5, 0, 7);
    EXPECT_EQ(display->GetProgramIndex(), 7);
    EXPECT_EQ(display->GetProgramRecord(), &(*bank)[7]);
    char text[257] = {};
    CQ3917ProgramAccessor::PeekInstance()->GetValueText(&(*bank)[7], kKnobAddress, text, sizeof text);
    EXPECT_STREQ(Record(0).text, text);
}

TEST_F(ValueDisplayTest, DrawingTakesTheValueLayerSemaphoreThenTheDrawingOneAndGivesBothBack)
{
    shell->semaphoreOrder.clear();
    display->Redraw();
    EXPECT_THAT(shell->semaphoreOrder, ElementsAre("ValueLayerSemaphore", "Semaphore"));
    for (CEfSemaphore* semaphore : {&shell->drawing, &shell->valueLayer}) {
        EXPECT_EQ(semaphore->WaitWithTimeout(0), CHfcSemaphore::kObtained);
        semaphore->Release();
    }

    // While another thread draws, the display waits for it.
    ASSERT_TRUE(shell->drawing.Wait());
    std::atomic<bool> released{false};
    std::thread holder([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        released = true;
        shell->drawing.Release();
    });
    Press(*knob);
    display->Redraw();
    EXPECT_TRUE(released) << "drawn only after the other drawing ended";
    holder.join();
    EXPECT_NE(Record(0).box, (RECT{}));
}

TEST_F(ValueDisplayTest, ADisplayWhoseLayerCouldNotBeMadeIsClosedWithoutWaiting)
{
    // An edit layer too large for a bitmap of its size.
    struct CHugeLayer : CBaseLayer
    {
        CHugeLayer() { m_rcLayer = {0, 0, 20000, 20000}; }
    } huge;
    CValueDisplayLayer failed;
    EXPECT_FALSE(failed.Attach(&huge, edit.get()));
    EXPECT_FALSE(failed.Close(false)) << "nothing to close, and no wait for a creation that is not running";

    // A closed display hears no more broadcasts.
    Press(*knob);
    EXPECT_TRUE(display->Close(false));
    Post(kEventValueDisplay, -1);
    Post(kEventProgramDataChanged, 0, 5);
    EXPECT_TRUE(display->GetRecords().empty());
}

TEST_F(ValueDisplayTest, TheBoxRendersAsAnOutlinedDarkBlueFieldWithItsLcdText)
{
    CQ3917ProgramAccessor::PeekInstance()->SetValue(&(*bank)[0], kKnobAddress, 127);
    Press(*knob);
    display->Redraw();
    const RECT box = Record(0).box;
    ASSERT_NE(box, (RECT{}));
    SaveCrop(*display, {box.left - 4, box.top - 4, box.right + 4, box.bottom + 4}, "value_display_box");
    // The outline is white, the text light on the fill, nothing spills out.
    EXPECT_EQ(Pixel(*display, box.left, box.top + 5) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(Pixel(*display, box.right - 1, box.top + 5) & 0xFFFFFF, 0xFFFFFFu);
    int lit = 0;
    for (int y = box.top + 2; y < box.top + 11; ++y)
        for (int x = box.left + 2; x < box.right - 1; ++x)
            lit += (Pixel(*display, x, y) & 0xFF) > 0xC0;
    EXPECT_GT(lit, 6) << "the value's glyphs";
    EXPECT_EQ(Pixel(*display, box.left - 1, box.top - 1), 0u);
    EXPECT_EQ(Pixel(*display, box.right, box.bottom), 0u);
}

}  // namespace
}  // namespace editor_test
