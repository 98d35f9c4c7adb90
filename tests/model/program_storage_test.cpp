// Where and how each kind of program parameter is stored in the image.
#include "model/Q3917ProgramAccessor.h"
#include "model/Q3917ProgramData.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using ByteList = std::vector<std::pair<int, std::uint8_t>>;  // (image offset, byte)

struct ReadCase
{
    const char* what;
    ParameterAddress address;
    ByteList stored;
    std::int32_t raw;    // GetRawValue
    std::int32_t value;  // GetValue, clamped to the range
};

struct WriteCase
{
    const char* what;
    ParameterAddress address;
    ByteList before;
    std::int32_t value;
    bool throughSetValue;  // else SetRawValue
    ByteList after;        // every other byte stays as it was
};

void Store(CQ3917ProgramData& program, const ByteList& bytes)
{
    for (const auto& [offset, byte] : bytes)
        program.GetData()[offset] = byte;
}

class ProgramStorage : public testing::Test
{
protected:
    CQ3917ProgramAccessor m_accessor;
    CQ3917ProgramData m_program;
};

TEST_F(ProgramStorage, Reads)
{
    const ReadCase cases[] = {
        {"BPM 16-bit little-endian", {7, 0, 0}, {{334, 0x2C}, {335, 0x01}}, 300, 300},
        {"BPM above the range", {7, 0, 0}, {{334, 0xFF}, {335, 0xFF}}, 300, 300},
        {"BPM below the range", {7, 0, 0}, {{334, 0x05}, {335, 0x00}}, 20, 20},
        {"transpose lowest", {2, 16, 0}, {{26, 16}}, -48, -48},
        {"transpose highest", {2, 16, 0}, {{26, 112}}, 48, 48},
        {"transpose of timbre 2 at base 112", {2, 16, 1}, {{122, 70}, {26, 10}}, 6, 6},
        {"voice mode, top two bits", {0, 35, 0}, {{8, 0xBF}}, 2, 2},
        {"arpeggiator timbre, bits 4-5", {0, 36, 0}, {{8, 0xE0}}, 2, 2},
        {"octave, low nibble with bias 8", {0, 43, 0}, {{8, 0xF5}}, -3, -3},
        {"long ribbon scale key, bits 1-6 with bias 16", {0, 49, 0}, {{347, 0x81 | (28 << 1)}}, 12, 12},
        {"formant shift, bits 4-6 with bias 4", {5, 14, 0}, {{248, 0x2F}}, -2, -2},
        {"arpeggiator step 3, bit 2", {8, 11, 0}, {{342, 0xFB}}, 0, 0},
        {"arpeggiator step 8, bit 7", {8, 16, 0}, {{342, 0x80}}, 1, 1},
        {"sign extension below the bias", {2, 18, 0}, {{28, 0xC0}}, -128, -63},
        {"signed field at its top", {2, 18, 0}, {{28, 127}}, 63, 63},
        {"effect slot: its own bias, no sign extension", {6, 10, 0}, {{286, 2}, {296, 0xC0}}, 128, 63},
        {"effect slot of effect 2", {6, 34, 0}, {{310, 2}, {320, 64}}, 0, 0},
        {"effect slot with bias 0 reads the whole byte", {6, 6, 0}, {{286, 2}, {292, 0xC0}}, 192, 127},
        {"unison voices of timbre 2", {1, 16, 1}, {{116, 3}, {20, 1}}, 3, 3},
        {"first hold value", {5, 53, 0}, {{254, 0x34}, {255, 0x12}}, 0x1234, 0x1234},
        {"last hold value, clamped", {5, 68, 0}, {{284, 0xFF}, {285, 0xFF}}, 32767, 32767},
        {"hold value ignores the bias", {5, 60, 0}, {{268, 0x00}, {269, 0x7F}}, 32512, 32512},
        {"category number", {0, 53, 0}, {{351, 15}}, 15, 15},
        {"unsupported row reads 0", {0, 12, 0}, {{15, 5}}, 0, 0},
        {"third timbre reads 0", {1, 16, 2}, {{212, 3}, {308, 3}}, 0, 0},
        {"modulation sequencer reads 0", {3, 2, 0}, {{16, 0xFF}}, 0, 0},
        {"row beyond the group reads 0", {0, 54, 0}, {}, 0, 0},
        {"reserved group reads 0", {9, 0, 0}, {}, 0, 0},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        m_program.Clear();
        Store(m_program, c.stored);
        EXPECT_EQ(m_accessor.GetRawValue(&m_program, c.address), c.raw);
        EXPECT_EQ(m_accessor.GetValue(&m_program, c.address), c.value);
    }
}

TEST_F(ProgramStorage, Writes)
{
    const WriteCase cases[] = {
        {"BPM below the range", {7, 0, 0}, {}, 10, true, {{334, 20}, {335, 0}}},
        {"BPM 300", {7, 0, 0}, {}, 300, false, {{334, 0x2C}, {335, 0x01}}},
        {"BPM raw write clamps too", {7, 0, 0}, {}, 1000, false, {{334, 0x2C}, {335, 0x01}}},
        {"raw write masks without a range check", {0, 52, 0}, {{346, 0x80}}, 200, false, {{346, 0x80 | 72}}},
        {"value write clamps first", {0, 52, 0}, {{346, 0x80}}, 200, true, {{346, 0xFF}}},
        {"transpose lowest", {2, 16, 0}, {}, -48, true, {{26, 16}}},
        {"transpose of timbre 2", {2, 16, 1}, {}, 48, true, {{122, 112}}},
        {"voice mode keeps the other bits", {0, 35, 0}, {{8, 0x2B}}, 3, true, {{8, 0xEB}}},
        {"negative field between other bits", {0, 49, 0}, {{347, 0x81}}, -12, true, {{347, 0x89}}},
        {"octave with bias 8", {0, 43, 0}, {{8, 0xC0}}, -3, true, {{8, 0xC5}}},
        {"arpeggiator step 3", {8, 11, 0}, {{342, 0xFF}}, 0, true, {{342, 0xFB}}},
        {"effect slot with its bias", {6, 10, 0}, {{286, 2}}, -63, true, {{296, 1}}},
        {"hold value", {5, 53, 0}, {}, 0x1234, true, {{254, 0x34}, {255, 0x12}}},
        {"hold value above the range", {5, 68, 0}, {}, 40000, true, {{284, 0xFF}, {285, 0x7F}}},
        {"negative hold value", {5, 53, 0}, {{254, 9}}, -5, false, {{254, 0}, {255, 0}}},
        {"long ribbon filter intensity goes to both timbres", {2, 110, 1}, {}, 10, true, {{107, 74}, {203, 74}}},
        {"third timbre writes nothing", {1, 16, 2}, {}, 3, true, {}},
        {"third timbre raw write writes nothing", {2, 110, 3}, {}, 5, false, {}},
        {"unsupported row writes nothing", {0, 12, 0}, {}, 5, true, {}},
        {"modulation sequencer writes nothing", {3, 2, 0}, {}, 5, false, {}},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.what);
        m_program.Clear();
        Store(m_program, c.before);
        CQ3917ProgramData expected;
        expected.Clear();
        Store(expected, c.before);
        Store(expected, c.after);
        if (c.throughSetValue)
            m_accessor.SetValue(&m_program, c.address, c.value);
        else
            m_accessor.SetRawValue(&m_program, c.address, c.value);
        EXPECT_EQ(std::vector<std::uint8_t>(m_program.GetData(), m_program.GetData() + 352),
                  std::vector<std::uint8_t>(expected.GetData(), expected.GetData() + 352));
    }
}

}  // namespace
