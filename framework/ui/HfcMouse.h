#pragma once
// The mouse manager: who holds the mouse capture, the last mouse event the
// windows saw, and the system cursors by index. One per process, kept alive
// by a use count.
#include <platform/types.h>

class CHfcMouseListener;
class CHfcWindow;

// Where the last button or move event of a window happened.
struct SHfcMouseEvent
{
    CHfcWindow* window = nullptr;
    int screenX = 0;
    int screenY = 0;
    int clientX = 0;
    int clientY = 0;
    int modifiers = 0;
};

class CHfcMouse
{
public:
    // The first call makes the manager and loads the cursors; every call
    // counts. True when the manager exists.
    static bool Acquire();
    // The last release deletes the manager; false below zero.
    static bool Release();
    // Null while nobody has acquired it.
    static CHfcMouse* GetInstance();

    virtual ~CHfcMouse() = default;
    // Tells the holder it lost the capture and forgets it, without touching
    // the window's capture.
    virtual void CancelCapture();

    // The listener becomes the holder, the window (when given) captures the
    // mouse; the previous holder is told afterwards, even when it is the
    // same listener.
    void SetCapture(CHfcMouseListener* listener, CHfcWindow* window);
    // Releases the window's capture, tells the holder and forgets it.
    void ReleaseCapture();
    CHfcMouseListener* GetCapture() const { return m_pCapture; }
    // Whether a capture change under way was made here, so that the window
    // losing its capture knows not to cancel the holder.
    bool IsChangingCapture() const { return m_bChangingCapture; }

    bool GetCursorPosition(POINT& point);
    // Shows the cursor of the table row; other indexes do nothing.
    void SetCursor(int index);

    void SetLastEvent(const SHfcMouseEvent& event) { m_lastEvent = event; }
    const SHfcMouseEvent& GetLastEvent() const { return m_lastEvent; }

private:
    CHfcMouse() = default;
    static void LoadCursors();
    void TellReleased(CHfcMouseListener* holder);

    CHfcMouseListener* m_pCapture = nullptr;
    SHfcMouseEvent m_lastEvent;
    bool m_bChangingCapture = false;
};
