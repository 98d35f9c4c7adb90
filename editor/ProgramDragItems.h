#pragma once
// What the program page's drags carry: one program record per dragged
// program, or one slot number per dragged favourite slot, each in its own
// registered format. Items of the wrong size make the whole drag unreadable.
#include "editor/ProgramClipboardRecord.h"

#include <platform/types.h>

#include <cstdint>
#include <vector>

class CHfcDragData;

inline constexpr const char* kProgramDragFormat = "q47300DragProgram";
inline constexpr const char* kFavoriteDragFormat = "q47300DragFavorite";

enum class ProgramDragKind
{
    kNothing,
    kPrograms,
    kFavorites,
};

UINT GetProgramDragFormat();
UINT GetFavoriteDragFormat();

// Programs when the data holds program items, all of record size; else
// favourites when it holds favourite items, all of slot-number size.
ProgramDragKind KindOfProgramDrag(const CHfcDragData* data);
// The program items in list order; empty unless the drag is of programs.
std::vector<ProgramClipboardRecord> ReadProgramItems(const CHfcDragData* data);
