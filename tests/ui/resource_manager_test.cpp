// The skin bitmap manager: lazy decoding by index or exact name, a failed
// bitmap kept empty, and the counted process-wide instance.
#include "framework/ui/EfResourceManagerSingleton.h"

#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"

#include <platform/testing/gdi.h>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using platform::testing::GdiplusRecording;

using Entry = std::array<char, 16>;

class TableManager : public CEfResourceManager
{
public:
    explicit TableManager(std::vector<Entry> entries) : m_entries(std::move(entries)) {}

    const char* GetBitmapTable(int& count, int& stride) override
    {
        ++tableRequests;
        count = static_cast<int>(m_entries.size());
        stride = sizeof(Entry);
        return m_entries.empty() ? nullptr : m_entries[0].data();
    }

    int tableRequests = 0;

private:
    std::vector<Entry> m_entries;
};

class ResourceManager : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(manager.Load()); }
    void TearDown() override { manager.Clear(); }

    TableManager manager{{{"LcdChar"}, {"Knob"}, {"NoSuchBitmap"}, {"LcdChar"}}};
};

TEST_F(ResourceManager, DecodesEachBitmapOnceOnFirstUse)
{
    EXPECT_EQ(manager.GetCount(), 4);
    GdiplusRecording recording;
    CHfcBmp* first = manager.GetBitmap(1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetWidth(), 27);
    EXPECT_EQ(manager.GetBitmap(1), first);
    EXPECT_EQ(recording.CallsOf("GdipCreateBitmapFromScan0").size(), 1u);
    EXPECT_EQ(manager.tableRequests, 2) << "the table is read again only to decode";
}

TEST_F(ResourceManager, ABitmapThatFailsStaysEmptyAndIsNotTriedAgain)
{
    CHfcBmp* missing = manager.GetBitmap(2);
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing->GetWidth(), 0);
    const int requests = manager.tableRequests;
    EXPECT_EQ(manager.GetBitmap(2), missing);
    EXPECT_EQ(manager.tableRequests, requests);
}

TEST_F(ResourceManager, NamesMatchExactlyAndARepeatedNameKeepsItsFirstIndex)
{
    EXPECT_EQ(manager.GetBitmapByName("Knob"), manager.GetBitmap(1));
    EXPECT_EQ(manager.GetBitmapByName("LcdChar"), manager.GetBitmap(0));
    EXPECT_NE(manager.GetBitmapByName("LcdChar"), manager.GetBitmap(3));
    for (const char* name : {"knob", "LCDCHAR", "Knob ", "", "Missing"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(manager.GetBitmapByName(name), nullptr);
    }
    EXPECT_EQ(manager.GetBitmapByName(nullptr), nullptr);
    EXPECT_EQ(manager.GetBitmap(-1), nullptr);
    EXPECT_EQ(manager.GetBitmap(4), nullptr);
}

TEST_F(ResourceManager, ClearEmptiesTheTable)
{
    manager.GetBitmap(0);
    manager.Clear();
    EXPECT_EQ(manager.GetCount(), 0);
    EXPECT_EQ(manager.GetBitmapByName("Knob"), nullptr);
    EXPECT_EQ(manager.GetBitmap(0), nullptr);
    ASSERT_TRUE(manager.Load());
    EXPECT_EQ(manager.GetBitmapByName("Knob")->GetWidth(), 27) << "loading again starts over";
}

TEST(ResourceManagerTable, AnEntryFillingItsFieldEndsWithIt)
{
    Entry unterminated;
    unterminated.fill('K');
    TableManager manager{{unterminated, {"Knob"}}};
    ASSERT_TRUE(manager.Load());
    EXPECT_NE(manager.GetBitmapByName(std::string(16, 'K').c_str()), nullptr);
    EXPECT_EQ(manager.GetBitmapByName("Knob"), manager.GetBitmap(1));
    manager.Clear();
}

class SharedSkin : public CEfResourceManagerSingleton<SharedSkin>
{
public:
    const char* GetBitmapTable(int& count, int& stride) override
    {
        count = 1;
        stride = 8;
        return "Knob";
    }
};

class BrokenSkin : public CEfResourceManagerSingleton<BrokenSkin>
{
public:
    const char* GetBitmapTable(int& count, int& stride) override
    {
        count = 0;
        stride = 0;
        return nullptr;
    }
};

TEST(ResourceManagerInstance, IsCountedAndServesTheFrameworkLookups)
{
    EXPECT_EQ(BrokenSkin::Acquire(), nullptr);
    EXPECT_EQ(GetResourceManager(), nullptr) << "a failed acquire counts nothing";

    SharedSkin* skin = SharedSkin::Acquire();
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(SharedSkin::Acquire(), skin);
    EXPECT_EQ(GetResourceManager(), skin);
    CHfcBmp* knob = GetBitmap("Knob");
    ASSERT_NE(knob, nullptr);
    EXPECT_EQ(GetBitmapById(0), knob);

    SharedSkin::Release();
    EXPECT_EQ(GetBitmap("Knob"), knob) << "one user is left";
    EXPECT_EQ(knob->GetWidth(), 27);
    SharedSkin::Release();
    EXPECT_EQ(GetResourceManager(), nullptr);
    EXPECT_EQ(GetBitmap("Knob"), nullptr);
    EXPECT_EQ(GetBitmapById(0), nullptr);
    SharedSkin::Release();
    EXPECT_EQ(GetResourceManager(), nullptr) << "a release too many is harmless";
}

}  // namespace
