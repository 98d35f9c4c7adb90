#include "model/Q3917FxParameterTable.h"
#include "model/Q3917ParameterTable.h"

#include "trace_capture.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {
constexpr int kImageSize = 352;

// Byte bases of the groups that live in the image; timbre groups have two.
const std::map<std::uint32_t, std::vector<int>> kGroupBases = {
    {0, {0}}, {1, {16, 112}}, {2, {16, 112}}, {4, {16, 112}}, {5, {208}}, {6, {286}}, {7, {0}}, {8, {338}},
};

bool IsTimbreGroup(std::uint32_t group)
{
    return group >= 1 && group <= 4;
}

bool IsSixteenBitRow(std::uint32_t group, std::uint32_t index)
{
    return (group == 7 && index == 0) || (group == 5 && index >= 53 && index <= 68);
}

int FieldWidth(int mask)
{
    int width = 0;
    while (mask >> width)
        ++width;
    return width;
}

struct Row
{
    std::uint32_t group;
    std::uint32_t index;
    const ParameterRow* row;
};

std::vector<Row> AllProgramRows()
{
    const CQ3917ParameterTable table;
    std::vector<Row> rows;
    for (std::uint32_t group = 0; group < table.GetGroupCount(); ++group) {
        for (std::uint32_t index = 0; index < table.GetCount(group); ++index)
            rows.push_back({group, index, table.GetRow({group, index, 0})});
    }
    return rows;
}
}  // namespace

TEST(ProgramParameterTable, GroupCountsAndTotals)
{
    const CQ3917ParameterTable table;
    EXPECT_EQ(table.GetGroupCount(), 10u);
    const std::pair<std::uint32_t, std::uint32_t> counts[] = {
        {0, 54}, {1, 26}, {2, 111}, {3, 60}, {4, 52}, {5, 69},
        {6, 52}, {7, 5},  {8, 105}, {9, 0},  {10, 0}, {0xFFFFFFFFu, 0},
    };
    for (const auto& [group, count] : counts)
        EXPECT_EQ(table.GetCount(group), count) << "group " << group;
    {
        const TraceCapture capture;
        EXPECT_EQ(table.GetRow({9, 0, 0}), nullptr);
        EXPECT_EQ(table.GetRow({10, 0, 0}), nullptr);
        const std::vector<std::string> traced = {"now under construction...", "unknow parameter group..."};
        EXPECT_EQ(TraceCapture::Lines(), traced);
    }

    int rows = 0, parameters = 0, flagged = 0, supportedRows = 0;
    for (const Row& r : AllProgramRows()) {
        const int weight = IsTimbreGroup(r.group) ? 2 : 1;
        ++rows;
        parameters += weight;
        flagged += (r.row->flag & 0xFF) ? weight : 0;
        supportedRows += (r.row->supported & 0xFF) ? 1 : 0;
    }
    EXPECT_EQ(rows, 534);
    EXPECT_EQ(parameters, 783);
    EXPECT_EQ(flagged, 274);
    EXPECT_EQ(supportedRows, 242);
}

TEST(ProgramParameterTable, GetRowBoundsAndNames)
{
    const CQ3917ParameterTable table;
    struct Case
    {
        ParameterAddress address;
        const char* name;  // null: no row
        int supported;
    };
    const Case cases[] = {
        {{0, 53, 0}, "CategoryNumber", 1},
        {{0, 54, 0}, nullptr, 0},
        {{0, 40, 0}, "VCD Knob 4 Assign", 0},
        {{1, 15, 0}, "Unison SW", 0},
        {{1, 16, 0}, "Unison SW", 1},
        {{2, 36, 0}, "Filter 1 Cutoff", 1},
        {{2, 36, 1}, "Filter 1 Cutoff", 1},
        {{2, 36, 7}, "Filter 1 Cutoff", 1},  // the timbre is not looked at
        {{2, 111, 0}, nullptr, 0},
        {{3, 0, 0}, "ModSeq SW", 0},
        {{3, 59, 0}, "ModSeq 3 Step 16 Value", 0},
        {{5, 68, 0}, "Band 16 Hold Data", 1},
        {{7, 4, 0}, "Link Last Step", 0},
        {{8, 74, 0}, "Step 2 Velocity ", 0},
        {{8, 104, 0}, "Step 32 Velocity", 0},
        {{8, 105, 0}, nullptr, 0},
        {{9, 0, 0}, nullptr, 0},
        {{10, 0, 0}, nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.address.group << "/" << c.address.index << "/" << c.address.timbre);
        const ParameterRow* row = table.GetRow(c.address);
        if (c.name == nullptr) {
            EXPECT_EQ(row, nullptr);
            continue;
        }
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(row->name, c.name);
        EXPECT_EQ(row->supported, c.supported);
    }
    // Both "Unison SW" rows share a name; only the voice count is the device's.
    EXPECT_STREQ(table.GetRow({1, 16, 0})->key, "UnisonVoice");
    EXPECT_EQ(table.GetRow({1, 16, 0})->offset, 4);
}

