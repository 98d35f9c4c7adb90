#pragma once
// The program document: a program of a bank with the editable region that
// the editor changes and a saved copy of it, so a program can be reverted
// and its changes seen.
#include "model/Q3917ProgramData.h"

#include <bit>
#include <cstddef>
#include <cstdint>

// The editable part of a program. Its bytes travel as one block on the
// clipboard, so the layout is fixed.
struct ProgramRegion
{
    static constexpr int kNameLength = 8;

    std::uint8_t image[CQ3917ProgramData::kImageSize];
    char name[kNameLength + 1];  // image bytes 0-7, trimmed
    char programmerName[CVpProgramData::kProgrammerNameLength + 1];
    char comment[CVpProgramData::kCommentLength + 1];
    std::uint8_t reserved1;
    std::int32_t priority;  // 0 off, 1-5 A-E
    std::int32_t category;  // kept for files and the list
    std::uint8_t reserved2[184];

    bool operator==(const ProgramRegion&) const = default;
};
static_assert(sizeof(ProgramRegion) == 644);
static_assert(offsetof(ProgramRegion, name) == 352 && offsetof(ProgramRegion, programmerName) == 361 &&
              offsetof(ProgramRegion, comment) == 386 && offsetof(ProgramRegion, priority) == 452 &&
              offsetof(ProgramRegion, category) == 456 && offsetof(ProgramRegion, reserved2) == 460);
static_assert(std::endian::native == std::endian::little, "the region's numbers are stored little-endian");

class CProgram : public CQ3917ProgramData
{
public:
    // Region and saved copy zeroed; version 1, kind 3.
    CProgram();

    // The initial program, with empty texts, as both region and saved copy.
    void Initialize() override;
    // The region's image: accessors and digests work on it.
    std::uint8_t* GetData() override { return m_region.image; }
    const std::uint8_t* GetData() const override { return m_region.image; }
    std::int32_t GetDataSize() const override { return CQ3917ProgramData::kImageSize; }
    // The region's name text.
    const char* GetProgramName() override { return m_region.name; }

    ProgramRegion& GetRegion() { return m_region; }
    const ProgramRegion& GetRegion() const { return m_region; }
    const ProgramRegion& GetSavedCopy() const { return m_saved; }
    // The region becomes the saved copy.
    void MarkSaved() { m_saved = m_region; }
    bool IsModified() const { return !(m_region == m_saved); }

private:
    ProgramRegion m_region = {};
    ProgramRegion m_saved = {};
};

// Initialize without touching the saved copy.
void InitializeProgramRecord(CProgram& program);
// The text's first 8 characters into image bytes 0-7, padded with blanks,
// and into the name text.
void SetProgramRecordName(CProgram& program, const char* text);
// The saved copy back into the region; true.
bool RevertProgramRecord(CProgram& program);
// The source's image, name, kind and header word; the target's texts,
// priority and category stay.
void CopyProgramImage(CProgram& target, const CProgram& source);
// The whole region and the kind.
void CopyProgramRegion(const CProgram& source, CProgram& target);
// Refreshes the region's name text from image bytes 0-7.
void UpdateProgramRecordName(CProgram& program);
// The size of a single-program file.
std::int32_t GetProgramFileSize();
