#include "desktop_drop.h"

#include "data_object.h"
#include "drag_keys.h"
#include "drop_targets.h"
#include "file_drop.h"

#include "platform/src/display/input_source.h"

#include <platform/messaging.h>
#include <platform/ole.h>
#include <platform/shellapi.h>
#include <platform/window.h>

namespace platform::dragdrop {
namespace {

HWND FileAcceptorAround(HWND window)
{
    for (HWND at = window; at && IsWindow(at); at = GetParent(at))
        if (GetWindowLongPtrA(at, GWL_EXSTYLE) & WS_EX_ACCEPTFILES)
            return at;
    return nullptr;
}

void PostFileDrop(HWND receiver, POINT screen, const std::vector<std::string>& paths)
{
    POINT client = screen;
    ScreenToClient(receiver, &client);
    RECT area{};
    GetClientRect(receiver, &area);
    const bool outside =
        client.x < area.left || client.y < area.top || client.x >= area.right || client.y >= area.bottom;
    HDROP drop = MakeFileDrop(paths, client, outside);
    if (drop && !PostMessageA(receiver, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0))
        GlobalFree(drop);
}

// The desktop gives no enter or over events, so the target sees the whole
// visit at once: enter, then a drop when it would take the files.
void DropOnTarget(const FoundTarget& found, POINT screen, const std::vector<std::string>& paths)
{
    IDataObject* data = NewDataObject();
    HDROP drop = MakeFileDrop(paths, screen, false);
    if (!OfferBlock(data, CF_HDROP, -1, drop))
        GlobalFree(drop);
    const DWORD keys = DragKeyState();
    const POINTL point{screen.x, screen.y};
    const DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    DWORD effect = allowed;
    found.target->DragEnter(data, keys, point, &effect);
    if (effect & allowed) {
        effect = allowed;
        found.target->Drop(data, keys, point, &effect);
    } else {
        found.target->DragLeave();
    }
    data->Release();
}

void DeliverFileDrop(HWND under, POINT screen, const std::vector<std::string>& paths)
{
    if (paths.empty())
        return;
    // A window that takes files by message is what the user dropped on,
    // even when a registered target lies nearer.
    if (HWND receiver = FileAcceptorAround(under)) {
        PostFileDrop(receiver, screen, paths);
        return;
    }
    if (!OleIsUp())
        return;
    FoundTarget found = TargetAround(under);
    if (!found.target)
        return;
    DropOnTarget(found, screen, paths);
    found.target->Release();
}

}  // namespace

void InstallDesktopDrops()
{
    platform::detail::SetFileDropReceiver(&DeliverFileDrop);
}

}  // namespace platform::dragdrop