TEST(ProgramParameterTable, EveryRowIsWellFormed)
{
    const std::set<int> masks = {1, 3, 7, 15, 31, 63, 127, 255};
    for (const Row& r : AllProgramRows()) {
        SCOPED_TRACE(testing::Message() << r.group << "/" << r.index << " " << r.row->name);
        const ParameterRow& row = *r.row;
        ASSERT_NE(row.name, nullptr);
        ASSERT_NE(row.key, nullptr);
        EXPECT_STRNE(row.key, "");
        EXPECT_TRUE(row.supported == 0 || row.supported == 1);
        EXPECT_TRUE(row.flag == 0 || row.flag == 1);
        EXPECT_LE(row.minimum, row.maximum);
        EXPECT_GE(row.knob, -1);
        EXPECT_LE(row.knob, 54);
        if (r.group == 0 && r.index == 40) {
            // The one placeholder row: every number is 0.
            EXPECT_EQ(row.kind, 0);
            EXPECT_EQ(row.mask, 0);
            continue;
        }
        EXPECT_GE(row.kind, 1);
        EXPECT_LE(row.kind, 4);
        EXPECT_TRUE(masks.count(row.mask));
        EXPECT_GE(row.bit, 0);
        EXPECT_LE(row.bit + FieldWidth(row.mask), 8);
        if (row.kind == 4) {
            EXPECT_EQ(row.minimum, 0);
            EXPECT_EQ(row.maximum, 1);
        }
    }
}

// Stored value = value + bias must fit the field for every value in range.
TEST(ProgramParameterTable, SupportedRangesFitTheirFields)
{
    for (const Row& r : AllProgramRows()) {
        const ParameterRow& row = *r.row;
        if (!(row.supported & 0xFF))
            continue;
        SCOPED_TRACE(testing::Message() << r.group << "/" << r.index << " " << row.name);
        const int fieldMax = IsSixteenBitRow(r.group, r.index) ? 0xFFFF : row.mask;
        EXPECT_GE(row.minimum + row.bias, 0);
        EXPECT_LE(row.maximum + row.bias, fieldMax);
    }
}

TEST(ProgramParameterTable, SupportedFieldsLieInsideTheImageWithoutSharingBits)
{
    std::map<std::pair<int, int>, std::string> owner;  // (byte, bit) -> row
    for (const Row& r : AllProgramRows()) {
        const ParameterRow& row = *r.row;
        if (!(row.supported & 0xFF))
            continue;
        ASSERT_TRUE(kGroupBases.count(r.group)) << "supported row in group " << r.group;
        for (const int base : kGroupBases.at(r.group)) {
            const std::string who =
                std::to_string(r.group) + "/" + std::to_string(r.index) + "@" + std::to_string(base);
            std::vector<std::pair<int, int>> bits;
            if (IsSixteenBitRow(r.group, r.index)) {
                for (int bit = 0; bit < 16; ++bit)
                    bits.push_back({base + row.offset + bit / 8, bit % 8});
            } else {
                for (int bit = row.bit; bit < row.bit + FieldWidth(row.mask); ++bit)
                    bits.push_back({base + row.offset, bit});
            }
            for (const auto& bit : bits) {
                EXPECT_GE(bit.first, 0) << who;
                EXPECT_LT(bit.first, kImageSize) << who;
                const auto [it, inserted] = owner.emplace(bit, who);
                EXPECT_TRUE(inserted) << who << " shares byte " << bit.first << " bit " << bit.second << " with "
                                      << it->second;
            }
        }
    }
}

