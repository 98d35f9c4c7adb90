#include "app/GlobalMapValueDialog.h"

#include "app/FieldText.h"

#include <cstdio>

namespace {

constexpr int kLowControllers = 96;        // 0 to 95
constexpr int kFirstHighController = 102;  // to 119

// "Off", then controllers 0 to 95 and 102 to 119.
std::string CcListEntryText(int index)
{
    if (index == 0)
        return "Off";
    const int controller = index <= kLowControllers ? index - 1 : kFirstHighController + index - 1 - kLowControllers;
    char text[16];
    std::snprintf(text, sizeof text, "CC# %02d", controller);
    return text;
}

}  // namespace

void CGlobalMapValueDialog::OnInitDialog(LPARAM parameter)
{
    const auto& record = *reinterpret_cast<const MapValueRecord*>(parameter);
    SetTitle(FieldText(record.title));
    SetItemText(kIdLabel, FieldText(record.label));
    if (record.kind == MapValueRecord::kKindCcNumber) {
        for (int index = 0; index < kCcEntryCount; ++index)
            AddComboBoxText(kIdList, CcListEntryText(index));
    }
    SetComboBoxSelection(kIdList, record.selection);
    SetItemFocus(kIdList);
}

void CGlobalMapValueDialog::OnCommand(int id, int /*notification*/, LPARAM parameter)
{
    if (id == kIdOk || id == kCommandOk) {
        // No selection leaves the record's, so the caller never maps -1.
        if (const int selection = GetComboBoxSelection(kIdList); selection >= 0)
            reinterpret_cast<MapValueRecord*>(parameter)->selection = selection;
        EndDialog(1);
    } else if (id == kIdCancel || id == kCommandCancel) {
        EndDialog(-1);
    }
}
