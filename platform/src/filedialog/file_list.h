#pragma once
// The file dialog's list of folders and files: a child window of our own
// drawn with cairo, one row per entry, a selection moved by mouse and keys.
#include "folder_listing.h"

#include <platform/types.h>

#include <vector>

namespace platform::filedialog {

inline constexpr char kFileListClass[] = "VqFileList";

// Notifications to the parent, in the high word of WM_COMMAND's wParam.
inline constexpr WORD kListSelectionChanged = 1;
inline constexpr WORD kListDoubleClicked = 2;
inline constexpr WORD kListBackspace = 3;

// Once per process.
void RegisterFileList();

// Replaces the rows; nothing is selected and the top row shows.
void SetFileListEntries(HWND list, std::vector<FolderEntry> entries);
// The selected row's entry; null when nothing is selected.
const FolderEntry* SelectedFileListEntry(HWND list);

}  // namespace platform::filedialog
