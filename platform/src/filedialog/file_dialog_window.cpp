#include "file_dialog_window.h"

#include "decision_prompt.h"
#include "dialog_hook.h"
#include "file_list.h"

#include "platform/src/dialogs/combo_list_view.h"
#include "platform/src/dialogs/control_paint.h"
#include "platform/src/dialogs/dialog_state.h"
#include "platform/src/dialogs/standard_texts.h"
#include "platform/src/display/text.h"

#include <platform/combobox.h>
#include <platform/display.h>
#include <platform/edit.h>
#include <platform/file_names.h>

#include <algorithm>
#include <initializer_list>
#include <memory>

namespace platform::filedialog {
namespace {

// Control ids; the buttons are IDOK and IDCANCEL.
constexpr int kFolderLabel = 1091;
constexpr int kList = 1120;
constexpr int kName = 1152;
constexpr int kTypes = 1136;

struct Session
{
    FileChoice& choice;
    std::filesystem::path& chosen;
    OPENFILENAMEW& structure;
    HWND list = nullptr;
    HWND name = nullptr;
    HWND types = nullptr;
    std::unique_ptr<DialogHook> hook;
};

Session& SessionOf(HWND dialog)
{
    return *reinterpret_cast<Session*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
}

// Dialog units across the name field and the filters: room for the widest
// filter with the box's arrow, never less than the usual width.
int FieldWidth(const DialogRequest& request)
{
    int widest = 0;
    for (const FileFilter& filter : request.filters)
        widest = std::max(widest, dialogs::TextWidth(filter.description));
    return std::max(148, dialogs::PixelsToDialogUnitsX(widest + dialogs::kComboArrowWidth + 12));
}

// Dialog units across the widest of these texts as shown, never less than `least`.
int WidthOf(std::initializer_list<const char*> texts, int least)
{
    int widest = least;
    for (const char* text : texts)
        widest = std::max(widest, dialogs::ShownTextUnits(text));
    return widest;
}

dialogs::DialogTemplate Layout(const DialogRequest& request)
{
    using dialogs::StandardText, dialogs::StandardTextOf;
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    const char* folderLabel = StandardTextOf(request.save ? StandardText::SaveIn : StandardText::LookIn);
    const char* nameLabel = StandardTextOf(StandardText::FileName);
    const char* typeLabel = StandardTextOf(StandardText::FilesOfType);
    const char* okText = StandardTextOf(request.save ? StandardText::SaveButton : StandardText::OpenButton);
    const char* cancelText = StandardTextOf(StandardText::Cancel);
    // Labels, fields and buttons as wide as their texts in the user's language need.
    const int labelRight = 7 + WidthOf({folderLabel, nameLabel, typeLabel}, 55), fieldLeft = labelRight + 2;
    const int fieldRight = fieldLeft + FieldWidth(request), buttonLeft = fieldRight + 8;
    const int right = buttonLeft + WidthOf({okText, cancelText}, 41) + 12;
    dialogs::DialogTemplate layout;
    layout.title = request.title;
    layout.width = right + 7;
    layout.height = 172;
    auto add = [&](const char* className, int id, RECT rect, std::string text, DWORD style) {
        layout.controls.push_back({className, id, rect, std::move(text), kChild | style});
    };
    // Labelled like the fields below, so that the path does not read as the caption.
    add("STATIC", -1, {7, 6, labelRight, 16}, folderLabel, 0);
    add("STATIC", kFolderLabel, {fieldLeft, 6, right, 16}, FileNameText(request.folder.native()),
        SS_NOPREFIX);  // paths may hold "&"
    add(kFileListClass, kList, {7, 18, right, 126}, "", WS_TABSTOP);
    add("STATIC", -1, {7, 134, labelRight, 144}, nameLabel, 0);
    add("EDIT", kName, {fieldLeft, 132, fieldRight, 144}, request.name, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL);
    add("STATIC", -1, {7, 152, labelRight, 162}, typeLabel, 0);
    add("COMBOBOX", kTypes, {fieldLeft, 150, fieldRight, 230}, "", WS_TABSTOP | CBS_DROPDOWNLIST);
    add("BUTTON", IDOK, {buttonLeft, 131, right, 145}, okText, WS_TABSTOP | BS_DEFPUSHBUTTON);
    add("BUTTON", IDCANCEL, {buttonLeft, 149, right, 163}, cancelText, WS_TABSTOP | BS_PUSHBUTTON);
    return layout;
}

void SetNameText(Session& session, const std::string& text)
{
    SetWindowTextW(session.name, detail::Utf8ToUtf16(text.c_str()).c_str());
}

void ShowFolder(HWND dialog, Session& session)
{
    const std::filesystem::path& folder = session.choice.Folder();
    SetDlgItemTextW(dialog, kFolderLabel, detail::Utf8ToUtf16(FileNameText(folder.native()).c_str()).c_str());
    std::vector<FolderEntry> entries;
    if (folder != folder.root_path())
        entries.push_back({"..", true});
    for (FolderEntry& entry : session.choice.Listing())
        entries.push_back(std::move(entry));
    SetFileListEntries(session.list, std::move(entries));
}

void Open(HWND dialog, Session& session, const std::filesystem::path& folder)
{
    if (!session.choice.Enter(folder))
        return;
    ShowFolder(dialog, session);
    session.hook->Notify(CDN_FOLDERCHANGE);
}

void Submit(HWND dialog, Session& session, const std::string& text)
{
    const Decision decision = session.choice.Decide(text);
    if (decision.kind == Decision::Kind::Navigate) {
        SetNameText(session, "");
        Open(dialog, session, decision.path);
        SetFocus(session.name);  // for the next name, however the folder was confirmed
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
    if (GetFocus() == session.list && picked && picked->folder)
        Open(dialog, session, SystemFileName(picked->name));
    else
        Submit(dialog, session, dialogs::WindowTextOf(session.name));
}

void OnList(HWND dialog, Session& session, WORD code)
{
    const FolderEntry* picked = SelectedFileListEntry(session.list);
    if (code == kListBackspace)
        Open(dialog, session, "..");
    if (code == kListSelectionChanged)
        session.hook->Notify(CDN_SELCHANGE);
    if (!picked)
        return;
    if (code == kListSelectionChanged && !picked->folder)
        SetNameText(session, picked->name);
    if (code == kListDoubleClicked) {
        if (picked->folder)
            Open(dialog, session, SystemFileName(picked->name));
        else
            Submit(dialog, session, picked->name);
    }
}

void Start(HWND dialog, Session& session)
{
    session.list = GetDlgItem(dialog, kList);
    session.name = GetDlgItem(dialog, kName);
    session.types = GetDlgItem(dialog, kTypes);
    session.hook = std::make_unique<DialogHook>(dialog, session.structure);
    for (const FileFilter& filter : session.choice.Request().filters)
        SendMessageW(session.types, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(detail::Utf8ToUtf16(filter.description.c_str()).c_str()));
    SendMessageW(session.types, CB_SETCURSEL, WPARAM(session.choice.FilterIndex()), 0);
    ShowFolder(dialog, session);
    session.hook->Notify(CDN_FOLDERCHANGE);
    SetFocus(session.name);
}

INT_PTR CALLBACK FileDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
        Start(dialog, SessionOf(dialog));
        return FALSE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    Session& session = SessionOf(dialog);
    switch (LOWORD(wParam)) {
    case IDOK: Confirm(dialog, session); return TRUE;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
    case kList: OnList(dialog, session, HIWORD(wParam)); return TRUE;
    case kTypes:
        if (HIWORD(wParam) == CBN_SELCHANGE) {
            session.choice.SelectFilter(int(SendMessageW(session.types, CB_GETCURSEL, 0, 0)));
            ShowFolder(dialog, session);
            session.hook->Notify(CDN_TYPECHANGE);
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace

Ending RunFileDialogWindow(FileChoice& choice, std::filesystem::path& chosen, OPENFILENAMEW& structure)
{
    RegisterFileList();
    Session session{choice, chosen, structure, nullptr, nullptr, nullptr, nullptr};
    const DialogRequest& request = choice.Request();
    HWND dialog = dialogs::CreateDialogFrom(Layout(request), request.owner, FileDialogProc,
                                            reinterpret_cast<LPARAM>(&session), true);
    if (!dialog)
        return Ending::Failed;
    return dialogs::RunModal(dialog, request.owner) == IDOK ? Ending::Chosen : Ending::Cancelled;
}

}  // namespace platform::filedialog
