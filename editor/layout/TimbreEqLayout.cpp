#include "editor/layout/Layouts.h"

namespace layout {
namespace {

constexpr const char* kFont = "LcdCharWhite";
// What every EQ graph reports its drags with.
constexpr int kEqGraphEvent = 7;

// Timbre 0 throughout; the window puts its own timbre in every reference.

constexpr Control kControls[] = {
    {0, Kind::EditText, 267, 73, 48, 9, kFont, 0, {4, 48}, "Low Frequency", "LOW FREQ"},
    {1, Kind::EditText, 267, 92, 48, 9, kFont, 0, {4, 49}, "Low Gain", "LOW GAIN"},
    {2, Kind::EditText, 267, 111, 48, 9, kFont, 0, {4, 50}, "High Frequency", "HI FREQ"},
    {3, Kind::EditText, 267, 131, 48, 9, kFont, 0, {4, 51}, "High Gain", "HI GAIN"},
    {4, Kind::EqGraph, 19, 71, 181, 70, nullptr, 0, {4, 48}, "Low Frequency", "", kEqGraphEvent},
};

}  // namespace

Window TimbreEqLayout()
{
    return {"TimbreEqEdit", "BG_TimbreEqEdit", 342, 166, 0, 0, kControls};
}

}  // namespace layout
