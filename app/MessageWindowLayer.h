#pragma once
// The message line of an edit window: a small box of two LCD lines, the
// name and the value of the parameter under the pointer, placed beside the
// control it describes. It stays while the pointer is on controls and
// fades out once the pointer leaves them. It covers the whole client area
// and lets every mouse and drop event through to the layers below.
#include "app/WindowManager.h"
#include "framework/ui/HfcWindowLayer.h"

#include <platform/gdiplus.h>

class CHfcBmp;
class CHfcLayerControl;

// Set-up of a message line; zero fields take the defaults.
struct MessageLayerSetup
{
    int x = 0;  // fixed place, layer coordinates
    int y = 0;
    int width = 0;   // 170
    int height = 0;  // 30
    bool followControl = false;
    bool autoWidth = false;
    int durationMs = 0;  // the fade, 200
    CHfcLayerControl* sourceControl = nullptr;
};

class CMessageWindowLayer : public CHfcWindowLayer, public CWindowManagerListener
{
public:
    static constexpr int kDefaultWidth = 170;
    static constexpr int kDefaultHeight = 30;
    static constexpr int kDefaultDurationMs = 200;
    static constexpr int kTickMs = 60;
    static constexpr int kTextLength = 33;

    // Registers for broadcasts.
    CMessageWindowLayer();
    ~CMessageWindowLayer() override;

    // Takes the set-up and makes the layer over the whole client area.
    bool Setup(const MessageLayerSetup& setup, CHfcWindow* window, int clientWidth, int clientHeight);
    // Each text cut to 33 characters; the box shows them once woken.
    void PostText(const char* text1, const char* text2);
    void Wake();
    void ClearWoken() { m_woken = false; }
    void SetSourceControl(CHfcLayerControl* control) { m_sourceControl = control; }
    void SetDuration(int milliseconds) { m_durationMs = milliseconds != 0 ? milliseconds : kDefaultDurationMs; }
    void SetFollowControl(bool follow) { m_followControl = follow; }
    void SetAutoWidth(bool autoWidth) { m_autoWidth = autoWidth; }
    void SetBox(int x, int y, int width, int height);
    // Every 60 ms: a box left alone fades, then goes.
    void OnFadeTick();

    bool OnDestroy() override;
    // Its own event 29, while woken: the box at full strength.
    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override;

    bool IsWoken() const { return m_woken; }
    bool IsDrawn() const { return m_drawn; }
    int GetRemainingMs() const { return m_remainingMs; }
    int GetDurationMs() const { return m_durationMs; }
    const char* GetText1() const { return m_text1; }
    const char* GetText2() const { return m_text2; }
    // The box last drawn, empty when none.
    const RECT& GetLastBox() const { return m_lastBox; }
    // The fill and outline colours of a box drawn at an opacity of 0 to 255.
    static ARGB FillColor(int opacity);
    static ARGB OutlineColor(int opacity);

private:
    void Broadcast();
    void DrawBox(int opacity);
    // Where a box of that width goes.
    POINT PlaceBox(int width, int height) const;
    void UpdateBox(const RECT& box);

    int m_X = 0;
    int m_Y = 0;
    int m_iWidth = kDefaultWidth;
    int m_iHeight = kDefaultHeight;
    bool m_followControl = false;
    bool m_autoWidth = false;
    int m_durationMs = kDefaultDurationMs;
    CHfcBmp* m_font = nullptr;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    bool m_woken = false;
    bool m_drawn = false;
    int m_remainingMs = 0;
    char m_text1[kTextLength + 1] = {};
    char m_text2[kTextLength + 1] = {};
    RECT m_lastBox{};
    CHfcLayerControl* m_sourceControl = nullptr;
    bool m_registered = false;
};
