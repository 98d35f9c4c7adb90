// The menu text format and LoadMenu.
#include "platform/src/menus/menu_text_format.h"

#include <platform/menus.h>
#include <platform/testing/locale.h>

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace menu_test {
namespace {

using platform::menus::MenuEntry;
using platform::menus::ParseMenuText;

TEST(MenuTextFormat, ReadsNestedPopupsItemsFlagsAndEscapes)
{
    auto parsed = ParseMenuText("# a comment\n"
                                "popup \"&File\"\r\n"
                                "  item 7 \"Say \\\"hi\\\"\\tCtrl+H\" grayed checked   # trailing\n"
                                "  separator\n"
                                "  popup \"More\" barbreak\n"
                                "    item 65535 \"Last\" break disabled\n"
                                "  end\n"
                                "end\n"
                                "item 9 \"Top\"");
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.bar.size(), 2u);
    const MenuEntry& file = parsed.bar[0];
    EXPECT_EQ(file.kind, MenuEntry::Kind::Popup);
    ASSERT_EQ(file.children.size(), 3u);
    EXPECT_EQ(file.children[0].text, "Say \"hi\"\tCtrl+H");
    EXPECT_EQ(file.children[0].id, 7u);
    EXPECT_EQ(file.children[0].state, MFS_GRAYED | MFS_CHECKED);
    EXPECT_EQ(file.children[1].type, MFT_SEPARATOR);
    EXPECT_EQ(file.children[2].type, MFT_MENUBARBREAK);
    EXPECT_EQ(file.children[2].children[0].type, MFT_MENUBREAK);
    EXPECT_EQ(file.children[2].children[0].state, UINT(MF_DISABLED));
    EXPECT_EQ(parsed.bar[1].id, 9u);
}

TEST(MenuTextFormat, NamesTheLineOfAFault)
{
    struct Case
    {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"item 1 \"a\"\nend\n", "line 2: \"end\" without a popup"},
        {"popup \"a\"\n", "a popup has no \"end\""},
        {"item 70000 \"a\"", "line 1: an item needs an id from 0 to 65535"},
        {"item x \"a\"", "line 1: an item needs an id from 0 to 65535"},
        {"item 1 \"open", "line 1: expected a text in double quotes"},
        {"item 1 \"bad \\n\"", "line 1: expected a text in double quotes"},
        {"\nitem 1 \"a\" bold", "line 2: unknown flag \"bold\""},
        {"menuitem 1 \"a\"", "line 1: unknown statement \"menuitem\""},
        {"separator 3", "line 1: text after \"separator\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto parsed = ParseMenuText(c.text);
        EXPECT_EQ(parsed.error, c.error);
        EXPECT_TRUE(parsed.bar.empty());
    }
}

TEST(LoadMenu, BuildsTheMainMenuBarWithTheWindowMenuFifth)
{
    HMENU bar = LoadMenuA(nullptr, "MAINMENUBAR");
    ASSERT_NE(bar, nullptr) << "names match in any case";
    EXPECT_EQ(GetMenuItemCount(bar), 6);
    HMENU window = GetSubMenu(bar, 4);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetMenuItemID(window, 0), 55000u);

    char text[64];
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = sizeof text;
    ASSERT_TRUE(GetMenuItemInfoA(bar, 51101, FALSE, &info)) << "found inside the preset submenu";
    EXPECT_STREQ(text, "VQ-700Z");
    EXPECT_TRUE(DestroyMenu(bar));

    HMENU empty = LoadMenuA(nullptr, "EmptyMenuBar");
    ASSERT_NE(empty, nullptr);
    info.fMask = MIIM_STATE;
    EXPECT_FALSE(GetMenuItemInfoA(empty, 52000, FALSE, &info)) << "no Edit menu without a library window";
    DestroyMenu(empty);

    EXPECT_EQ(LoadMenuA(nullptr, "NoSuchMenu"), nullptr);
}

// What a menu lets the user do, apart from its words: each entry's id,
// the letter after '&' and the shortcut after the tab, submenus in
// brackets; its words go to `words`.
std::string ShapeOf(HMENU menu, std::u16string* words)
{
    std::string shape;
    for (int n = 0; n < GetMenuItemCount(menu); ++n) {
        char16_t text[128]{};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_SUBMENU | MIIM_ID;
        info.dwTypeData = reinterpret_cast<LPWSTR>(text);
        info.cch = 128;
        EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(n), TRUE, &info));
        const std::u16string all(text);
        const std::size_t amp = all.find(u'&');
        const std::size_t tab = all.find(u'\t');
        shape += std::to_string(info.wID);
        if (amp != std::u16string::npos)
            shape += std::string(" &") + static_cast<char>(std::toupper(static_cast<char>(all[amp + 1])));
        if (tab != std::u16string::npos)
            shape += " " + std::string(all.begin() + static_cast<long>(tab) + 1, all.end());
        *words += all.substr(0, tab);
        if (info.hSubMenu != nullptr)
            shape += " [" + ShapeOf(info.hSubMenu, words) + "]";
        shape += "; ";
    }
    return shape;
}

TEST(LoadMenu, TheJapaneseMenuBarsOfferWhatTheEnglishOnesDoInTheirOwnWords)
{
    for (const char* name : {"MainMenuBar", "EmptyMenuBar"}) {
        SCOPED_TRACE(name);
        std::string shapes[2];
        std::u16string words[2];
        const char* locales[2] = {"en_US.UTF-8", "ja_JP.UTF-8"};
        for (int language = 0; language < 2; ++language) {
            platform::testing::SetUserLocale(locales[language]);
            HMENU bar = LoadMenuA(nullptr, name);
            ASSERT_NE(bar, nullptr);
            shapes[language] = ShapeOf(bar, &words[language]);
            DestroyMenu(bar);
        }
        platform::testing::SetUserLocale(nullptr);
        EXPECT_EQ(shapes[0], shapes[1]);
        EXPECT_NE(words[0], words[1]);
        EXPECT_NE(words[1].find(u"\u30D5\u30A1\u30A4\u30EB"), std::u16string::npos) << "no File menu in Japanese";
    }
}

}  // namespace
}  // namespace menu_test
