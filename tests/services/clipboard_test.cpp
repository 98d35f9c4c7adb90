// The clipboard wrapper over the platform's store: formats by name, blocks
// copied in and out, refusals that leave the caller's buffer alone.
#include "framework/services/HfcClipboard.h"

#include "TraceRecorder.h"

#include <platform/clipboard.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

bool Traced(const TraceRecorder& trace, const std::string& text)
{
    for (const std::string& line : trace.lines())
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}

class HfcClipboardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CHfcClipboard::Open(nullptr));
        EmptyClipboard();
    }
    void TearDown() override { CHfcClipboard::Close(); }

    const UINT program = CHfcClipboard::RegisterFormat("q47300DragProgram");
    const UINT timbre = CHfcClipboard::RegisterFormat("q47300Timbre");
};

TEST_F(HfcClipboardTest, TheSameNameGivesTheSameFormat)
{
    EXPECT_GE(program, 0xC000u);
    EXPECT_GE(timbre, 0xC000u);
    EXPECT_NE(program, timbre);
    EXPECT_EQ(CHfcClipboard::RegisterFormat("q47300DragProgram"), program);
    EXPECT_EQ(CHfcClipboard::RegisterFormat("Q47300DRAGPROGRAM"), program);
    EXPECT_EQ(CHfcClipboard::RegisterFormat(""), 0u);
    EXPECT_EQ(CHfcClipboard::RegisterFormat(nullptr), 0u);
}

TEST_F(HfcClipboardTest, BlocksGoInAndComeOutByFormat)
{
    const std::array<std::uint8_t, 16> bytes = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0xFF};
    EXPECT_FALSE(CHfcClipboard::IsFormatAvailable(program));
    ASSERT_TRUE(CHfcClipboard::SetData(program, bytes.data(), static_cast<int>(bytes.size())));
    EXPECT_TRUE(CHfcClipboard::IsFormatAvailable(program));
    EXPECT_FALSE(CHfcClipboard::IsFormatAvailable(timbre));

    std::array<std::uint8_t, 16> out{};
    ASSERT_TRUE(CHfcClipboard::GetData(program, out.data(), static_cast<int>(out.size())));
    EXPECT_EQ(out, bytes);

    EXPECT_EQ(CHfcClipboard::GetDataSize(program), 16);
    EXPECT_EQ(CHfcClipboard::GetDataSize(timbre), -1) << "none of that format";

    // A later block of the same format replaces the first.
    const std::array<std::uint8_t, 4> other = {9, 8, 7, 6};
    ASSERT_TRUE(CHfcClipboard::SetData(program, other.data(), static_cast<int>(other.size())));
    EXPECT_EQ(CHfcClipboard::GetDataSize(program), 4);
    std::array<std::uint8_t, 4> second{};
    ASSERT_TRUE(CHfcClipboard::GetData(program, second.data(), static_cast<int>(second.size())));
    EXPECT_EQ(second, other);

    // The block stays on the clipboard after Close.
    ASSERT_TRUE(CHfcClipboard::Close());
    EXPECT_TRUE(CHfcClipboard::IsFormatAvailable(program));
    ASSERT_TRUE(CHfcClipboard::Open(nullptr));
}

TEST_F(HfcClipboardTest, ARefusedReadLeavesTheBufferUntouched)
{
    const std::array<std::uint8_t, 8> bytes = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_TRUE(CHfcClipboard::SetData(program, bytes.data(), static_cast<int>(bytes.size())));

    struct Case
    {
        const char* what;
        UINT format;
        int size;
        const char* trace;
    };
    const Case cases[] = {
        {"format not held", timbre, 8, "Failed to get a handle."},
        {"block smaller than asked", program, 9, "too short"},
        {"negative size", program, -1, "CHfcClipboard::GetData()"},
    };
    for (const Case& c : cases) {
        TraceRecorder trace;
        std::array<std::uint8_t, 16> out;
        out.fill(0xEE);
        EXPECT_FALSE(CHfcClipboard::GetData(c.format, out.data(), c.size)) << c.what;
        for (std::uint8_t byte : out)
            ASSERT_EQ(byte, 0xEE) << c.what;
        EXPECT_TRUE(Traced(trace, c.trace)) << c.what;
    }

    // Asking for less than the block holds copies just that much.
    std::array<std::uint8_t, 4> part{};
    ASSERT_TRUE(CHfcClipboard::GetData(program, part.data(), static_cast<int>(part.size())));
    EXPECT_EQ(part, (std::array<std::uint8_t, 4>{1, 2, 3, 4}));
}

TEST_F(HfcClipboardTest, DataMovesOnlyWhileTheClipboardIsOpen)
{
    const std::array<std::uint8_t, 4> bytes = {1, 2, 3, 4};
    ASSERT_TRUE(CHfcClipboard::SetData(timbre, bytes.data(), static_cast<int>(bytes.size())));
    ASSERT_TRUE(CHfcClipboard::Close());

    TraceRecorder trace;
    EXPECT_FALSE(CHfcClipboard::SetData(program, bytes.data(), static_cast<int>(bytes.size())));
    EXPECT_TRUE(Traced(trace, "Failed to set data to clipboard..."));
    std::array<std::uint8_t, 4> out{};
    EXPECT_FALSE(CHfcClipboard::GetData(timbre, out.data(), static_cast<int>(out.size())));
    EXPECT_TRUE(Traced(trace, "Failed to get a handle."));
    EXPECT_FALSE(CHfcClipboard::IsFormatAvailable(program));

    ASSERT_TRUE(CHfcClipboard::Open(nullptr));
}

}  // namespace
