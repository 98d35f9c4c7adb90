#include "notify_parent.h"

#include <platform/dialogs.h>
#include <platform/messaging.h>

namespace platform::dialogs {

void NotifyParent(HWND control, WORD code)
{
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

}  // namespace platform::dialogs
