#include <platform/locale.h>
#include <platform/resources.h>
#include <platform/testing.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

class ResourcesTest : public ::testing::Test
{
protected:
    void TearDown() override { platform::testing::SetUserLocale(nullptr); }

    static std::string Text(HRSRC found)
    {
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
        return std::string(bytes, SizeofResource(nullptr, found));
    }
};

TEST_F(ResourcesTest, TypeAndNameMatchInAnyCase)
{
    platform::testing::SetUserLocale("en_US.UTF-8");
    for (auto [name, type] : {std::pair{"Greeting", "TESTDATA"}, {"GREETING", "testdata"}, {"greeting", "TestData"}}) {
        HRSRC found = FindResourceA(nullptr, name, type);
        ASSERT_NE(found, nullptr) << name << " " << type;
        EXPECT_EQ(Text(found), "hello");
    }
    HRSRC wide = FindResourceW(nullptr, u"gReEtInG", u"TESTDATA");
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(Text(wide), "hello");
}

TEST_F(ResourcesTest, LanguageFollowsTheLocaleAndFallsBack)
{
    struct Case
    {
        const char* locale;
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"ja_JP.UTF-8", "Greeting", "konnichiwa"},
        {"en_US.UTF-8", "Greeting", "hello"},
        {"en_GB.UTF-8", "Greeting", "hello"},  // same language, other region
        {"de_AT.UTF-8", "Greeting", "hallo"},  // same language, other region
        {"fr_FR.UTF-8", "Greeting", "hello"},  // no French: US English
        {"C", "Greeting", "hello"},
        {"en_US.UTF-8", "JapaneseOnly", "konnichiwa"},  // the only variant
        {"ja_JP.UTF-8", "NeutralOnly", "neutral"},
    };
    for (const Case& c : cases) {
        platform::testing::SetUserLocale(c.locale);
        HRSRC found = FindResourceA(nullptr, c.name, "TESTDATA");
        ASSERT_NE(found, nullptr) << c.locale << " " << c.name;
        EXPECT_EQ(Text(found), c.expected) << c.locale << " " << c.name;
    }
}

TEST_F(ResourcesTest, SizesCountTheFileBytesOnly)
{
    EXPECT_EQ(SizeofResource(nullptr, FindResourceA(nullptr, "NeutralOnly", "TESTDATA")), 7u);
    EXPECT_EQ(SizeofResource(nullptr, FindResourceA(nullptr, "Empty", "TESTDATA")), 0u);

    HRSRC signature = FindResourceA(nullptr, "Signature", "BINARY");
    ASSERT_EQ(SizeofResource(nullptr, signature), 8u);
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, signature)));
    const BYTE expected[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_EQ(std::memcmp(bytes, expected, sizeof expected), 0);
}

TEST_F(ResourcesTest, MissingResourcesGiveNothing)
{
    EXPECT_EQ(FindResourceA(nullptr, "Nothing", "TESTDATA"), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "Greeting", "OTHER"), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "Greet", "TESTDATA"), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "Greeting2", "TESTDATA"), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, nullptr, "TESTDATA"), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(7), "TESTDATA"), nullptr);
    EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
    EXPECT_EQ(LockResource(nullptr), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, nullptr), 0u);
}

TEST_F(ResourcesTest, TheSameResourceIsFoundEveryTime)
{
    EXPECT_EQ(LockResource(LoadResource(nullptr, FindResourceA(nullptr, "NeutralOnly", "TESTDATA"))),
              LockResource(LoadResource(nullptr, FindResourceA(nullptr, "neutralonly", "testdata"))));
}

TEST(LocaleTest, LanguageIdsFromLocaleNames)
{
    const std::pair<const char*, LANGID> cases[] = {
        {"ja_JP.UTF-8", 0x0411}, {"ja", 0x0411},    {"JA_JP", 0x0411}, {"en_US.UTF-8", 0x0409},
        {"de_DE@euro", 0x0407},  {"C", 0x0409},     {"POSIX", 0x0409}, {"", 0x0409},
        {"C.UTF-8", 0x0409},     {"xx_YY", 0x0409}, {nullptr, 0x0409},
    };
    for (auto [name, expected] : cases)
        EXPECT_EQ(platform::LanguageIdFromLocaleName(name), expected) << (name ? name : "null");
}

TEST(LocaleTest, EnvironmentOrderIsAllThenMessagesThenLang)
{
    auto saved = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto all = saved("LC_ALL"), messages = saved("LC_MESSAGES"), lang = saved("LANG");

    unsetenv("LC_ALL");
    setenv("LC_MESSAGES", "", 1);
    setenv("LANG", "ja_JP.UTF-8", 1);
    EXPECT_EQ(PRIMARYLANGID(GetUserDefaultLCID()), LANG_JAPANESE);
    setenv("LC_MESSAGES", "de_DE.UTF-8", 1);
    EXPECT_EQ(GetUserDefaultUILanguage(), 0x0407);
    setenv("LC_ALL", "en_US.UTF-8", 1);
    EXPECT_EQ(GetUserDefaultUILanguage(), 0x0409);

    auto restore = [](const char* name, const std::optional<std::string>& value) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    };
    restore("LC_ALL", all);
    restore("LC_MESSAGES", messages);
    restore("LANG", lang);
}

}  // namespace
