#include "PresetBank.h"

#include "model/ProgramRandomSource.h"
#include "model/ProgramRandomizer.h"
#include "model/Q3917ProgramAccessor.h"

#include <juce_core/juce_core.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// The categories of the program information dialog that a single shaped
// sound can honestly carry, each with the word its programs are named by
// (at most five characters, so "Word 99" fits the eight of a name).
struct Category
{
    int number;
    const char* word;
};
constexpr Category kCategories[] = {
    {0, "Hard"}, {1, "Soft"}, {2, "Brass"}, {3, "Pad"}, {4, "Move"}, {5, "Bass"},  {6, "Lead"},
    {7, "Keys"}, {8, "Bell"}, {9, "Hit"},   {10, "SE"}, {11, "Arp"}, {13, "Wave"},
};
constexpr int kCategoryCount = static_cast<int>(sizeof kCategories / sizeof kCategories[0]);
constexpr const char* kProgrammer = "VQ Factory";

void CopyText(char* field, std::size_t size, const char* text)
{
    // Zero-filled and terminated; copied by length so GCC sees no truncation.
    std::memset(field, 0, size);
    std::memcpy(field, text, std::min(std::strlen(text), size - 1));
}

}  // namespace

void FillPresetLibrary(LibraryData& library, int preset, int programCount)
{
    library.Clear();
    ProgramBank& bank = *library.AddItem(LibraryDataItem::kProgramBank)->bank;
    library.AddItem(LibraryDataItem::kGlobal)->global->Initialize();

    CQ3917ProgramAccessor accessor;
    int numbers[kCategoryCount] = {};
    for (int i = 0; i < programCount && i < kProgramBankSize; ++i) {
        CProgram& program = bank[static_cast<std::size_t>(i)];
        juce::Random random(preset * 1000 + i + 1);
        CJuceRandomSource source(random);
        CProgramRandomizer randomizer(accessor, source);
        randomizer.SetProgram(&program);
        randomizer.SetTimbre(0);
        randomizer.Randomize();

        // Neighbours differ in category; each bank starts elsewhere.
        const int slot = (i + preset * 5) % kCategoryCount;
        char name[16];
        std::snprintf(name, sizeof name, "%s %02d", kCategories[slot].word, ++numbers[slot] % 100);
        SetProgramRecordName(program, name);

        ProgramRegion& region = program.GetRegion();
        char comment[sizeof region.comment];
        std::snprintf(comment, sizeof comment, "Factory preset bank %d, program %d", preset + 1, i + 1);
        CopyText(region.programmerName, sizeof region.programmerName, kProgrammer);
        CopyText(region.comment, sizeof region.comment, comment);
        region.category = kCategories[slot].number;
        region.priority = 0;
        program.MarkSaved();
    }
}
