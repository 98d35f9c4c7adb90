// The localised-strings resource as shipped: both language variants parse,
// hold the same keys with non-empty texts, and keep printf placeholders in
// step, so that a lookup never falls back to an empty label in one language.
#include <platform/resources.h>
#include <platform/testing.h>

#include <gtest/gtest.h>
#include <juce_core/juce_core.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

struct Variant
{
    std::string language;            // the root's Language attribute
    std::vector<std::string> order;  // keys in document order
    std::map<std::string, std::string> texts;
    std::vector<std::string> strays;  // anything that is not a keyed element with Text
};

Variant LoadVariant(const char* locale)
{
    platform::testing::SetUserLocale(locale);
    HRSRC found = FindResourceA(nullptr, "LocalizableStrings", "xml");
    platform::testing::SetUserLocale(nullptr);
    if (found == nullptr) {
        ADD_FAILURE() << "no LocalizableStrings resource for " << locale;
        return {};
    }
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const DWORD size = SizeofResource(nullptr, found);

    // The resource carries no terminating zero: decode exactly its bytes.
    std::unique_ptr<juce::XmlElement> root =
        juce::XmlDocument::parse(juce::String::fromUTF8(bytes, static_cast<int>(size)));
    if (root == nullptr) {
        ADD_FAILURE() << "LocalizableStrings for " << locale << " is not well-formed";
        return {};
    }
    EXPECT_EQ(root->getTagName().toStdString(), "Strings") << locale;

    Variant variant;
    variant.language = root->getStringAttribute("Language").toStdString();
    for (const juce::XmlElement* child : root->getChildIterator()) {
        if (child->isTextElement()) {
            if (child->getText().trim().isNotEmpty())
                variant.strays.push_back("text: " + child->getText().toStdString());
            continue;
        }
        const std::string key = child->getTagName().toStdString();
        if (!child->hasAttribute("Text") || child->getNumChildElements() != 0) {
            variant.strays.push_back(key);
            continue;
        }
        variant.order.push_back(key);
        variant.texts.emplace(key, child->getStringAttribute("Text").toStdString());
    }
    return variant;
}

const Variant& English()
{
    static const Variant variant = LoadVariant("en_US.UTF-8");
    return variant;
}

const Variant& Japanese()
{
    static const Variant variant = LoadVariant("ja_JP.UTF-8");
    return variant;
}

std::set<std::string> KeySet(const Variant& variant)
{
    std::set<std::string> keys;
    for (const auto& [key, text] : variant.texts)
        keys.insert(key);
    return keys;
}

std::vector<std::string> Placeholders(const std::string& text)
{
    static const std::regex spec(R"(%%|%[-+ #0]*[0-9]*(\.[0-9]+)?(hh|h|ll|l|z)?[diouxXeEfgGcsp])");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), spec); it != std::sregex_iterator(); ++it)
        if (it->str() != "%%")
            found.push_back(it->str());
    return found;
}

TEST(LocalizableStringsResourceTest, EachLanguageHasItsOwnWellFormedVariant)
{
    EXPECT_EQ(English().language, "en");
    EXPECT_EQ(Japanese().language, "jp");
    for (const Variant* variant : {&English(), &Japanese()}) {
        EXPECT_FALSE(variant->order.empty()) << variant->language;
        EXPECT_TRUE(variant->strays.empty())
            << variant->language << ": elements without a Text attribute or stray text, first: "
            << (variant->strays.empty() ? "" : variant->strays.front());
    }
}

TEST(LocalizableStringsResourceTest, KeysAreUniqueIgnoringCaseAndTextsAreNotEmpty)
{
    // Lookups ignore case and take the first match, so a key that differs
    // only in case from an earlier one could never be reached.
    for (const Variant* variant : {&English(), &Japanese()}) {
        std::set<std::string> seen;
        for (const std::string& key : variant->order) {
            EXPECT_TRUE(seen.insert(juce::String(key).toLowerCase().toStdString()).second)
                << variant->language << ": duplicate key " << key;
            EXPECT_FALSE(variant->texts.at(key).empty()) << variant->language << ": empty text for " << key;
        }
    }
}

TEST(LocalizableStringsResourceTest, BothLanguagesHoldTheSameKeys)
{
    const std::set<std::string> english = KeySet(English());
    const std::set<std::string> japanese = KeySet(Japanese());
    for (const std::string& key : english)
        EXPECT_TRUE(japanese.count(key)) << "missing in Japanese: " << key;
    for (const std::string& key : japanese)
        EXPECT_TRUE(english.count(key)) << "missing in English: " << key;
}

TEST(LocalizableStringsResourceTest, PlaceholdersMatchInOrderBetweenLanguages)
{
    for (const auto& [key, english] : English().texts) {
        auto japanese = Japanese().texts.find(key);
        if (japanese == Japanese().texts.end())
            continue;  // reported by BothLanguagesHoldTheSameKeys
        EXPECT_EQ(Placeholders(english), Placeholders(japanese->second)) << key;
    }
}

