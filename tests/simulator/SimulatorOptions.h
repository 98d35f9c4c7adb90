#pragma once
// The simulator's command line.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How the device misbehaves once the first `after` messages have been
// answered normally.
enum class SimulatedFault
{
    None,
    Silent,       // answers nothing more
    ShortDump,    // every dump it sends lacks its last payload byte
    WriteError,   // answers requests and writes with the write error reply
    DataError,    // answers requests and writes with the data error reply
    WrongFamily,  // another device family in the inquiry reply
    LateReply,    // every answer comes replyDelay late
    HangUp,       // sends half of its next answer and closes the connection, once
};

struct SimulatorOptions
{
    std::string socketPath;
    std::string name = "VQ-700Z";
    std::int32_t channel = 0;
    unsigned bytesPerSecond = 0;
    std::size_t fragmentSize = 0;
    std::string memoryPath;
    std::string recordPath;
    SimulatedFault fault = SimulatedFault::None;
    std::size_t after = 0;
    std::chrono::milliseconds replyDelay{6000};
    bool control = false;  // commands on standard input
};

// silent, short-dump, write-error, data-error, wrong-family, late-reply,
// hang-up, or none.
std::optional<SimulatedFault> ParseFaultName(const std::string& name);

// The options, or nothing with the reason in error.
std::optional<SimulatorOptions> ParseSimulatorOptions(const std::vector<std::string>& arguments, std::string& error);

extern const char* const kSimulatorUsage;
