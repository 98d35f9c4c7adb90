#include "model/VpException.h"

#include "framework/services/EfTrace.h"

#include <iterator>

namespace {
constexpr const char* kFileErrorKeys[] = {
    "FileErrorFileOpen",  "FileErrorUnsupportedFile", "FileErrorReadData",
    "FileErrorWriteData", "FileErrorUnknownId",       "FileErrorInvalidId",
    "FileErrorMalloc",    "FileErrorIllegalData",     "FileErrorDataSize",
};

constexpr const char* kMidiErrorKeys[] = {
    "MidiErrorDeviceNotFound",    "MidiErrorNotTargetDevice",  "MidiErrorDeviceNotSpecified",
    "MidiErrorOpenDeviceFailed",  "MidiErrorOpenMidiInFailed", "MidiErrorOpenMidiOutFailed",
    "MidiErrorDeviceInquiry",     "MidiErrorTimeout",          "MidiErrorMessageBroken",
    "MidiErrorSendMessageFailed", "MidiErrorReceiveError",     "MidiErrorInternalError",
};

template <std::size_t N>
const char* KeyOf(const char* const (&keys)[N], std::int32_t code)
{
    if (code < 0 || static_cast<std::size_t>(code) >= N)
        return nullptr;
    return keys[code];
}
}  // namespace

std::int32_t CVpException::Report() const
{
    const std::int32_t code = GetCode();
    const char* key = GetMessage();
    EfTrace("Error (%d) %s", code, key != nullptr ? key : "");
    return code;
}

const char* CVpFileException::GetMessage() const
{
    return KeyOf(kFileErrorKeys, GetCode());
}

const char* CVpMidiException::GetMessage() const
{
    return KeyOf(kMidiErrorKeys, GetCode());
}
