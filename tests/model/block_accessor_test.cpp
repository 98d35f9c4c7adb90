// Copy and paste of program parts as blocks: the header, every kind, the
// rules for the ribbon intensity and the arpeggiator, refusals that leave
// the library as it was, and the way through the clipboard.
#include "model/BlockAccessor.h"

#include "framework/services/HfcClipboard.h"
#include "support/ByteBuilder.h"

#include <platform/clipboard.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kSource = 5;
constexpr std::uint32_t kTarget = 9;

struct Snapshot
{
    std::vector<ProgramRegion> regions;
    std::vector<std::uint8_t> global;

    bool operator==(const Snapshot&) const = default;
};

CBlockData Bare(const std::vector<std::uint8_t>& bytes)
{
    CBlockData block;
    block.Append(bytes.data(), static_cast<std::int32_t>(bytes.size()));
    return block;
}

class BlockAccessor : public testing::Test
{
protected:
    void SetUp() override
    {
        library.AddItem(LibraryDataItem::kProgramBank);
        library.AddItem(LibraryDataItem::kGlobal);
        for (std::uint32_t i = 0; i < kProgramBankSize; ++i) {
            ProgramRegion& region = Region(i);
            for (std::size_t j = 0; j < sizeof region.image; ++j)
                region.image[j] = static_cast<std::uint8_t>(i * 7 + j * 13 + 1);
            std::snprintf(region.programmerName, sizeof region.programmerName, "Programmer %u", i);
            region.priority = static_cast<std::int32_t>(i % 6);
        }
        CGlobal& global = *library.GetGlobal();
        for (int j = 0; j < global.GetDataSize(); ++j)
            global.GetData()[j] = static_cast<std::uint8_t>(j * 3 + 2);
    }

    ProgramRegion& Region(std::uint32_t n) { return (*library.GetProgramBank())[n].GetRegion(); }
    std::uint8_t* Image(std::uint32_t n) { return Region(n).image; }
    Snapshot Take()
    {
        Snapshot snapshot;
        for (const CProgram& program : *library.GetProgramBank())
            snapshot.regions.push_back(program.GetRegion());
        const CGlobal& global = *library.GetGlobal();
        snapshot.global.assign(global.GetData(), global.GetData() + global.GetDataSize());
        return snapshot;
    }
    CBlockData Copy(std::uint32_t kind, std::uint32_t part, std::uint32_t n = kSource)
    {
        CBlockData block;
        CBlockAccessor::CopyBlock(n, block, library, kind, part, 0);
        return block;
    }
    LibraryData library;
};

TEST(BlockData, MarkersAndHeader)
{
    const std::pair<std::uint32_t, std::string> markers[] = {
        {0, std::string("Q47300Null     ") + '\0'}, {1, std::string("Q47300ProgSet  ") + '\0'},
        {2, std::string("Q47300Program  ") + '\0'}, {3, std::string("Q47300Timbre   ") + '\0'},
        {4, std::string("Q47300Mfx      ") + '\0'}, {5, std::string("Q47300MfxSet   ") + '\0'},
        {6, std::string("Q47300Vocoder  ") + '\0'}, {7, std::string("Q47300Arp      ") + '\0'},
        {8, std::string("Q47300Global   ") + '\0'}, {9, std::string("Q47300Ribbon\t\0\0\0", 16)},
    };
    for (const auto& [kind, marker] : markers)
        EXPECT_EQ(std::string(GetBlockMarker(kind), kBlockMarkerSize), marker) << kind;
    EXPECT_EQ(GetBlockMarker(10), nullptr);

    CBlockData block;
    block.WriteHeader(3, 199, 1, 0xA1B2C3D4, GetBlockMarker(3));
    ByteBuilder expected;
    expected.Field("Q47300Timbre", 15, ' ').U8(0).U32(3).U32(199).U32(1).U32(0xA1B2C3D4);
    ASSERT_EQ(block.GetSize(), 32);
    EXPECT_EQ(std::vector<std::uint8_t>(block.GetData(), block.GetData() + 32), expected.Get());
    EXPECT_TRUE(block.HasHeader());
    EXPECT_EQ(block.GetKind(), 3u);
    EXPECT_EQ(block.GetPartIndex(), 1u);
    EXPECT_EQ(block.GetPayloadSize(), 0);

    // A marker that does not match the kind it names is no header.
    block.WriteHeader(4, 0, 1, 0, GetBlockMarker(3));
    EXPECT_FALSE(block.HasHeader());
    EXPECT_EQ(block.GetKind(), 0u);
    EXPECT_EQ(block.GetPartIndex(), 0u);
    EXPECT_EQ(block.GetPayloadSize(), 32);
    const std::uint8_t few[] = {1, 2, 3};
    EXPECT_EQ(Bare({few, few + 3}).GetPartIndex(), 0u);
}

