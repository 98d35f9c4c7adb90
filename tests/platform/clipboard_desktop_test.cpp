// Text formats and the desktop's clipboard, on SDL's dummy video driver,
// whose clipboard lives in SDL's own memory: what SDL is told directly
// stands for another program's copy.
#include <platform/clipboard.h>
#include <platform/display.h>

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

class DesktopClipboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        if (!platform::StartDisplay(platform::DisplayKind::Desktop) || !SDL_WasInit(SDL_INIT_VIDEO))
            GTEST_SKIP() << "no SDL display: " << platform::DisplayFailure();
        SDL_SetClipboardText("");
    }
    void TearDown() override
    {
        Put({});
        platform::StartDisplay(platform::DisplayKind::Headless);
        unsetenv("SDL_VIDEODRIVER");
    }

    struct Block {
        UINT format;
        std::string bytes;  // with its terminator
    };
    // Empties the clipboard and puts the blocks, as a program copying does.
    static void Put(std::initializer_list<Block> blocks)
    {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        for (const Block& block : blocks) {
            HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.bytes.size());
            std::memcpy(GlobalLock(memory), block.bytes.data(), block.bytes.size());
            GlobalUnlock(memory);
            SetClipboardData(block.format, memory);
        }
        CloseClipboard();
    }
    static std::string Desktop()
    {
        char* text = SDL_GetClipboardText();
        std::string copy = text ? text : "";
        SDL_free(text);
        return copy;
    }
    static std::string Narrow()
    {
        EXPECT_TRUE(OpenClipboard(nullptr));
        HANDLE block = GetClipboardData(CF_TEXT);
        std::string text = block ? static_cast<const char*>(GlobalLock(block)) : "(none)";
        if (block) GlobalUnlock(block);
        CloseClipboard();
        return text;
    }
    static std::u16string Wide()
    {
        EXPECT_TRUE(OpenClipboard(nullptr));
        HANDLE block = GetClipboardData(CF_UNICODETEXT);
        std::u16string text = block ? static_cast<const char16_t*>(GlobalLock(block)) : u"(none)";
        if (block) GlobalUnlock(block);
        CloseClipboard();
        return text;
    }
    static std::string Utf16Bytes(const char16_t* text)
    {
        return std::string(reinterpret_cast<const char*>(text), (std::char_traits<char16_t>::length(text) + 1) * 2);
    }
};

TEST_F(DesktopClipboard, TextThisProgramCopiesReachesTheDesktop)
{
    Put({{CF_TEXT, std::string("narrow only", 12)}});
    EXPECT_EQ(Desktop(), "narrow only");
    Put({{CF_TEXT, std::string("narrow", 7)}, {CF_UNICODETEXT, Utf16Bytes(u"wide \u00e9")}});
    EXPECT_EQ(Desktop(), "wide \xC3\xA9") << "the UTF-16 text, in UTF-8";
    EXPECT_EQ(Narrow(), "narrow") << "what the program put stays as it is";
}

TEST_F(DesktopClipboard, NewerDesktopTextIsWhatTheProgramReads)
{
    const UINT own = RegisterClipboardFormatA("Desktop Test Block");
    Put({{CF_TEXT, std::string("ours", 5)}, {own, std::string("block", 6)}});
    SDL_SetClipboardText("from elsewhere \xE2\x82\xAC");
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(Wide(), u"from elsewhere \u20ac");
    EXPECT_EQ(Narrow(), "from elsewhere \xE2\x82\xAC");
    EXPECT_TRUE(IsClipboardFormatAvailable(own));

    // What the desktop held before this program copied again is older, read or not.
    SDL_SetClipboardText("never read");
    Put({{own, std::string("block", 6)}});
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(Narrow(), "(none)");
}

}  // namespace
