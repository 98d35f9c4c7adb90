#include "framework/services/SysExPacking.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(SysExPacking, PackedSizes)
{
    const std::pair<int, int> cases[] = {
        {352, 403}, {164, 188}, {7, 8}, {8, 10}, {1, 2}, {14, 16}, {0, 0}, {-5, 0},
    };
    for (const auto& [count, packed] : cases)
        EXPECT_EQ(GetPackedSysExSize(count), packed) << count;
}

TEST(SysExPacking, HeaderCarriesTheTopBits)
{
    const Bytes source = {0x80, 0x01, 0xFF};
    Bytes packed(5, 0xEE);
    PackSysExData(packed.data(), source.data(), 3);
    EXPECT_EQ(packed, (Bytes{0x05, 0x00, 0x01, 0x7F, 0xEE}));

    // A full group, then a group of one.
    const Bytes eight = {0x81, 0x02, 0x83, 0x04, 0x85, 0x06, 0x87, 0xF0};
    Bytes packedEight(10);
    PackSysExData(packedEight.data(), eight.data(), 8);
    EXPECT_EQ(packedEight, (Bytes{0x55, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x01, 0x70}));
}

TEST(SysExPacking, RoundTripsEveryLengthUpTo400)
{
    for (int count = 0; count <= 400; ++count) {
        Bytes source(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            source[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 73 + count);
        const int packedSize = GetPackedSysExSize(count);
        Bytes packed(static_cast<std::size_t>(packedSize) + 1, 0xEE);
        PackSysExData(packed.data(), source.data(), count);
        ASSERT_EQ(packed.back(), 0xEE) << count << ": wrote past the packed size";
        for (int i = 0; i < packedSize; ++i)
            ASSERT_LT(packed[static_cast<std::size_t>(i)], 0x80) << count << ": byte " << i << " is not 7-bit";

        Bytes unpacked(static_cast<std::size_t>(count) + 1, 0xEE);
        UnpackSysExData(unpacked.data(), packed.data(), count);
        ASSERT_EQ(unpacked.back(), 0xEE) << count << ": wrote past the count";
        unpacked.pop_back();
        ASSERT_EQ(unpacked, source) << count;
    }
}

TEST(SysExPacking, UnpackingKeepsAStrayTopBit)
{
    const Bytes packed = {0x00, 0x81, 0x02};
    Bytes unpacked(2);
    UnpackSysExData(unpacked.data(), packed.data(), 2);
    EXPECT_EQ(unpacked, (Bytes{0x81, 0x02}));
}

}  // namespace
