#pragma once
// Controls on a layer of a headless window: an owner that writes every
// report into the shared event log and answers as told, scripted mouse
// events in the control's own coordinates, and PNG crops of the layer's
// pixels saved into the build folder for anyone to look at.
#include "window_fixture.h"

#include "framework/ui/HfcControl.h"
#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcMouse.h"

#include <memory>
#include <set>
#include <string>

class CHfcBmp;

namespace ui_test {

class CRecordingOwner : public CHfcControlListener
{
public:
    void OnControlValueChanged(CHfcControl*, int value) override;
    void OnControlEvent(CHfcControl*, std::intptr_t word) override;
    bool OnControlQueryDefaultValue(CHfcControl*, int* value) override;
    void OnControlEditBegin(CHfcControl*) override { Log("edit begin"); }
    void OnControlEditEnd(CHfcControl*) override { Log("edit end"); }
    bool OnControlMouseDown(CHfcControl*, int x, int y, int) override { return Answer("mouse down", x, y); }
    bool OnControlDoubleClick(CHfcControl*, int x, int y, int) override { return Answer("double click", x, y); }
    bool OnControlMouseUp(CHfcControl*, int x, int y, int) override { return Answer("mouse up", x, y); }
    bool OnControlDelayElapsed(CHfcControl*, int, int, int) override { return Answer("delay elapsed"); }
    bool OnControlRightButtonDown(CHfcControl*, int x, int y, int) override { return Answer("right down", x, y); }
    bool OnControlMouseMove(CHfcControl*, int x, int y, int) override
    {
        return logMoves ? Answer("mouse move", x, y) : swallow.count("mouse move") != 0;
    }
    bool OnControlCaptureReleased(CHfcControl*) override { return Answer("capture released"); }
    bool OnControlDragEnter(CHfcControl*, CHfcDragData*, int x, int y, int, int* effect) override;
    bool OnControlDragOver(CHfcControl*, CHfcDragData*, int x, int y, int, int* effect) override;
    bool OnControlDragLeave(CHfcControl*) override { return Answer("drag leave"); }
    bool OnControlDrop(CHfcControl*, CHfcDragData*, int x, int y, int, int* effect) override;
    void OnControlGetFocus(CHfcControl*) override { Log("get focus"); }
    void OnControlKillFocus(CHfcControl*) override { Log("kill focus"); }
    bool OnControlKeyDown(CHfcControl*, int key, int, int) override { return Answer("key down", key); }
    bool OnControlKeyRepeat(CHfcControl*, int key, int, int) override { return Answer("key repeat", key); }
    bool OnControlKeyUp(CHfcControl*, int key, int, int) override { return Answer("key up", key); }
    bool OnControlChar(CHfcControl*, int character) override { return Answer("char", character); }

    // The reports the owner swallows, by the name they are logged under.
    std::set<std::string> swallow;
    // Moves are many; they are logged only when asked.
    bool logMoves = false;
    // The default value handed out; none when unset.
    bool hasDefault = false;
    int defaultValue = 0;
    // What the drag operations write into the effect; -1 leaves it.
    int dragEffect = -1;

private:
    void Log(const std::string& what) { Events().push_back("owner:" + what); }
    bool Answer(const std::string& what);
    bool Answer(const std::string& what, int a);
    bool Answer(const std::string& what, int x, int y);
    bool Drag(const std::string& what, int x, int y, int* effect);
};

// A shown layer of 200 x 150 at (10, 20) of a window, a recording owner,
// and the mouse manager.
class ControlTest : public WindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Creates nothing: adds and shows a created control with the owner.
    void Place(CHfcControl& control);
    // Mouse input at points of the control, with the modifier keys held,
    // through the window as a user would give it; the double click goes
    // straight to the control, raw.
    void Press(CHfcControl& control, int x, int y, int modifiers = 0);
    bool DoubleClick(CHfcControl& control, int x, int y, int modifiers = 0);
    void Release(CHfcControl& control, int x, int y, int modifiers = 0);
    void MoveTo(CHfcControl& control, int x, int y, int modifiers = 0);
    void RightPress(CHfcControl& control, int x, int y, int modifiers = 0);
    // One turn of the wheel over a point of the control, 120 per notch.
    void Wheel(CHfcControl& control, int x, int y, int delta, int modifiers = 0);
    bool HoldsCapture(CHfcControl& control) const;
    // Draws the control into the layer's bitmap at once.
    void Render(CHfcControl& control);
    // The layer pixel, 0xAARRGGBB.
    std::uint32_t Pixel(int x, int y) const;
    // Saves the layer's pixels in the rectangle, scaled up four times, as
    // control_crops/<name>.png in the working folder.
    void SaveCrop(const RECT& rect, const std::string& name) const;
    // Compares the layer's pixels in the rectangle with the committed
    // picture <tests>/<folder>/<name>.png (see ReferencePng.h).
    ::testing::AssertionResult MatchesReference(const RECT& rect, const std::string& folder,
                                                const std::string& name) const;

    // Every press comes a second after the last, never as a double click.
    platform::testing::ScopedFakeClock clock{1000};
    CTestWindow* window = nullptr;
    CHfcWindowLayer layer;
    CRecordingOwner owner;
    CHfcMouse* mouse = nullptr;

private:
    bool Deliver(EHfcMouseEvent event, CHfcControl& control, int x, int y, int modifiers);
};

// A strip bitmap of frames stacked downwards, frame f filled with
// 0xFF000000 | (f + 1) so that a pixel tells which frame was drawn.
void FillNumberedStrip(CHfcBmp& bitmap, int width, int frameHeight, int frames);
// Which frame of FillNumberedStrip a pixel shows; -1 for another colour.
int FrameOf(std::uint32_t pixel);
// A copy of a part of a bitmap, such as the piece of a window's background
// under a control.
std::unique_ptr<CHfcBmp> Slice(CHfcBmp& source, const RECT& part);
// A bitmap font of 128 solid cells of 6 x 9 in one colour, so that a label
// shows as one block from its first character to its last.
void FillSolidFont(CHfcBmp& font, std::uint32_t color);

}  // namespace ui_test
