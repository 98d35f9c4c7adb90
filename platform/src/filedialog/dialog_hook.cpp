#include "dialog_hook.h"

#include <platform/dialogs.h>

namespace platform::filedialog {

DialogHook::DialogHook(HWND dialog, OPENFILENAMEW& structure) : dialog_(dialog), structure_(structure)
{
    if (!(structure.Flags & OFN_ENABLEHOOK) || !structure.lpfnHook)
        return;
    child_ = CreateWindowExW(0, u"STATIC", nullptr, WS_CHILD, 0, 0, 0, 0, dialog, nullptr, nullptr, nullptr);
    if (!child_)
        return;
    hook_ = structure.lpfnHook;
    hook_(child_, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&structure));
}

DialogHook::~DialogHook()
{
    if (child_ && IsWindow(child_))
        DestroyWindow(child_);
}

void DialogHook::Notify(UINT code)
{
    if (!hook_ || !IsWindow(child_))
        return;
    OFNOTIFYW notice{{dialog_, 0, code}, &structure_, nullptr};
    hook_(child_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
}

}  // namespace platform::filedialog