TEST(ProgramParameterTable, KnobNumbersNameTheirKnobAssignEntry)
{
    const char* const knobAssign[] = {
        "Off",
        "Portamento",
        "OSC 1 Control 1",
        "OSC 1 Control 2",
        "OSC 2 Semitone",
        "OSC 2 Tune",
        "OSC 1 Level",
        "OSC 2 Level",
        "Noise Level",
        "Filter 1 Cutoff",
        "Filter 1 Resonance",
        "Filter 1 Balance",
        "Filter 1 EG Int",
        "Filter 2 Cutoff",
        "Filter 2 Resonance",
        "Filter 2 EG Int",
        "Level",
        "Panpot",
        "Wave Shape Depth",
        "Filter EG Attack",
        "Filter EG Decay",
        "Filter EG Sustain",
        "Filter EG Release",
        "Amp EG Attack",
        "Amp EG Decay",
        "Amp EG Sustain",
        "Amp EG Release",
        "LFO 1 Frequency",
        "LFO 2 Frequency",
        "Virtual Patch 1 Int",
        "Virtual Patch 2 Int",
        "Virtual Patch 3 Int",
        "Virtual Patch 4 Int",
        "Virtual Patch 5 Int",
        "Virtual Patch 6 Int",
        "EQ High Gain",
        "EQ Low Gain",
        "FX 1 Dry/Wet",
        "FX 1 Ctrl 1",
        "FX 1 Ctrl 2",
        "FX 2 Dry/Wet",
        "FX 2 Ctrl 1",
        "FX 2 Ctrl 2",
        "ARP Gate Time",
        "ARP Octave Range",
        "ARP Swing",
        "Vocoder Timbre1 Lvl",
        "Vocoder Timbre2 Lvl",
        "Vocoder HPF Level",
        "Vocoder FC Offset",
        "Vocoder Resonance",
        "Vocoder EF Sens",
        "Vocoder FC Mod Int",
        "Vocoder Direct Lvl",
        "Vocoder Level",
    };
    ASSERT_EQ(std::size(knobAssign), 55u);

    // Every assignable row and the knob-assign entry that selects it.
    const std::map<std::pair<std::uint32_t, std::uint32_t>, std::string> expected = {
        {{1, 20}, "Portamento"},
        {{2, 22}, "OSC 1 Control 1"},
        {{2, 23}, "OSC 1 Control 2"},
        {{2, 24}, "OSC 1 Control 2"},
        {{2, 28}, "OSC 2 Semitone"},
        {{2, 29}, "OSC 2 Tune"},
        {{2, 30}, "OSC 1 Level"},
        {{2, 31}, "OSC 2 Level"},
        {{2, 32}, "Noise Level"},
        {{2, 35}, "Filter 1 Balance"},
        {{2, 36}, "Filter 1 Cutoff"},
        {{2, 37}, "Filter 1 Resonance"},
        {{2, 38}, "Filter 1 EG Int"},
        {{2, 42}, "Filter 2 Cutoff"},
        {{2, 43}, "Filter 2 Resonance"},
        {{2, 44}, "Filter 2 EG Int"},
        {{2, 47}, "Level"},
        {{2, 51}, "Wave Shape Depth"},
        {{2, 52}, "Panpot"},
        {{2, 55}, "Filter EG Attack"},
        {{2, 56}, "Filter EG Decay"},
        {{2, 57}, "Filter EG Sustain"},
        {{2, 58}, "Filter EG Release"},
        {{2, 63}, "Amp EG Attack"},
        {{2, 64}, "Amp EG Decay"},
        {{2, 65}, "Amp EG Sustain"},
        {{2, 66}, "Amp EG Release"},
        {{2, 81}, "LFO 1 Frequency"},
        {{2, 85}, "LFO 1 Frequency"},
        {{2, 88}, "LFO 2 Frequency"},
        {{2, 92}, "LFO 2 Frequency"},
        {{2, 105}, "Virtual Patch 1 Int"},
        {{2, 106}, "Virtual Patch 2 Int"},
        {{2, 107}, "Virtual Patch 3 Int"},
        {{2, 108}, "Virtual Patch 4 Int"},
        {{2, 109}, "Virtual Patch 5 Int"},
        {{2, 110}, "Virtual Patch 6 Int"},
        {{4, 49}, "EQ Low Gain"},
        {{4, 51}, "EQ High Gain"},
        {{5, 9}, "Vocoder HPF Level"},
        {{5, 10}, "Vocoder Direct Lvl"},
        {{5, 11}, "Vocoder Timbre1 Lvl"},
        {{5, 12}, "Vocoder Timbre2 Lvl"},
        {{5, 13}, "Vocoder Level"},
        {{5, 16}, "Vocoder FC Offset"},
        {{5, 17}, "Vocoder Resonance"},
        {{5, 18}, "Vocoder FC Mod Int"},
        {{5, 19}, "Vocoder EF Sens"},
        {{6, 2}, "FX 1 Ctrl 1"},
        {{6, 3}, "FX 1 Ctrl 2"},
        {{6, 26}, "FX 2 Ctrl 1"},
        {{6, 27}, "FX 2 Ctrl 2"},
        {{8, 3}, "ARP Octave Range"},
        {{8, 5}, "ARP Gate Time"},
        {{8, 6}, "ARP Swing"},
    };

    std::map<std::pair<std::uint32_t, std::uint32_t>, std::string> actual;
    for (const Row& r : AllProgramRows()) {
        if (r.row->knob < 0)
            continue;
        EXPECT_EQ(r.row->supported, 1) << r.row->name;
        actual[{r.group, r.index}] = knobAssign[r.row->knob];
    }
    EXPECT_EQ(actual, expected);
}

