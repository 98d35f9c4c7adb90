#pragma once
// The COMBOBOX window class.
namespace platform::dialogs {

void RegisterComboBox();

}  // namespace platform::dialogs
