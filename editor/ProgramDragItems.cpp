#include "editor/ProgramDragItems.h"

#include "framework/services/HfcClipboard.h"
#include "framework/ui/HfcDragData.h"

#include <algorithm>

namespace {

// Whether the data holds items of the format, and all of them are of the size.
struct FormatItems
{
    bool present = false;
    bool sized = true;
};

FormatItems ItemsOf(const CHfcDragData* data, UINT format, std::size_t size)
{
    FormatItems found;
    if (data == nullptr || format == 0)
        return found;
    for (const SHfcDragItem& item : data->GetItems()) {
        if (item.format != format)
            continue;
        found.present = true;
        found.sized = found.sized && item.data != nullptr && item.size == size;
    }
    return found;
}

}  // namespace

UINT GetProgramDragFormat()
{
    return CHfcClipboard::RegisterFormat(kProgramDragFormat);
}

UINT GetFavoriteDragFormat()
{
    return CHfcClipboard::RegisterFormat(kFavoriteDragFormat);
}

ProgramDragKind KindOfProgramDrag(const CHfcDragData* data)
{
    const FormatItems programs = ItemsOf(data, GetProgramDragFormat(), sizeof(ProgramClipboardRecord));
    if (programs.present)
        return programs.sized ? ProgramDragKind::kPrograms : ProgramDragKind::kNothing;
    const FormatItems favorites = ItemsOf(data, GetFavoriteDragFormat(), sizeof(std::uint32_t));
    return favorites.present && favorites.sized ? ProgramDragKind::kFavorites : ProgramDragKind::kNothing;
}

std::vector<ProgramClipboardRecord> ReadProgramItems(const CHfcDragData* data)
{
    std::vector<ProgramClipboardRecord> records;
    if (KindOfProgramDrag(data) != ProgramDragKind::kPrograms)
        return records;
    const UINT format = GetProgramDragFormat();
    for (const SHfcDragItem& item : data->GetItems()) {
        if (item.format == format)
            records.push_back(*ReadProgramClipboardRecord(item.data, item.size));
    }
    return records;
}