TEST(FxParameterTable, CountsAndBounds)
{
    const CQ3917FxParameterTable table;
    EXPECT_EQ(table.GetTypeCount(), 18u);
    EXPECT_EQ(table.GetParametersPerType(0), 20u);
    EXPECT_NE(table.GetTypeRecord(17), nullptr);
    EXPECT_EQ(table.GetTypeRecord(18), nullptr);
    EXPECT_EQ(table.GetParameterRow(18, 0), nullptr);
    EXPECT_EQ(table.GetParameterRow(0, 20), nullptr);

    const FxParameterRow* last = table.GetParameterRow(17, 19);
    ASSERT_NE(last, nullptr);
    EXPECT_STREQ(last->name, "");
    EXPECT_STREQ(last->key, "Value");
    EXPECT_STREQ(table.GetParameterRow(2, 2)->name, "Cutoff");
    EXPECT_EQ(table.GetParameterRow(2, 2)->initial, 63);
}

TEST(FxParameterTable, TypeRecordsInTypeOrder)
{
    const CQ3917FxParameterTable table;
    const char* const names[] = {
        "Effect Off",
        "Compressor",
        "Filter",
        "4 Band EQ",
        "Distortion",
        "Decimator",
        "Delay",
        "L/C/R Delay",
        "Auto Panning Delay",
        "Modulation Delay",
        "Tape Echo",
        "Chorus",
        "Flanger",
        "Vibrato",
        "Phaser",
        "Tremolo",
        "Ring Modulator",
        "Grain Shifter",
    };
    for (std::uint32_t type = 0; type < std::size(names); ++type) {
        const FxTypeRecord& record = *table.GetTypeRecord(type);
        SCOPED_TRACE(record.name);
        EXPECT_STREQ(record.name, names[type]);
        EXPECT_EQ(record.ribbonDefault, type == 0 ? 0 : 255);
        EXPECT_EQ(record.polarityDefault, 0);
        EXPECT_EQ(record.reserved1, 0);
        EXPECT_EQ(record.reserved2, 0);
    }
}

