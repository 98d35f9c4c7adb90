#pragma once
// What an EDIT control keeps besides its window: the text and selection,
// where each caret position lies, and how far the text is scrolled.
#include "edit_text.h"

#include <vector>

namespace platform::dialogs {

struct EditState
{
    EditText text;
    std::vector<int> offsets{0};  // pixels from the text's start for each position; text size + 1
    int scroll = 0;               // pixels of text hidden on the left
    char16_t pendingHigh = 0;     // the first half of a character typed as a surrogate pair
    bool focused = false;
    bool dragging = false;
};

}  // namespace platform::dialogs
