// The system's own dialog texts follow the user's UI language, English for
// a language without a table.
#include "platform/src/dialogs/standard_texts.h"

#include <platform/testing/locale.h>

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

using platform::dialogs::StandardText;
using platform::dialogs::StandardTextOf;

std::vector<StandardText> AllTexts()
{
    std::vector<StandardText> all;
    for (int i = 0; i <= int(StandardText::SaveAsTitle); ++i)
        all.push_back(StandardText(i));
    return all;
}

std::vector<std::string> TextsIn(const char* locale)
{
    platform::testing::SetUserLocale(locale);
    std::vector<std::string> texts;
    for (StandardText text : AllTexts())
        texts.push_back(StandardTextOf(text));
    return texts;
}

// The letter after "&", upper case; 0 for a text without one.
char Mnemonic(const std::string& text)
{
    const size_t at = text.find('&');
    return at == std::string::npos || at + 1 == text.size() ? 0 : char(std::toupper((unsigned char)text[at + 1]));
}

bool HasNonAscii(const std::string& text)
{
    for (unsigned char c : text)
        if (c >= 0x80)
            return true;
    return false;
}

class StandardTexts : public ::testing::Test
{
protected:
    void TearDown() override { platform::testing::SetUserLocale(nullptr); }
};

TEST_F(StandardTexts, EveryTextHasItsOwnJapaneseWithTheSameLetter)
{
    const std::vector<std::string> english = TextsIn("en_US.UTF-8");
    const std::vector<std::string> japanese = TextsIn("ja_JP.UTF-8");
    for (size_t i = 0; i < english.size(); ++i) {
        EXPECT_FALSE(english[i].empty()) << i;
        EXPECT_FALSE(japanese[i].empty()) << i;
        // Japanese dialogs keep "OK" in Latin letters; every other text is translated.
        if (english[i] != "OK") {
            EXPECT_TRUE(HasNonAscii(japanese[i])) << i << " " << japanese[i];
        }
        // Alt with the same letter presses the same button in either language.
        EXPECT_EQ(Mnemonic(english[i]), Mnemonic(japanese[i])) << english[i] << " / " << japanese[i];
    }
}

TEST_F(StandardTexts, ALanguageWithoutATableGetsEnglish)
{
    const std::vector<std::string> english = TextsIn("en_US.UTF-8");
    for (const char* locale : {"de_DE.UTF-8", "C", "fr_FR"})
        EXPECT_EQ(TextsIn(locale), english) << "'" << locale << "'";
}

}  // namespace
