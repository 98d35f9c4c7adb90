// Message boxes as our own modal dialogs, or scripted answers in tests.
#include "dialog_state.h"
#include "../utf16.h"

#include <platform/testing/dialogs.h>

#include <algorithm>
#include <deque>
#include <mutex>
#include <utility>

namespace platform::dialogs {
namespace {

struct Button {
    int id;
    const char* text;
};

std::vector<Button> ButtonsOf(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OK: return {{IDOK, "OK"}};
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO: return {{IDYES, "Yes"}, {IDNO, "No"}};
    case MB_YESNOCANCEL: return {{IDYES, "Yes"}, {IDNO, "No"}, {IDCANCEL, "Cancel"}};
    }
    return {};
}

struct Script {
    std::mutex lock;
    std::deque<int> answers;
    std::vector<testing::ShownMessageBox> shown;
};
Script& TheScript()
{
    static Script script;
    return script;
}

// Escape and the close box: Cancel when there is one, OK for a lone OK.
int CancelAnswer(UINT type)
{
    for (const Button& button : ButtonsOf(type))
        if (button.id == IDCANCEL) return IDCANCEL;
    return (type & MB_TYPEMASK) == MB_OK ? IDOK : 0;
}

INT_PTR CALLBACK BoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    const UINT type = UINT(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    int id = LOWORD(wParam);
    if (id == IDCANCEL) id = CancelAnswer(type);
    const auto buttons = ButtonsOf(type);
    if (std::any_of(buttons.begin(), buttons.end(), [id](const Button& b) { return b.id == id; })) EndDialog(dialog, id);
    return TRUE;
}

DialogTemplate BoxTemplate(const std::string& text, const std::string& caption, const std::vector<Button>& buttons)
{
    int lines = 1, longest = 0, current = 0;
    for (char c : text) {
        if (c == '\n') ++lines, current = 0;
        else if ((c & 0xC0) != 0x80) longest = std::max(longest, ++current);
    }
    const int buttonRow = int(buttons.size()) * 55 - 5;
    DialogTemplate box;
    box.title = caption;
    box.width = std::max(buttonRow, longest * 4) + 20;
    box.height = lines * 10 + 44;
    box.controls.push_back({"STATIC", -1, {10, 10, box.width - 10, 10 + lines * 10}, text, WS_CHILD | WS_VISIBLE});
    int x = (box.width - buttonRow) / 2;
    for (size_t i = 0; i < buttons.size(); ++i, x += 55) {
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        box.controls.push_back({"BUTTON", buttons[i].id, {x, box.height - 24, x + 50, box.height - 10}, buttons[i].text, style});
    }
    return box;
}

int ShowBox(HWND owner, const std::string& text, const char* caption, UINT type, bool unicode)
{
    const auto buttons = ButtonsOf(type);
    if (buttons.empty() || (owner && !IsWindow(owner))) return 0;
    {
        Script& script = TheScript();
        std::lock_guard lock(script.lock);
        if (!script.answers.empty()) {
            int answer = script.answers.front();
            script.answers.pop_front();
            script.shown.push_back({owner, text, caption ? caption : "Error", type});
            return answer;
        }
    }
    HWND dialog = CreateDialogFrom(BoxTemplate(text, caption ? caption : "Error", buttons), owner, BoxProc,
                                   LPARAM(type), unicode);
    return dialog ? int(RunModal(dialog, owner)) : 0;
}

}  // namespace
}  // namespace platform::dialogs

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    return platform::dialogs::ShowBox(owner, text ? text : "", caption, type, false);
}

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    const std::string narrowText = text ? platform::Utf16ToUtf8(reinterpret_cast<const char16_t*>(text)) : "";
    const std::string narrowCaption = caption ? platform::Utf16ToUtf8(reinterpret_cast<const char16_t*>(caption)) : "";
    return platform::dialogs::ShowBox(owner, narrowText, caption ? narrowCaption.c_str() : nullptr, type, true);
}

namespace platform::testing {

void QueueMessageBoxAnswers(const std::vector<int>& answers)
{
    auto& script = dialogs::TheScript();
    std::lock_guard lock(script.lock);
    script.answers.insert(script.answers.end(), answers.begin(), answers.end());
}

std::vector<ShownMessageBox> TakeShownMessageBoxes()
{
    auto& script = dialogs::TheScript();
    std::lock_guard lock(script.lock);
    script.answers.clear();
    return std::exchange(script.shown, {});
}

}  // namespace platform::testing
