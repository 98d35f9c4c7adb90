#pragma once
// What a combo box keeps: its entries, the selection and, while its list
// is dropped, the list window and what it shows.
#include "combo_list_view.h"

#include <string>
#include <vector>

namespace platform::dialogs {

struct ComboState
{
    std::vector<std::u16string> entries;
    int selected = -1;
    int requestedHeight = 0;  // the box with its list, as the box was made
    HWND list = nullptr;      // while dropped
    ComboListView view;
    bool draggingThumb = false;
};

// Null for a window that is not a combo box.
ComboState* ComboStateOf(HWND combo);

}  // namespace platform::dialogs
