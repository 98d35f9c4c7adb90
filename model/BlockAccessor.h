#pragma once
// Copy and paste of parts of programs and of the global data as blocks, and
// the clipboard formats they travel under. Programs are named by their
// number in the library's first bank, the global data by its first global.
#include "model/BlockData.h"
#include "model/LibraryData.h"

#include <platform/types.h>

#include <array>
#include <cstdint>

class CBlockAccessor
{
public:
    // Registers one clipboard format per kind, named by its marker.
    CBlockAccessor();
    virtual ~CBlockAccessor();
    CBlockAccessor(const CBlockAccessor&) = delete;
    CBlockAccessor& operator=(const CBlockAccessor&) = delete;

    // The process-wide accessor, set by the application; not owned.
    static void SetInstance(CBlockAccessor* accessor);
    static CBlockAccessor* GetInstance();
    // The format of a kind; 0 for a kind of 10 or more or without an accessor.
    static UINT GetBlockFormat(std::uint32_t kind);

    // The header, then the kind's bytes; an empty block for a kind of 10 or
    // more. A program, timbre or effect out of range leaves only the header.
    static bool CopyBlock(std::uint32_t programNumber, CBlockData& block, const LibraryData& library,
                          std::uint32_t kind, std::uint32_t partIndex, std::uint32_t extraWord);
    // Pastes a block whose header names the kind into program n and part.
    static bool PasteBlock(std::uint32_t kind, const CBlockData& block, LibraryData& library,
                           std::uint32_t programNumber, std::uint32_t partIndex);

    // Each appends its kind's bytes; false, with nothing appended, when the
    // source does not exist.
    static bool CopyProgSet(const LibraryData& library, CBlockData& block);
    static bool CopyProgram(std::uint32_t n, const LibraryData& library, CBlockData& block);
    static bool CopyTimbre(std::uint32_t n, const LibraryData& library, CBlockData& block, std::uint32_t timbre);
    static bool CopyMfx(std::uint32_t n, const LibraryData& library, CBlockData& block, std::uint32_t effect);
    static bool CopyMfxSet(std::uint32_t n, const LibraryData& library, CBlockData& block);
    static bool CopyVocoder(std::uint32_t n, const LibraryData& library, CBlockData& block);
    static bool CopyArp(std::uint32_t n, const LibraryData& library, CBlockData& block);
    static bool CopyGlobal(const LibraryData& library, CBlockData& block);
    static bool CopyRibbon(std::uint32_t n, const LibraryData& library, CBlockData& block, std::uint32_t timbre);

    // Each writes its kind's bytes back; false, with nothing written, for a
    // payload of another size or a target that does not exist.
    static bool PasteProgSet(LibraryData& library, const CBlockData& block);
    static bool PasteProgram(std::uint32_t n, LibraryData& library, const CBlockData& block);
    // Both timbres' long-ribbon intensity keep the target timbre's.
    static bool PasteTimbre(std::uint32_t n, LibraryData& library, const CBlockData& block, std::uint32_t timbre);
    static bool PasteMfx(std::uint32_t n, LibraryData& library, const CBlockData& block, std::uint32_t effect);
    static bool PasteMfxSet(std::uint32_t n, LibraryData& library, const CBlockData& block);
    static bool PasteVocoder(std::uint32_t n, LibraryData& library, const CBlockData& block);
    // The tempo stays the target's.
    static bool PasteArp(std::uint32_t n, LibraryData& library, const CBlockData& block);
    static bool PasteGlobal(LibraryData& library, const CBlockData& block);
    // The long-ribbon intensity goes to both timbres.
    static bool PasteRibbon(std::uint32_t n, LibraryData& library, const CBlockData& block);

private:
    std::array<UINT, kBlockKindCount> m_formats{};
};
