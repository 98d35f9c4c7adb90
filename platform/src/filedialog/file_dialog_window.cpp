#include "file_dialog_window.h"

#include "decision_prompt.h"
#include "file_list.h"

#include "platform/src/dialogs/dialog_state.h"
#include "platform/src/display/text.h"
#include "platform/src/utf16.h"

#include <platform/display.h>

namespace platform::filedialog {
namespace {

// Control ids; the buttons are IDOK and IDCANCEL.
constexpr int kFolderLabel = 1091;
constexpr int kList = 1120;
constexpr int kName = 1152;
constexpr int kTypes = 1136;

// The combo box's messages and notification.
constexpr UINT kAddString = 0x0143, kGetSelection = 0x0147, kSetSelection = 0x014E;
constexpr WORD kSelectionChanged = 1;

struct Session {
    FileChoice& choice;
    std::filesystem::path& chosen;
    HWND list = nullptr;
    HWND name = nullptr;   // the name field, when the EDIT class is there
    HWND types = nullptr;  // the filters, when the COMBOBOX class is there
    std::string typed;     // the name without a name field
};

Session& SessionOf(HWND dialog) { return *reinterpret_cast<Session*>(GetWindowLongPtrW(dialog, GWLP_USERDATA)); }

dialogs::DialogTemplate Layout(const DialogRequest& request, bool standardFields)
{
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    dialogs::DialogTemplate layout;
    layout.title = request.title;
    layout.width = 280;
    layout.height = 172;
    auto add = [&](const char* className, int id, RECT rect, std::string text, DWORD style) {
        layout.controls.push_back({className, id, rect, std::move(text), kChild | style});
    };
    add("STATIC", kFolderLabel, {7, 6, 273, 16}, request.folder.string(), 0);
    add(kFileListClass, kList, {7, 18, 273, 126}, "", WS_TABSTOP);
    if (standardFields) {
        add("STATIC", -1, {7, 134, 62, 144}, "File name:", 0);
        add("EDIT", kName, {64, 132, 212, 144}, request.name, WS_TABSTOP | WS_BORDER);
        add("STATIC", -1, {7, 152, 62, 162}, "Files of type:", 0);
        add("COMBOBOX", kTypes, {64, 150, 212, 230}, "", WS_TABSTOP | 0x0003u);
    }
    add("BUTTON", IDOK, {220, 131, 273, 145}, request.save ? "Save" : "Open", WS_TABSTOP | BS_DEFPUSHBUTTON);
    add("BUTTON", IDCANCEL, {220, 149, 273, 163}, "Cancel", WS_TABSTOP | BS_PUSHBUTTON);
    return layout;
}

std::string NameText(const Session& session)
{
    if (!session.name) return session.typed;
    std::u16string text(size_t(GetWindowTextLengthW(session.name)) + 1, u'\0');
    GetWindowTextW(session.name, text.data(), int(text.size()));
    return Utf16ToUtf8(text.c_str());
}

void SetNameText(Session& session, const std::string& text)
{
    session.typed = text;
    if (session.name) SetWindowTextW(session.name, detail::Utf8ToUtf16(text.c_str()).c_str());
}

void ShowFolder(HWND dialog, Session& session)
{
    const std::filesystem::path& folder = session.choice.Folder();
    SetDlgItemTextW(dialog, kFolderLabel, detail::Utf8ToUtf16(folder.c_str()).c_str());
    std::vector<FolderEntry> entries;
    if (folder != folder.root_path()) entries.push_back({"..", true});
    for (FolderEntry& entry : session.choice.Listing()) entries.push_back(std::move(entry));
    SetFileListEntries(session.list, std::move(entries));
}

void Open(HWND dialog, Session& session, const std::filesystem::path& folder)
{
    if (session.choice.Enter(folder)) ShowFolder(dialog, session);
}

void Submit(HWND dialog, Session& session, const std::string& text)
{
    const Decision decision = session.choice.Decide(text);
    if (decision.kind == Decision::Kind::Navigate) {
        SetNameText(session, "");
        Open(dialog, session, decision.path);
        return;
    }
    if (auto path = Settle(decision, dialog, session.choice.Request().title)) {
        session.chosen = *path;
        EndDialog(dialog, IDOK);
    }
}

// OK with a folder picked in the focused list goes into it; otherwise the name counts.
void Confirm(HWND dialog, Session& session)
{
    const FolderEntry* picked = SelectedFileListEntry(session.list);
    if (GetFocus() == session.list && picked && picked->folder) Open(dialog, session, picked->name);
    else Submit(dialog, session, NameText(session));
}

void OnList(HWND dialog, Session& session, WORD code)
{
    const FolderEntry* picked = SelectedFileListEntry(session.list);
    if (code == kListBackspace) Open(dialog, session, "..");
    if (!picked) return;
    if (code == kListSelectionChanged && !picked->folder) SetNameText(session, picked->name);
    if (code == kListDoubleClicked) {
        if (picked->folder) Open(dialog, session, picked->name);
        else Submit(dialog, session, picked->name);
    }
}

void Start(HWND dialog, Session& session)
{
    session.list = GetDlgItem(dialog, kList);
    session.name = GetDlgItem(dialog, kName);
    session.types = GetDlgItem(dialog, kTypes);
    const DialogRequest& request = session.choice.Request();
    session.typed = request.name;
    if (session.types) {
        for (const FileFilter& filter : request.filters)
            SendMessageW(session.types, kAddString, 0,
                         reinterpret_cast<LPARAM>(detail::Utf8ToUtf16(filter.description.c_str()).c_str()));
        SendMessageW(session.types, kSetSelection, WPARAM(session.choice.FilterIndex()), 0);
    }
    ShowFolder(dialog, session);
    SetFocus(session.name ? session.name : session.list);
}

INT_PTR CALLBACK FileDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
        Start(dialog, SessionOf(dialog));
        return FALSE;
    }
    if (message != WM_COMMAND) return FALSE;
    Session& session = SessionOf(dialog);
    switch (LOWORD(wParam)) {
    case IDOK: Confirm(dialog, session); return TRUE;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
    case kList: OnList(dialog, session, HIWORD(wParam)); return TRUE;
    case kTypes:
        if (HIWORD(wParam) == kSelectionChanged) {
            session.choice.SelectFilter(int(SendMessageW(session.types, kGetSelection, 0, 0)));
            ShowFolder(dialog, session);
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace

Ending RunFileDialogWindow(FileChoice& choice, std::filesystem::path& chosen)
{
    RegisterFileList();
    Session session{choice, chosen, nullptr, nullptr, nullptr, {}};
    const DialogRequest& request = choice.Request();
    const LPARAM param = reinterpret_cast<LPARAM>(&session);
    HWND dialog = dialogs::CreateDialogFrom(Layout(request, true), request.owner, FileDialogProc, param, true);
    // Without the name field and filter classes the list alone picks files.
    if (!dialog) dialog = dialogs::CreateDialogFrom(Layout(request, false), request.owner, FileDialogProc, param, true);
    if (!dialog) return Ending::Failed;
    return dialogs::RunModal(dialog, request.owner) == IDOK ? Ending::Chosen : Ending::Cancelled;
}

}  // namespace platform::filedialog
