// The global image, its parameter table and the global accessor with its
// value texts.
#include "framework/services/ServiceSlots.h"
#include "model/Q3917GlobalAccessor.h"
#include "model/Q3917GlobalData.h"
#include "model/Q3917GlobalParameterTable.h"
#include "model/Q3917StringTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The factory settings as the device documents them, one line per 16 bytes.
const char* const kDefaultImageLines[] = {
    "00000403008012040139000000000000",
    "00000000000000000000000010640000",
    "050308090F11121314151718191A1B4A",
    "474F1C1D1E444552070A535556575849",
    "4B4648595A664C6768696A6B706C6D6E",
    "730C740DFFFFFFFFFFFFFFFFFFFFFFFF",
    "000000010028415A738291AF00000000",
    "00000000000000000000000000000000",
    "00000000000000000000000000000000",
    "00000000000000000000000000000000",
    "00000000",
};

std::vector<std::uint8_t> DefaultImage()
{
    std::vector<std::uint8_t> bytes;
    for (const char* line : kDefaultImageLines)
        for (std::size_t i = 0; line[i] != '\0'; i += 2)
            bytes.push_back(static_cast<std::uint8_t>(std::stoi(std::string(line + i, 2), nullptr, 16)));
    return bytes;
}

class GlobalAccessorTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CQ3917StringTable::Acquire();
        m_accessor = CQ3917GlobalAccessor::GetInstance();
    }
    void TearDown() override
    {
        CQ3917GlobalAccessor::ReleaseInstance();
        CQ3917StringTable::Release();
    }

    std::int32_t Get(std::uint32_t group, std::uint32_t index) const
    {
        return m_accessor->GetValue(&m_data, group, index);
    }

    std::string Text(std::uint32_t group, std::uint32_t index, std::int32_t value) const
    {
        char buffer[64];
        m_accessor->ValueToText(&m_data, {group, index, 0}, value, buffer, sizeof buffer);
        return buffer;
    }

    CQ3917GlobalAccessor* m_accessor = nullptr;
    CQ3917GlobalData m_data;
};

TEST(GlobalData, StartsWithTheFactoryImageAndComesBackToItOnClear)
{
    CQ3917GlobalData data;
    EXPECT_EQ(std::vector<std::uint8_t>(data.GetData(), data.GetData() + 164), DefaultImage());
    EXPECT_EQ(data.GetVersion(), 0);
    EXPECT_EQ(data.GetKind(), 0);

    data.GetData()[40] = 0x77;
    data.Clear();
    EXPECT_EQ(std::vector<std::uint8_t>(data.GetData(), data.GetData() + 164), DefaultImage());

    CQ3917GlobalData copy;
    data.GetData()[5] = 0;
    data.SetVersion(7);
    copy.Copy(&data);
    EXPECT_EQ(copy.GetData()[5], 0);
    EXPECT_EQ(copy.GetVersion(), 7);
}

TEST(GlobalParameterTable, GroupsRowsAndBounds)
{
    const CQ3917GlobalParameterTable table;
    const std::uint32_t counts[] = {10, 7, 4, 12, 2, 64, 40};
    std::uint32_t total = 0;
    for (std::uint32_t group = 0; group < 7; ++group) {
        EXPECT_EQ(table.GetCount(group), counts[group]) << group;
        total += table.GetCount(group);
        EXPECT_EQ(table.GetRow({group, counts[group], 0}), nullptr) << group;
    }
    EXPECT_EQ(total, 139u);
    EXPECT_EQ(table.GetCount(7), 0u);
    EXPECT_EQ(table.GetRow({7, 0, 0}), nullptr);
    EXPECT_STREQ(table.GetRow({6, 9, 0})->name, "Bank#2 Fav\"B\" Prog#");
    EXPECT_EQ(table.GetRow({6, 39, 0})->offset, 139);
    EXPECT_STREQ(table.GetRow({5, 44, 0})->name, "Long Ribbon \"FILTER\"");
    EXPECT_EQ(table.GetRow({5, 63, 0})->offset, 95);
    EXPECT_STREQ(table.GetRow({3, 11, 0})->name, "B");
}

TEST_F(GlobalAccessorTest, ReadsTheFactoryImage)
{
    struct Case
    {
        std::uint32_t group, index;
        std::int32_t value;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, 0, "440.0 Hz"}, {0, 7, 3, nullptr},  {1, 0, 0, nullptr},   {1, 1, 1, nullptr},
        {1, 4, 18, "CC#16"},   {2, 0, 1, nullptr},  {2, 1, 1, nullptr},   {2, 2, 1, nullptr},
        {2, 3, 1, nullptr},    {4, 0, 16, nullptr}, {4, 1, 100, nullptr}, {0, 9, 1, nullptr},
        {6, 1, 40, nullptr},   {5, 52, -1, "Off"},  {5, 0, 5, "CC#05"},   {3, 0, 0, "  0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Get(c.group, c.index), c.value) << c.group << "/" << c.index;
        if (c.text != nullptr) {
            EXPECT_EQ(Text(c.group, c.index, Get(c.group, c.index)), c.text) << c.group << "/" << c.index;
        }
    }
}

