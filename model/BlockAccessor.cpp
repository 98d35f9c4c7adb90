#include "model/BlockAccessor.h"

#include "framework/services/HfcClipboard.h"

#include <cstring>
#include <string>

namespace {

constexpr std::int32_t kRegionSize = static_cast<std::int32_t>(sizeof(ProgramRegion));
constexpr int kTimbreBase = 16;
constexpr int kTimbreSize = 96;
constexpr int kRibbonIntensity = 91;  // in each timbre block
constexpr int kTimbreRibbonBytes[] = {kTimbreBase + kRibbonIntensity, kTimbreBase + kTimbreSize + kRibbonIntensity};
constexpr int kMfxBase = 286;
constexpr int kMfxSize = 24;
constexpr int kVocoderBase = 208;
constexpr int kVocoderSize = 78;
constexpr int kArpBase = 334;
constexpr int kArpTypeOffset = 2;      // byte 336
constexpr int kArpSettingsOffset = 4;  // bytes 338-345
constexpr int kArpSettingsSize = 8;
constexpr int kArpImageSize = 12;  // bytes 334-345
constexpr int kArpSize = kArpImageSize + 1;
constexpr int kVoiceByte = 8;
constexpr int kArpAssignShift = 4;
constexpr std::uint8_t kArpAssignMask = 3;
constexpr int kRibbonBase = 346;
constexpr int kRibbonImageSize = 5;
constexpr int kRibbonSize = kRibbonImageSize + 1;
constexpr std::uint32_t kParts = 2;

CBlockAccessor* s_pInstance = nullptr;

std::uint8_t* ImageOf(const LibraryData& library, std::uint32_t n)
{
    ProgramBank* bank = library.GetProgramBank();
    if (bank == nullptr || n >= bank->size())
        return nullptr;
    return (*bank)[n].GetRegion().image;
}

// The payload when it is exactly size bytes.
const std::uint8_t* PayloadOf(const CBlockData& block, std::int32_t size)
{
    return block.GetPayloadSize() == size ? block.GetPayload() : nullptr;
}

bool AppendImageBytes(std::uint32_t n, const LibraryData& library, CBlockData& block, int offset, int size)
{
    const std::uint8_t* image = ImageOf(library, n);
    if (image == nullptr)
        return false;
    block.Append(image + offset, size);
    return true;
}

bool PasteImageBytes(std::uint32_t n, LibraryData& library, const CBlockData& block, int offset, int size)
{
    const std::uint8_t* payload = PayloadOf(block, size);
    std::uint8_t* image = ImageOf(library, n);
    if (payload == nullptr || image == nullptr)
        return false;
    std::memcpy(image + offset, payload, static_cast<std::size_t>(size));
    return true;
}

}  // namespace

CBlockAccessor::CBlockAccessor()
{
    for (std::uint32_t kind = 0; kind < kBlockKindCount; ++kind) {
        const char* marker = GetBlockMarker(kind);
        // The format's name is the marker as stored, with its blanks or tab.
        m_formats[kind] = CHfcClipboard::RegisterFormat(std::string(marker, strnlen(marker, kBlockMarkerSize)).c_str());
    }
}

CBlockAccessor::~CBlockAccessor()
{
    if (s_pInstance == this)
        s_pInstance = nullptr;
}

void CBlockAccessor::SetInstance(CBlockAccessor* accessor)
{
    s_pInstance = accessor;
}

CBlockAccessor* CBlockAccessor::GetInstance()
{
    return s_pInstance;
}

UINT CBlockAccessor::GetBlockFormat(std::uint32_t kind)
{
    if (kind >= kBlockKindCount || s_pInstance == nullptr)
        return 0;
    return s_pInstance->m_formats[kind];
}

