#include "app/MessageBoxes.h"

#include "app/DialogRefCount.h"
#include "framework/ui/HfcAppBase.h"
#include "framework/ui/HfcWindow.h"
#include "model/LocalizedText.h"

#include <platform/dialogs.h>

#include <cstdarg>
#include <cstdio>

namespace {

constexpr int kStyleQuestion = 0x8D;
constexpr int kStyleWarning = 0x82;
constexpr int kStyleNotice = 0x12;
constexpr int kFormattedTextSize = 1024;

UINT ButtonsOf(int style)
{
    switch (style & 0x0F) {
    case 3: return MB_OKCANCEL;
    case 12: return MB_YESNO;
    case 13: return MB_YESNOCANCEL;
    default: return MB_OK;
    }
}

UINT IconOf(int style)
{
    switch (style & 0xF0) {
    case 0x20: return MB_ICONHAND;
    case 0x40: return MB_ICONINFORMATION;
    case 0x80: return MB_ICONEXCLAMATION;
    default: return 0;
    }
}

int AnswerOf(int result)
{
    switch (result) {
    case IDOK: return kAnswerOk;
    case IDYES: return kAnswerYes;
    case IDNO: return kAnswerNo;
    default: return kAnswerOther;
    }
}

HWND MainWindow()
{
    const CHfcAppBase* app = CHfcAppBase::GetApp();
    const CHfcWindow* window = app ? app->GetMainWindow() : nullptr;
    return window ? window->GetHandle() : nullptr;
}

int ShowBox(UINT type, const char* caption, const char* text)
{
    CDialogFlag open;
    return AnswerOf(MessageBoxA(MainWindow(), text, caption, type | MB_SETFOREGROUND));
}

}  // namespace

int ShowAppMessageBox(int style, const std::string& caption, const std::string& text)
{
    return ShowBox(ButtonsOf(style) | IconOf(style), caption.c_str(), text.c_str());
}

int ShowQuestionBox(const std::string& caption, const std::string& text)
{
    return ShowAppMessageBox(kStyleQuestion, caption, text);
}

int ShowNoticeBox(const std::string& caption, const std::string& text, bool warning)
{
    return ShowAppMessageBox(warning ? kStyleWarning : kStyleNotice, caption, text);
}

int ShowSimpleMessageBox(const char* caption, const char* text)
{
    return ShowBox(MB_OK, caption, text);
}

int ShowFormattedMessageBox(const char* caption, const char* format, ...)
{
    char text[kFormattedTextSize];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return ShowSimpleMessageBox(caption, text);
}

int ConfirmSaveChanges(const std::string& name)
{
    return ShowQuestionBox(LocalizedText("TitleSaveChanges"),
                           LocalizedText("ConfirmSaveChangesBefore") + name + LocalizedText("ConfirmSaveChangesAfter"));
}

bool ConfirmAction(const std::string& key)
{
    constexpr int kStyleConfirm = 0x83;
    return ShowAppMessageBox(kStyleConfirm, LocalizedText("Title" + key), LocalizedText("Confirm" + key)) == kAnswerOk;
}
