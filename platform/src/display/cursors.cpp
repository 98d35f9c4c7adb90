#include "cursors.h"

#include "backend.h"
#include "icons.h"

#include <platform/input.h>

#include <atomic>
#include <iterator>

namespace platform::detail {
namespace {

struct CursorEntry
{
    WORD id;
};

constinit CursorEntry kCursors[] = {{32512}, {32513}, {32514},           {32515},           {32516},
                                    {32642}, {32643}, {32644},           {32645},           {32646},
                                    {32648}, {32649}, {kDragMoveCursor}, {kDragCopyCursor}, {kDragLinkCursor}};
constinit CursorEntry kApplicationIcon{32512};
constexpr int kIconSize = 32;

std::atomic<HCURSOR> gCurrent{nullptr};

WORD IdOfName(LPCSTR name)
{
    return IS_INTRESOURCE(name) ? static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)) : 0;
}

}  // namespace

WORD CursorId(HCURSOR cursor)
{
    for (const CursorEntry& entry : kCursors)
        if (reinterpret_cast<HCURSOR>(const_cast<CursorEntry*>(&entry)) == cursor)
            return entry.id;
    return 0;
}

HCURSOR StandardCursor(WORD id)
{
    for (CursorEntry& entry : kCursors)
        if (entry.id == id)
            return reinterpret_cast<HCURSOR>(&entry);
    return nullptr;
}

}  // namespace platform::detail

using namespace platform::detail;

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name)
{
    return instance ? nullptr : StandardCursor(IdOfName(name));
}

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name)
{
    return LoadCursorA(instance, reinterpret_cast<LPCSTR>(IS_INTRESOURCE(name) ? name : nullptr));
}

HCURSOR SetCursor(HCURSOR cursor)
{
    HCURSOR previous = gCurrent.exchange(cursor);
    if (cursor != previous)
        Display().SetCursorShape(CursorId(cursor));
    return previous;
}

HCURSOR GetCursor()
{
    return gCurrent;
}

HICON LoadIconA(HINSTANCE instance, LPCSTR name)
{
    if (!instance && IdOfName(name) == kApplicationIcon.id)
        return reinterpret_cast<HICON>(&kApplicationIcon);
    return name ? LoadResourceIcon(name, kIconSize, kIconSize, true) : nullptr;
}

HANDLE LoadImageA(HINSTANCE, LPCSTR name, UINT type, int width, int height, UINT flags)
{
    if (type != IMAGE_ICON || !name)
        return nullptr;
    if (flags & LR_DEFAULTSIZE) {
        if (width == 0)
            width = kIconSize;
        if (height == 0)
            height = kIconSize;
    }
    return LoadResourceIcon(name, width, height, (flags & LR_SHARED) != 0);
}

BOOL DestroyIcon(HICON icon)
{
    return DestroyResourceIcon(icon) ? TRUE : FALSE;
}

HICON LoadIconW(HINSTANCE instance, LPCWSTR name)
{
    return LoadIconA(instance, reinterpret_cast<LPCSTR>(IS_INTRESOURCE(name) ? name : nullptr));
}
