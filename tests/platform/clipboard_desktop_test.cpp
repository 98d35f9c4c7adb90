// Text formats and the desktop's clipboard, on SDL's dummy video driver,
// whose clipboard lives in SDL's own memory: what SDL is told directly
// stands for another program's copy.
#include "clipboard_blocks.h"

#include <platform/display.h>

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace clipboard_test;

class DesktopClipboard : public ::testing::Test
{
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
        PutBlocks({});
        platform::StartDisplay(platform::DisplayKind::Headless);
        unsetenv("SDL_VIDEODRIVER");
    }

    static std::string Desktop()
    {
        char* text = SDL_GetClipboardText();
        std::string copy = text ? text : "";
        SDL_free(text);
        return copy;
    }
};

TEST_F(DesktopClipboard, TextThisProgramCopiesReachesTheDesktop)
{
    PutBlocks({{CF_TEXT, BytesOf("narrow only")}});
    EXPECT_EQ(Desktop(), "narrow only");
    PutBlocks({{CF_TEXT, BytesOf("narrow")}, {CF_UNICODETEXT, BytesOf(u"wide \u00e9")}});
    EXPECT_EQ(Desktop(), "wide \xC3\xA9") << "the UTF-16 text, in UTF-8";
    EXPECT_EQ(Narrow(), "narrow") << "what the program put stays as it is";
}

TEST_F(DesktopClipboard, NewerDesktopTextIsWhatTheProgramReads)
{
    const UINT own = RegisterClipboardFormatA("Desktop Test Block");
    PutBlocks({{CF_TEXT, BytesOf("ours")}, {own, BytesOf("block")}});
    SDL_SetClipboardText("from elsewhere \xE2\x82\xAC");
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(Wide(), u"from elsewhere \u20ac");
    EXPECT_EQ(Narrow(), "from elsewhere \xE2\x82\xAC");
    EXPECT_TRUE(IsClipboardFormatAvailable(own));

    // What the desktop held before this program copied again is older, read or not.
    SDL_SetClipboardText("never read");
    PutBlocks({{own, BytesOf("block")}});
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(Narrow(), "(none)");
}

}  // namespace
