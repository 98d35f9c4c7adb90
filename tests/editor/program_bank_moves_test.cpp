// Programs dropped on a bank: copies cut off at the last program, exchanges
// and inserts that keep every program exactly once with its kind word, the
// refused inserts past the tail, records read only at their exact size, and
// the favourite slots.
#include "editor/FavoriteSlotMoves.h"
#include "editor/ProgramBankMoves.h"
#include "model/Global.h"
#include "model/Q3917GlobalAccessor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Each program carries its first number in its name and in its kind word.
constexpr std::int32_t kKindBase = 1000;

std::unique_ptr<ProgramBank> TaggedBank()
{
    static const std::unique_ptr<const ProgramBank> tagged = [] {
        auto bank = std::make_unique<ProgramBank>();
        for (int n = 0; n < kProgramBankSize; ++n) {
            char name[9];
            std::snprintf(name, sizeof name, "PROG%03d", n);
            SetProgramRecordName((*bank)[n], name);
            (*bank)[n].SetKind(kKindBase + n);
        }
        return bank;
    }();
    return std::make_unique<ProgramBank>(*tagged);
}

// The first number of the program now at n, from its name.
int Tag(const ProgramBank& bank, int n)
{
    return std::stoi(std::string(bank[n].GetRegion().name + 4, 3));
}

std::vector<int> Tags(const ProgramBank& bank, int from, int to)
{
    std::vector<int> tags;
    for (int n = from; n <= to; ++n)
        tags.push_back(Tag(bank, n));
    return tags;
}

std::vector<int> Range(int from, int to)
{
    std::vector<int> numbers;
    for (int n = from; n <= to; ++n)
        numbers.push_back(n);
    return numbers;
}

std::vector<ProgramClipboardRecord> Records(const ProgramBank& bank, const std::vector<int>& numbers)
{
    std::vector<ProgramClipboardRecord> records;
    for (int n : numbers)
        records.push_back(MakeProgramClipboardRecord(bank, n));
    return records;
}

// Every program is in the bank exactly once and kept its kind word.
void ExpectPermutation(const ProgramBank& bank, const std::string& what)
{
    std::vector<bool> seen(kProgramBankSize, false);
    std::string faults;
    for (int n = 0; n < kProgramBankSize; ++n) {
        const int tag = Tag(bank, n);
        if (seen[tag])
            faults += " program " + std::to_string(tag) + " twice;";
        seen[tag] = true;
        if (bank[n].GetKind() != kKindBase + tag)
            faults += " the kind word of " + std::to_string(tag) + " at " + std::to_string(n) + ";";
    }
    EXPECT_EQ(faults, "") << what;
}

TEST(ProgramBankMoves, InsertsOfTheWorkedExamples)
{
    struct Case
    {
        const char* what;
        std::vector<int> dragged;
        int target;
        std::vector<int> first20;
        std::vector<int> received;
    };
    const Case cases[] = {
        {"2 and 3 down onto 10",
         {2, 3},
         10,
         {0, 1, 4, 5, 6, 7, 8, 9, 10, 2, 3, 11, 12, 13, 14, 15, 16, 17, 18, 19},
         {9, 10}},
        {"12 up onto 5", {12}, 5, {0, 1, 2, 3, 4, 12, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19}, {5}},
        {"2 and 15 from both sides onto 10",
         {2, 15},
         10,
         {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 2, 15, 11, 12, 13, 14, 16, 17, 18, 19},
         {10, 11}},
        {"onto a row that is itself dragged",
         {2, 10},
         10,
         {0, 1, 3, 4, 5, 6, 7, 8, 9, 11, 2, 10, 12, 13, 14, 15, 16, 17, 18, 19},
         {10, 11}},
        {"onto its own row", {7}, 7, Range(0, 19), {7}},
    };
    for (const Case& c : cases) {
        auto bank = TaggedBank();
        const ProgramBankMove move = InsertPrograms(*bank, Records(*bank, c.dragged), c.target);
        ASSERT_TRUE(move.Done()) << c.what;
        EXPECT_EQ(Tags(*bank, 0, 19), c.first20) << c.what;
        EXPECT_EQ(Tags(*bank, 20, 199), Range(20, 199)) << c.what;
        EXPECT_EQ(move.received, c.received) << c.what;
        ExpectPermutation(*bank, c.what);
        for (int n = 0; n < kProgramBankSize; ++n) {
            const bool changed = std::find(move.changed.begin(), move.changed.end(), n) != move.changed.end();
            EXPECT_EQ(changed, Tag(*bank, n) != n) << c.what << " " << n;
        }
    }
}

