#pragma once
// Failures of the data, file and MIDI layers. The code selects a message key
// of the localised strings, so the handler that catches one can show it.
#include "framework/services/EfException.h"

#include <cstdint>

class CVpException : public CEfException
{
public:
    explicit CVpException(std::int32_t code) : CEfException(code) {}
    CVpException(const CVpException&) = default;

    // Traces "Error (code) key" and returns the code.
    std::int32_t Report() const override;
};

class CVpFileException : public CVpException
{
public:
    enum Code : std::int32_t
    {
        FileOpen = 0,
        UnsupportedFile = 1,
        ReadData = 2,
        WriteData = 3,
        UnknownId = 4,
        InvalidId = 5,
        Malloc = 6,
        IllegalData = 7,
        DataSize = 8,
    };

    explicit CVpFileException(std::int32_t code) : CVpException(code) {}
    CVpFileException(const CVpFileException&) = default;

    // Null for a code outside the table.
    const char* GetMessage() const override;
};

class CVpMidiException : public CVpException
{
public:
    enum Code : std::int32_t
    {
        DeviceNotFound = 0,
        NotTargetDevice = 1,
        DeviceNotSpecified = 2,
        OpenDeviceFailed = 3,
        OpenMidiInFailed = 4,
        OpenMidiOutFailed = 5,
        DeviceInquiry = 6,
        Timeout = 7,
        MessageBroken = 8,
        SendMessageFailed = 9,
        ReceiveError = 10,  // the device refused a write
        InternalError = 11,
        DumpRefused = 12,  // the device refused to send a dump
    };

    explicit CVpMidiException(std::int32_t code) : CVpException(code) {}
    CVpMidiException(const CVpMidiException&) = default;

    // Null for a code outside the table.
    const char* GetMessage() const override;
};
