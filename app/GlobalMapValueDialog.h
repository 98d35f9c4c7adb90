#pragma once
// Picks the controller number of one entry of the CC number map.
#include "app/CcNumberChoices.h"
#include "app/ModalDialog.h"

#include <cstdint>
#include <string>

struct MapValueRecord
{
    static constexpr std::int32_t kKindCcNumber = 2;

    std::int32_t kind;  // only the CC number list is filled
    char title[64];     // texts may fill their arrays without a terminator
    char label[64];
    std::int32_t selection;  // list index
};

class CGlobalMapValueDialog : public CModalDialog
{
public:
    static constexpr int kIdList = 1023;
    static constexpr int kIdLabel = 1024;
    static constexpr int kCcEntryCount = cc_choices::kCount;

    int DoModal(HWND owner, MapValueRecord& record)
    {
        return CModalDialog::DoModal(owner, reinterpret_cast<LPARAM>(&record));
    }

protected:
    const char* GetTemplateName() const override { return "DialogMapValue"; }
    void OnInitDialog(LPARAM parameter) override;
    void OnCommand(int id, int notification, LPARAM parameter) override;
};