// One image copy: count bytes from the source's offset to the target's.
struct Span
{
    int to;
    int from;
    int count;
};

TEST_F(BlockAccessor, EveryKindCopiesAndPastes)
{
    struct Case
    {
        std::uint32_t kind;
        std::uint32_t sourcePart;
        std::uint32_t targetPart;
        std::int32_t payload;
        std::vector<Span> spans;
        // Bytes 107 and 203 of the target afterwards: this byte of the
        // target before the paste, or of the source.
        std::optional<int> ribbonFromTarget;
        std::optional<int> ribbonFromSource;
    };
    const Case cases[] = {
        {kBlockTimbre, 0, 1, 96, {{112, 16, 96}}, 203, {}},
        {kBlockTimbre, 1, 0, 96, {{16, 112, 96}}, 107, {}},
        {kBlockTimbre, 1, 1, 96, {{112, 112, 96}}, 203, {}},
        {kBlockMfx, 0, 1, 24, {{310, 286, 24}}, {}, {}},
        {kBlockMfx, 1, 0, 24, {{286, 310, 24}}, {}, {}},
        {kBlockMfxSet, 0, 0, 48, {{286, 286, 48}}, {}, {}},
        {kBlockVocoder, 0, 0, 78, {{208, 208, 78}}, {}, {}},
        {kBlockArp, 0, 0, 13, {{336, 336, 1}, {338, 338, 8}}, {}, {}},
        {kBlockRibbon, 0, 0, 6, {{346, 346, 5}}, {}, 107},
        {kBlockRibbon, 1, 0, 6, {{346, 346, 5}}, {}, 203},
    };
    for (const Case& c : cases) {
        library.Clear();
        SetUp();
        const CBlockData block = Copy(c.kind, c.sourcePart);
        ASSERT_EQ(block.GetSize(), 32 + c.payload) << "kind " << c.kind;
        std::vector<std::uint8_t> expected(Image(kTarget), Image(kTarget) + 352);
        const std::uint8_t* source = Image(kSource);
        for (const Span& span : c.spans)
            std::memcpy(&expected[static_cast<std::size_t>(span.to)], source + span.from,
                        static_cast<std::size_t>(span.count));
        if (c.ribbonFromTarget)
            expected[107] = expected[203] = Image(kTarget)[*c.ribbonFromTarget];
        if (c.ribbonFromSource)
            expected[107] = expected[203] = source[*c.ribbonFromSource];
        if (c.kind == kBlockArp)
            expected[8] = static_cast<std::uint8_t>((expected[8] & 0xCF) | (source[8] & 0x30));
        Snapshot others = Take();

        ASSERT_TRUE(CBlockAccessor::PasteBlock(c.kind, block, library, kTarget, c.targetPart)) << "kind " << c.kind;
        EXPECT_EQ(std::vector<std::uint8_t>(Image(kTarget), Image(kTarget) + 352), expected) << "kind " << c.kind;
        std::memcpy(others.regions[kTarget].image, expected.data(), 352);
        EXPECT_TRUE(Take() == others) << "kind " << c.kind << ": nothing else changes";
    }
}

TEST_F(BlockAccessor, WholeProgramsBanksAndGlobal)
{
    const CBlockData program = Copy(kBlockProgram, 0);
    ASSERT_EQ(program.GetSize(), 32 + 644);
    Snapshot expected = Take();
    expected.regions[kTarget] = expected.regions[kSource];
    ASSERT_TRUE(CBlockAccessor::PasteBlock(kBlockProgram, program, library, kTarget, 0));
    EXPECT_TRUE(Take() == expected);

    const CBlockData bank = Copy(kBlockProgSet, 0);
    ASSERT_EQ(bank.GetSize(), 32 + 128800);
    const CBlockData global = Copy(kBlockGlobal, 0);
    ASSERT_EQ(global.GetSize(), 32 + 164);
    const Snapshot copied = Take();

    LibraryData other;
    other.AddItem(LibraryDataItem::kProgramBank);
    other.AddItem(LibraryDataItem::kGlobal);
    library.Swap(other);
    ASSERT_TRUE(CBlockAccessor::PasteBlock(kBlockProgSet, bank, library, 0, 0));
    ASSERT_TRUE(CBlockAccessor::PasteBlock(kBlockGlobal, global, library, 0, 0));
    EXPECT_TRUE(Take() == copied);
}