TEST(ProgramBankMoves, AnInsertFailsOnlyWhenItsRunWouldPassTheLastProgram)
{
    // From below and from the tail: the run would end at 200.
    auto bank = TaggedBank();
    const auto refused = InsertPrograms(*bank, Records(*bank, {5, 198, 199}), 198);
    EXPECT_STREQ(refused.failure, "Can not insert to the tail of list.");
    EXPECT_TRUE(refused.changed.empty());
    EXPECT_EQ(Tags(*bank, 0, 199), Range(0, 199));
    for (int n = 0; n < kProgramBankSize; ++n)
        EXPECT_EQ((*bank)[n].GetKind(), kKindBase + n);

    // Runs that end on the last program fit, whichever side they come from.
    struct Case
    {
        std::vector<int> dragged;
        int target;
        std::vector<int> last5;
    };
    const Case cases[] = {
        {{2, 3, 199}, 198, {197, 198, 2, 3, 199}},
        {{0, 1}, 199, {197, 198, 199, 0, 1}},
        {{150, 160, 170}, 199, {198, 199, 150, 160, 170}},
        {{197, 198, 199}, 195, {197, 198, 199, 195, 196}},
    };
    for (const Case& c : cases) {
        bank = TaggedBank();
        ASSERT_TRUE(InsertPrograms(*bank, Records(*bank, c.dragged), c.target).Done()) << c.target;
        EXPECT_EQ(Tags(*bank, 195, 199), c.last5) << c.target;
        ExpectPermutation(*bank, "tail");
    }
}

TEST(ProgramBankMoves, ExchangesTradePlacesAndOverlapsLoseNothing)
{
    auto bank = TaggedBank();
    auto move = ExchangePrograms(*bank, Records(*bank, {2, 3}), 10);
    ASSERT_TRUE(move.Done());
    EXPECT_EQ(Tags(*bank, 0, 12), (std::vector<int>{0, 1, 10, 11, 4, 5, 6, 7, 8, 9, 2, 3, 12}));
    EXPECT_EQ(move.changed, (std::vector<int>{2, 3, 10, 11}));
    EXPECT_EQ(move.received, (std::vector<int>{10, 11}));
    ExpectPermutation(*bank, "apart");

    // 9 and 10 onto 10: the dragged ones land at 10 and 11, the displaced 11
    // takes the place 9 left.
    bank = TaggedBank();
    move = ExchangePrograms(*bank, Records(*bank, {9, 10}), 10);
    ASSERT_TRUE(move.Done());
    EXPECT_EQ(Tags(*bank, 8, 12), (std::vector<int>{8, 11, 9, 10, 12}));
    ExpectPermutation(*bank, "overlap");

    // Near the end only the first ones that find a row are exchanged.
    bank = TaggedBank();
    move = ExchangePrograms(*bank, Records(*bank, {5, 6, 7}), 198);
    ASSERT_TRUE(move.Done());
    EXPECT_EQ(Tags(*bank, 4, 8), (std::vector<int>{4, 198, 199, 7, 8}));
    EXPECT_EQ(Tags(*bank, 197, 199), (std::vector<int>{197, 5, 6}));
    EXPECT_EQ(move.received, (std::vector<int>{198, 199}));
    ExpectPermutation(*bank, "tail");
}

TEST(ProgramBankMoves, InsertAndExchangeKeepTheBankAPermutation)
{
    std::mt19937 random(20261211);
    for (int round = 0; round < 150; ++round) {
        const int count = std::uniform_int_distribution<int>(1, round % 4 == 0 ? 200 : 12)(random);
        std::vector<int> all = Range(0, 199);
        std::shuffle(all.begin(), all.end(), random);
        std::vector<int> dragged(all.begin(), all.begin() + count);
        std::sort(dragged.begin(), dragged.end());
        const int target = std::uniform_int_distribution<int>(0, 199)(random);
        const std::string what = "round " + std::to_string(round) + " target " + std::to_string(target);

        auto bank = TaggedBank();
        const ProgramBankMove inserted = InsertPrograms(*bank, Records(*bank, dragged), target);
        if (!inserted.Done()) {
            EXPECT_EQ(Tags(*bank, 0, 199), Range(0, 199)) << what;
        } else {
            ExpectPermutation(*bank, what);
            // The dragged ones form one run in their order, the others keep theirs.
            ASSERT_EQ(inserted.received.size(), dragged.size()) << what;
            const int start = inserted.received.front();
            EXPECT_EQ(Tags(*bank, start, start + count - 1), dragged) << what;
            std::vector<int> rest;
            for (int n = 0; n < kProgramBankSize; ++n) {
                if (n < start || n >= start + count)
                    rest.push_back(Tag(*bank, n));
            }
            EXPECT_TRUE(std::is_sorted(rest.begin(), rest.end())) << what;
        }
        const bool fits =
            std::count_if(dragged.begin(), dragged.end(), [&](int n) { return n < target; }) == 0 ||
            target + std::count_if(dragged.begin(), dragged.end(), [&](int n) { return n >= target; }) <= 199;
        EXPECT_EQ(inserted.Done(), fits) << what;

        bank = TaggedBank();
        const ProgramBankMove exchanged = ExchangePrograms(*bank, Records(*bank, dragged), target);
        ASSERT_TRUE(exchanged.Done()) << what;
        ExpectPermutation(*bank, what);
        for (std::size_t k = 0; k < exchanged.received.size(); ++k)
            EXPECT_EQ(Tag(*bank, target + static_cast<int>(k)), dragged[k]) << what;
        EXPECT_EQ(exchanged.received.size(), std::min<std::size_t>(dragged.size(), 200 - target)) << what;
    }
}

