#pragma once
// Framework windows on the headless display: a window, a layer and a
// control that write what reaches them into one event log, and a fixture
// that holds the mouse and keyboard managers and leaves focus, capture and
// queue as it found them.
#include "framework/ui/HfcLayerControl.h"
#include "framework/ui/HfcWindow.h"
#include "framework/ui/HfcWindowLayer.h"
#include "support/RectCompare.h"

#include <platform/testing.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ui_test {

// Every recorded event, oldest first, as "who:what x,y".
std::vector<std::string>& Events();
std::string Describe(const std::string& who, const char* what, int x, int y);
const char* EventName(EHfcMouseEvent event);

class CTestWindow : public CHfcWindow
{
public:
    bool CanClose() override { return canClose; }
    bool InvalidateRect(const RECT* rect) override
    {
        invalidated.push_back(rect != nullptr ? *rect : RECT{-1, -1, -1, -1});
        return CHfcWindow::InvalidateRect(rect);
    }
    void OnSizing(int* width, int* height) override;
    void OnMoving(int* x, int* y) override;
    void OnMoved(int x, int y) override { Events().push_back(Describe("window", "moved", x, y)); }
    void OnActivate() override { Events().push_back("window:activate"); }
    void OnDeactivate() override { Events().push_back("window:deactivate"); }
    bool OnTimer() override
    {
        Events().push_back("window:timer");
        return true;
    }
    bool OnHfcDragEnter(CHfcOleToken*, CHfcDragData*, int x, int y, int, int*) override
    {
        Events().push_back(Describe("window", "drag enter", x, y));
        return false;
    }
    int OnEnumChild(CHfcWindow* child) override
    {
        enumerated.push_back(child);
        return 1;
    }

    bool canClose = true;
    // Client sizes that OnSizing and OnMoving hand back, when set.
    int sizingWidth = 0;
    int sizingHeight = 0;
    int movingX = -1;
    int movingY = -1;
    std::vector<CHfcWindow*> enumerated;
    // Every rectangle invalidated, oldest first; (-1, -1, -1, -1) for all.
    std::vector<RECT> invalidated;
};

class CRecordingLayer : public CHfcWindowLayer
{
public:
    explicit CRecordingLayer(std::string name) : name(std::move(name)) {}

    bool OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int) override { return Own("LButtonDown", x, y); }
    bool OnHfcMouseLButtonDblClk(CHfcMouse*, int x, int y, int) override { return Own("LButtonDblClk", x, y); }
    bool OnHfcMouseLButtonUp(CHfcMouse*, int x, int y, int) override { return Own("LButtonUp", x, y); }
    bool OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int) override { return Own("RButtonDown", x, y); }
    bool OnHfcMouseRButtonUp(CHfcMouse*, int x, int y, int) override { return Own("RButtonUp", x, y); }
    bool OnHfcMouseMButtonDown(CHfcMouse*, int x, int y, int) override { return Own("MButtonDown", x, y); }
    bool OnHfcMouseMove(CHfcMouse*, int x, int y, int) override { return Own("Move", x, y); }
    bool OnHfcMouseWheel(CHfcMouse*, int x, int y, int, int delta, int) override
    {
        return Own(("Wheel " + std::to_string(delta)).c_str(), x, y);
    }
    bool OnHfcMouseCaptureReleased(CHfcMouse*) override
    {
        Events().push_back(name + ":capture released");
        return false;
    }
    bool OnHfcDragEnter(CHfcOleToken*, CHfcDragData*, int x, int y, int, int*) override
    {
        return Own("drag enter", x, y);
    }
    bool OnHfcDragOver(CHfcOleToken*, CHfcDragData*, int x, int y, int, int*) override
    {
        return Own("drag over", x, y);
    }
    bool OnHfcDragLeave(CHfcOleToken*) override
    {
        Events().push_back(name + ":drag leave");
        return false;
    }
    bool OnHfcDrop(CHfcOleToken*, CHfcDragData*, int x, int y, int, int*) override { return Own("drop", x, y); }
    bool OnDestroy() override
    {
        Events().push_back(name + ":destroy");
        return allowDestroy;
    }
    void OnResizing(int* width, int* height) override
    {
        Events().push_back(Describe(name, "resizing", *width, *height));
    }
    void OnDetach(CHfcWindow* window) override
    {
        Events().push_back(name + ":detach");
        CHfcWindowLayer::OnDetach(window);
    }

    std::string name;
    bool answer = false;
    bool allowDestroy = true;

