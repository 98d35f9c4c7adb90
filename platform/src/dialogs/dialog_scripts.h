#pragma once
// The scripts tests queue for dialog boxes.
#include <platform/testing/modal_scripts.h>

namespace platform::dialogs {

// The oldest queued script, or an empty one when none is queued.
testing::DialogScript TakeDialogScript();

}  // namespace platform::dialogs
