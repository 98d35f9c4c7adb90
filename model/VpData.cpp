#include "model/VpData.h"

#include "framework/services/HfcMemoryStreams.h"
#include "framework/services/Md5.h"
#include "model/VpException.h"

#include <cstring>

bool CVpData::CopyAttributes(const CVpData* other)
{
    if (other == nullptr)
        return false;
    m_iVersion = other->GetVersion();
    m_iKind = other->GetKind();
    m_iHeaderWord = other->GetHeaderWord();
    m_byFlag = other->GetFlag();
    return true;
}

CVpData* CVpData::Assign(const CVpData* other)
{
    CopyAttributes(other);
    return this;
}

std::unique_ptr<CHfcMemoryBlock> CVpData::SaveToMemoryBlock() const
{
    CHfcMemoryOutputStream stream(GetStreamSize(), GetStreamSize());
    try {
        if (!WriteToStream(stream))
            return nullptr;
    } catch (const CVpFileException&) {
        return nullptr;
    }
    return std::make_unique<CHfcMemoryBlock>(stream.GetBuffer(), stream.GetDataSize());
}

bool CVpData::LoadFromMemoryBlock(const CHfcMemoryBlock* block)
{
    const char* magic = GetMagic();
    const auto magicLength = static_cast<std::int32_t>(std::strlen(magic));
    if (block == nullptr || block->GetSize() < magicLength || std::memcmp(block->GetData(), magic, magicLength) != 0)
        return false;
    CHfcMemoryInputStream stream(block->GetData(), block->GetSize());
    // Callers ask for an answer, not an exception; a failed read changes nothing.
    try {
        return ReadFromStream(stream);
    } catch (const CVpFileException&) {
        return false;
    }
}

void CVpData::ClearDigest()
{
    std::memset(m_digest, 0, sizeof m_digest);
}

void CVpData::UpdateDigest()
{
    CalculateMd5(GetData(), static_cast<std::uint32_t>(GetDataSize()), m_digest);
}

void CVpData::SetDigest(const std::uint8_t* digest)
{
    std::memcpy(m_digest, digest, sizeof m_digest);
}