TEST(FxParameterTable, EverySlotIsWellFormed)
{
    const CQ3917FxParameterTable table;
    int named = 0;
    for (std::uint32_t type = 0; type < table.GetTypeCount(); ++type) {
        for (std::uint32_t slot = 0; slot < table.GetParametersPerType(type); ++slot) {
            const FxParameterRow& row = *table.GetParameterRow(type, slot);
            SCOPED_TRACE(testing::Message() << type << "/" << slot << " " << row.name);
            if (row.name[0] == '\0') {
                const FxParameterRow empty = {"", 0, 0, 0, 0, 0, 0, 0, "Value"};
                EXPECT_EQ(std::tie(row.used, row.minimum, row.maximum, row.bias, row.available, row.kind, row.initial),
                          std::tie(empty.used, empty.minimum, empty.maximum, empty.bias, empty.available, empty.kind,
                                   empty.initial));
                EXPECT_STREQ(row.key, "Value");
                continue;
            }
            ++named;
            EXPECT_EQ(row.used, 1);
            EXPECT_TRUE(row.available == 0 || row.available == 1);
            EXPECT_TRUE(row.kind == 1 || row.kind == 3 || row.kind == 4);
            EXPECT_LE(row.minimum, row.maximum);
            EXPECT_GE(row.initial, row.minimum);
            EXPECT_LE(row.initial, row.maximum);
            // Slots are stored in whole bytes of the image.
            EXPECT_GE(row.minimum + row.bias, 0);
            EXPECT_LE(row.maximum + row.bias, 255);
            if (row.kind == 4) {
                EXPECT_STREQ(row.key, "OnOff");
            }
        }
    }
    EXPECT_EQ(named, 229);
}

// The record's slot numbers point at slots of the matching kind, and every
// slot of such a kind is one its record points at.
TEST(FxParameterTable, RecordSlotsCarryTheirKeys)
{
    const CQ3917FxParameterTable table;
    for (std::uint32_t type = 0; type < table.GetTypeCount(); ++type) {
        const FxTypeRecord& record = *table.GetTypeRecord(type);
        SCOPED_TRACE(record.name);
        std::map<int, std::string> expected;
        const auto expect = [&](std::int32_t flag, std::int32_t slot, const char* key) {
            if (flag)
                expected[slot] = key;
            else
                EXPECT_EQ(slot, 0);
        };
        expect(record.timeSync, record.tempoSyncSwitch, "OnOff");
        expect(record.timeSync, record.unsyncedTime, "FxTimeRatio");
        expect(record.timeSync, record.syncedTime, "FxTimeRatioSyncOn");
        expect(record.lfoSync, record.lfoTempoSyncSwitch, "OnOff");
        expect(record.lfoSync, record.lfoFrequency, "LfoFreq");
        expect(record.lfoSync, record.lfoSyncNote, "LfoSyncNote");
        expect(record.modSource, record.modSourceSlot, "FxFilterModSrc");
        expect(record.keySync, record.lfoKeySync, "FxLfoKeySync");
        if (record.keySync)
            expected[record.lfoKeySync + 1] = "LfoInitPhase";

        for (const auto& [slot, key] : expected) {
            const FxParameterRow* row = table.GetParameterRow(type, slot);
            ASSERT_NE(row, nullptr) << slot;
            EXPECT_EQ(row->key, key) << "slot " << slot;
        }
        const std::set<std::string> pointedOnly = {"FxTimeRatioSyncOn", "LfoSyncNote", "FxLfoKeySync",
                                                   "FxFilterModSrc"};
        for (std::uint32_t slot = 0; slot < table.GetParametersPerType(type); ++slot) {
            const char* key = table.GetParameterRow(type, slot)->key;
            if (pointedOnly.count(key)) {
                EXPECT_TRUE(expected.count(slot)) << "slot " << slot << " " << key << " not in the record";
            }
        }
    }
}
