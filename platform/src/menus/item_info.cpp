#include "item_info.h"

#include "platform/src/display/text.h"
#include "platform/src/utf16.h"

#include <algorithm>
#include <cstring>

namespace platform::menus {

bool IsKnownSize(UINT cbSize, std::size_t ownSize, UINT legacySize)
{
    return cbSize == ownSize || cbSize == legacySize;
}

std::string TextFrom(LPCSTR text)
{
    return text;
}
std::string TextFrom(LPCWSTR text)
{
    return Utf16ToUtf8(text);
}

UINT CopyText(const std::string& text, LPSTR buffer, UINT capacity)
{
    if (buffer && capacity > 0) {
        std::size_t count = std::min<std::size_t>(text.size(), capacity - 1);
        std::memcpy(buffer, text.data(), count);
        buffer[count] = '\0';
    }
    return UINT(text.size());
}

UINT CopyText(const std::string& text, LPWSTR buffer, UINT capacity)
{
    const std::u16string wide = detail::Utf8ToUtf16(text.c_str());
    if (buffer && capacity > 0) {
        std::size_t count = std::min<std::size_t>(wide.size(), capacity - 1);
        std::copy_n(wide.data(), count, buffer);
        buffer[count] = u'\0';
    }
    return UINT(wide.size());
}

}  // namespace platform::menus
