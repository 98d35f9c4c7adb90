#include "model/Q3917IdConverter.h"
#include "model/Q3917ParameterTable.h"

#include "trace_capture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

static std::ostream& operator<<(std::ostream& out, const ParameterAddress& a)
{
    return out << "{" << a.group << ", " << a.index << ", " << a.timbre << "}";
}

namespace {
bool IsTimbreGroup(std::uint32_t group)
{
    return group >= 1 && group <= 4;
}
}  // namespace

// Every row that has an id comes back to its own address, for both timbres,
// and no two addresses share an id.
TEST(IdConverter, RoundTripOfEveryRowWithAnId)
{
    const CQ3917IdConverter converter;
    const CQ3917ParameterTable table;
    std::set<std::pair<std::uint32_t, std::uint32_t>> seen;
    int withId = 0;
    for (std::uint32_t group = 0; group < 9; ++group) {
        for (std::uint32_t index = 0; index < table.GetCount(group); ++index) {
            for (std::uint32_t timbre = 0; timbre < (IsTimbreGroup(group) ? 2u : 1u); ++timbre) {
                const ParameterAddress address = {group, index, timbre};
                SCOPED_TRACE(testing::Message() << address);
                DeviceParameterId id = {0, 0};
                ASSERT_TRUE(converter.ToDeviceId(address, id));
                if (id.high == 0xFF && id.low == 0xFF)
                    continue;
                ++withId;
                EXPECT_LE(id.high, 0xFFu);
                EXPECT_LE(id.low, 0xFFu);
                if (IsTimbreGroup(group)) {
                    EXPECT_EQ(id.high >> 4, timbre + 1);
                }
                EXPECT_TRUE(seen.insert({id.high, id.low}).second) << "id shared";
                ParameterAddress back = {99, 99, 99};
                ASSERT_TRUE(converter.FromDeviceId(id, back));
                EXPECT_EQ(back, address);
            }
        }
    }
    EXPECT_GT(withId, 0);
}

TEST(IdConverter, ToDeviceIdSamples)
{
    const CQ3917IdConverter converter;
    struct Case
    {
        ParameterAddress address;
        bool ok;
        std::uint32_t high, low;
    };
    const Case cases[] = {
        {{2, 36, 1}, true, 0x21, 0x32},  // Filter 1 Cutoff, timbre 2
        {{2, 36, 0}, true, 0x11, 0x32},
        {{0, 53, 0}, true, 0x00, 0x1C},  // CategoryNumber
        {{6, 25, 0}, true, 0x50, 0x31},  // FX 2 Type
        {{0, 44, 0}, true, 0x70, 0x03},
        {{4, 48, 1}, true, 0x29, 0x00},   // EQ Low Frequency, timbre 2
        {{2, 110, 0}, true, 0x12, 0x16},  // low bytes step by 4 in the patches
        {{5, 68, 0}, true, 0x43, 0x0F},
        {{8, 16, 0}, true, 0x61, 0x17},
        {{0, 8, 0}, true, 0xFF, 0xFF},  // no id: (255, 255) and true
        {{3, 0, 0}, true, 0xFF, 0xFF},
        {{3, 59, 1}, true, 0xFF, 0xFF},
        {{8, 104, 0}, true, 0xFF, 0xFF},
        {{0, 54, 0}, false, 0, 0},
        {{8, 105, 0}, false, 0, 0},
        {{9, 0, 0}, false, 0, 0},
        {{10, 0, 0}, false, 0, 0},
        // A third timbre would put nibble 3 or more into the id: vocoder ids start with 4.
        {{2, 36, 2}, false, 0, 0},
        {{1, 22, 3}, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.address);
        DeviceParameterId id = {0, 0};
        EXPECT_EQ(converter.ToDeviceId(c.address, id), c.ok);
        if (!c.ok)
            continue;
        EXPECT_EQ(id.high, c.high);
        EXPECT_EQ(id.low, c.low);
    }
}

