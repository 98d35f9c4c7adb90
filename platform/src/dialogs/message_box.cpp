// Message boxes as our own modal dialogs, or scripted answers in tests.
#include "../scripted_queue.h"
#include "../utf16.h"
#include "control_paint.h"
#include "dialog_state.h"
#include "message_box_icon.h"
#include "standard_texts.h"

#include <platform/testing/dialogs.h>

#include <algorithm>
#include <optional>

namespace platform::dialogs {
namespace {

// Yes and No have mnemonics; OK and Cancel have Enter and Escape.
struct Button
{
    int id;
    const char* text;
};

std::vector<Button> ButtonsOf(UINT type)
{
    const Button ok{IDOK, StandardTextOf(StandardText::Ok)};
    const Button cancel{IDCANCEL, StandardTextOf(StandardText::Cancel)};
    const Button yes{IDYES, StandardTextOf(StandardText::Yes)};
    const Button no{IDNO, StandardTextOf(StandardText::No)};
    switch (type & MB_TYPEMASK) {
    case MB_OK: return {ok};
    case MB_OKCANCEL: return {ok, cancel};
    case MB_YESNO: return {yes, no};
    case MB_YESNOCANCEL: return {yes, no, cancel};
    }
    return {};
}

using Script = detail::ScriptedQueue<int, testing::ShownMessageBox>;
Script& TheScript()
{
    static Script script;
    return script;
}

// Escape and the close box: Cancel when there is one, OK for a lone OK.
int CancelAnswer(UINT type)
{
    for (const Button& button : ButtonsOf(type))
        if (button.id == IDCANCEL)
            return IDCANCEL;
    return (type & MB_TYPEMASK) == MB_OK ? IDOK : 0;
}

constexpr int kMargin = 10;      // dialog units around the contents
constexpr int kWrapWidth = 360;  // pixels of text before a line wraps
constexpr int kButtonWidth = 50, kButtonHeight = 14, kButtonGap = 5;

// One width for all the buttons: the usual, or wider for a longer text.
int ButtonWidth(const std::vector<Button>& buttons)
{
    int widest = 0;
    for (const Button& button : buttons)
        widest = std::max(widest, ShownTextUnits(button.text));
    return std::max(kButtonWidth, widest + 12);
}

INT_PTR CALLBACK BoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        return TRUE;
    }
    const UINT type = UINT(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    if (message == WM_PAINT) {
        PaintWindow(dialog, [type](cairo_t* cr, const RECT&) {
            DrawMessageIcon(cr, type, DialogUnitsToPixelsX(kMargin), DialogUnitsToPixelsY(kMargin));
        });
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    int id = LOWORD(wParam);
    if (id == IDCANCEL)
        id = CancelAnswer(type);
    const auto buttons = ButtonsOf(type);
    if (std::any_of(buttons.begin(), buttons.end(), [id](const Button& b) { return b.id == id; }))
        EndDialog(dialog, id);
    return TRUE;
}

// The icon at the top left, the text beside it (centred on a taller icon),
// the buttons centred in a row below.
DialogTemplate BoxTemplate(const std::string& text, const std::string& caption, UINT type,
                           const std::vector<Button>& buttons)
{
    const std::vector<std::string> lines = WrapLines(text, kWrapWidth);
    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, TextWidth(line));
    const int textWidth = PixelsToDialogUnitsX(widest) + 2;
    const int textHeight = PixelsToDialogUnitsY(int(lines.size()) * LineHeight()) + 1;
    const bool icon = HasMessageIcon(type);
    const int iconWidth = icon ? PixelsToDialogUnitsX(kMessageIconSize) : 0;
    const int iconHeight = icon ? PixelsToDialogUnitsY(kMessageIconSize) : 0;
    const int textLeft = kMargin + (icon ? iconWidth + 7 : 0);
    const int contentHeight = std::max(textHeight, iconHeight);
    const int buttonWidth = ButtonWidth(buttons);
    const int buttonRow = int(buttons.size()) * (buttonWidth + kButtonGap) - kButtonGap;

    DialogTemplate box;
    box.title = caption;
    box.width = std::max(textLeft + textWidth, kMargin + buttonRow) + kMargin;
    box.height = kMargin + contentHeight + 8 + kButtonHeight + 8;
    const int textTop = kMargin + (contentHeight - textHeight) / 2;
    box.controls.push_back({"STATIC",
                            -1,
                            {textLeft, textTop, textLeft + textWidth, textTop + textHeight},
                            text,
                            WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX});
    const int top = box.height - 8 - kButtonHeight;
    int x = (box.width - buttonRow) / 2;
    for (size_t i = 0; i < buttons.size(); ++i, x += buttonWidth + kButtonGap) {
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        box.controls.push_back(
            {"BUTTON", buttons[i].id, {x, top, x + buttonWidth, top + kButtonHeight}, buttons[i].text, style});
    }
    return box;
}

int ShowBox(HWND owner, const std::string& text, const char* caption, UINT type, bool unicode)
{
    const auto buttons = ButtonsOf(type);
    if (buttons.empty() || (owner && !IsWindow(owner)))
        return 0;
    const std::optional<int> scripted = TheScript().NextRecording([&] {
        return testing::ShownMessageBox{owner, text, caption ? caption : "Error", type};
    });
    if (scripted)
        return *scripted;
    HWND dialog = CreateDialogFrom(BoxTemplate(text, caption ? caption : "Error", type, buttons), owner, BoxProc,
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
    dialogs::TheScript().Add(answers);
}

std::vector<ShownMessageBox> TakeShownMessageBoxes()
{
    return dialogs::TheScript().TakeShown();
}

}  // namespace platform::testing
