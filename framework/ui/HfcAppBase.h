#pragma once
// The process skeleton: the module instance handle, the one application
// object and the main procedure with its message loop. The shell's
// application class derives from CHfcApp and overrides the initialisation,
// the exit and the command hooks.
#include <platform/accelerators.h>
#include <platform/window.h>

class CHfcWindow;

void SetInstanceHandle(HINSTANCE instance);
HINSTANCE GetInstanceHandle();

class CHfcAppBase
{
public:
    // The first application object constructed becomes the application.
    CHfcAppBase();
    // The next application object made becomes the application.
    virtual ~CHfcAppBase();
    CHfcAppBase(const CHfcAppBase&) = delete;
    CHfcAppBase& operator=(const CHfcAppBase&) = delete;

    // The application, or null when none was ever constructed.
    static CHfcAppBase* GetApp();

    // Acquires the mouse and then the keyboard manager.
    virtual bool Init();
    // Releases them in the opposite order; the mouse release's answer.
    virtual bool Exit();
    // The process entry's main procedure: runs the application's Init, the
    // message loop and Exit, and answers the process exit code. Only the
    // instance is used.
    static int Run(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);

    virtual void OnFileOpen();
    virtual void OnFileSave();
    virtual void OnFileSaveAs();
    virtual void OnFileExit();
    virtual void OnEditCut();
    virtual void OnEditCopy();
    virtual void OnEditPaste();
    virtual void OnEditInitialize();

    // A command message: 1 means not handled, any other value is the result.
    virtual int OnCommand(UINT message, WPARAM wParam, LPARAM lParam);
    // The resource name of the accelerator table; null for none.
    virtual LPCSTR GetAcceleratorName();
    virtual HACCEL LoadAccelerators();
    // False when the message became a command through the accelerators and
    // must go no further.
    virtual bool PreTranslateMessage(MSG* msg);

    CHfcWindow* GetMainWindow() const { return m_pMainWindow; }
    void SetMainWindow(CHfcWindow* window) { m_pMainWindow = window; }
    HACCEL GetAccelerators() const { return m_hAccelerators; }

protected:
    CHfcWindow* m_pMainWindow = nullptr;
    HACCEL m_hAccelerators = nullptr;

private:
    // Gets, translates and dispatches messages until WM_QUIT; answers its wParam.
    int RunMessageLoop();
};

// Adds nothing; the shell's application derives from it.
class CHfcApp : public CHfcAppBase
{};
