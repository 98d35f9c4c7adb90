// Every value-type key of the program and effect tables must be shown
// somehow: by a number format, or by a keyword list long enough for the range.
#include "model/Q3917FxParameterTable.h"
#include "model/Q3917ParameterTable.h"

#include "framework/services/EfStringTable.h"
#include "framework/services/HfcResourceFile.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {
// Keys shown by a number format rather than a list.
const std::set<std::string> kFormatKeys = {
    "Value",        "PanValue",    "PercentValue",   "Bpm",          "FxWetDry",    "FxLfoSpread",
    "FxGainAdjust", "FxFineValue", "FxRotorBalance", "FxRotorRatio", "FxVoiceCtrl", "FxdBValue",
    "FxEqQ",        "KHzValue",    "ArpSwing",       "VpmHarmonics",
};

// Keys of rows the device lacks; they name no list and show the number.
const std::set<std::string> kUnlistedKeysOfAbsentRows = {
    "ArpAssign",
    "ArpStepVelo",
    "Curve",
    "DrumNumber",
    "DrumPcm",
    "DrumTimbre",
    "EfInputSource",
    "EfTriggerThreshold",
    "IfxParam",
    "IlluminationMode",
    "KeyPriority",
    "ModSeqDest",
    "ModSeqKeySync",
    "ModSeqMotion",
    "ModSeqResolution",
    "ModSeqRunMode",
    "ModSeqType",
    "Osc1BusSelect",
    "PanelSelect",
    "SubOutSelect",
    "TriggerMode",
    "VcdFormantPlay",
    "VcdInSrc1",
    "VcdInSrc2",
    "VcdKnobAssign",
    "VcdMotionNumber",
    "WsSw",
};

// The ribbon-setting rows run to 31, the value a new effect type writes, past
// the 20 slot names; those values show as numbers.
const std::set<std::string> kListsShorterThanTheirRows = {"MfxKnobAss"};

class ValueTypeKeys : public testing::Test
{
protected:
    void SetUp() override
    {
        CHfcResourceFile file;
        ASSERT_TRUE(file.OpenResource("STR", "Q3917StringTable.txt", 0));
        ASSERT_TRUE(m_table.LoadFromFile(file));
    }

    // A list shows row v - minimum for a signed range, row v otherwise.
    void ExpectShown(const std::string& where, const char* key, int minimum, int maximum, bool present)
    {
        SCOPED_TRACE(where + " key " + key);
        if (kFormatKeys.count(key))
            return;
        const int rows = m_table.GetNumStrings(key);
        if (!present) {
            EXPECT_TRUE(rows > 0 || kUnlistedKeysOfAbsentRows.count(key)) << "names neither a format nor a list";
            return;
        }
        const int lastRow = minimum < 0 ? maximum - minimum : maximum;
        if (kListsShorterThanTheirRows.count(key)) {
            EXPECT_GT(rows, 0);
            return;
        }
        EXPECT_GT(rows, lastRow) << "list of " << rows << " rows for " << minimum << ".." << maximum;
    }

    CEfStringTable m_table;
};
}  // namespace

TEST_F(ValueTypeKeys, ProgramRowsNameAFormatOrACoveringList)
{
    const CQ3917ParameterTable table;
    for (std::uint32_t group = 0; group < 9; ++group) {
        for (std::uint32_t index = 0; index < table.GetCount(group); ++index) {
            const ParameterRow& row = *table.GetRow({group, index, 0});
            const std::string where = std::to_string(group) + "/" + std::to_string(index) + " " + row.name;
            ExpectShown(where, row.key, row.minimum, row.maximum, (row.supported & 0xFF) != 0);
        }
    }
}

TEST_F(ValueTypeKeys, EffectSlotsNameAFormatOrACoveringList)
{
    const CQ3917FxParameterTable table;
    for (std::uint32_t type = 0; type < table.GetTypeCount(); ++type) {
        for (std::uint32_t slot = 0; slot < table.GetParametersPerType(type); ++slot) {
            const FxParameterRow& row = *table.GetParameterRow(type, slot);
            const std::string where = std::to_string(type) + "/" + std::to_string(slot) + " " + row.name;
            ExpectShown(where, row.key, row.minimum, row.maximum, row.used != 0);
        }
    }
}

// The effect type list and the effect table name the types in the same order.
TEST_F(ValueTypeKeys, EffectTypeListFollowsTheTypeRecords)
{
    const CQ3917FxParameterTable table;
    ASSERT_EQ(m_table.GetNumStrings("MfxType"), static_cast<int>(table.GetTypeCount()));
    for (std::uint32_t type = 0; type < table.GetTypeCount(); ++type) {
        std::string listed = m_table.GetString("MfxType", static_cast<int>(type));
        std::string record = table.GetTypeRecord(type)->name;
        // The list writes "4Band EQ" where the record has "4 Band EQ".
        std::erase(listed, ' ');
        std::erase(record, ' ');
        EXPECT_EQ(listed, record) << type;
    }
}
