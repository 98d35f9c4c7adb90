// File names as the system holds them, any bytes, turned into text and back.
#include <platform/file_names.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::FileNameText;
using platform::ReadableFileName;
using platform::SystemFileName;

TEST(FileNames, EveryNameComesBackFromItsTextByteForByte)
{
    struct Case
    {
        const char* what;
        std::string name;
        std::string text;  // as the interfaces above see it
    };
    const Case cases[] = {
        {"plain", "/home/user/bank.vq700z_all", "/home/user/bank.vq700z_all"},
        {"UTF-8 of two, three and four bytes", "/tmp/caf\xC3\xA9 \xE9\x9F\xB3 \xF0\x9F\x8E\xB9",
         "/tmp/caf\xC3\xA9 \xE9\x9F\xB3 \xF0\x9F\x8E\xB9"},
        {"bytes FF FE", "/tmp/\xFF\xFE.lib", "/tmp/\xEF\x9F\xBF\xEF\x9F\xBE.lib"},
        {"a stray continuation byte", "a\x80z", "a\xEF\x9E\x80z"},
        {"an overlong slash", "a\xC0\xAFz", "a\xEF\x9F\x80\xEF\x9E\xAFz"},
        {"a surrogate", "\xED\xA0\x80", "\xEF\x9F\xAD\xEF\x9E\xA0\xEF\x9E\x80"},
        {"a sequence cut by the end", "x\xE2\x82", "x\xEF\x9F\xA2\xEF\x9E\x82"},
        {"Latin-1", "Gr\xFC\xDF", "Gr\xEF\x9F\xBC\xEF\x9F\x9F"},
        // A name holding a stand-in's own UTF-8 must not read as the byte.
        {"a stand-in's own bytes", "\xEF\x9F\xBF", "\xEF\x9F\xAF\xEF\x9E\x9F\xEF\x9E\xBF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileNameText(c.name), c.text) << c.what;
        EXPECT_EQ(SystemFileName(c.text), c.name) << c.what;
    }
}

TEST(FileNames, TextThatNeverWasANamesTextNamesTheSameBytes)
{
    // Raw bytes handed on without the trip to text still name their file.
    for (const std::string raw : {"/tmp/\xFF\xFE.lib", "plain", "caf\xC3\xA9", "\xC0\xAF"})
        EXPECT_EQ(SystemFileName(raw), raw);
}

TEST(FileNames, BytesThatStandForThemselvesReadAsTheReplacementCharacter)
{
    const std::string text = FileNameText("/tmp/\xFF\xFE caf\xC3\xA9.lib");
    const std::string shown = ReadableFileName(text);
    EXPECT_EQ(shown, "/tmp/\xEF\xBF\xBD\xEF\xBF\xBD caf\xC3\xA9.lib");
    EXPECT_EQ(shown.size(), text.size()) << "offsets into the text hold for what is shown";
}

}  // namespace
