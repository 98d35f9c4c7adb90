#include "framework/ui/HfcMouse.h"

#include "framework/ui/HfcCountedInstance.h"
#include "framework/ui/HfcMouseListener.h"
#include "framework/ui/HfcWindow.h"

#include <platform/input.h>

namespace {

constexpr int kCursorCount = 18;

struct SCursorTable
{
    HCURSOR cursors[kCursorCount] = {};
    int loaded = 0;
};

SCursorTable& Cursors()
{
    static SCursorTable table;
    return table;
}

CHfcCountedInstance<CHfcMouse>& Shared()
{
    static CHfcCountedInstance<CHfcMouse> shared;
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
    return Shared().Acquire([] {
        auto* mouse = new CHfcMouse;
        LoadCursors();
        return mouse;
    });
}

bool CHfcMouse::Release()
{
    return Shared().Release();
}

CHfcMouse* CHfcMouse::GetInstance()
{
    return Shared().Get();
}

void CHfcMouse::LoadCursors()
{
    auto& table = Cursors();
    for (int i = 0; i < kCursorCount; ++i)
        table.cursors[i] = LoadCursorA(nullptr, CursorId(i));
    table.loaded = kCursorCount;
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
    auto& table = Cursors();
    if (index >= 0 && index < 128 && index < table.loaded)
        ::SetCursor(table.cursors[index]);
}
