#pragma once
// A framework window over one system window. Every message it knows
// becomes a call of a virtual handler; mouse messages become framework
// mouse events for the capture holder or the layers; drag events go to the
// layers. Its picture is kept in layers: the root layer's bitmap is the
// back buffer, and the attached layers are composited onto it and then
// copied to the screen on WM_PAINT.
// Its members are defined by concern in:
//   HfcWindow.cpp            creation, geometry, showing, title and key focus
//   HfcWindowMessages.cpp    the window procedure and the handlers that do not route input
//   HfcWindowInput.cpp       mouse messages as framework events, offered to the layers
//   HfcWindowLayers.cpp      the layers and how their pictures reach the screen
//   HfcWindowDropTarget.cpp  the window as a drop target
#include "framework/ui/HfcDragListener.h"
#include "framework/ui/HfcMouseListener.h"

#include <platform/window.h>

#include <vector>

class CHfcDrawContext;
class CHfcKeyFocus;
class CHfcKeyFocusListener;
class CHfcMenuBar;
class CHfcWindowLayer;
class IDropTarget;

class CHfcWindow : public CHfcMouseListener, public CHfcDragListener
{
public:
    // Create flags, combined into the window style by StyleFromFlags.
    static constexpr int kCaption = 1;
    static constexpr int kMaximizeBox = 2;
    static constexpr int kCaptionMaximizeBox = 4;
    static constexpr int kCaptionMinimizeBox = 8;
    static constexpr int kSizingFrame = 16;

    CHfcWindow();
    // Deletes the key-focus object; the system window is not destroyed.
    ~CHfcWindow() override;
    CHfcWindow(const CHfcWindow&) = delete;
    CHfcWindow& operator=(const CHfcWindow&) = delete;

    // The button, move and wheel events the window receives from its
    // messages: the raw forms record the event and pass the client point
    // on; the plain forms walk the visible layers, last attached first.
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawRButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawMButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawMButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawMButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRawMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseWheel(CHfcMouse* mouse, int x, int y, int reserved, int delta, int modifiers) override;
    bool OnHfcMouseRawWheel(CHfcMouse* mouse, int x, int y, int reserved, int delta, int modifiers) override;

    // Offered to the visible layers, first attached first; otherwise the
    // window's own plain operation with the client point.
    bool OnHfcRawDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcRawDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcRawDragLeave(CHfcOleToken* ole) override;
    bool OnHfcRawDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;

    // Makes the system window: flags as above, the outer size computed from
    // the client size (all four zero: default position and size). False
    // when the window exists already or cannot be made.
    virtual bool Create(const char* title, int x, int y, int width, int height, int flags, CHfcMenuBar* menuBar,
                        CHfcWindow* parent, int reserved = 0);
    // The plain wrappers: false (or nothing) without a system window.
    virtual bool Destroy();
    virtual bool Show();
    virtual bool Hide();
    // Brings the window to the front; answers false.
    virtual bool Activate();
    virtual bool Minimize();
    virtual bool Restore();
    // Without erasing; null means the whole client area.
    virtual bool InvalidateRect(const RECT* rect);
    // Queues a rectangle for the next flush; null means the client area.
    virtual void AddDirtyRect(const RECT* rect);
    // Composites the queued rectangle at once and empties the queue.
    virtual void FlushDirtyRects();
    virtual bool GetWindowRect(RECT& rect);
    virtual bool GetClientRect(RECT& rect);
    // Sizes the window so that its client area is width x height.
    virtual bool SetClientSize(int width, int height);
    virtual bool CreateRootLayer();
    // Removes every layer, destroys the root layer and drops the drop target.
    virtual void DestroyLayers();
    virtual void DeleteThis();
    // Copies the back buffer to the screen context over the rectangle.
    virtual void Paint(CHfcDrawContext* context, const RECT& rect);
    // Draws the back buffer over the rectangle into another context.
    virtual void PaintTo(CHfcDrawContext* context, const RECT& rect);