TEST(LocalizableStringsResourceTest, PlaceholderScannerFindsPrintfSpecifications)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"plain text", {}},
        {"%s : %s", {"%s", "%s"}},
        {"%02d:%02d %3.1f Hz", {"%02d", "%02d", "%3.1f"}},
        {"100%% done, %-8.8s", {"%-8.8s"}},
        {"+%d cent", {"%d"}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Placeholders(text), expected) << text;
}

TEST(LocalizableStringsResourceTest, EnglishTextsAreTheProgramsOwn)
{
    const std::pair<const char*, const char*> cases[] = {
        {"ButtonCancel", "Cancel"},
        {"ErrorDialogTitle", "Error"},
        {"ErrorCannotUseMultiByteChar", "Multi-byte characters cannot be used."},
        {"BackgroundColourTitle", "Background Color"},
        {"BackgroundColourMessage",
         "Changing the background color will be reflected after restarting this application."},
        {"TitleSaveChanges", "Confirm"},
        {"ConfirmSaveChangesBefore", "\""},
        {"ConfirmSaveChangesAfter", "\" has changed. Do you save this file?"},
        {"FileErrorFileOpen", "The file couldn't open."},
        {"FileErrorFileOpenLog", "The file couldn't be opened."},
        {"FileErrorReadData", "Failed to read data."},
        {"FileErrorReadDataLog", "Failed to read data from the file."},
        {"FileErrorInvalidId", "The file has invalid ID."},
        {"FileErrorInvalidIdLog", "An invalid file ID was found."},
        {"FileErrorDataSize", "Data size information is broken."},
        {"FileErrorDataSizeLog", "Data size error."},
        {"MidiErrorDeviceNotFound", "VQ-700Z is not connected."},
        {"MidiErrorDeviceNotFoundLog", "VQ-700Z is not found."},
        {"MidiErrorNotTargetDevice", "VQ-700Z is not connected on the specified port."},
        {"MidiErrorNotTargetDeviceLog", "The device is not VQ-700Z."},
        {"MidiErrorTimeout", "Timeout."},
        {"MidiErrorTimeoutLog", "Timeout"},
        {"MidiErrorReceiveError", "Failed to write data. Please check your connection or the battery level."},
        {"MidiErrorInternalError", "VQ-700Z Sound Editor Internal Error"},
        {"TitleOpenAllData", "Open"},
        {"TitleLogOpenAllData", "Open All Data"},
        {"TitleLoadProgram", "Open Program Data File"},
        {"TitleLogLoadProgram", "Load Program"},
        {"TitleImportQTPLibrary", "Import Sorrel QT+ library data"},
        {"TitleLogImportQTPLibrary", "Import Sorrel QT+ Library"},
        {"DialogOpenAllDataFileType", "VQ-700Z Library Data Files"},
        {"DialogSaveGlobalFileType", "VQ-700Z Global Data Files"},
        {"DialogImportN6LibraryFileType", "N6 Library Files"},
        {"TitleReceiveAll", "Receive All Data"},
        {"ConfirmReceiveAll", "Are you sure to receive all data?"},
        {"ConfirmWriteAllPrograms", "Are you sure to write all programs to the VQ-700Z?"},
        {"ConfirmWriteGlobal", "Are you sure to write global data to the VQ-700Z?"},
        {"TitleRestoreGlobal", "Revert to Saved Global Data"},
        {"ConfirmRestoreGlobal", "Global data will revert to saved data. Are you sure?"},
        {"TitleInitializeProgram", "Initialize Program"},
        {"ConfirmInitializeProgram", "The program will initialize. Are you sure?"},
        {"TitleRestoreProgram", "Revert to Saved Program"},
        {"MenuItemReceiveProgram", "Receive Current Program"},
        {"MenuItemTransmitAllItems", "Write All Data"},
        {"MenuItemPrevItem", "Previous Item"},
        {"ProgListPopupMenu03", "Initialize"},
        {"ProgListPopupMenu08", "Revert to saved data"},
        {"ProgListViewMenu09", "Priority"},
    };
    for (const auto& [key, expected] : cases) {
        auto found = English().texts.find(key);
        ASSERT_NE(found, English().texts.end()) << key;
        EXPECT_EQ(found->second, expected) << key;
    }
}

TEST(LocalizableStringsResourceTest, EveryCollectedMessageKeyResolvesInBothLanguages)
{
    const char* root = std::getenv("VQ_TEST_DATA");
    ASSERT_NE(root, nullptr) << "VQ_TEST_DATA is not set";
    std::ifstream list(std::string(root) + "/services/message_keys.txt");
    ASSERT_TRUE(list.is_open());

    int listed = 0;
    for (std::string key; std::getline(list, key);) {
        if (key.empty())
            continue;
        ++listed;
        EXPECT_TRUE(English().texts.count(key)) << "missing in English: " << key;
        EXPECT_TRUE(Japanese().texts.count(key)) << "missing in Japanese: " << key;
    }
    EXPECT_GT(listed, 0);
}

}  // namespace
