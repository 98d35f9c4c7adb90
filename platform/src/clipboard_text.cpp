#include "clipboard_text.h"

#include "display/text.h"
#include "utf16.h"

#include <algorithm>
#include <cstring>

namespace platform::detail {

bool IsTextFormat(UINT format)
{
    return format == CF_TEXT || format == CF_UNICODETEXT;
}

HGLOBAL MakeTextBlock(UINT format, const std::u16string& text)
{
    const std::string narrow = format == CF_TEXT ? Utf16ToUtf8(text.c_str()) : std::string();
    const void* bytes = format == CF_TEXT ? static_cast<const void*>(narrow.data()) : text.data();
    const SIZE_T size = format == CF_TEXT ? narrow.size() : text.size() * sizeof(char16_t);
    const SIZE_T terminator = format == CF_TEXT ? 1 : sizeof(char16_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size + terminator);
    if (!block)
        return nullptr;
    std::memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    return block;
}

std::u16string ReadTextBlock(UINT format, HGLOBAL block)
{
    const auto* bytes = static_cast<const char*>(block ? GlobalLock(block) : nullptr);
    if (!bytes)
        return {};
    const SIZE_T size = GlobalSize(block);
    std::u16string text;
    if (format == CF_TEXT) {
        text = Utf8ToUtf16(std::string(bytes, std::find(bytes, bytes + size, '\0')).c_str());
    } else {
        text.resize(size / sizeof(char16_t));
        std::memcpy(text.data(), bytes, text.size() * sizeof(char16_t));
        text.resize(std::min(text.find(u'\0'), text.size()));
    }
    GlobalUnlock(block);
    return text;
}

}  // namespace platform::detail