    virtual void OnActivate();
    virtual void OnDeactivate();
    // May change the client size being dragged.
    virtual void OnSizing(int* width, int* height);
    // The root layer takes the new client size.
    virtual void OnResized(int width, int height);
    // May change the new position, in the parent's client coordinates.
    virtual void OnMoving(int* x, int* y);
    virtual void OnMoved(int x, int y);
    // False keeps the window open on WM_CLOSE.
    virtual bool CanClose();
    virtual bool OnTimer();
    // The framework window of the first child whose title is the text.
    virtual CHfcWindow* FindChildByTitle(const char* title);
    virtual int OnEnumChild(CHfcWindow* child);
    // OnEnumChild for every child window that has a framework window.
    virtual bool EnumChildren();
    // False when the message was consumed before translation.
    virtual bool PreTranslateMessage(MSG* msg);
    virtual ATOM RegisterWindowClass();
    virtual const char* GetWindowClassName();
    virtual DWORD GetWindowStyle();
    virtual DWORD GetWindowExStyle();
    // Zero sends the message straight to DefaultProc.
    virtual LRESULT PreDispatch(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    virtual LRESULT Win32Create(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32Destroy(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32Move(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32Size(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32Activate(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32SetFocus(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32KillFocus(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32Enable(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32SetRedraw(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32SetText(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32GetText(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32GetTextLength(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32Paint(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32Close(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32QueryEndSession(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32GetMinMaxInfo(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32NcCreate(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32NcDestroy(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32KeyDown(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32KeyUp(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32Char(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32Command(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_HSCROLL and WM_VSCROLL: sent on to the scroll bar in lParam.
    virtual LRESULT Win32Scroll(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32Timer(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32MouseMove(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32LButtonDown(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32LButtonUp(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32LButtonDblClk(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32RButtonDown(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32RButtonUp(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32RButtonDblClk(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32MButtonDown(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32MButtonUp(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32MButtonDblClk(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32MouseWheel(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32Sizing(UINT message, WPARAM wParam, LPARAM lParam);
    // A capture lost to another window ends the holder's gesture.
    virtual LRESULT Win32CaptureChanged(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32Moving(UINT message, WPARAM wParam, LPARAM lParam);

    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The framework window bound to the handle through GWL_USERDATA; null
    // for any other window, such as the hidden key-focus edit window, whose
    // user data is not a window.
    static CHfcWindow* FromHandle(HWND window);
    // Binds the object to the handle: the handle field and GWL_USERDATA.
    void Attach(HWND window);
    static void StyleFromFlags(int flags, DWORD& style, DWORD& exStyle);
    // The style and outer rectangle for creating a window of this class
    // from the create flags and a client size; all zero places it where
    // the desktop chooses.
    struct CreateGeometry
    {
        DWORD style = 0;
        DWORD exStyle = 0;
        int x = CW_USEDEFAULT;
        int y = CW_USEDEFAULT;
        int width = CW_USEDEFAULT;
        int height = CW_USEDEFAULT;
    };
    CreateGeometry WorkOutCreateGeometry(int flags, int x, int y, int width, int height, bool hasMenu);

    // Composites the rectangle into the back buffer and invalidates it when
    // now is set; otherwise queues it.
    void UpdateRect(const RECT& rect, bool now);
    // False for null or a layer already attached.
    bool AddLayer(CHfcWindowLayer* layer, bool redraw);
    bool RemoveLayer(CHfcWindowLayer* layer, bool redraw);
    void RemoveAllLayers(bool redraw);
    bool SetTitle(const char* text);
    bool ScreenToClient(POINT& point);
    bool ClientToScreen(POINT& point);
    void SetKeyFocus(CHfcKeyFocusListener* listener);
    // Null releases whoever holds the focus; another listener nothing.
    void ReleaseKeyFocus(CHfcKeyFocusListener* listener);
    bool HasKeyFocus(CHfcKeyFocusListener* listener);
    // While drag and drop is up, makes the window a drop target whose drags
    // reach the window's drag events. False when it is not registered.
    bool RegisterDropTarget();

    HWND GetHandle() const { return m_hWnd; }
    CHfcWindow* GetParent() const { return m_pParent; }
    CHfcMenuBar* GetMenuBar() const { return m_pMenuBar; }
    CHfcWindowLayer* GetRootLayer() const { return m_pRootLayer; }
    const std::vector<CHfcWindowLayer*>& GetLayers() const { return m_layers; }
    CHfcKeyFocus* GetKeyFocus() const { return m_pKeyFocus; }
    const RECT& GetDirtyRect() const { return m_rcDirty; }

protected:
    // The window procedure's body: binds the object created on WM_NCCREATE,
    // hands every message to the bound object's WindowProc (to the unbound
    // procedure while there is none) and unbinds it after WM_NCDESTROY.
    static LRESULT RouteToObject(CHfcWindow* created, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 WNDPROC unbound);
    // A button or move message: the raw event for the capture holder or the window.
    LRESULT RouteMouseMessage(EHfcMouseEvent event, WPARAM wParam, LPARAM lParam);
    // Records the raw event and passes the client point to the plain one.
    bool OnRawMouseEvent(EHfcMouseEvent event, CHfcMouse* mouse, int x, int y, int modifiers);
    // The plain event for the topmost visible layer that takes it.
    bool DispatchToLayers(EHfcMouseEvent event, CHfcMouse* mouse, int x, int y, int modifiers);

    CHfcWindow* m_pParent = nullptr;
    HWND m_hWnd = nullptr;
    CHfcMenuBar* m_pMenuBar = nullptr;
    RECT m_rcDirty{};
    CHfcWindowLayer* m_pRootLayer = nullptr;
    std::vector<CHfcWindowLayer*> m_layers;
    CHfcKeyFocus* m_pKeyFocus = nullptr;
    // Set by the drag-and-drop registration, released with the layers.
    IDropTarget* m_pDropTarget = nullptr;
};
