#include "model/Q3917GlobalData.h"

#include "framework/services/Md5.h"
#include "model/FileHeader.h"
#include "model/VpException.h"

#include <cstring>

namespace {

constexpr int kImagePadding = 12;

// A new global data set: the device's factory settings.
constexpr std::uint8_t kDefaultImage[CQ3917GlobalData::kImageSize] = {
    0x00, 0x00, 0x04, 0x03, 0x00, 0x80, 0x12, 0x04, 0x01, 0x39, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x64, 0x00, 0x00, 0x05, 0x03, 0x08, 0x09, 0x0F, 0x11,
    0x12, 0x13, 0x14, 0x15, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x4A, 0x47, 0x4F, 0x1C, 0x1D, 0x1E, 0x44, 0x45, 0x52, 0x07,
    0x0A, 0x53, 0x55, 0x56, 0x57, 0x58, 0x49, 0x4B, 0x46, 0x48, 0x59, 0x5A, 0x66, 0x4C, 0x67, 0x68, 0x69, 0x6A, 0x6B,
    0x70, 0x6C, 0x6D, 0x6E, 0x73, 0x0C, 0x74, 0x0D, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0x00, 0x00, 0x00, 0x01, 0x00, 0x28, 0x41, 0x5A, 0x73, 0x82, 0x91, 0xAF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};

}  // namespace

CQ3917GlobalData::CQ3917GlobalData()
{
    std::memcpy(m_image, kDefaultImage, sizeof m_image);
}

const std::uint8_t* CQ3917GlobalData::GetDefaultImage()
{
    return kDefaultImage;
}

void CQ3917GlobalData::Clear()
{
    std::memcpy(m_image, kDefaultImage, sizeof m_image);
    UpdateDigest();
}

bool CQ3917GlobalData::ReadFromStream(CHfcInputStream& stream)
{
    const std::int64_t start = stream.GetPosition();
    const FileHeader header = ReadFileHeader(stream, kMagic);
    // A shorter header or body would read header bytes as the image.
    if (header.headerSize < FileHeader::kSize || header.bodySize < kRecordSize)
        throw CVpFileException(CVpFileException::DataSize);

    if (!stream.SetPosition(start + header.headerSize))
        throw CVpFileException(CVpFileException::ReadData);
    std::uint8_t image[kImageSize];
    std::uint8_t ignored[kDigestSize];
    ReadChecked(stream, image, kImageSize);
    ReadChecked(stream, ignored, kImagePadding);
    ReadChecked(stream, ignored, kDigestSize);  // recomputed from the image below
    stream.SetPosition(start + header.headerSize + header.bodySize);

    std::memcpy(m_image, image, sizeof m_image);
    SetVersion(header.version);
    SetKind(header.kind);
    SetHeaderWord(header.headerWord);
    UpdateDigest();
    return true;
}

bool CQ3917GlobalData::WriteToStream(CHfcOutputStream& stream) const
{
    WriteFileHeader(stream,
                    {kMagic, FileHeader::kSize, kRecordSize, GetVersion(), GetKind(), GetHeaderWord(), 1, kRecordSize});
    WriteChecked(stream, m_image, kImageSize);
    WritePadding(stream, kImagePadding);
    std::uint8_t digest[kDigestSize];
    CalculateMd5(m_image, kImageSize, digest);
    WriteChecked(stream, digest, kDigestSize);
    return true;
}

bool CQ3917GlobalData::Copy(const CVpGlobalData* other)
{
    if (!CVpGlobalData::Copy(other))
        return false;
    if (other->GetData() != nullptr && other->GetDataSize() >= kImageSize)
        std::memcpy(m_image, other->GetData(), sizeof m_image);
    return true;
}
