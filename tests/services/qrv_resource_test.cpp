// Localised strings: look-up by message key, the language variant chosen by
// the user's locale, and the byte copy underneath.
#include "TraceRecorder.h"
#include "framework/services/QRVResource.h"

#include <platform/testing.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

// Sets the user's locale for one scope and restores the environment after.
class LocaleScope
{
public:
    explicit LocaleScope(const char* locale) { platform::testing::SetUserLocale(locale); }
    ~LocaleScope() { platform::testing::SetUserLocale(nullptr); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;
};

std::unique_ptr<CQRVResource> Load(const char* locale, LPCWSTR name, LPCWSTR type = u"xml")
{
    LocaleScope scope(locale);
    return std::make_unique<CQRVResource>(name, type);
}

std::string Text(const CQRVResource* resource, const char* key)
{
    return GetLocalizedString(resource, key).toStdString();
}

TEST(QRVResourceTest, LooksUpKeysIgnoringCaseAndTakesTheFirstMatch)
{
    auto strings = Load("en_US.UTF-8", u"LookupStrings");
    ASSERT_NE(strings->GetRoot(), nullptr);
    const std::pair<const char*, const char*> cases[] = {
        {"ButtonCancel", "Cancel"},
        {"buttoncancel", "Cancel"},
        {"BUTTONCANCEL", "Cancel"},
        {"Repeated", "first"},  // a later tag differing only in case is never reached
        {"REPEATED", "first"},
        {"Placeholder", "%s : %d"},
        {"NoText", ""},  // the element has no Text attribute
        {"Absent", ""},
        {"Button", ""},   // a prefix is not a match
        {"Strings", ""},  // the root itself is not a key
        {"", ""},
    };
    for (const auto& [key, expected] : cases)
        EXPECT_EQ(Text(strings.get(), key), expected) << key;
}

TEST(QRVResourceTest, UsesTheVariantOfTheUsersLanguage)
{
    const std::pair<const char*, const char*> cases[] = {
        {"en_US.UTF-8", "Cancel"},
        {"ja_JP.UTF-8", "キャンセル"},
        {"de_DE.UTF-8", "Cancel"},  // no German variant: English
        {"C", "Cancel"},
    };
    for (const auto& [locale, expected] : cases) {
        auto strings = Load(locale, u"LookupStrings");
        EXPECT_EQ(Text(strings.get(), "ButtonCancel"), expected) << locale;
    }
}

TEST(QRVResourceTest, EveryTextIsEmptyWhenTheResourceCannotBeParsed)
{
    struct Case
    {
        const char* what;
        LPCWSTR name;
        LPCWSTR type;
        int size;  // the resource's own, so each case fails for its own reason
    };
    const Case cases[] = {
        {"malformed document", u"MalformedStrings", u"xml", 95},
        {"missing resource", u"NoSuchStrings", u"xml", -1},
        {"empty resource", u"Empty", u"TESTDATA", -1},
        {"not XML at all", u"TenBytes", u"TESTDATA", 10},
    };
    for (const Case& c : cases) {
        int size = 0;
        CopyResourceBytes(nullptr, c.name, c.type, nullptr, 0, &size);
        EXPECT_EQ(size, c.size) << c.what;
        auto strings = Load("en_US.UTF-8", c.name, c.type);
        EXPECT_EQ(strings->GetRoot(), nullptr) << c.what;
        EXPECT_EQ(Text(strings.get(), "ButtonCancel"), "") << c.what;
    }
    EXPECT_EQ(Text(nullptr, "ButtonCancel"), "");
}

// What the toolkit's parser would read past the end of, or loop on for ever.
TEST(QRVResourceTest, TextTheParserCannotTakeIsRefusedWithATrace)
{
    const std::string notUtf8 = "LoadXmlResource() - The resource is not UTF-8 text.";
    const struct
    {
        LPCWSTR name;
        const char* what;
        std::string trace;
    } cases[] = {
        {u"CutShortStrings", "a sequence cut short at the end", notUtf8},
        {u"BadByteStrings", "a byte no sequence starts with", notUtf8},
        {u"ZeroByteStrings", "a zero byte, with a sequence cut short after it", notUtf8},
        {u"LateInstructionStrings", "a processing instruction followed by text in an element",
         "LoadXmlResource() - The resource holds a processing instruction after its declaration."},
    };
    for (const auto& c : cases) {
        TraceRecorder trace;
        auto strings = Load("en_US.UTF-8", c.name);
        EXPECT_EQ(strings->GetRoot(), nullptr) << c.what;
        EXPECT_EQ(trace.lines(), std::vector<std::string>{c.trace}) << c.what;
    }
}

TEST(QRVResourceTest, TheInstanceIsKnownOnlyWhileItLives)
{
    EXPECT_EQ(CQRVResource::GetInstance(), nullptr);
    {
        CQRVResource strings;
        EXPECT_EQ(CQRVResource::GetInstance(), &strings);
    }
    EXPECT_EQ(CQRVResource::GetInstance(), nullptr);
}

TEST(QRVResourceTest, CopyResourceBytesCopiesAtMostTheBufferAndReportsTheSize)
{
    struct Case
    {
        const char* what;
        LPCWSTR name;
        int bufferSize;
        bool nullBuffer;
        int copied;
        int size;
        std::string bytes;
    };
    const Case cases[] = {
        {"whole resource", u"TenBytes", 10, false, 10, 10, "0123456789"},
        {"larger buffer", u"TenBytes", 16, false, 10, 10, "0123456789"},
        {"smaller buffer", u"TenBytes", 4, false, 4, 10, "0123"},
        {"zero-size buffer", u"TenBytes", 0, false, 0, 10, ""},
        {"negative size", u"TenBytes", -1, false, 0, 10, ""},
        {"null buffer", u"TenBytes", 16, true, 0, 10, ""},
        {"missing resource", u"NoSuchBytes", 16, false, 0, -1, ""},
        {"empty resource", u"Empty", 16, false, 0, -1, ""},
    };
    for (const Case& c : cases) {
        std::vector<char> buffer(16, '#');
        int size = 12345;
        const int copied = CopyResourceBytes(nullptr, c.name, u"TESTDATA", c.nullBuffer ? nullptr : buffer.data(),
                                             c.bufferSize, &size);
        EXPECT_EQ(copied, c.copied) << c.what;
        EXPECT_EQ(size, c.size) << c.what;
        EXPECT_EQ(std::string(buffer.data(), c.bytes.size()), c.bytes) << c.what;
        EXPECT_EQ(buffer[c.bytes.size()], '#') << c.what << ": wrote past the copied bytes";
    }
    char byte = 0;
    EXPECT_EQ(CopyResourceBytes(nullptr, u"TenBytes", u"TESTDATA", &byte, 1, nullptr), 1);
    EXPECT_EQ(byte, '0');
}

// Every message key the program uses has a text in both languages, read the
// way the program reads it.
TEST(QRVResourceTest, EveryMessageKeyResolvesInBothLanguages)
{
    const char* root = std::getenv("VQ_TEST_DATA");
    ASSERT_NE(root, nullptr) << "VQ_TEST_DATA is not set";
    std::ifstream list(std::string(root) + "/services/message_keys.txt");
    ASSERT_TRUE(list.is_open());
    std::vector<std::string> keys;
    for (std::string key; std::getline(list, key);) {
        if (!key.empty())
            keys.push_back(key);
    }
    ASSERT_FALSE(keys.empty());

    auto english = Load("en_US.UTF-8", u"LocalizableStrings");
    auto japanese = Load("ja_JP.UTF-8", u"LocalizableStrings");
    ASSERT_NE(english->GetRoot(), nullptr);
    ASSERT_NE(japanese->GetRoot(), nullptr);
    EXPECT_EQ(english->GetRoot()->getStringAttribute("Language"), "en");
    EXPECT_EQ(japanese->GetRoot()->getStringAttribute("Language"), "jp");
    for (const std::string& key : keys) {
        EXPECT_NE(Text(english.get(), key.c_str()), "") << "English: " << key;
        EXPECT_NE(Text(japanese.get(), key.c_str()), "") << "Japanese: " << key;
    }
    EXPECT_EQ(Text(english.get(), "ButtonCancel"), "Cancel");
}

}  // namespace
