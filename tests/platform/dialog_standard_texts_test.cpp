// The system's own dialog texts follow the user's UI language, English for
// a language without a table.
#include "platform/src/dialogs/standard_texts.h"

#include <platform/testing/locale.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::dialogs::StandardText;
using platform::dialogs::StandardTextOf;

class StandardTexts : public ::testing::Test {
protected:
    void TearDown() override { platform::testing::SetUserLocale(nullptr); }
};

TEST_F(StandardTexts, EachTextInEachLanguage)
{
    struct Case {
        StandardText text;
        const char* english;
        const char* japanese;
    };
    const Case cases[] = {
        {StandardText::Ok, "OK", "OK"},
        {StandardText::Cancel, "Cancel", "キャンセル"},
        {StandardText::Yes, "&Yes", "はい(&Y)"},
        {StandardText::No, "&No", "いいえ(&N)"},
        {StandardText::LookIn, "Look &in:", "ファイルの場所(&I):"},
        {StandardText::SaveIn, "Save &in:", "保存する場所(&I):"},
        {StandardText::FileName, "File &name:", "ファイル名(&N):"},
        {StandardText::FilesOfType, "Files of &type:", "ファイルの種類(&T):"},
        {StandardText::OpenButton, "&Open", "開く(&O)"},
        {StandardText::SaveButton, "&Save", "保存(&S)"},
        {StandardText::OpenTitle, "Open", "開く"},
        {StandardText::SaveAsTitle, "Save As", "名前を付けて保存"},
    };
    struct Locale {
        const char* name;
        bool japanese;
    };
    // German has no table and falls back to English.
    for (const Locale locale : {Locale{"en_US.UTF-8", false}, Locale{"ja_JP.UTF-8", true}, Locale{"de_DE.UTF-8", false},
                                Locale{"C", false}}) {
        platform::testing::SetUserLocale(locale.name);
        for (const Case& c : cases)
            EXPECT_EQ(std::string(StandardTextOf(c.text)), locale.japanese ? c.japanese : c.english)
                << locale.name << " " << int(c.text);
    }
}

}  // namespace
