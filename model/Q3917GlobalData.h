#pragma once
// The device's global data: the 164-byte image and its 224-byte stream
// form, which is also the global data file.
#include "model/VpGlobalData.h"

#include <cstdint>

class CQ3917GlobalData : public CVpGlobalData
{
public:
    static constexpr int kImageSize = 164;
    static constexpr int kStreamSize = 224;
    static constexpr int kRecordSize = 192;
    static constexpr const char* kMagic = "47300GbD";

    // The image starts as the default image.
    CQ3917GlobalData();
    CQ3917GlobalData(const CQ3917GlobalData&) = default;
    CQ3917GlobalData& operator=(const CQ3917GlobalData&) = default;
    ~CQ3917GlobalData() override = default;

    // Back to the default image, digest recomputed.
    void Clear() override;

    // A failed read throws CVpFileException and leaves the data as it was.
    bool ReadFromStream(CHfcInputStream& stream) override;
    // Recomputes the digest from the image before writing it.
    bool WriteToStream(CHfcOutputStream& stream) const override;
    std::int32_t GetStreamSize() const override { return kStreamSize; }

    const char* GetMagic() const override { return kMagic; }
    std::uint8_t* GetData() override { return m_image; }
    const std::uint8_t* GetData() const override { return m_image; }
    std::int32_t GetDataSize() const override { return kImageSize; }

    // The attributes and the other data's image.
    bool Copy(const CVpGlobalData* other) override;

    static const std::uint8_t* GetDefaultImage();

private:
    std::uint8_t m_image[kImageSize];
};
