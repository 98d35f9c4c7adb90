#pragma once
// The information columns of the program list: which ones a mask shows in
// each list mode, how the view menu changes the mask, and the text of a
// column for a program.
#include <cstdint>
#include <string>
#include <vector>

class CProgram;

namespace program_list {

// Bits of the info mask, in the order of the view menu.
enum InfoColumn : int
{
    kInfoVoiceMode,
    kInfoCategory,
    kInfoArpeggiator,
    kInfoScaleType,
    kInfoScaleRange,
    kInfoPitchRange,
    kInfoFilterIntensity,
    kInfoProgrammer,
    kInfoComment,
    kInfoPriority,  // offered nowhere and never shown
};
// The columns the view menu offers, bits 0 to 8.
inline constexpr int kInfoMenuColumns = 9;
inline constexpr int kInfoSeparatorX = 100;
inline constexpr int kInfoTextX = 102;
inline constexpr int kInfoPitch = 104;

// Mode 1 shows one column of 12 characters, mode 0 up to eight of 17.
int InfoColumnCount(int listMode);
int InfoTextLength(int listMode);
// The columns shown, lowest bit first.
std::vector<int> ShownInfoColumns(std::uint32_t mask, int listMode);
// The view menu's choice of a column: a shown one is hidden; otherwise mode
// 1 shows it alone, and mode 0 adds it to the first seven shown.
std::uint32_t ToggleInfoColumn(std::uint32_t mask, int column, int listMode);
// The column's text for the program, cut to the mode's length. The filter
// label follows the list-mode field stored in the library data.
std::string InfoColumnText(int column, const CProgram& program, int storedListMode, int listMode);

}  // namespace program_list
