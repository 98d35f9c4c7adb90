#pragma once
// Scripted answers for the modal loops of dialog boxes and popup menus.
#include <platform/types.h>

#include <functional>
#include <string>
#include <vector>

namespace platform::testing {

// Runs inside DialogBoxParamA/W's modal loop once the dialog is up (after
// WM_INITDIALOG, shown, and its queue has gone quiet), as a user would act:
// it may set texts, click controls, send messages or call EndDialog. Input
// it queues is handled by the loop afterwards. Each dialog box takes the
// oldest script left; one without a script runs as usual.
using DialogScript = std::function<void(HWND dialog)>;
void QueueDialogScript(DialogScript script);
// Drops the scripts no dialog took, answering how many there were.
std::size_t DiscardDialogScripts();

// While answers are queued, TrackPopupMenu shows nothing, records what it
// would have shown and acts as if the answer had been picked: a command id,
// or 0 for a menu dismissed.
void QueuePopupMenuAnswers(const std::vector<UINT>& answers);

struct ShownMenuItem
{
    UINT id;
    std::string text;  // UTF-8, as given, "&" marks and key texts included
    bool separator;
    bool grayed;
    bool checked;
    bool hasSubmenu;
};
struct ShownPopupMenu
{
    HWND owner;
    UINT flags;
    POINT at;
    std::vector<ShownMenuItem> items;
};
// What the scripted menus would have shown, oldest first; clears the record
// and any answers left over.
std::vector<ShownPopupMenu> TakeShownPopupMenus();

}  // namespace platform::testing
