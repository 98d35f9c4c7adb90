#include "model/VpException.h"

#include "trace_capture.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {
struct KeyCase
{
    std::int32_t code;
    const char* key;  // null: no key
};

template <class Exception>
void ExpectKeys(const std::vector<KeyCase>& cases)
{
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.code);
        const Exception exception(c.code);
        EXPECT_EQ(exception.GetCode(), c.code);
        if (c.key == nullptr)
            EXPECT_EQ(exception.GetMessage(), nullptr);
        else
            EXPECT_STREQ(exception.GetMessage(), c.key);
    }
}
}  // namespace

TEST(DataExceptions, FileErrorKeysAndCodesOutsideTheTable)
{
    ExpectKeys<CVpFileException>({
        {0, "FileErrorFileOpen"},
        {1, "FileErrorUnsupportedFile"},
        {2, "FileErrorReadData"},
        {3, "FileErrorWriteData"},
        {4, "FileErrorUnknownId"},
        {5, "FileErrorInvalidId"},
        {6, "FileErrorMalloc"},
        {7, "FileErrorIllegalData"},
        {8, "FileErrorDataSize"},
        {9, nullptr},
        {-1, nullptr},
        {INT_MAX, nullptr},
        {INT_MIN, nullptr},
    });
    EXPECT_STREQ(CVpFileException(CVpFileException::InvalidId).GetMessage(), "FileErrorInvalidId");
}

TEST(DataExceptions, MidiErrorKeysAndCodesOutsideTheTable)
{
    ExpectKeys<CVpMidiException>({
        {0, "MidiErrorDeviceNotFound"},
        {1, "MidiErrorNotTargetDevice"},
        {2, "MidiErrorDeviceNotSpecified"},
        {3, "MidiErrorOpenDeviceFailed"},
        {4, "MidiErrorOpenMidiInFailed"},
        {5, "MidiErrorOpenMidiOutFailed"},
        {6, "MidiErrorDeviceInquiry"},
        {7, "MidiErrorTimeout"},
        {8, "MidiErrorMessageBroken"},
        {9, "MidiErrorSendMessageFailed"},
        {10, "MidiErrorReceiveError"},
        {11, "MidiErrorInternalError"},
        {12, nullptr},
        {-1, nullptr},
        {INT_MAX, nullptr},
    });
    EXPECT_STREQ(CVpMidiException(CVpMidiException::Timeout).GetMessage(), "MidiErrorTimeout");
}

TEST(DataExceptions, PlainExceptionHasNoKey)
{
    ExpectKeys<CVpException>({{0, nullptr}, {5, nullptr}});
}

// Thrown by value, caught by reference to a base: the copy keeps code and key.
TEST(DataExceptions, CaughtThroughTheBaseClasses)
{
    try {
        throw CVpFileException(CVpFileException::DataSize);
    } catch (const CEfException& caught) {
        EXPECT_EQ(caught.GetCode(), 8);
        EXPECT_STREQ(caught.GetMessage(), "FileErrorDataSize");
    }
    try {
        throw CVpMidiException(CVpMidiException::InternalError);
    } catch (const CVpException& caught) {
        EXPECT_STREQ(caught.GetMessage(), "MidiErrorInternalError");
    }
    const CVpMidiException original(CVpMidiException::SendMessageFailed);
    const CVpMidiException copy(original);
    EXPECT_EQ(copy.GetCode(), 9);
}

TEST(DataExceptions, ReportTracesCodeAndKeyAndReturnsTheCode)
{
    const TraceCapture capture;
    EXPECT_EQ(CVpMidiException(7).Report(), 7);
    EXPECT_EQ(CVpFileException(2).Report(), 2);
    EXPECT_EQ(CVpException(3).Report(), 3);
    EXPECT_EQ(CVpFileException(42).Report(), 42);
    const std::vector<std::string> expected = {
        "Error (7) MidiErrorTimeout",
        "Error (2) FileErrorReadData",
        "Error (3) ",
        "Error (42) ",
    };
    EXPECT_EQ(TraceCapture::Lines(), expected);
}
