#pragma once
// Scripted answers for message boxes: while answers are queued, a message
// box shows nothing, records what it would have shown and returns the next
// answer.
#include <platform/types.h>

#include <string>
#include <vector>

namespace platform::testing {

struct ShownMessageBox
{
    HWND owner;
    std::string text;  // UTF-8
    std::string caption;
    UINT type;
};

void QueueMessageBoxAnswers(const std::vector<int>& answers);
// What the scripted boxes would have shown, oldest first; clears the record
// and any answers left over.
std::vector<ShownMessageBox> TakeShownMessageBoxes();

}  // namespace platform::testing
