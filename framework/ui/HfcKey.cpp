#include "framework/ui/HfcKey.h"

#include "framework/ui/HfcCountedInstance.h"

#include "framework/ui/HfcKeyListener.h"

#include <platform/input.h>

namespace {

CHfcCountedInstance<CHfcKey>& Shared()
{
    static CHfcCountedInstance<CHfcKey> shared;
    return shared;
}

}  // namespace

bool CHfcKey::Acquire()
{
    return Shared().Acquire([] { return new CHfcKey; });
}

bool CHfcKey::Release()
{
    return Shared().Release();
}

CHfcKey* CHfcKey::GetInstance()
{
    return Shared().Get();
}

int CHfcKey::KeyDown(int code, int flags)
{
    return m_pFocus != nullptr ? m_pFocus->OnHfcKeyDown(this, code, flags) : 0;
}

int CHfcKey::KeyUp(int code, int flags)
{
    return m_pFocus != nullptr ? m_pFocus->OnHfcKeyUp(this, code, flags) : 0;
}

int CHfcKey::KeyInput(int code, int flags)
{
    return m_pFocus != nullptr ? m_pFocus->OnHfcKeyInput(this, code, flags) : 0;
}

void CHfcKey::KillFocus()
{
    if (m_pFocus != nullptr)
        m_pFocus->OnHfcKeyLostFocus(this);
    m_pFocus = nullptr;
    m_hFocusWindow = nullptr;
}

void CHfcKey::SetFocus(CHfcKeyListener* listener, HWND window)
{
    if (listener == m_pFocus)
        return;
    if (m_pFocus != nullptr) {
        ::SetFocus(nullptr);
        m_pFocus = nullptr;
    }
    m_pFocus = listener;
    m_hFocusWindow = window;
    ::SetFocus(window);
    if (listener != nullptr)
        listener->OnHfcKeyGetFocus(this);
}

void CHfcKey::ClearFocus()
{
    ::SetFocus(nullptr);
    m_pFocus = nullptr;
}
