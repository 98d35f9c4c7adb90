#include "file_drop.h"

#include "desktop_drop.h"

#include "platform/src/display/text.h"
#include "platform/src/global_memory.h"
#include "platform/src/utf16.h"

#include <platform/file_names.h>
#include <platform/window.h>

#include <cstring>
#include <optional>

namespace platform::dragdrop {
namespace {

constexpr std::size_t kHeaderSize = 20;
constexpr UINT kCountQuery = 0xFFFFFFFFu;

void Put32(BYTE* at, std::uint32_t value)
{
    std::memcpy(at, &value, 4);
}

std::uint32_t Get32(const BYTE* at)
{
    std::uint32_t value;
    std::memcpy(&value, at, 4);
    return value;
}

// The paths of a drop block, read with every bound checked.
std::optional<std::vector<std::u16string>> ReadPaths(const BYTE* block, std::size_t size)
{
    if (!block || size < kHeaderSize)
        return std::nullopt;
    const std::size_t start = Get32(block);
    const bool wide = Get32(block + 16) != 0;
    if (start < kHeaderSize || start > size)
        return std::nullopt;
    std::vector<std::u16string> paths;
    const std::size_t unit = wide ? 2 : 1;
    std::size_t at = start;
    for (;;) {
        std::u16string wideText;
        std::string narrowText;
        bool ended = false;
        for (; at + unit <= size; at += unit) {
            if (wide) {
                char16_t c;
                std::memcpy(&c, block + at, 2);
                if (c == 0) {
                    ended = true;
                    break;
                }
                wideText.push_back(c);
            } else {
                char c = char(block[at]);
                if (c == 0) {
                    ended = true;
                    break;
                }
                narrowText.push_back(c);
            }
        }
        if (!ended)
            return paths;  // cut short: what was whole counts
        at += unit;
        if (!wide)
            wideText = platform::detail::Utf8ToUtf16(narrowText.c_str());
        if (wideText.empty())
            return paths;
        paths.push_back(std::move(wideText));
    }
}

// Accepts the block's handle or its locked address, as callers pass either.
std::optional<std::vector<std::u16string>> PathsOf(HDROP drop)
{
    HGLOBAL block = platform::detail::IsGlobalBlock(drop) ? drop : platform::detail::GlobalBlockAt(drop);
    if (!block)
        return std::nullopt;
    auto* bytes = static_cast<const BYTE*>(GlobalLock(block));
    auto paths = ReadPaths(bytes, GlobalSize(block));
    GlobalUnlock(block);
    return paths;
}

template <class Char>
UINT CopyOut(const std::basic_string<Char>& path, Char* buffer, UINT size)
{
    if (!buffer)
        return UINT(path.size());
    if (size == 0)
        return 0;
    std::size_t length = std::min<std::size_t>(path.size(), size - 1);
    // A UTF-8 sequence is never cut in the middle.
    if constexpr (sizeof(Char) == 1)
        while (length < path.size() && length > 0 && (static_cast<unsigned char>(path[length]) & 0xC0) == 0x80)
            --length;
    std::copy(path.begin(), path.begin() + length, buffer);
    buffer[length] = 0;
    return UINT(length);
}

template <class Char, class Convert>
UINT Query(HDROP drop, UINT index, Char* buffer, UINT size, Convert convert)
{
    auto paths = PathsOf(drop);
    if (!paths)
        return 0;
    if (index == kCountQuery)
        return UINT(paths->size());
    if (index >= paths->size())
        return 0;
    return CopyOut(convert((*paths)[index]), buffer, size);
}

}  // namespace

HDROP MakeFileDrop(const std::vector<std::string>& paths, POINT point, bool nonClient)
{
    std::vector<std::u16string> wide;
    std::size_t units = 1;  // the closing NUL
    for (const auto& path : paths) {
        wide.push_back(platform::detail::Utf8ToUtf16(platform::FileNameText(path).c_str()));
        units += wide.back().size() + 1;
    }
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kHeaderSize + units * 2);
    if (!block)
        return nullptr;
    auto* bytes = static_cast<BYTE*>(GlobalLock(block));
    Put32(bytes, kHeaderSize);
    Put32(bytes + 4, static_cast<std::uint32_t>(point.x));
    Put32(bytes + 8, static_cast<std::uint32_t>(point.y));
    Put32(bytes + 12, nonClient ? 1 : 0);
    Put32(bytes + 16, 1);  // UTF-16 paths
    std::size_t at = kHeaderSize;
    for (const auto& path : wide) {
        std::memcpy(bytes + at, path.data(), path.size() * 2);
        at += (path.size() + 1) * 2;  // the NUL is already zero
    }
    GlobalUnlock(block);
    return block;
}

}  // namespace platform::dragdrop

using namespace platform::dragdrop;

void DragAcceptFiles(HWND window, BOOL accept)
{
    if (!IsWindow(window))
        return;
    InstallDesktopDrops();
    LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
    style = accept ? (style | WS_EX_ACCEPTFILES) : (style & ~LONG_PTR(WS_EX_ACCEPTFILES));
    SetWindowLongPtrA(window, GWL_EXSTYLE, style);
}

UINT DragQueryFileA(HDROP drop, UINT index, LPSTR buffer, UINT size)
{
    return Query(drop, index, buffer, size,
                 [](const std::u16string& path) { return platform::Utf16ToUtf8(path.c_str()); });
}

UINT DragQueryFileW(HDROP drop, UINT index, LPWSTR buffer, UINT size)
{
    return Query(drop, index, buffer, size, [](const std::u16string& path) { return path; });
}

void DragFinish(HDROP drop)
{
    if (platform::detail::IsGlobalBlock(drop))
        GlobalFree(drop);
}
