#include "editor/ProgramBankMoves.h"

#include <algorithm>
#include <array>
#include <memory>

namespace {

constexpr const char* kNoData = "Can not get data.";
constexpr const char* kNoTarget = "No program at the target.";
constexpr const char* kPastTheTail = "Can not insert to the tail of list.";

// For each program, the program whose content it takes.
using Sources = std::array<int, kProgramBankSize>;

bool IsProgram(int n)
{
    return n >= 0 && n < kProgramBankSize;
}

ProgramBankMove Refused(const char* failure)
{
    ProgramBankMove move;
    move.failure = failure;
    return move;
}

// The records name distinct programs of the bank in ascending order.
bool AreThisBanksPrograms(std::span<const ProgramClipboardRecord> records)
{
    for (std::size_t k = 0; k < records.size(); ++k) {
        const auto n = static_cast<std::int64_t>(records[k].number);
        if (n >= kProgramBankSize || (k > 0 && n <= static_cast<std::int64_t>(records[k - 1].number)))
            return false;
    }
    return !records.empty();
}

const ProgramClipboardRecord* FindRecord(std::span<const ProgramClipboardRecord> records, int n)
{
    for (const ProgramClipboardRecord& record : records) {
        if (static_cast<int>(record.number) == n)
            return &record;
    }
    return nullptr;
}

// Why a move of this bank's programs to the target cannot be done; null
// when it can be tried.
const char* CheckMove(std::span<const ProgramClipboardRecord> records, int target)
{
    if (!IsProgram(target))
        return kNoTarget;
    return AreThisBanksPrograms(records) ? nullptr : kNoData;
}

// Every program takes its source's content as it was before the first
// write, kind word included; a dragged source gives the region it was
// dragged with. The dragged ones land on the run of count programs from
// first.
ProgramBankMove Rearrange(ProgramBank& bank, const Sources& sources, std::span<const ProgramClipboardRecord> records,
                          int first, int count)
{
    ProgramBankMove move;
    struct Content
    {
        ProgramRegion region;
        std::int32_t kind;
    };
    auto before = std::make_unique<std::array<Content, kProgramBankSize>>();
    for (int n = 0; n < kProgramBankSize; ++n)
        (*before)[n] = {bank[n].GetRegion(), bank[n].GetKind()};
    for (int n = 0; n < kProgramBankSize; ++n) {
        const int source = sources[n];
        if (source == n)
            continue;
        const ProgramClipboardRecord* record = FindRecord(records, source);
        bank[n].GetRegion() = record != nullptr ? record->region : (*before)[source].region;
        bank[n].SetKind((*before)[source].kind);
        move.changed.push_back(n);
    }
    for (int n = first; n < first + count; ++n)
        move.received.push_back(n);
    return move;
}

Sources Unmoved()
{
    Sources sources;
    for (int n = 0; n < kProgramBankSize; ++n)
        sources[n] = n;
    return sources;
}

}  // namespace

ProgramBankMove CopyPrograms(ProgramBank& bank, std::span<const ProgramClipboardRecord> records, int target)
{
    if (!IsProgram(target))
        return Refused(kNoTarget);
    if (records.empty())
        return Refused(kNoData);
    ProgramBankMove move;
    for (std::size_t k = 0; k < records.size() && IsProgram(target + static_cast<int>(k)); ++k) {
        const int n = target + static_cast<int>(k);
        bank[n].GetRegion() = records[k].region;
        move.changed.push_back(n);
        move.received.push_back(n);
    }
    return move;
}

ProgramBankMove ExchangePrograms(ProgramBank& bank, std::span<const ProgramClipboardRecord> records, int target)
{
    if (const char* failure = CheckMove(records, target))
        return Refused(failure);
    const auto count = std::min<std::size_t>(records.size(), static_cast<std::size_t>(kProgramBankSize - target));
    const std::span<const ProgramClipboardRecord> dragged = records.first(count);

    Sources sources = Unmoved();
    std::vector<int> left;       // dragged programs whose place no dragged one takes
    std::vector<int> displaced;  // targets that held a program not dragged
    for (std::size_t k = 0; k < count; ++k) {
        const int n = static_cast<int>(dragged[k].number);
        const int to = target + static_cast<int>(k);
        sources[to] = n;
        if (n < target || n >= target + static_cast<int>(count))
            left.push_back(n);
        if (FindRecord(dragged, to) == nullptr)
            displaced.push_back(to);
    }
    // Both ascending: without an overlap each dragged program and its target
    // simply change places.
    for (std::size_t i = 0; i < left.size(); ++i)
        sources[left[i]] = displaced[i];

    return Rearrange(bank, sources, dragged, target, static_cast<int>(count));
}

ProgramBankMove InsertPrograms(ProgramBank& bank, std::span<const ProgramClipboardRecord> records, int target)
{
    if (const char* failure = CheckMove(records, target))
        return Refused(failure);
    const int count = static_cast<int>(records.size());
    const auto below =
        static_cast<int>(std::count_if(records.begin(), records.end(), [target](const ProgramClipboardRecord& record) {
            return static_cast<int>(record.number) < target;
        }));
    const int start = below > 0 ? target - below + 1 : target;
    if (start + count - 1 >= kProgramBankSize)
        return Refused(kPastTheTail);

    std::vector<int> stay;
    for (int n = 0; n < kProgramBankSize; ++n) {
        if (FindRecord(records, n) == nullptr)
            stay.push_back(n);
    }
    Sources sources;
    auto next = stay.begin();
    for (int n = 0; n < kProgramBankSize; ++n) {
        if (n >= start && n < start + count)
            sources[n] = static_cast<int>(records[n - start].number);
        else
            sources[n] = *next++;
    }

    return Rearrange(bank, sources, records, start, count);
}
