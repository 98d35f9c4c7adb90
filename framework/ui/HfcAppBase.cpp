#include "framework/ui/HfcAppBase.h"

#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcWindow.h"

#include <platform/dialogs.h>

namespace {

HINSTANCE g_hInstance = nullptr;
CHfcAppBase* g_pApp = nullptr;

}  // namespace

void SetInstanceHandle(HINSTANCE instance)
{
    g_hInstance = instance;
}

HINSTANCE GetInstanceHandle()
{
    return g_hInstance;
}

CHfcAppBase::CHfcAppBase()
{
    if (g_pApp == nullptr)
        g_pApp = this;
}

CHfcAppBase::~CHfcAppBase()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

CHfcAppBase* CHfcAppBase::GetApp()
{
    return g_pApp;
}

bool CHfcAppBase::Init()
{
    CHfcMouse::Acquire();
    CHfcKey::Acquire();
    return true;
}

bool CHfcAppBase::Exit()
{
    CHfcKey::Release();
    return CHfcMouse::Release();
}

int CHfcAppBase::Run(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    SetInstanceHandle(instance);
    CHfcAppBase* app = g_pApp;
    if (app == nullptr) {
        MessageBoxA(nullptr, "Failed to create application instance", "Error", MB_OK);
        return 0;
    }
    if (!app->Init())
        return 0;
    app->LoadAccelerators();
    const int code = app->RunMessageLoop();
    app->Exit();
    return code;
}

int CHfcAppBase::RunMessageLoop()
{
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        if (!PreTranslateMessage(&msg))
            continue;
        if (m_pMainWindow != nullptr && !m_pMainWindow->PreTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        const LRESULT result = DispatchMessageA(&msg);
        // The main window's procedure already gives its commands to the
        // application; handing them over again would run them twice.
        const bool toMainWindow = m_pMainWindow != nullptr && msg.hwnd == m_pMainWindow->GetHandle();
        if (result != 0 && msg.message == WM_COMMAND && !toMainWindow)
            OnCommand(WM_COMMAND, msg.wParam, msg.lParam);
    }
    return static_cast<int>(msg.wParam);
}

void CHfcAppBase::OnFileOpen()
{}
void CHfcAppBase::OnFileSave()
{}
void CHfcAppBase::OnFileSaveAs()
{}
void CHfcAppBase::OnFileExit()
{}
void CHfcAppBase::OnEditCut()
{}
void CHfcAppBase::OnEditCopy()
{}
void CHfcAppBase::OnEditPaste()
{}
void CHfcAppBase::OnEditInitialize()
{}

int CHfcAppBase::OnCommand(UINT, WPARAM, LPARAM)
{
    return 1;
}

LPCSTR CHfcAppBase::GetAcceleratorName()
{
    return nullptr;
}

HACCEL CHfcAppBase::LoadAccelerators()
{
    m_hAccelerators = LoadAcceleratorsA(GetInstanceHandle(), GetAcceleratorName());
    return m_hAccelerators;
}

bool CHfcAppBase::PreTranslateMessage(MSG* msg)
{
    HWND main = m_pMainWindow != nullptr ? m_pMainWindow->GetHandle() : nullptr;
    return !TranslateAcceleratorA(main, m_hAccelerators, msg);
}
