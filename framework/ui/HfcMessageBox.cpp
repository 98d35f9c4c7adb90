#include "framework/ui/HfcMessageBox.h"

#include <platform/dialogs.h>

namespace {

// Try Again and Continue, which the platform's boxes never answer.
constexpr int kIdTryAgain = 10;
constexpr int kIdContinue = 11;

UINT ButtonsType(int buttons)
{
    switch (buttons) {
    case 1: return MB_OKCANCEL;
    case 2: return MB_YESNO;
    default: return MB_OK;
    }
}

UINT IconType(int icon)
{
    switch (icon) {
    case 2: return MB_ICONINFORMATION;
    case 3: return MB_ICONWARNING;
    case 4: return MB_ICONERROR;
    default: return 0;
    }
}

}  // namespace

int ShowMessageBox(const char* text, const char* caption, int buttons, int icon)
{
    switch (MessageBoxA(nullptr, text, caption, ButtonsType(buttons) | IconType(icon))) {
    case IDOK:
    case IDYES: return 1;
    case IDABORT:
    case IDRETRY:
    case IDIGNORE:
    case kIdTryAgain:
    case kIdContinue: return -1;
    default: return 2;
    }
}
