#include "framework/services/EfStringTable.h"

#include <gtest/gtest.h>
#include <platform/testing/locale.h>

#include <string>
#include <utility>
#include <vector>

#include "ScratchFile.h"
#include "TraceRecorder.h"

namespace {

using Lists = std::vector<std::pair<std::string, std::vector<std::string>>>;

struct ParseCase
{
    const char* name;
    std::string bytes;
    bool loads;
    Lists table;  // every keyword the table must hold afterwards, nothing else
};

const Lists kOnOff = {{"OnOff", {"Off", "On"}}};
const std::string kLong(300, 'x');

const ParseCase kParseCases[] = {
    {"LfEndings", "*OnOff\nOff\nOn\n", true, kOnOff},
    {"CrLfEndings", "*OnOff\r\nOff\r\nOn\r\n", true, kOnOff},
    {"LoneCrEndingsWithCrAsLastByte", "*OnOff\rOff\rOn\r", true, kOnOff},
    {"NoEndAfterLastLine", "*OnOff\nOff\nOn", true, kOnOff},
    {"CommentsAndEmptyLinesSkipped", "; lists\n\n*OnOff\n;Off\n\r\n   \nOff\n\n;\nOn\n", true, kOnOff},
    {"LeadingWhiteSpaceDroppedTrailingBlanksKept",
     "\t *K\n   Text  \n \v\f\tNext\n",
     true,
     {{"K", {"Text  ", "Next"}}}},
    {"FfAtLineStartEndsTheInput", "*K\nA\n\xFF\nB\n", true, {{"K", {"A"}}}},
    {"FfInsideLineEndsTheLine",
     "*K\nAB\xFF"
     "CD\n",
     true,
     {{"K", {"AB", "CD"}}}},
    {"OtherHighBytesAreText", "*K\n\xE9t\xE9\x80\n", true, {{"K", {"\xE9t\xE9\x80"}}}},
    {"RepeatedKeywordContinuesItsList", "*A\n1\n*B\n2\n*A\n3\n", true, {{"A", {"1", "3"}}, {"B", {"2"}}}},
    {"KeywordWithoutRowsIsNoKey", "*A\n*B\nx\n", true, {{"B", {"x"}}}},
    {"OverlongLinesCutAt255",
     "*" + kLong + "\n" + kLong + "\nnext\n",
     true,
     {{std::string(254, 'x'), {std::string(255, 'x'), "next"}}}},
    {"EmptyInput", "", false, {}},
    {"OnlyCommentsAndEmptyLines", "; one\n\n  ; two\r\n", false, {}},
    {"DataLineFirst", "Off\n*OnOff\nOn\n", false, {}},
    {"FfBeforeFirstKeyword", "\xFF*K\nA\n", false, {}},
    {"EmptyKeywordFirst", "*\nx\n", false, {}},
    {"EmptyKeywordStopsTheLoadKeepingEarlierLists", "*A\n1\n*\n2\n*B\n3\n", false, {{"A", {"1"}}}},
};

class StringTableParse : public ::testing::TestWithParam<ParseCase>
{};

TEST_P(StringTableParse, LoadsTheListsOfTheFile)
{
    const ParseCase& c = GetParam();
    ScratchFolder folder;
    const std::string path = folder.WriteFile("table.txt", {c.bytes.begin(), c.bytes.end()});
    CHfcFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kRead | CHfcFile::kBinary));

    CEfStringTable table;
    EXPECT_EQ(table.LoadFromFile(file), c.loads);
    EXPECT_EQ(table.GetNumKeys(), static_cast<int>(c.table.size()));
    for (const auto& [keyword, rows] : c.table) {
        SCOPED_TRACE(keyword);
        ASSERT_EQ(table.GetNumStrings(keyword.c_str()), static_cast<int>(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_STREQ(table.GetString(keyword.c_str(), static_cast<int>(i)), rows[i].c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StringTableParse, ::testing::ValuesIn(kParseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StringTable, EmptyKeywordIsTraced)
{
    ScratchFolder folder;
    CHfcFile file;
    ASSERT_TRUE(file.Open(folder.WriteFile("t.txt", {'*', 'A', '\n', '1', '\n', '*', '\n'}).c_str(),
                          CHfcFile::kRead | CHfcFile::kBinary));
    TraceRecorder trace;
    CEfStringTable table;
    EXPECT_FALSE(table.LoadFromFile(file));
    EXPECT_EQ(trace.lines(), std::vector<std::string>{"zero length keyword."});
}

TEST(StringTable, GetStringIsNullOutsideTheLists)
{
    CEfStringTable table;
    table.AddString("OnOff", "Off");
    table.AddString("OnOff", "On");
    EXPECT_STREQ(table.GetString("OnOff", 1), "On");
    EXPECT_EQ(table.GetString("OnOff", 2), nullptr);
    EXPECT_EQ(table.GetString("OnOff", -1), nullptr);
    EXPECT_EQ(table.GetString("onoff", 0), nullptr);  // keywords compare byte by byte
    EXPECT_EQ(table.GetString("Missing", 0), nullptr);
    EXPECT_EQ(table.GetString(nullptr, 0), nullptr);
    EXPECT_EQ(table.GetNumStrings("Missing"), 0);
}

TEST(StringTable, MissingKeyIsTraced)
{
    CEfStringTable table;
    TraceRecorder trace;
    table.GetString("Missing", 0);
    EXPECT_EQ(trace.lines(), std::vector<std::string>{"CEfStringTable::GetString : Not found key \"Missing\""});
}

TEST(StringTable, TextsStayInPlaceWhileListsGrow)
{
    CEfStringTable table;
    table.AddString("K", "first");
    const char* first = table.GetString("K", 0);
    for (int i = 0; i < 1000; ++i)
        table.AddString("K", "more");
    EXPECT_STREQ(first, "first");
    EXPECT_EQ(first, table.GetString("K", 0));
}

class StringTableLanguage : public ::testing::Test
{
protected:
    ~StringTableLanguage() override { platform::testing::SetUserLocale(nullptr); }

    // A different text under the same keyword in each language's table.
    void FillBothLanguages()
    {
        table.SetLanguage(0);
        table.AddString("Title", "english");
        table.SetLanguage(1);
        table.AddString("Title", "japanese");
    }

    CEfStringTable table;
};

TEST_F(StringTableLanguage, EachLanguageHasItsOwnTable)
{
    FillBothLanguages();
    EXPECT_EQ(table.SetLanguage(0), 0);
    EXPECT_STREQ(table.GetString("Title", 0), "english");
    EXPECT_EQ(table.SetLanguage(1), 1);
    EXPECT_STREQ(table.GetString("Title", 0), "japanese");
    EXPECT_EQ(table.GetNumKeys(), 1);
}

TEST_F(StringTableLanguage, LoadFillsOnlyTheCurrentLanguage)
{
    ScratchFolder folder;
    CHfcFile file;
    ASSERT_TRUE(file.Open(folder.WriteFile("t.txt", {'*', 'K', '\n', 'v', '\n'}).c_str(), CHfcFile::kRead));
    table.SetLanguage(1);
    ASSERT_TRUE(table.LoadFromFile(file));
    EXPECT_STREQ(table.GetString("K", 0), "v");
    table.SetLanguage(0);
    EXPECT_EQ(table.GetNumKeys(), 0);
}

TEST_F(StringTableLanguage, MinusOneFollowsTheUserLocale)
{
    const std::pair<const char*, int> cases[] = {{"ja_JP.UTF-8", 1}, {"en_US.UTF-8", 0}, {"de_DE", 0}, {"C", 0}};
    FillBothLanguages();
    for (const auto& [locale, language] : cases) {
        SCOPED_TRACE(locale);
        platform::testing::SetUserLocale(locale);
        EXPECT_EQ(table.SetLanguage(-1), language);
        EXPECT_STREQ(table.GetString("Title", 0), language == 1 ? "japanese" : "english");
    }
}

TEST_F(StringTableLanguage, OtherValuesAreReturnedAndChangeNothing)
{
    FillBothLanguages();  // leaves language 1 current
    for (int ignored : {5, 2, -2}) {
        EXPECT_EQ(table.SetLanguage(ignored), ignored);
        EXPECT_STREQ(table.GetString("Title", 0), "japanese");
    }
}

}  // namespace