TEST_F(BlockAccessor, TimbrePasteKeepsTheTargetsRibbonIntensityInBoth)
{
    Image(kTarget)[107] = 0x11;
    Image(kTarget)[203] = 0x22;
    std::vector<std::uint8_t> timbre(Image(kSource) + 16, Image(kSource) + 112);
    ASSERT_TRUE(CBlockAccessor::PasteTimbre(kTarget, library, Copy(kBlockTimbre, 0), 1));
    timbre[91] = 0x22;
    EXPECT_EQ(std::vector<std::uint8_t>(Image(kTarget) + 112, Image(kTarget) + 208), timbre);
    EXPECT_EQ(Image(kTarget)[107], 0x22);
}

TEST_F(BlockAccessor, ArpeggiatorPasteLeavesTheTempo)
{
    Image(kSource)[334] = 0x78;
    Image(kSource)[335] = 0x00;
    Image(kSource)[8] = 0x20;
    Image(kTarget)[334] = 0x2C;
    Image(kTarget)[335] = 0x01;
    Image(kTarget)[337] = 0x55;
    Image(kTarget)[8] = 0xDF;
    ASSERT_TRUE(CBlockAccessor::PasteArp(kTarget, library, Copy(kBlockArp, 0)));
    EXPECT_EQ(Image(kTarget)[334], 0x2C);
    EXPECT_EQ(Image(kTarget)[335], 0x01);
    EXPECT_EQ(Image(kTarget)[337], 0x55);
    EXPECT_EQ(Image(kTarget)[8], 0xEF) << "only the arpeggiator's timbre bits come over";
}

TEST_F(BlockAccessor, RibbonReachesBothTimbres)
{
    Image(kSource)[203] = 0x7E;
    Image(kSource)[107] = 0x01;
    ASSERT_TRUE(CBlockAccessor::PasteRibbon(kTarget, library, Copy(kBlockRibbon, 1)));
    EXPECT_EQ(Image(kTarget)[107], 0x7E);
    EXPECT_EQ(Image(kTarget)[203], 0x7E);
}

TEST_F(BlockAccessor, BlocksWithoutHeaderPasteByTheirSize)
{
    const std::vector<std::uint8_t> region(reinterpret_cast<const std::uint8_t*>(&Region(kSource)),
                                           reinterpret_cast<const std::uint8_t*>(&Region(kSource)) + 644);
    ASSERT_TRUE(CBlockAccessor::PasteProgram(kTarget, library, Bare(region)));
    EXPECT_TRUE(Region(kTarget) == Region(kSource));
    // 78 bytes: enough for a header, yet no marker, so all of it is the payload.
    const std::vector<std::uint8_t> vocoder(78, 0x3C);
    ASSERT_TRUE(CBlockAccessor::PasteVocoder(kTarget, library, Bare(vocoder)));
    EXPECT_EQ(std::vector<std::uint8_t>(Image(kTarget) + 208, Image(kTarget) + 286), vocoder);
    // Through PasteBlock a block must name its kind.
    EXPECT_FALSE(CBlockAccessor::PasteBlock(kBlockProgram, Bare(region), library, kTarget, 0));
}

