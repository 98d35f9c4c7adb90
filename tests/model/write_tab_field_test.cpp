// Report fields: tabs inside a field become blanks, each field ends with one
// tab and no terminator, long texts are cut, failed writes are reported.
#include "model/WriteTabField.h"

#include "framework/services/HfcFileStreams.h"
#include "framework/services/HfcMemoryStreams.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Written(CHfcMemoryOutputStream& stream)
{
    return std::string(reinterpret_cast<const char*>(stream.GetBuffer()), stream.GetDataSize());
}

TEST(WriteTabField, FormatsReplacesTabsAndEndsWithOneTab)
{
    struct Case
    {
        const char* label;
        std::string expected;
        bool (*write)(CHfcOutputStream&);
    };
    const Case cases[] = {
        {"empty text", "\t", [](CHfcOutputStream& s) { return WriteTabField(s, "%s", ""); }},
        {"tab in the middle", "a b\t", [](CHfcOutputStream& s) { return WriteTabField(s, "%s", "a\tb"); }},
        {"only tabs", "   \t", [](CHfcOutputStream& s) { return WriteTabField(s, "%s", "\t\t\t"); }},
        {"program number", "M08\t", [](CHfcOutputStream& s) { return WriteTabField(s, "%c%02d", 'M', 8); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        CHfcMemoryOutputStream stream(16, 16);
        EXPECT_TRUE(c.write(stream));
        EXPECT_EQ(Written(stream), c.expected);
    }

    // A fixed field of the data is not terminated: read with its length,
    // never past it (the sanitizer would see it).
    const char name[8] = {'S', 'y', 'n', '\t', 'P', 'a', 'd', '!'};
    CHfcMemoryOutputStream stream(16, 16);
    EXPECT_TRUE(WriteTabField(stream, "%.*s", static_cast<int>(sizeof name), name));
    EXPECT_EQ(Written(stream), "Syn Pad!\t");
}

TEST(WriteTabField, KeepsAtMost1022CharactersOfALongText)
{
    const std::string longText(1500, 'x');
    CHfcMemoryOutputStream stream(16, 16);
    EXPECT_TRUE(WriteTabField(stream, "%s", longText.c_str()));
    EXPECT_EQ(Written(stream), std::string(1022, 'x') + "\t");

    CHfcMemoryOutputStream exact(16, 16);
    EXPECT_TRUE(WriteTabField(exact, "%s", std::string(1022, 'y').c_str()));
    EXPECT_EQ(Written(exact), std::string(1022, 'y') + "\t");
}

class RefusingStream final : public CHfcOutputStream
{
public:
    std::int64_t GetSize() const override { return 0; }
    std::int64_t GetPosition() const override { return 0; }
    bool SetPosition(std::int64_t) override { return false; }
    bool Write(const void*, int) override { return false; }
};

TEST(WriteTabField, AFailedWriteIsReported)
{
    RefusingStream full;
    EXPECT_FALSE(WriteTabField(full, "%s", "Lead"));

    CHfcFile closed;
    CHfcFileOutputStream notOpen(closed);
    EXPECT_FALSE(WriteTabField(notOpen, "%s", "Lead"));
    EXPECT_EQ(notOpen.GetSize(), 0);
}

}  // namespace
