#pragma once
// The one main window: it holds the MDI client in which the children live,
// hands every command to the application and lets the client have the MDI
// system keys. It draws nothing itself, so it has no root layer.
#include "framework/ui/HfcWindow.h"

class CHfcAppBase;
class CHfcMdiChildWindow;

class CHfcMdiFrameWindow : public CHfcWindow
{
public:
    // Makes the frame with its own styles and the menu bar's menu; position
    // and size are the outer ones, all four zero letting the system choose.
    // The flags are not used. False when the frame exists or cannot be made.
    virtual bool Create(const char* title, int x, int y, int width, int height, int flags, CHfcMenuBar* menuBar);
    // Asks the client to activate the child; answers false in every case.
    virtual bool ActivateChild(CHfcMdiChildWindow* child);
    // The command id of the first child in the window menu.
    virtual int GetFirstChildId();
    // The submenu of the frame's menu that lists the children.
    virtual int GetWindowMenuIndex();

    // False when the message became an MDI system command.
    bool PreTranslateMessage(MSG* msg) override;
    const char* GetWindowClassName() override;
    DWORD GetWindowStyle() override;
    DWORD GetWindowExStyle() override;
    ATOM RegisterWindowClass() override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Makes the MDI client; -1 fails the frame's creation when it cannot.
    LRESULT Win32Create(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Ends the message loop with exit code 0.
    LRESULT Win32Destroy(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The application's answer, unless it answers 1 (not handled): then the
    // default frame procedure, which activates children from the window menu.
    LRESULT Win32Command(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The active child, or null when there is none.
    CHfcMdiChildWindow* GetActiveChild();
    void SetCommandTarget(CHfcAppBase* target) { m_pCommandTarget = target; }
    CHfcAppBase* GetCommandTarget() const { return m_pCommandTarget; }
    HWND GetMdiClient() const { return m_hMdiClient; }

private:
    CHfcAppBase* m_pCommandTarget = nullptr;
    HWND m_hMdiClient = nullptr;
};
