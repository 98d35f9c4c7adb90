#pragma once
// The base of every bitmap control on a window layer: its rectangle, value
// ranges and state flags, its owner (who hears every report, see
// HfcControlListener.h) and its layer. It turns raw mouse events into
// control coordinates, paints the key-focus frame, draws itself into the
// layer's bitmap only when dirty, and hands every key and focus event to
// its owner first. Each control class adds a Create taking its descriptor,
// a fixed run of words, with the control id and the event code.
// Its members are defined by concern in:
//   HfcControl.cpp       geometry, values, drawing, capture and reports to the owner
//   HfcControlFocus.cpp  key focus, raw mouse events and screen coordinates
#include "framework/ui/HfcLayerControl.h"

#include <platform/gdiplus.h>
#include <platform/types.h>

#include <cstdint>

class CHfcBmp;
class CHfcControlListener;
class CHfcDrawContext;
class CHfcKeyFocus;

// One word of a control descriptor; wide enough for the bitmaps that some
// words hold.
using HfcWord = std::intptr_t;

inline HfcWord HfcBitmapWord(CHfcBmp* bitmap)
{
    return reinterpret_cast<HfcWord>(bitmap);
}

inline CHfcBmp* HfcWordBitmap(HfcWord word)
{
    return reinterpret_cast<CHfcBmp*>(word);
}

class CHfcControl : public CHfcLayerControl
{
public:
    // The hold counter reports once when it reaches this.
    static constexpr int kHoldDelayMs = 500;
    static constexpr ARGB kDefaultFocusFrameColor = 0xFFBDFF00;

    CHfcControl() = default;
    // Destroys the control when it is still created or on a layer.
    ~CHfcControl() override;
    CHfcControl(const CHfcControl&) = delete;
    CHfcControl& operator=(const CHfcControl&) = delete;

    // Screen coordinates, turned into the control's own. The button events
    // reach only an enabled control; moves always do, so a disabled control
    // that holds the capture still sees them.
    bool OnHfcMouseRawLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawMove(CHfcMouse* mouse, int x, int y, int modifiers) override;

    // The window's key focus: the owner hears of it and is asked about each
    // key before the control's own operation.
    void OnHfcKeyFocusSet(CHfcKeyFocus* focus) override;
    void OnHfcKeyFocusKilled(CHfcKeyFocus* focus) override;
    bool OnHfcKeyFocusKeyDown(CHfcKeyFocus* focus, int key, int reserved, int modifiers) override;
    bool OnHfcKeyFocusKeyRepeat(CHfcKeyFocus* focus, int key, int reserved, int modifiers) override;
    bool OnHfcKeyFocusKeyUp(CHfcKeyFocus* focus, int key, int reserved, int modifiers) override;
    bool OnHfcKeyFocusChar(CHfcKeyFocus* focus, int character) override;
    bool HitTest(CHfcKeyFocus* focus, int x, int y) override;

    // Puts the descriptor words back to the class's defaults.
    virtual void ResetParameters();
    // Gives up key focus and capture, leaves the layer and becomes
    // uncreated. Control classes reset their descriptors as well.
    virtual void Destroy();
    // False when not created, or (with the rectangle still moved) when on
    // no layer.
    virtual bool Move(int x, int y, bool redraw);
    virtual bool Resize(int width, int height, bool redraw);
    // Paints the control into the context; the base clears its rectangle.
    virtual void Draw(CHfcDrawContext* context);
    // Corner marks inside the rectangle without a margin; with one, rings
    // outside it that fade toward the control.
    virtual void DrawFocusFrame(CHfcDrawContext* context);
    // Paints what lies under a hidden control; nothing in the base.
    virtual void DrawBackground(CHfcDrawContext* context);
    // Draws a dirty (or, forced, any) visible control into the layer's
    // bitmap, or erases a freshly hidden one once, then updates that area
    // of the window at once or later.
    void Redraw(bool force, bool now) override;
    void SetDirty(bool dirty) override;
    virtual bool IsDirty() const;
    virtual void Idle(int milliseconds);
    // One timer step; the base redraws when dirty.
    virtual void OnTimer(int milliseconds);
    virtual void SetBackBitmap(CHfcBmp* bitmap, bool redraw);
    virtual void Show(bool redraw);
    virtual void Hide(bool redraw);

    virtual float GetFloatValue() const;
    virtual void SetFloatValue(float value, bool redraw);
    virtual float GetFloatMinimum() const;
    virtual void SetFloatMinimum(float value);
    virtual float GetFloatMaximum() const;
    virtual void SetFloatMaximum(float value);
    // Plain stores in the base; control classes clamp.
    virtual int GetValue() const;
    virtual void SetValue(int value, bool redraw);
    virtual int GetMinimum() const;
    virtual void SetMinimum(int value, bool redraw);
    virtual int GetMaximum() const;
    virtual void SetMaximum(int value, bool redraw);
    // Text or records, as the control kind defines; nothing in the base.
    virtual void SetData(const void* data, bool redraw);
    virtual HfcWord GetAttribute(int index);
    virtual void SetAttribute(int index, int value, HfcWord word);
    // Forgets the layer.
    void DetachLayer(CHfcWindowLayer* layer) override;