namespace {

// Every kind's copy and paste under one signature; the part is the timbre
// or the master effect where the kind has one.
struct KindOperations
{
    bool (*copy)(std::uint32_t n, const LibraryData& library, CBlockData& block, std::uint32_t part);
    bool (*paste)(std::uint32_t n, LibraryData& library, const CBlockData& block, std::uint32_t part);
};

using A = CBlockAccessor;
using Lib = LibraryData;
using Block = CBlockData;
using U32 = std::uint32_t;

constexpr KindOperations kOperations[kBlockKindCount] = {
    {[](U32, const Lib&, Block&, U32) { return true; }, [](U32, Lib&, const Block&, U32) { return false; }},
    {[](U32, const Lib& l, Block& b, U32) { return A::CopyProgSet(l, b); },
     [](U32, Lib& l, const Block& b, U32) { return A::PasteProgSet(l, b); }},
    {[](U32 n, const Lib& l, Block& b, U32) { return A::CopyProgram(n, l, b); },
     [](U32 n, Lib& l, const Block& b, U32) { return A::PasteProgram(n, l, b); }},
    {[](U32 n, const Lib& l, Block& b, U32 p) { return A::CopyTimbre(n, l, b, p); },
     [](U32 n, Lib& l, const Block& b, U32 p) { return A::PasteTimbre(n, l, b, p); }},
    {[](U32 n, const Lib& l, Block& b, U32 p) { return A::CopyMfx(n, l, b, p); },
     [](U32 n, Lib& l, const Block& b, U32 p) { return A::PasteMfx(n, l, b, p); }},
    {[](U32 n, const Lib& l, Block& b, U32) { return A::CopyMfxSet(n, l, b); },
     [](U32 n, Lib& l, const Block& b, U32) { return A::PasteMfxSet(n, l, b); }},
    {[](U32 n, const Lib& l, Block& b, U32) { return A::CopyVocoder(n, l, b); },
     [](U32 n, Lib& l, const Block& b, U32) { return A::PasteVocoder(n, l, b); }},
    {[](U32 n, const Lib& l, Block& b, U32) { return A::CopyArp(n, l, b); },
     [](U32 n, Lib& l, const Block& b, U32) { return A::PasteArp(n, l, b); }},
    {[](U32, const Lib& l, Block& b, U32) { return A::CopyGlobal(l, b); },
     [](U32, Lib& l, const Block& b, U32) { return A::PasteGlobal(l, b); }},
    {[](U32 n, const Lib& l, Block& b, U32 p) { return A::CopyRibbon(n, l, b, p); },
     [](U32 n, Lib& l, const Block& b, U32) { return A::PasteRibbon(n, l, b); }},
};

}  // namespace

bool CBlockAccessor::CopyBlock(std::uint32_t programNumber, CBlockData& block, const LibraryData& library,
                               std::uint32_t kind, std::uint32_t partIndex, std::uint32_t extraWord)
{
    block.Resize(0, false);
    if (kind >= kBlockKindCount)
        return false;
    block.WriteHeader(kind, programNumber, partIndex, extraWord, GetBlockMarker(kind));
    return kOperations[kind].copy(programNumber, library, block, partIndex);
}

bool CBlockAccessor::PasteBlock(std::uint32_t kind, const CBlockData& block, LibraryData& library,
                                std::uint32_t programNumber, std::uint32_t partIndex)
{
    if (kind >= kBlockKindCount || block.GetKind() != kind)
        return false;
    return kOperations[kind].paste(programNumber, library, block, partIndex);
}

bool CBlockAccessor::CopyProgSet(const LibraryData& library, CBlockData& block)
{
    const ProgramBank* bank = library.GetProgramBank();
    if (bank == nullptr)
        return false;
    for (const CProgram& program : *bank)
        block.Append(&program.GetRegion(), kRegionSize);
    return true;
}

bool CBlockAccessor::CopyProgram(std::uint32_t n, const LibraryData& library, CBlockData& block)
{
    const ProgramBank* bank = library.GetProgramBank();
    if (bank == nullptr || n >= bank->size())
        return false;
    block.Append(&(*bank)[n].GetRegion(), kRegionSize);
    return true;
}

bool CBlockAccessor::CopyTimbre(std::uint32_t n, const LibraryData& library, CBlockData& block, std::uint32_t timbre)
{
    if (timbre >= kParts)
        return false;
    return AppendImageBytes(n, library, block, kTimbreBase + kTimbreSize * static_cast<int>(timbre), kTimbreSize);
}

bool CBlockAccessor::CopyMfx(std::uint32_t n, const LibraryData& library, CBlockData& block, std::uint32_t effect)
{
    if (effect >= kParts)
        return false;
    return AppendImageBytes(n, library, block, kMfxBase + kMfxSize * static_cast<int>(effect), kMfxSize);
}

bool CBlockAccessor::CopyMfxSet(std::uint32_t n, const LibraryData& library, CBlockData& block)
{
    return AppendImageBytes(n, library, block, kMfxBase, kMfxSize * 2);
}

bool CBlockAccessor::CopyVocoder(std::uint32_t n, const LibraryData& library, CBlockData& block)
{
    return AppendImageBytes(n, library, block, kVocoderBase, kVocoderSize);
}

bool CBlockAccessor::CopyArp(std::uint32_t n, const LibraryData& library, CBlockData& block)
{
    const std::uint8_t* image = ImageOf(library, n);
    if (image == nullptr)
        return false;
    std::uint8_t payload[kArpSize];
    std::memcpy(payload, image + kArpBase, kArpImageSize);
    payload[kArpImageSize] = static_cast<std::uint8_t>((image[kVoiceByte] >> kArpAssignShift) & kArpAssignMask);
    block.Append(payload, kArpSize);
    return true;
}