TEST_F(BlockAccessor, RefusalsLeaveTheLibraryUnchanged)
{
    CBlockData forty = Copy(kBlockTimbre, 0);
    forty.Resize(40, false);
    CBlockData shortBank = Copy(kBlockProgSet, 0);
    shortBank.Resize(shortBank.GetSize() - 1, false);
    CBlockData longGlobal = Copy(kBlockGlobal, 0);
    const std::uint8_t extra = 0;
    longGlobal.Append(&extra, 1);
    const CBlockData timbre = Copy(kBlockTimbre, 0);
    const CBlockData mfx = Copy(kBlockMfx, 1);
    for (std::uint32_t i = 0; i < kProgramBankSize; ++i)
        Image(i)[0] = 'Z';
    struct Case
    {
        const char* what;
        std::uint32_t kind;
        const CBlockData& block;
        std::uint32_t n;
        std::uint32_t part;
    };
    const Case cases[] = {
        {"a timbre block of 40 bytes", kBlockTimbre, forty, kTarget, 0},
        {"a bank one byte short", kBlockProgSet, shortBank, 0, 0},
        {"a global one byte long", kBlockGlobal, longGlobal, 0, 0},
        {"program 200", kBlockTimbre, timbre, 200, 0},
        {"timbre 2", kBlockTimbre, timbre, kTarget, 2},
        {"effect 2", kBlockMfx, mfx, kTarget, 2},
        {"a header of another kind", kBlockMfx, timbre, kTarget, 0},
        {"the null kind", kBlockNull, Copy(kBlockNull, 0), kTarget, 0},
        {"kind 10", 10, timbre, kTarget, 0},
    };
    const Snapshot before = Take();
    for (const Case& c : cases) {
        EXPECT_FALSE(CBlockAccessor::PasteBlock(c.kind, c.block, library, c.n, c.part)) << c.what;
        EXPECT_TRUE(Take() == before) << c.what;
    }

    LibraryData empty;
    empty.AddItem(LibraryDataItem::kGlobal);
    EXPECT_FALSE(CBlockAccessor::PasteBlock(kBlockTimbre, timbre, empty, kTarget, 0));
    EXPECT_FALSE(CBlockAccessor::PasteBlock(kBlockProgSet, Copy(kBlockProgSet, 0), empty, 0, 0));
}

TEST_F(BlockAccessor, CopiesOutOfRangeGiveOnlyTheHeader)
{
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {
        {kBlockProgram, 0}, {kBlockTimbre, 2}, {kBlockMfx, 2}, {kBlockRibbon, 2}, {kBlockArp, 0}};
    for (const auto& [kind, part] : cases) {
        const std::uint32_t n = part == 2 ? kSource : 200;
        const CBlockData block = Copy(kind, part, n);
        EXPECT_EQ(block.GetSize(), 32) << "kind " << kind;
        EXPECT_EQ(block.GetKind(), kind);
    }
    CBlockData block = Copy(kBlockTimbre, 0);
    EXPECT_FALSE(CBlockAccessor::CopyBlock(kSource, block, library, 10, 0, 0));
    EXPECT_EQ(block.GetSize(), 0);
}

TEST_F(BlockAccessor, FormatsAndTheClipboard)
{
    EXPECT_EQ(CBlockAccessor::GetBlockFormat(3), 0u) << "no accessor yet";
    CBlockAccessor accessor;
    CBlockAccessor::SetInstance(&accessor);
    std::vector<UINT> formats;
    for (std::uint32_t kind = 0; kind < kBlockKindCount; ++kind) {
        const UINT format = CBlockAccessor::GetBlockFormat(kind);
        EXPECT_NE(format, 0u);
        EXPECT_EQ(std::count(formats.begin(), formats.end(), format), 0);
        formats.push_back(format);
    }
    EXPECT_EQ(CBlockAccessor::GetBlockFormat(10), 0u);
    EXPECT_EQ(CBlockAccessor::GetBlockFormat(3), CHfcClipboard::RegisterFormat("Q47300Timbre   "));
    EXPECT_EQ(CBlockAccessor::GetBlockFormat(9), CHfcClipboard::RegisterFormat("Q47300Ribbon\t"));
    EXPECT_NE(CBlockAccessor::GetBlockFormat(3), CHfcClipboard::RegisterFormat("q47300Timbre"));

    const CBlockData copied = Copy(kBlockTimbre, 0);
    const UINT format = CBlockAccessor::GetBlockFormat(kBlockTimbre);
    ASSERT_TRUE(CHfcClipboard::Open(nullptr));
    EmptyClipboard();
    ASSERT_TRUE(CHfcClipboard::SetData(format, copied.GetData(), copied.GetSize()));
    CBlockData pasted;
    pasted.Resize(copied.GetSize(), true);
    ASSERT_TRUE(CHfcClipboard::GetData(format, pasted.GetData(), pasted.GetSize()));
    CHfcClipboard::Close();
    std::vector<std::uint8_t> expected(Image(kSource) + 16, Image(kSource) + 112);
    expected[91] = Image(kTarget)[107];
    ASSERT_TRUE(CBlockAccessor::PasteBlock(kBlockTimbre, pasted, library, kTarget, 0));
    EXPECT_EQ(std::vector<std::uint8_t>(Image(kTarget) + 16, Image(kTarget) + 112), expected);

    CBlockAccessor::SetInstance(nullptr);
}

}  // namespace