    // After the key focus arrives or leaves.
    virtual void OnGetFocus();
    virtual void OnKillFocus();
    // Keys the owner did not take.
    virtual bool OnKeyDown(int key, int reserved, int modifiers);
    virtual bool OnKeyRepeat(int key, int reserved, int modifiers);
    virtual bool OnKeyUp(int key, int reserved, int modifiers);
    virtual bool OnChar(int character);

    // Gives up the window's key focus when this control holds it.
    void ReleaseKeyFocus() override;
    void ReleaseKeyFocusFrom(CHfcKeyFocusListener* listener);
    // Takes the window's key focus for one of the control's items; -1
    // gives it up.
    void SetFocus(int item);
    bool HasFocus();
    bool ScreenToControl(POINT& point);
    bool ControlToScreen(POINT& point);
    // Shows the control's cursor, when it has one.
    void ApplyCursor();
    // Counts the held time; the owner hears once when it reaches 500 ms.
    void AdvanceHoldTimer(int milliseconds);
    void ResetHoldTimer() { m_iHoldCounter = 0; }
    // 1.0 for quick drag steps; after a pause of more than 100 ms,
    // 50 / min(pause, 1600), so that slow drags move in finer steps.
    float GetDragSpeedFactor();

    bool IsCreated() const { return m_bCreated; }
    void SetEnabled(bool enabled) { m_bEnabled = enabled; }
    std::uint32_t GetId() const { return m_uId; }
    std::uint32_t GetEventCode() const { return m_uEventCode; }
    CHfcControlListener* GetOwner() const { return m_pOwner; }
    void SetOwner(CHfcControlListener* owner) { m_pOwner = owner; }
    const RECT& GetHitRect() const { return m_rcHit; }
    int GetMargin() const { return m_iMargin; }
    // The hit rectangle follows.
    void SetMargin(int margin);
    void SetOpenBottom(bool openBottom) { m_bOpenBottom = openBottom; }
    ARGB GetFocusFrameColor() const { return m_focusFrameColor; }
    // 0 draws no frame.
    void SetFocusFrameColor(ARGB color) { m_focusFrameColor = color; }
    ARGB GetFillColor() const { return m_fillColor; }
    // 0 fills nothing.
    void SetFillColor(ARGB color) { m_fillColor = color; }
    int GetCursorId() const { return m_iCursorId; }
    // A row of the mouse manager's cursor table; negative for none.
    void SetCursorId(int cursorId) { m_iCursorId = cursorId; }
    int GetFocusedItem() const { return m_iFocusedItem; }
    float GetDisabledOpacity() const { return m_fDisabledOpacity; }
    void SetDisabledOpacity(float opacity) { m_fDisabledOpacity = opacity; }

protected:
    // The rectangle, with the hit rectangle grown by the margin.
    void SetRect(const RECT& rect);
    // Stores the value clamped to [minimum, maximum] (the minimum wins an
    // empty range) when it differs, and marks the control dirty then when
    // redraw is set. True when it changed.
    bool StoreClampedValue(int value, int minimum, int maximum, bool redraw);
    // Sets the rectangle, id and event code, enabled and created, as a
    // successful Create does.
    void FinishCreate(const RECT& rect, std::uint32_t id, std::uint32_t eventCode);

    // The owner's answers; false, or nothing, without an owner.
    bool OwnerTakesMouseDown(int x, int y, int modifiers);
    bool OwnerTakesDoubleClick(int x, int y, int modifiers);
    bool OwnerTakesMouseUp(int x, int y, int modifiers);
    bool OwnerTakesMouseMove(int x, int y, int modifiers);
    bool OwnerTakesRightButtonDown(int x, int y, int modifiers);
    void ReportValue(int value);
    void ReportEditBegin();
    void ReportEditEnd();

    // The mouse capture for this control and the layer's window.
    void TakeCapture();
    bool HoldsCapture() const;
    // Releases whoever holds the capture; the holder hears of it.
    static void ReleaseCapture();
    // The keyboard manager forgets its listener.
    static void ClearKeyManagerFocus();

    RECT m_rcHit{};
    std::uint32_t m_uId = 0;
    std::uint32_t m_uEventCode = 0;
    CHfcControlListener* m_pOwner = nullptr;
    float m_fValue = 0.0f;
    float m_fMinimum = 0.0f;
    float m_fMaximum = 1.0f;
    int m_iValue = 0;
    int m_iMinimum = 0;
    int m_iMaximum = 1;
    bool m_bCreated = false;
    bool m_bDirty = true;
    bool m_bNeedsErase = false;
    int m_iHoldCounter = 0;
    ARGB m_fillColor = 0;
    int m_iCursorId = -1;
    ARGB m_focusFrameColor = kDefaultFocusFrameColor;
    int m_iFocusedItem = -1;
    float m_fDisabledOpacity = 0.5f;
    DWORD m_dwLastDragTime = 0;
    int m_iMargin = 0;
    bool m_bOpenBottom = false;
};