bool CBlockAccessor::CopyGlobal(const LibraryData& library, CBlockData& block)
{
    const CGlobal* global = library.GetGlobal();
    if (global == nullptr)
        return false;
    block.Append(global->GetData(), global->GetDataSize());
    return true;
}

bool CBlockAccessor::CopyRibbon(std::uint32_t n, const LibraryData& library, CBlockData& block, std::uint32_t timbre)
{
    const std::uint8_t* image = ImageOf(library, n);
    if (image == nullptr || timbre >= kParts)
        return false;
    std::uint8_t payload[kRibbonSize];
    std::memcpy(payload, image + kRibbonBase, kRibbonImageSize);
    payload[kRibbonImageSize] = image[kTimbreRibbonBytes[timbre]];
    block.Append(payload, kRibbonSize);
    return true;
}

bool CBlockAccessor::PasteProgSet(LibraryData& library, const CBlockData& block)
{
    ProgramBank* bank = library.GetProgramBank();
    const std::uint8_t* payload = PayloadOf(block, kRegionSize * kProgramBankSize);
    if (bank == nullptr || payload == nullptr)
        return false;
    for (CProgram& program : *bank) {
        std::memcpy(&program.GetRegion(), payload, kRegionSize);
        payload += kRegionSize;
    }
    return true;
}

bool CBlockAccessor::PasteProgram(std::uint32_t n, LibraryData& library, const CBlockData& block)
{
    ProgramBank* bank = library.GetProgramBank();
    const std::uint8_t* payload = PayloadOf(block, kRegionSize);
    if (bank == nullptr || n >= bank->size() || payload == nullptr)
        return false;
    std::memcpy(&(*bank)[n].GetRegion(), payload, kRegionSize);
    return true;
}

bool CBlockAccessor::PasteTimbre(std::uint32_t n, LibraryData& library, const CBlockData& block, std::uint32_t timbre)
{
    std::uint8_t* image = ImageOf(library, n);
    if (image == nullptr || timbre >= kParts)
        return false;
    // The device keeps one long-ribbon intensity for both timbres.
    const std::uint8_t intensity = image[kTimbreRibbonBytes[timbre]];
    if (!PasteImageBytes(n, library, block, kTimbreBase + kTimbreSize * static_cast<int>(timbre), kTimbreSize))
        return false;
    for (int offset : kTimbreRibbonBytes)
        image[offset] = intensity;
    return true;
}

bool CBlockAccessor::PasteMfx(std::uint32_t n, LibraryData& library, const CBlockData& block, std::uint32_t effect)
{
    if (effect >= kParts)
        return false;
    return PasteImageBytes(n, library, block, kMfxBase + kMfxSize * static_cast<int>(effect), kMfxSize);
}

bool CBlockAccessor::PasteMfxSet(std::uint32_t n, LibraryData& library, const CBlockData& block)
{
    return PasteImageBytes(n, library, block, kMfxBase, kMfxSize * 2);
}

bool CBlockAccessor::PasteVocoder(std::uint32_t n, LibraryData& library, const CBlockData& block)
{
    return PasteImageBytes(n, library, block, kVocoderBase, kVocoderSize);
}

bool CBlockAccessor::PasteArp(std::uint32_t n, LibraryData& library, const CBlockData& block)
{
    const std::uint8_t* payload = PayloadOf(block, kArpSize);
    std::uint8_t* image = ImageOf(library, n);
    if (payload == nullptr || image == nullptr)
        return false;
    image[kArpBase + kArpTypeOffset] = payload[kArpTypeOffset];
    std::memcpy(image + kArpBase + kArpSettingsOffset, payload + kArpSettingsOffset, kArpSettingsSize);
    const auto assign = static_cast<std::uint8_t>((payload[kArpImageSize] & kArpAssignMask) << kArpAssignShift);
    image[kVoiceByte] = static_cast<std::uint8_t>((image[kVoiceByte] & ~(kArpAssignMask << kArpAssignShift)) | assign);
    return true;
}

bool CBlockAccessor::PasteGlobal(LibraryData& library, const CBlockData& block)
{
    CGlobal* global = library.GetGlobal();
    if (global == nullptr)
        return false;
    const std::uint8_t* payload = PayloadOf(block, global->GetDataSize());
    if (payload == nullptr)
        return false;
    std::memcpy(global->GetData(), payload, static_cast<std::size_t>(global->GetDataSize()));
    return true;
}

bool CBlockAccessor::PasteRibbon(std::uint32_t n, LibraryData& library, const CBlockData& block)
{
    const std::uint8_t* payload = PayloadOf(block, kRibbonSize);
    std::uint8_t* image = ImageOf(library, n);
    if (payload == nullptr || image == nullptr)
        return false;
    std::memcpy(image + kRibbonBase, payload, kRibbonImageSize);
    for (int offset : kTimbreRibbonBytes)
        image[offset] = payload[kRibbonImageSize];
    return true;
}
