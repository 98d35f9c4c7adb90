#pragma once
// One program of the device: the 352-byte image as the device sends it, and
// its 528-byte stream form, which is also the single-program file.
// Its members are defined by concern in:
//   Q3917ProgramData.cpp  the image, its stream form, copying and the name
//   Q3917OscControls.cpp  resetting the oscillator 1 control memory
#include "model/VpProgramData.h"

#include <cstdint>

// What the oscillator 1 controls held under each wave and modulation, so
// switching back restores them. Kept by the program, managed by the accessor.
struct Q3917OscControlMemory
{
    static constexpr int kTimbres = 2;
    static constexpr int kSlots = 15;

    std::int32_t modulation;  // shared by both timbres
    std::int32_t controls[kTimbres][kSlots];
};

class CQ3917ProgramData : public CVpProgramData
{
public:
    static constexpr int kImageSize = 352;
    static constexpr int kStreamSize = 528;
    static constexpr int kHeaderSize = 32;
    static constexpr int kRecordSize = 496;
    static constexpr const char* kMagic = "47300PgD";

    CQ3917ProgramData() = default;
    CQ3917ProgramData(const CQ3917ProgramData&) = default;
    CQ3917ProgramData& operator=(const CQ3917ProgramData&) = default;
    ~CQ3917ProgramData() override = default;

    // Zero image and blank texts.
    void Clear() override;

    // A failed read throws CVpFileException and leaves the program as it was.
    bool ReadFromStream(CHfcInputStream& stream) override;
    bool WriteToStream(CHfcOutputStream& stream) const override;
    std::int32_t GetStreamSize() const override { return kStreamSize; }

    const char* GetMagic() const override { return kMagic; }
    std::uint8_t* GetData() override { return m_image; }
    const std::uint8_t* GetData() const override { return m_image; }
    std::int32_t GetDataSize() const override { return kImageSize; }

    void ReadImage(CHfcInputStream& stream) override;
    void WriteImage(CHfcOutputStream& stream) const override;
    std::int32_t GetImageSize() const override { return kImageSize; }

    // Copies the other program's image (through its GetData) into this one's own.
    bool Copy(const CVpProgramData* other) override;
    const char* GetProgramName() override;

    // Rebuilds the oscillator 1 memory from the current image.
    void ResetOscControlMemory();
    Q3917OscControlMemory& GetOscControlMemory() { return m_oscMemory; }
    const Q3917OscControlMemory& GetOscControlMemory() const { return m_oscMemory; }

private:
    Q3917OscControlMemory m_oscMemory = {};
    std::uint8_t m_image[kImageSize] = {};
    char m_szName[9] = {};
};
