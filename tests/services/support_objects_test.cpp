#include "TraceRecorder.h"

#include "framework/services/EfException.h"
#include "framework/services/EfObject.h"
#include "framework/services/FixedStrings.h"
#include "framework/services/Numbers.h"
#include "framework/services/ServiceSlots.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(EfObject, NameIsCutAt31CharactersAndNotCopied)
{
    CEfObject object;
    EXPECT_STREQ(object.GetName(), "");
    object.SetName("%s-%d", "Midi", 7);
    EXPECT_STREQ(object.GetName(), "Midi-7");
    object.SetName("%s", "0123456789012345678901234567890123456789");
    EXPECT_STREQ(object.GetName(), "0123456789012345678901234567890");

    CEfObject copy(object);
    EXPECT_STREQ(copy.GetName(), "");
    copy.SetName("%s", "kept");
    copy = object;
    EXPECT_STREQ(copy.GetName(), "kept");
}

class NamedFailure : public CEfException
{
public:
    NamedFailure() : CEfException(42) {}
    const char* GetMessage() const override { return "FileErrorFileOpen"; }
};

TEST(EfException, ReportTracesThroughTheSubclassAndReturnsTheCode)
{
    TraceRecorder trace;
    const NamedFailure failure;
    const CEfException& base = failure;
    EXPECT_EQ(base.Report(), 42);
    EXPECT_EQ(CEfException(-3).Report(), -3);
    ASSERT_EQ(trace.lines().size(), 2u);
    EXPECT_EQ(trace.lines()[0], "!! Error !! (#42) FileErrorFileOpen");
    EXPECT_EQ(trace.lines()[1], "!! Error !! (#-3) ");
}

TEST(Numbers, ClampAndMax)
{
    struct Case
    {
        int value, low, high, expected;
    };
    const Case cases[] = {
        {5, 10, 20, 10},  {25, 10, 20, 20}, {15, 10, 20, 15}, {10, 10, 20, 10},
        {20, 10, 20, 20}, {0, 20, 10, 10},  {30, 20, 10, 10}, {-5, -10, -1, -5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Clamp(c.value, c.low, c.high), c.expected) << c.value << " in " << c.low << ".." << c.high;
    EXPECT_EQ(Max(3, -4), 3);
    EXPECT_EQ(Max(-4, 3), 3);
}

TEST(FixedStrings, TrimmedCopyOfAField)
{
    struct Case
    {
        const char* field;
        int size;
        const char* expected;
    };
    const Case cases[] = {
        {"PIANO   ", 8, "PIANO"},
        {"        ", 8, ""},
        {"ABCDEFGH", 8, "ABCDEFGH"},
        {"ABCDEFGHIJ", 8, "ABCDEFGH"},  // the field ends at size, whatever follows
        {"AB\0CD   ", 8, "AB"},         // a zero ends the text
        {"  LEAD  ", 8, "  LEAD"},      // leading blanks stay
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        char destination[16];
        std::memset(destination, '#', sizeof destination);
        CopyTrimmedString(destination, c.field, c.size);
        EXPECT_STREQ(destination, c.expected) << '"' << c.field << '"';
        for (int i = static_cast<int>(std::strlen(c.expected)); i <= c.size; ++i)
            EXPECT_EQ(destination[i], '\0') << '"' << c.field << "\" byte " << i;
        EXPECT_EQ(destination[c.size + 1], '#') << "wrote past the field and terminator";
    }
}

TEST(FixedStrings, PaddedCopyIntoAField)
{
    struct Case
    {
        const char* text;
        const char* expected;  // 8 bytes, then the untouched sentinel
    };
    const Case cases[] = {
        {"BASS", "BASS    #"},
        {"", "        #"},
        {"SYNTHLEAD", "SYNTHLEA#"},
    };
    for (const Case& c : cases) {
        char field[10];
        std::memset(field, '#', sizeof field);
        CopyPaddedString(field, c.text, 8);
        EXPECT_EQ(std::string(field, 9), c.expected);
    }
}

class ServiceSlotsTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        SetBitmapLookup(nullptr);
        SetMessagePump(nullptr);
        SetStringTable(nullptr);
    }
};

TEST_F(ServiceSlotsTest, BitmapLookupIsTracedWhenItFails)
{
    TraceRecorder trace;
    EXPECT_EQ(GetBitmap("LcdChar"), nullptr);

    static int knob;
    auto* const knobBitmap = reinterpret_cast<CHfcBmp*>(&knob);
    SetBitmapLookup([&](const char* name) { return std::string(name) == "Knob" ? knobBitmap : nullptr; });
    EXPECT_EQ(GetBitmap("Knob"), knobBitmap);
    EXPECT_EQ(GetBitmap("Missing"), nullptr);

    EXPECT_EQ(trace.lines(),
              (std::vector<std::string>{"Failed to get bitmap (LcdChar)", "Failed to get bitmap (Missing)"}));
}

TEST_F(ServiceSlotsTest, PumpAndStringTableAreEmptyUntilRegistered)
{
    PumpMessages();  // nothing registered: returns at once
    EXPECT_EQ(GetStringTable(), nullptr);

    int pumped = 0;
    SetMessagePump([&] { ++pumped; });
    PumpMessages();
    PumpMessages();
    EXPECT_EQ(pumped, 2);

    static int table;
    SetStringTable(reinterpret_cast<CEfStringTable*>(&table));
    EXPECT_EQ(GetStringTable(), reinterpret_cast<CEfStringTable*>(&table));
}

}  // namespace
