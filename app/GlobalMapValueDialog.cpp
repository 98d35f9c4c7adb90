#include "app/GlobalMapValueDialog.h"

#include "app/CcNumberChoices.h"
#include "app/FieldText.h"

void CGlobalMapValueDialog::OnInitDialog(LPARAM parameter)
{
    const auto& record = *reinterpret_cast<const MapValueRecord*>(parameter);
    SetTitle(FieldText(record.title));
    SetItemText(kIdLabel, FieldText(record.label));
    if (record.kind == MapValueRecord::kKindCcNumber) {
        for (int index = 0; index < kCcEntryCount; ++index)
            AddComboBoxText(kIdList, cc_choices::Text(index));
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
