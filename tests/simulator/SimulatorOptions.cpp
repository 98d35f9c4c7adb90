#include "SimulatorOptions.h"

#include <charconv>
#include <map>

namespace {

// MIDI's 31,250 baud with start and stop bits.
constexpr unsigned kCableBytesPerSecond = 3125;

const std::map<std::string, SimulatedFault> kFaults = {
    {"none", SimulatedFault::None},
    {"silent", SimulatedFault::Silent},
    {"short-dump", SimulatedFault::ShortDump},
    {"write-error", SimulatedFault::WriteError},
    {"data-error", SimulatedFault::DataError},
    {"wrong-family", SimulatedFault::WrongFamily},
    {"late-reply", SimulatedFault::LateReply},
    {"hang-up", SimulatedFault::HangUp},
};

template <typename Number>
bool ReadNumber(const std::string& text, Number& number)
{
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, number);
    return error == std::errc() && at == end;
}

}  // namespace

std::optional<SimulatedFault> ParseFaultName(const std::string& name)
{
    const auto found = kFaults.find(name);
    if (found == kFaults.end())
        return std::nullopt;
    return found->second;
}

const char* const kSimulatorUsage = "usage: vq700z-device-simulator --socket PATH [options]\n"
                                    "  --socket PATH        listen here for the editor (its VQ_MIDI_BRIDGE_SOCKET)\n"
                                    "  --name NAME          port names NAME In and NAME Out (default VQ-700Z)\n"
                                    "  --channel N          the device's global MIDI channel, 0-15 (default 0)\n"
                                    "  --pace               send at the MIDI cable's 3,125 bytes a second\n"
                                    "  --byte-rate N        send at N bytes a second\n"
                                    "  --fragment N         a timing clock after every N bytes the device sends\n"
                                    "  --memory FILE        the device's memory: loaded when the file exists, saved\n"
                                    "                       after every accepted dump and at exit\n"
                                    "  --record FILE        every System Exclusive message heard, one hex line each\n"
                                    "  --fault KIND         silent, short-dump, write-error, data-error,\n"
                                    "                       wrong-family, late-reply or hang-up\n"
                                    "  --after N            the fault starts after N messages heard (default 0)\n"
                                    "  --reply-delay MS     how late a late reply is (default 6000)\n"
                                    "  --control            take commands on standard input, one a line, each\n"
                                    "                       answered \"ok\" or \"error: ...\" on standard output:\n"
                                    "                         fault KIND [after N]   replaces the fault; it starts\n"
                                    "                                                after N more messages heard\n"
                                    "                         fault none             the device behaves again\n"
                                    "Prints \"ready\" once it listens; SIGTERM or SIGINT end it.\n";

std::optional<SimulatorOptions> ParseSimulatorOptions(const std::vector<std::string>& arguments, std::string& error)
{
    SimulatorOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--pace") {
            options.bytesPerSecond = kCableBytesPerSecond;
            continue;
        }
        if (option == "--control") {
            options.control = true;
            continue;
        }
        if (i + 1 == arguments.size()) {
            error = option + ": unknown option or value missing";
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        bool ok = true;
        std::size_t delay = 0;
        if (option == "--socket")
            options.socketPath = value;
        else if (option == "--name")
            options.name = value;
        else if (option == "--channel")
            ok = ReadNumber(value, options.channel) && options.channel >= 0 && options.channel <= 15;
        else if (option == "--byte-rate")
            ok = ReadNumber(value, options.bytesPerSecond);
        else if (option == "--fragment")
            ok = ReadNumber(value, options.fragmentSize);
        else if (option == "--memory")
            options.memoryPath = value;
        else if (option == "--record")
            options.recordPath = value;
        else if (option == "--after")
            ok = ReadNumber(value, options.after);
        else if (option == "--reply-delay") {
            ok = ReadNumber(value, delay);
            options.replyDelay = std::chrono::milliseconds(delay);
        } else if (option == "--fault") {
            const auto fault = ParseFaultName(value);
            ok = fault.has_value();
            options.fault = fault.value_or(SimulatedFault::None);
        } else {
            error = option + ": unknown option";
            return std::nullopt;
        }
        if (!ok) {
            error = option + ": bad value \"" + value + "\"";
            return std::nullopt;
        }
    }
    if (options.socketPath.empty()) {
        error = "--socket is needed";
        return std::nullopt;
    }
    return options;
}
