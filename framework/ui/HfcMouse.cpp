#include "framework/ui/HfcMouse.h"

#include "framework/ui/HfcMouseListener.h"
#include "framework/ui/HfcWindow.h"

#include <platform/input.h>

namespace {

constexpr int kCursorCount = 18;

struct SMouseShared
{
    CHfcMouse* instance = nullptr;
    int uses = 0;
    HCURSOR cursors[kCursorCount] = {};
    int loadedCursors = 0;
};

SMouseShared& Shared()
{
    static SMouseShared shared;
    return shared;
}

// The system cursor of each row of the table.
LPCSTR CursorId(int index)
{
    switch (index) {
    case 4: return IDC_IBEAM;
    case 5: return IDC_CROSS;
    case 7:
    case 11:
    case 12:
    case 13:
    case 14: return IDC_WAIT;
    case 10: return IDC_HAND;
    case 15:
    case 16:
    case 17: return IDC_SIZEWE;
    default: return IDC_ARROW;
    }
}

// Marks a capture change as made by the manager while it runs.
class CChangingCapture
{
public:
    explicit CChangingCapture(bool& flag) : m_flag(flag), m_previous(flag) { m_flag = true; }
    ~CChangingCapture() { m_flag = m_previous; }

private:
    bool& m_flag;
    bool m_previous;
};

}  // namespace

bool CHfcMouse::Acquire()
{
    auto& shared = Shared();
    if (shared.instance == nullptr) {
        shared.instance = new CHfcMouse;
        LoadCursors();
    }
    ++shared.uses;
    return shared.instance != nullptr;
}

bool CHfcMouse::Release()
{
    auto& shared = Shared();
    if (shared.uses <= 0)
        return false;
    if (--shared.uses == 0) {
        delete shared.instance;
        shared.instance = nullptr;
    }
    return true;
}

CHfcMouse* CHfcMouse::GetInstance()
{
    return Shared().instance;
}

void CHfcMouse::LoadCursors()
{
    auto& shared = Shared();
    for (int i = 0; i < kCursorCount; ++i)
        shared.cursors[i] = LoadCursorA(nullptr, CursorId(i));
    shared.loadedCursors = kCursorCount;
}

void CHfcMouse::TellReleased(CHfcMouseListener* holder)
{
    if (holder != nullptr)
        holder->OnHfcMouseCaptureReleased(this);
}

void CHfcMouse::CancelCapture()
{
    CHfcMouseListener* holder = m_pCapture;
    TellReleased(holder);
    m_pCapture = nullptr;
}

void CHfcMouse::SetCapture(CHfcMouseListener* listener, CHfcWindow* window)
{
    if (window != nullptr && window->GetHandle() != nullptr && ::GetCapture() != window->GetHandle()) {
        CChangingCapture changing(m_bChangingCapture);
        ::SetCapture(window->GetHandle());
    }
    CHfcMouseListener* previous = m_pCapture;
    m_pCapture = listener;
    TellReleased(previous);
}

void CHfcMouse::ReleaseCapture()
{
    {
        CChangingCapture changing(m_bChangingCapture);
        ::ReleaseCapture();
    }
    TellReleased(m_pCapture);
    m_pCapture = nullptr;
}

bool CHfcMouse::GetCursorPosition(POINT& point)
{
    GetCursorPos(&point);
    return true;
}

void CHfcMouse::SetCursor(int index)
{
    auto& shared = Shared();
    if (index >= 0 && index < 128 && index < shared.loadedCursors)
        ::SetCursor(shared.cursors[index]);
}
