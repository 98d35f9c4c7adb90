// The three tool windows: text lines and one lamp, no parameters.
#include "editor/layout/Layouts.h"

namespace layout {
namespace {

constexpr const char* kFont = "LcdCharWhite";

constexpr Control kStatusLog[] = {
    {0, Kind::StaticText, 19, 65, 552, 9, kFont, 0, {}, "log line 1", ""},
    {1, Kind::StaticText, 19, 75, 552, 9, kFont, 0, {}, "log line 2", ""},
    {2, Kind::StaticText, 19, 85, 552, 9, kFont, 0, {}, "log line 3", ""},
    {3, Kind::StaticText, 19, 95, 552, 9, kFont, 0, {}, "log line 4", ""},
    {4, Kind::StaticText, 19, 105, 552, 9, kFont, 0, {}, "log line 5", ""},
    {5, Kind::StaticText, 19, 115, 552, 9, kFont, 0, {}, "log line 6", ""},
    {6, Kind::StaticText, 19, 125, 552, 9, kFont, 0, {}, "log line 7", ""},
    {7, Kind::StaticText, 19, 135, 552, 9, kFont, 0, {}, "log line 8", ""},
    {8, Kind::StaticText, 19, 145, 552, 9, kFont, 0, {}, "log line 9", ""},
    {9, Kind::AnalogLed, 571, 49, 12, 12, "LedStepRed", 17, {}, "activity", ""},
};

constexpr Control kMidiMonitor[] = {
    {0, Kind::StaticText, 23, 88, 564, 9, kFont, 0, {}, "received bytes", "RECEIVED"},
    {1, Kind::StaticText, 23, 133, 564, 9, kFont, 0, {}, "sent bytes", "SENT"},
};

constexpr Control kVersionInfo[] = {
    {0, Kind::StaticText, 30, 228, 90, 9, kFont, 0, {}, "version", ""},
};

}  // namespace

Window StatusLogLayout()
{
    return {"StatusLog", "BG_StatusLog", 600, 178, 0, 0, kStatusLog};
}

Window MidiMonitorLayout()
{
    return {"MidiMonitor", "BG_MidiMonitor", 600, 178, 0, 0, kMidiMonitor};
}

Window VersionInfoLayout()
{
    return {"VersionInfo", "BG_VersionInfo", 342, 279, 0, 0, kVersionInfo};
}

}  // namespace layout
