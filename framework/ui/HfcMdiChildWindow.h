#pragma once
// A window inside the MDI client of a frame, the base of every editor
// window. While it is active the frame shows the child's own menu bar;
// when the last child goes the frame's menu bar comes back.
#include "framework/ui/HfcWindow.h"

class CHfcAppBase;
class CHfcMdiFrameWindow;

class CHfcMdiChildWindow : public CHfcWindow
{
public:
    // Makes the child in the frame's client with a client area of width x
    // height at (x, y) (all four zero: the client places it); the flags as
    // for CHfcWindow::Create. The child takes the frame's command target.
    // False when the child exists or cannot be made.
    virtual bool Create(const char* title, int x, int y, int width, int height, int flags, CHfcMenuBar* menuBar,
                        CHfcMdiFrameWindow* frame);
    // WM_MDIACTIVATE: tells the window it was activated or deactivated and
    // installs the child's menu bar when it becomes active, or the frame's
    // when it was the last child and goes.
    virtual LRESULT Win32MdiActivate(UINT message, WPARAM deactivated, LPARAM activated);
    // The submenu of the child's menu bar that lists the children.
    virtual int GetWindowMenuIndex();

    // Through the client, which destroys the child; false without a window.
    bool Destroy() override;
    // Shows or hides the child and asks the client to activate it.
    bool Show() override;
    bool Hide() override;
    ATOM RegisterWindowClass() override;
    const char* GetWindowClassName() override;
    DWORD GetWindowStyle() override;
    DWORD GetWindowExStyle() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A child that cannot close answers 1 and stays.
    LRESULT Win32Close(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Binds the object that the MDI creation parameter carries.
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    CHfcMdiFrameWindow* GetFrame() const;
    CHfcAppBase* GetCommandTarget() const { return m_pCommandTarget; }

private:
    // Asks the frame's client to activate this child.
    void ActivateThroughClient();

    CHfcAppBase* m_pCommandTarget = nullptr;
};
