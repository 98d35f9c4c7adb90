// GetOpenFileNameW and GetSaveFileNameW: the window, or the steps a test
// queued, then the chosen path written back into the structure.
#include "file_dialog_window.h"
#include "scripted_dialog.h"

#include "platform/src/display/text.h"

#include <platform/file_names.h>
#include <platform/window.h>

#include <algorithm>

namespace platform::filedialog {
namespace {

thread_local DWORD lastError = 0;

// Copies as much as fits with a NUL.
void CopyCut(const std::u16string& text, LPWSTR buffer, DWORD size)
{
    if (!buffer || size == 0)
        return;
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    std::copy_n(text.begin(), count, buffer);
    buffer[count] = 0;
}

// 0, or the failure that leaves the structure as it was but for the units
// needed in the first unit of the file buffer.
DWORD WriteChoice(OPENFILENAMEW& dialog, const std::filesystem::path& path, const FileChoice& choice)
{
    const std::u16string wide = detail::Utf8ToUtf16(FileNameText(path.native()).c_str());
    if (!dialog.lpstrFile || wide.size() + 1 > dialog.nMaxFile) {
        if (dialog.lpstrFile && dialog.nMaxFile > 0)
            dialog.lpstrFile[0] = WCHAR(std::min<std::size_t>(wide.size() + 1, 0xFFFF));
        return FNERR_BUFFERTOOSMALL;
    }
    CopyCut(wide, dialog.lpstrFile, dialog.nMaxFile);
    CopyCut(detail::Utf8ToUtf16(FileNameText(path.filename().native()).c_str()), dialog.lpstrFileTitle,
            dialog.nMaxFileTitle);
    if (!choice.Request().filters.empty())
        dialog.nFilterIndex = DWORD(choice.FilterIndex() + 1);
    return 0;
}

BOOL Run(LPOPENFILENAMEW dialog, bool save)
{
    lastError = 0;
    if (!dialog || (dialog->hwndOwner && !IsWindow(dialog->hwndOwner))) {
        lastError = CDERR_INITIALIZATION;
        return FALSE;
    }
    FileChoice choice(ReadRequest(*dialog, save));
    std::filesystem::path chosen;
    if (HasScriptedSteps()) {
        auto scripted = RunScripted(choice);
        if (!scripted)
            return FALSE;
        chosen = *scripted;
    } else {
        const Ending ending = RunFileDialogWindow(choice, chosen, *dialog);
        if (ending == Ending::Failed)
            lastError = CDERR_INITIALIZATION;
        if (ending != Ending::Chosen)
            return FALSE;
    }
    lastError = WriteChoice(*dialog, chosen, choice);
    return lastError == 0;
}

}  // namespace
}  // namespace platform::filedialog

BOOL GetOpenFileNameW(LPOPENFILENAMEW dialog)
{
    return platform::filedialog::Run(dialog, false);
}
BOOL GetSaveFileNameW(LPOPENFILENAMEW dialog)
{
    return platform::filedialog::Run(dialog, true);
}
DWORD CommDlgExtendedError()
{
    return platform::filedialog::lastError;
}