TEST(ProgramBankMoves, CopiesStopAtTheLastProgram)
{
    const auto source = TaggedBank();
    struct Case
    {
        const char* what;
        std::vector<int> copied;
        int target;
        std::vector<int> received;
    };
    const Case cases[] = {
        {"three with Ctrl onto 198", {20, 21, 22}, 198, {198, 199}},
        {"five from elsewhere onto 197", {40, 41, 42, 43, 44}, 197, {197, 198, 199}},
        {"two onto 0", {150, 3}, 0, {0, 1}},
    };
    for (const Case& c : cases) {
        auto bank = TaggedBank();
        // Another bank's records: their numbers mean nothing here.
        const auto records = Records(*source, c.copied);
        const ProgramBankMove move = CopyPrograms(*bank, records, c.target);
        ASSERT_TRUE(move.Done()) << c.what;
        EXPECT_EQ(move.received, c.received) << c.what;
        EXPECT_EQ(move.changed, c.received) << c.what;
        for (std::size_t k = 0; k < c.received.size(); ++k) {
            EXPECT_EQ(Tag(*bank, c.received[k]), c.copied[k]) << c.what;
            EXPECT_EQ((*bank)[c.received[k]].GetKind(), kKindBase + c.received[k]) << c.what;
        }
        for (int n = 0; n < kProgramBankSize; ++n) {
            if (std::find(c.received.begin(), c.received.end(), n) == c.received.end()) {
                EXPECT_EQ(Tag(*bank, n), n) << c.what;
            }
        }
    }
}

TEST(ProgramBankMoves, RecordsAreReadOnlyAtTheirSizeAndMustNameThisBanksPrograms)
{
    auto bank = TaggedBank();
    const ProgramClipboardRecord record = MakeProgramClipboardRecord(*bank, 7);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
    ASSERT_TRUE(ReadProgramClipboardRecord(bytes, 648).has_value());
    EXPECT_EQ(ReadProgramClipboardRecord(bytes, 648)->number, 7u);
    EXPECT_EQ(ReadProgramClipboardRecord(bytes, 648)->region, (*bank)[7].GetRegion());
    for (std::size_t size : {0u, 4u, 644u, 647u, 649u, 1040u})
        EXPECT_FALSE(ReadProgramClipboardRecord(bytes, size).has_value()) << size;
    EXPECT_FALSE(ReadProgramClipboardRecord(nullptr, 648).has_value());

    // A move of this bank's programs needs distinct numbers of the bank in
    // order; anything else is refused and changes nothing.
    auto outOfBank = Records(*bank, {3, 4});
    outOfBank[1].number = 200;
    auto backwards = Records(*bank, {4, 3});
    auto twice = Records(*bank, {3, 3});
    for (const std::vector<ProgramClipboardRecord>* records : {&outOfBank, &backwards, &twice}) {
        EXPECT_STREQ(InsertPrograms(*bank, *records, 10).failure, "Can not get data.");
        EXPECT_STREQ(ExchangePrograms(*bank, *records, 10).failure, "Can not get data.");
    }
    EXPECT_FALSE(InsertPrograms(*bank, {}, 10).Done());
    EXPECT_FALSE(CopyPrograms(*bank, {}, 10).Done());
    EXPECT_FALSE(CopyPrograms(*bank, Records(*bank, {1}), 200).Done());
    EXPECT_FALSE(ExchangePrograms(*bank, Records(*bank, {1}), -1).Done());
    EXPECT_EQ(Tags(*bank, 0, 199), Range(0, 199));
}

TEST(FavoriteSlotMoves, AProgramBecomesAFavouriteAndSlotsTradePrograms)
{
    CQ3917GlobalAccessor* accessor = CQ3917GlobalAccessor::GetInstance();
    CGlobal global;
    global.Initialize();
    const auto favourite = [&](int slot) { return accessor->GetValue(&global, 6, static_cast<std::uint32_t>(slot)); };

    EXPECT_TRUE(SetFavoriteProgram(global, 39, 123));
    EXPECT_EQ(favourite(39), 123);
    EXPECT_TRUE(SetFavoriteProgram(global, 0, 7));
    EXPECT_TRUE(SwapFavoritePrograms(global, 0, 39));
    EXPECT_EQ(favourite(0), 123);
    EXPECT_EQ(favourite(39), 7);

    EXPECT_FALSE(SetFavoriteProgram(global, 40, 1));
    EXPECT_FALSE(SetFavoriteProgram(global, -1, 1));
    EXPECT_FALSE(SetFavoriteProgram(global, 1, 200));
    EXPECT_FALSE(SwapFavoritePrograms(global, 0, 40));
    EXPECT_FALSE(SwapFavoritePrograms(global, -1, 0));
    EXPECT_EQ(favourite(0), 123);
    EXPECT_EQ(favourite(39), 7);
    CQ3917GlobalAccessor::ReleaseInstance();

    // Without the data model nothing is changed.
    EXPECT_FALSE(SetFavoriteProgram(global, 1, 1));
    EXPECT_FALSE(SwapFavoritePrograms(global, 0, 39));
}

}  // namespace