TEST_F(GlobalAccessorTest, FormatsValueTexts)
{
    struct Case
    {
        std::uint32_t group, index;
        std::int32_t value;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, 100, "450.0 Hz"},  {0, 0, -100, "430.0 Hz"}, {0, 0, -5, "439.5 Hz"},   {0, 1, 5, "+5"},
        {0, 1, -5, "-5"},         {0, 1, 0, "+0"},          {3, 4, 5, "+ 5"},         {3, 4, -5, "- 5"},
        {3, 4, 0, "  0"},         {3, 4, 63, "+63"},        {1, 4, 0, "Pitch Bend"},  {1, 4, 1, "After Touch"},
        {1, 4, 2, "CC#00"},       {1, 4, 97, "CC#95"},      {1, 4, 98, "CC#102"},     {1, 4, 115, "CC#119"},
        {1, 4, 116, "CC#16 +/-"}, {1, 4, 117, "CC#17 +/-"}, {1, 4, 118, "CC#19 +/-"}, {1, 4, 120, "CC#21 +/-"},
        {5, 0, -1, "Off"},        {5, 0, 0, "CC#00"},       {5, 0, 95, "CC#95"},      {5, 0, 96, "Off"},
        {5, 0, 119, "Off"},       {2, 0, 1, "Enable"},      {2, 0, 0, "Disable"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(c.group, c.index, c.value), c.text) << c.group << "/" << c.index << " " << c.value;
}

TEST_F(GlobalAccessorTest, ListsFallBackToTheIndexWithoutAKeywordTable)
{
    CEfStringTable* table = GetStringTable();
    SetStringTable(nullptr);
    EXPECT_EQ(Text(2, 0, 1), "1");
    SetStringTable(table);
}

TEST_F(GlobalAccessorTest, StoresClampedBitFields)
{
    m_accessor->SetValue(&m_data, 0, 0, 150);
    EXPECT_EQ(Get(0, 0), 100);
    EXPECT_EQ(m_data.GetData()[0], 100);

    m_accessor->SetValue(&m_data, 0, 1, -7);
    EXPECT_EQ(m_data.GetData()[1], 0xF9);
    EXPECT_EQ(Get(0, 1), -7);

    // Memory Protect is bit 7 of byte 2; the other bits stay.
    m_data.GetData()[2] = 0x14;
    m_accessor->SetValue(&m_data, 0, 2, 1);
    EXPECT_EQ(m_data.GetData()[2], 0x94);
    m_accessor->SetValue(&m_data, 0, 2, 0);
    EXPECT_EQ(m_data.GetData()[2], 0x14);

    // An unsupported row is neither stored nor read.
    m_accessor->SetValue(&m_data, 0, 4, 1);
    EXPECT_EQ(m_data.GetData()[2], 0x14);
    m_data.GetData()[2] = 0xFF;
    EXPECT_EQ(Get(0, 4), 0);

    m_accessor->SetValue(&m_data, 5, 3, -1);
    EXPECT_EQ(m_data.GetData()[35], 0xFF);
    m_accessor->SetValue(&m_data, 5, 3, 200);
    EXPECT_EQ(m_data.GetData()[35], 119);

    // Missing data or rows read 0 and store nothing.
    EXPECT_EQ(m_accessor->GetValue(nullptr, 0, 0), 0);
    m_accessor->SetValue(nullptr, 0, 0, 1);
    EXPECT_EQ(m_accessor->GetValue(&m_data, 5, 64), 0);
    EXPECT_EQ(m_accessor->GetName(&m_data, {5, 64, 0}), nullptr);
    EXPECT_EQ(m_accessor->GetMaximum(&m_data, {5, 64, 0}), 0);
}

TEST_F(GlobalAccessorTest, EnablesWhatTheEditorMayChange)
{
    struct Case
    {
        std::uint32_t group, index;
        bool enabled;
    };
    const Case cases[] = {
        {0, 9, false}, {1, 0, false}, {1, 2, false}, {0, 4, false},
        {0, 0, true},  {1, 1, true},  {6, 39, true}, {6, 40, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(m_accessor->IsEnabled(&m_data, {c.group, c.index, 0}), c.enabled) << c.group << "/" << c.index;
}

TEST(GlobalAccessorSingleton, CountsItsUsers)
{
    CQ3917GlobalAccessor* first = CQ3917GlobalAccessor::GetInstance();
    CQ3917GlobalAccessor* second = CQ3917GlobalAccessor::GetInstance();
    EXPECT_EQ(first, second);
    CQ3917GlobalAccessor::ReleaseInstance();
    EXPECT_EQ(CQ3917GlobalAccessor::PeekInstance(), first);
    CQ3917GlobalAccessor::ReleaseInstance();
    EXPECT_EQ(CQ3917GlobalAccessor::PeekInstance(), nullptr);
}

}  // namespace
