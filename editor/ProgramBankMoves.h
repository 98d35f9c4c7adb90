#pragma once
// What a drop of dragged programs does to a bank. Copies write the dragged
// regions over the rows from the target on; an exchange and an insert
// rearrange the bank the programs were dragged from, so that every program
// stays in it exactly once and takes its kind word along.
#include "editor/ProgramClipboardRecord.h"
#include "model/LibraryData.h"

#include <span>
#include <vector>

struct ProgramBankMove
{
    // Why nothing was done, for the trace; null when the bank changed.
    const char* failure = nullptr;
    // The programs whose content changed, ascending; none when every
    // program got back what it held.
    std::vector<int> changed;
    // The programs that received a dragged one, ascending.
    std::vector<int> received;

    bool Done() const { return failure == nullptr; }
};

// The k-th record over program target + k; records past the last program
// are dropped. The records' numbers are not read, so they may come from
// another bank.
ProgramBankMove CopyPrograms(ProgramBank& bank, std::span<const ProgramClipboardRecord> records, int target);

// The k-th dragged program goes to target + k while that is a program;
// the programs it displaces take the places the dragged ones left, in
// order. The records are this bank's, in ascending order of number.
ProgramBankMove ExchangePrograms(ProgramBank& bank, std::span<const ProgramClipboardRecord> records, int target);

// Takes the dragged programs out and puts them back as one run in their
// order: the run ends at the target row when some came from below it,
// otherwise it begins there. Refused, with the bank unchanged, when the run
// would pass the last program.
ProgramBankMove InsertPrograms(ProgramBank& bank, std::span<const ProgramClipboardRecord> records, int target);
