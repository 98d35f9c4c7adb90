#include "decision_prompt.h"

#include "platform/src/display/text.h"

#include <platform/dialogs.h>

namespace platform::filedialog {
namespace {

int Show(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    const std::u16string wideText = detail::Utf8ToUtf16(text.c_str());
    const std::u16string wideCaption = detail::Utf8ToUtf16(caption.c_str());
    return MessageBoxW(owner, wideText.c_str(), wideCaption.c_str(), type);
}

}  // namespace

std::optional<std::filesystem::path> Settle(const Decision& decision, HWND owner, const std::string& caption)
{
    switch (decision.kind) {
    case Decision::Kind::Accept: return decision.path;
    case Decision::Kind::Ask:
        if (Show(owner, decision.message, caption, MB_YESNO | MB_ICONWARNING) == IDYES)
            return decision.path;
        return std::nullopt;
    case Decision::Kind::Refuse: Show(owner, decision.message, caption, MB_OK | MB_ICONWARNING); return std::nullopt;
    case Decision::Kind::Stay:
    case Decision::Kind::Navigate: return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace platform::filedialog