private:
    bool Own(const char* what, int x, int y)
    {
        Events().push_back(Describe(name, what, x, y));
        return answer;
    }
};

// A control as the layer sees one.
class CRecordingControl : public CHfcLayerControl
{
public:
    CRecordingControl(std::string name, RECT rect) : name(std::move(name))
    {
        m_rcControl = rect;
        m_bVisible = true;
        m_bEnabled = true;
    }

    void SetVisible(bool visible) { m_bVisible = visible; }
    void SetEnabled(bool enabled) { m_bEnabled = enabled; }

    bool OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int) override { return Own("LButtonDown", x, y); }
    bool OnHfcMouseLButtonUp(CHfcMouse*, int x, int y, int) override { return Own("LButtonUp", x, y); }
    bool OnHfcMouseMButtonDown(CHfcMouse*, int x, int y, int) override { return Own("MButtonDown", x, y); }
    bool OnHfcMouseMove(CHfcMouse*, int x, int y, int) override { return Own("Move", x, y); }
    bool OnHfcMouseWheel(CHfcMouse*, int x, int y, int, int, int) override { return Own("Wheel", x, y); }
    bool OnHfcMouseCaptureReleased(CHfcMouse*) override
    {
        Events().push_back(name + ":capture released");
        return false;
    }
    bool OnHfcDragEnter(CHfcOleToken*, CHfcDragData*, int x, int y, int, int* effect) override
    {
        *effect = 2;
        return Own("drag enter", x, y);
    }
    bool OnHfcDragOver(CHfcOleToken*, CHfcDragData*, int x, int y, int, int*) override
    {
        return Own("drag over", x, y);
    }
    bool OnHfcDragLeave(CHfcOleToken*) override
    {
        Events().push_back(name + ":drag leave");
        return false;
    }
    bool OnHfcDrop(CHfcOleToken*, CHfcDragData*, int x, int y, int, int*) override { return Own("drop", x, y); }
    void OnHfcKeyFocusKilled(CHfcKeyFocus*) override { Events().push_back(name + ":focus killed"); }
    void OnHfcKeyFocusSet(CHfcKeyFocus*) override { Events().push_back(name + ":focus set"); }

    void SetDirty(bool dirty) override { Events().push_back(name + (dirty ? ":dirty" : ":clean")); }
    void Redraw(bool force, bool now) override
    {
        Events().push_back(name + ":redraw" + (force ? " forced" : "") + (now ? " now" : ""));
    }
    void ReleaseKeyFocus() override
    {
        Events().push_back(name + ":release focus");
        if (GetLayer() != nullptr)
            GetLayer()->ReleaseKeyFocus(this);
    }
    void DetachLayer(CHfcWindowLayer*) override { Events().push_back(name + ":detach"); }

    std::string name;
    bool answer = false;

private:
    bool Own(const char* what, int x, int y)
    {
        Events().push_back(Describe(name, what, x, y));
        return answer;
    }
};

class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // A visible top-level window whose client area is width x height at
    // the screen point (x, y), with the root layer shown.
    CTestWindow& MakeWindow(int x, int y, int width, int height);
    static void Pump() { platform::testing::PumpMessages(); }
    // Where a client point of the window is on the screen.
    static POINT OnScreen(CHfcWindow& window, int x, int y);

private:
    std::vector<std::unique_ptr<CTestWindow>> windows_;
};

}  // namespace ui_test