TEST(IdConverter, FromDeviceIdSamples)
{
    const CQ3917IdConverter converter;
    const TraceCapture capture;
    struct Case
    {
        DeviceParameterId id;
        bool ok;
        ParameterAddress address;
        DeviceParameterId idAfter;  // the caller's id loses a timbre nibble 1 or 2
    };
    const Case cases[] = {
        {{0x21, 0x32}, true, {2, 36, 1}, {0x01, 0x32}},
        {{0x11, 0x32}, true, {2, 36, 0}, {0x01, 0x32}},
        {{0x01, 0x32}, true, {2, 36, 0}, {0x01, 0x32}},
        {{0x70, 0x03}, true, {0, 44, 0}, {0x70, 0x03}},
        {{0x00, 0x1C}, true, {0, 53, 0}, {0x00, 0x1C}},
        {{0x50, 0x31}, true, {6, 25, 0}, {0x50, 0x31}},
        // The first row without an id keeps the pair.
        {{0xFF, 0xFF}, true, {0, 8, 0}, {0xFF, 0xFF}},
        {{0x31, 0x32}, false, {}, {0x31, 0x32}},
        {{0x00, 0x7F}, false, {}, {0x00, 0x7F}},
        // A timbre nibble on a program-common id names no parameter.
        {{0x10, 0x05}, false, {}, {0x00, 0x05}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.id.high << ":" << c.id.low);
        DeviceParameterId id = c.id;
        ParameterAddress address = {99, 99, 99};
        EXPECT_EQ(converter.FromDeviceId(id, address), c.ok);
        EXPECT_EQ(id.high, c.idAfter.high);
        EXPECT_EQ(id.low, c.idAfter.low);
        EXPECT_EQ(address, (c.ok ? c.address : ParameterAddress{99, 99, 99}));
    }
    const std::vector<std::string> traced = {"not found device id: 31:32", "not found device id: 00:7f",
                                             "not found device id: 00:05"};
    EXPECT_EQ(TraceCapture::Lines(), traced);
}

TEST(IdConverter, SpecialListInOrder)
{
    const CQ3917IdConverter converter;
    const ParameterAddress expected[] = {
        {0, 18, 0}, {0, 19, 0}, {0, 20, 0}, {0, 21, 0}, {0, 22, 0}, {1, 0, 0}, {2, 15, 0}, {2, 36, 0},
    };
    for (std::uint32_t number = 0; number < std::size(expected); ++number) {
        ParameterAddress address = {};
        ASSERT_TRUE(converter.GetSpecialAddress(number, address));
        EXPECT_EQ(address, expected[number]) << number;
        std::uint32_t back = 99;
        ASSERT_TRUE(converter.GetSpecialNumber(expected[number], back));
        EXPECT_EQ(back, number);
    }
    ParameterAddress address = {7, 7, 7};
    EXPECT_FALSE(converter.GetSpecialAddress(8, address));
    EXPECT_EQ(address, (ParameterAddress{7, 7, 7}));

    std::uint32_t number = 99;
    EXPECT_FALSE(converter.GetSpecialNumber({2, 36, 1}, number));
    EXPECT_FALSE(converter.GetSpecialNumber({0, 23, 0}, number));
    EXPECT_FALSE(converter.GetSpecialNumber({36, 2, 0}, number));
    EXPECT_EQ(number, 99u);
}

namespace {
struct CountedConverter : CVpIdConverterSingleton<CountedConverter>
{
    static inline int s_iLive = 0;
    CountedConverter() { ++s_iLive; }
    ~CountedConverter() { --s_iLive; }
};
}  // namespace

TEST(IdConverterSingleton, CreatedOnFirstUseAndDeletedWithLastUser)
{
    CountedConverter* first = CountedConverter::GetInstance();
    EXPECT_EQ(CountedConverter::GetInstance(), first);
    EXPECT_EQ(CountedConverter::s_iLive, 1);
    CountedConverter::ReleaseInstance();
    EXPECT_EQ(CountedConverter::s_iLive, 1);
    CountedConverter::ReleaseInstance();
    EXPECT_EQ(CountedConverter::s_iLive, 0);
    // A release without a user leaves nothing to free.
    CountedConverter::ReleaseInstance();
    EXPECT_EQ(CountedConverter::s_iLive, 0);
    CountedConverter::GetInstance();
    EXPECT_EQ(CountedConverter::s_iLive, 1);
    CountedConverter::ReleaseInstance();
    EXPECT_EQ(CountedConverter::s_iLive, 0);

    CQ3917IdConverter* converter = CQ3917IdConverter::GetInstance();
    DeviceParameterId id = {};
    EXPECT_TRUE(converter->ToDeviceId({2, 36, 1}, id));
    CQ3917IdConverter::ReleaseInstance();
}
