// The CC map value dialog: the caller's title and label, 115 entries from
// "Off" through CC 119, and OK that stores only a real selection.
#include "app/GlobalMapValueDialog.h"
#include "dialog_fixture.h"

#include <cstring>

namespace {

using Dialog = CGlobalMapValueDialog;

MapValueRecord Record(std::int32_t selection)
{
    MapValueRecord record{};
    record.kind = MapValueRecord::kKindCcNumber;
    std::strcpy(record.title, "CC Number Map");
    std::memset(record.label, 'L', sizeof record.label);  // fills its array
    record.selection = selection;
    return record;
}

class MapValueTest : public DialogTest
{
protected:
    int Run(MapValueRecord& record, const std::function<void(HWND)>& user) { return RunOn<Dialog>(record, user); }
};

TEST_F(MapValueTest, ShowsTheCallersTextsAndTheCcList)
{
    MapValueRecord record = Record(97);
    Run(record, [&](HWND dialog) {
        EXPECT_EQ(Title(dialog), "CC Number Map");
        EXPECT_EQ(ItemText(dialog, Dialog::kIdLabel), std::string(64, 'L'));
        const auto entries = ComboEntries(dialog, Dialog::kIdList);
        ASSERT_EQ(entries.size(), 115u);
        const std::pair<std::size_t, const char*> samples[] = {{0, "Off"},     {1, "CC# 00"},   {10, "CC# 09"},
                                                               {96, "CC# 95"}, {97, "CC# 102"}, {114, "CC# 119"}};
        for (auto [index, text] : samples)
            EXPECT_EQ(entries[index], text) << index;
        EXPECT_EQ(ComboSelection(dialog, Dialog::kIdList), 97);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, Dialog::kIdList));
        Command(dialog, Dialog::kIdCancel);
    });
    EXPECT_EQ(record.selection, 97);
}

TEST_F(MapValueTest, OtherKindsGetNoList)
{
    MapValueRecord record = Record(0);
    record.kind = 1;
    Run(record, [&](HWND dialog) {
        EXPECT_TRUE(ComboEntries(dialog, Dialog::kIdList).empty());
        Command(dialog, Dialog::kIdCancel);
    });
}

TEST_F(MapValueTest, OkStoresTheSelectionAndCancelDoesNot)
{
    struct Case
    {
        int choose;
        int command;
        int result;
        std::int32_t stored;
    };
    const Case cases[] = {
        {114, Dialog::kIdOk, 1, 114},    {0, Dialog::kIdOk, 1, 0},
        {-1, Dialog::kIdOk, 1, 5},  // nothing chosen keeps the record's
        {114, Dialog::kIdCancel, -1, 5}, {114, IDCANCEL, -1, 5},
    };
    for (const Case& c : cases) {
        MapValueRecord record = Record(5);
        const int result = Run(record, [&](HWND dialog) {
            Choose(dialog, Dialog::kIdList, c.choose);
            Command(dialog, c.command);
        });
        EXPECT_EQ(result, c.result) << c.choose << " " << c.command;
        EXPECT_EQ(record.selection, c.stored) << c.choose << " " << c.command;
    }
}

}  // namespace
