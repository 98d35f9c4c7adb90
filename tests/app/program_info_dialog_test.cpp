// The program information dialog: the entry flags, the cuts at 8, 24 and 64
// characters with the name padded with blanks, the length word and flags on
// OK, and a character above 127 that ends with 2 and changes nothing.
#include "app/ProgramInfoDialog.h"
#include "dialog_fixture.h"

#include <cstring>

namespace {

using Dialog = CProgramInfoDialog;

ProgramInfoRecord Filled()
{
    ProgramInfoRecord record;
    std::memset(&record, 0x5A, sizeof record);
    std::memcpy(record.name, "Lead  01", 8);
    record.nameLength = 8;
    record.category = 6;
    record.categoryFlag = false;
    std::strcpy(record.programmer, "Jo Bloggs");
    record.nameAndProgrammerFlag = false;
    std::strcpy(record.comment, "Bright lead");
    record.commentFlag = false;
    return record;
}

class ProgramInfoTest : public DialogTest
{
protected:
    int Run(ProgramInfoRecord& record, const std::function<void(HWND)>& user) { return RunOn<Dialog>(record, user); }
};

TEST_F(ProgramInfoTest, OpensOnTheRecordUnlessItsFlagsSaySo)
{
    struct Case
    {
        bool categoryFlag, nameAndProgrammerFlag, commentFlag;
    };
    for (const Case& c : {Case{false, false, false}, Case{true, true, true}, Case{false, true, false}}) {
        ProgramInfoRecord record = Filled();
        record.categoryFlag = c.categoryFlag;
        record.nameAndProgrammerFlag = c.nameAndProgrammerFlag;
        record.commentFlag = c.commentFlag;
        const ProgramInfoRecord before = record;
        Run(record, [&](HWND dialog) {
            EXPECT_EQ(Title(dialog), "Program Info");
            EXPECT_EQ(ItemText(dialog, Dialog::kIdName), c.nameAndProgrammerFlag ? "" : "Lead  01");
            EXPECT_EQ(ItemText(dialog, Dialog::kIdProgrammer), c.nameAndProgrammerFlag ? "" : "Jo Bloggs");
            EXPECT_EQ(ItemText(dialog, Dialog::kIdComment), c.commentFlag ? "" : "Bright lead");
            EXPECT_EQ(ComboSelection(dialog, Dialog::kIdCategory), c.categoryFlag ? 0 : 6);
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, Dialog::kIdName));
            Command(dialog, Dialog::kIdCancel);
        });
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0) << "Cancel changes nothing";
    }
}

TEST_F(ProgramInfoTest, ListsTheSixteenCategoriesInOrder)
{
    ProgramInfoRecord record = Filled();
    Run(record, [&](HWND dialog) {
        const std::vector<std::string> categories = {"Synth Hard",   "Synth Soft",  "Synth Brass", "Strings / Pad",
                                                     "Motion",       "Bass",        "Lead",        "Keyboard",
                                                     "Bell / Decay", "Hit / Drum",  "S.E",         "Arp / Seq",
                                                     "Split",        "Simple Wave", "Vocoder",     "User"};
        EXPECT_EQ(ComboEntries(dialog, Dialog::kIdCategory), categories);
        Command(dialog, Dialog::kIdCancel);
    });
}

TEST_F(ProgramInfoTest, OkCutsTheTextsAndSetsTheLengthWordAndFlags)
{
    struct Case
    {
        std::string name, programmer, comment;
        std::string storedName, storedProgrammer, storedComment;
    };
    const std::string eighty(80, 'c'), thirty(30, 'p');
    const Case cases[] = {
        {"Sawtooth Pad", thirty, eighty, "Sawtooth", std::string(24, 'p'), std::string(64, 'c')},
        {"Pad", "", "", "Pad     ", "", ""},
        {"", "Exactly twenty-four char", std::string(64, 'x'), "        ", "Exactly twenty-four char",
         std::string(64, 'x')},
    };
    for (const Case& c : cases) {
        ProgramInfoRecord record = Filled();
        record.categoryFlag = true;
        record.commentFlag = true;
        const int result = Run(record, [&](HWND dialog) {
            SetDlgItemTextA(dialog, Dialog::kIdName, c.name.c_str());
            SetDlgItemTextA(dialog, Dialog::kIdProgrammer, c.programmer.c_str());
            SetDlgItemTextA(dialog, Dialog::kIdComment, c.comment.c_str());
            Choose(dialog, Dialog::kIdCategory, 13);
            Command(dialog, Dialog::kIdOk);
        });
        EXPECT_EQ(result, 1);
        EXPECT_EQ(std::string(record.name, 8), c.storedName);
        EXPECT_EQ(record.nameLength, 256);
        EXPECT_EQ(std::string(record.programmer), c.storedProgrammer);
        EXPECT_EQ(std::string(record.comment), c.storedComment);
        EXPECT_EQ(record.category, 13);
        EXPECT_TRUE(record.categoryFlag);
        EXPECT_TRUE(record.nameAndProgrammerFlag);
        EXPECT_TRUE(record.commentFlag);
    }
}

TEST_F(ProgramInfoTest, ACharacterAbove127AnywhereEndsWith2AndLeavesTheRecord)
{
    for (int item : {Dialog::kIdName, Dialog::kIdProgrammer, Dialog::kIdComment}) {
        ProgramInfoRecord record = Filled();
        const ProgramInfoRecord before = record;
        const int result = Run(record, [&](HWND dialog) {
            SetDlgItemTextA(dialog, item, "Caf\xC3\xA9");  // an accented letter
            Choose(dialog, Dialog::kIdCategory, 2);
            Command(dialog, Dialog::kIdOk);
        });
        EXPECT_EQ(result, Dialog::kResultMultiByte) << item;
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0) << item;
    }
}

}  // namespace
