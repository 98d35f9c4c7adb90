// The editor's skin table, its theme naming and its logo.
#include "app/SkinTable.h"

#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcOffscreenContext.h"

#include <platform/resources.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::string> TableNames()
{
    CResourceManager* manager = CResourceManager::Acquire();
    int count = 0;
    int stride = 0;
    const char* table = manager->GetBitmapTable(count, stride);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        const char* entry = table + i * stride;
        EXPECT_LT(strnlen(entry, stride), std::size_t(stride)) << "entry " << i << " is terminated";
        names.emplace_back(entry);
    }
    EXPECT_EQ(stride, 64);
    CResourceManager::Release();
    return names;
}

TEST(SkinTable, Names106DistinctPngsInTheirIndexOrder)
{
    const std::vector<std::string> names = TableNames();
    ASSERT_EQ(names.size(), 106u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 106u);
    const std::pair<int, const char*> pinned[] = {
        {0, "LcdChar"},
        {15, "LcdCharStrongDim"},
        {16, "LedButtonLarge"},
        {43, "BitmapListOsc1Ctrl2"},
        {44, "LogoSr2Editor"},
        {45, "LogoSr2EditorBlack"},
        {46, "BG_MasterFXEdit"},
        {57, "BG_ProgramEdit"},
        {82, "BG_ProgramListFav"},
        {88, "BitmapListOscWaveform"},
        {105, "ButtonPopupDim"},
    };
    for (const auto& [index, name] : pinned)
        EXPECT_EQ(names[index], name) << index;
    for (const std::string& name : names)
        EXPECT_NE(FindResourceA(nullptr, name.c_str(), "PNG"), nullptr) << name;
}

TEST(SkinTable, ThemeVariantsFollowTheNamingRule)
{
    const std::vector<std::string> names = TableNames();
    ASSERT_EQ(names.size(), 106u);
    for (int i = 46; i < 58; ++i) {
        EXPECT_EQ(names[i + 12], ThemedBitmapName(names[i], 1));
        EXPECT_EQ(names[i + 24], ThemedBitmapName(names[i], 2));
    }
    for (int base : {82, 85}) {
        EXPECT_EQ(names[base + 1], ThemedBitmapName(names[base], 1));
        EXPECT_EQ(names[base + 2], ThemedBitmapName(names[base], 2));
    }
    EXPECT_EQ(names[44], LogoBitmapName(0));
    EXPECT_EQ(names[45], LogoBitmapName(2));
}

TEST(SkinTable, ThemeWordsGoBeforeAFinalFav)
{
    struct Case
    {
        const char* base;
        int theme;
        const char* name;
    };
    const Case cases[] = {
        {"BG_SynthEdit", 0, "BG_SynthEdit"},
        {"BG_SynthEdit", 1, "BG_SynthEditBlack"},
        {"BG_SynthEdit", 2, "BG_SynthEditWhite"},
        {"BG_ProgramListFav", 0, "BG_ProgramListFav"},
        {"BG_ProgramListFav", 1, "BG_ProgramListBlackFav"},
        {"BG_GlobalEditFav", 2, "BG_GlobalEditWhiteFav"},
        {"BG_SynthEdit", 3, "BG_SynthEdit"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ThemedBitmapName(c.base, c.theme), c.name) << c.base << " " << c.theme;
    EXPECT_STREQ(LogoBitmapName(0), "LogoSr2Editor");
    EXPECT_STREQ(LogoBitmapName(1), "LogoSr2Editor");
    EXPECT_STREQ(LogoBitmapName(2), "LogoSr2EditorBlack");
}

TEST(SkinTable, DrawsTheThemesLogoInTheTopRightCorner)
{
    ASSERT_NE(CResourceManager::Acquire(), nullptr);
    for (int theme : {0, 2}) {
        SCOPED_TRACE(theme);
        SetColourTheme(theme);
        CHfcBmp* logo = GetBitmap(LogoBitmapName(theme));
        ASSERT_NE(logo, nullptr);
        ASSERT_GT(logo->GetWidth(), 0);
        CHfcOffscreenContext drawn(300, 50);
        DrawLogo(&drawn, 300);
        CHfcOffscreenContext expected(300, 50);
        expected.DrawBitmap(300 - logo->GetWidth() - 5, 5, logo->GetWidth(), logo->GetHeight(), logo, 0, 0);

        auto pixels = [](CHfcOffscreenContext& context) {
            CHfcBmp& bitmap = *context.GetBitmap();
            const BYTE* rows = bitmap.LockBits();
            std::vector<BYTE> bytes(rows, rows + bitmap.GetStride() * bitmap.GetHeight());
            bitmap.UnlockBits();
            return bytes;
        };
        EXPECT_EQ(pixels(drawn), pixels(expected));
    }
    SetColourTheme(0);
    CResourceManager::Release();
}

TEST(SkinTable, AcquiringTwiceAndReleasingOnceKeepsTheBitmaps)
{
    ASSERT_NE(CResourceManager::Acquire(), nullptr);
    ASSERT_NE(CResourceManager::Acquire(), nullptr);
    CHfcBmp* knob = GetBitmap("Knob");
    ASSERT_NE(knob, nullptr);
    CResourceManager::Release();
    EXPECT_EQ(GetBitmap("Knob"), knob);
    EXPECT_EQ(knob->GetWidth(), 27);
    CResourceManager::Release();
    EXPECT_EQ(GetResourceManager(), nullptr);
}

}  // namespace
