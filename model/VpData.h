#pragma once
// Base of the synthesizer's data images: the attributes written into the
// editor's file headers, the digest of the image, and the transfer of the
// whole object through streams and memory blocks.
#include "framework/services/EfObject.h"
#include "framework/services/HfcMemoryBlock.h"
#include "framework/services/HfcStream.h"

#include <cstdint>
#include <memory>

// Data objects of the support library; adds nothing to the object.
class CEfData : public CEfObject
{};

class CVpData : public CEfData
{
public:
    static constexpr int kDigestSize = 16;

    CVpData() = default;
    CVpData(const CVpData&) = default;
    CVpData& operator=(const CVpData&) = default;
    ~CVpData() override = default;

    virtual void Initialize() {}
    virtual void Clear() {}
    // Version, kind, header word and flag; false for null.
    virtual bool CopyAttributes(const CVpData* other);

    virtual std::int32_t GetKind() const { return m_iKind; }
    virtual void SetKind(std::int32_t kind) { m_iKind = kind; }
    virtual std::int32_t GetVersion() const { return m_iVersion; }
    virtual void SetVersion(std::int32_t version) { m_iVersion = version; }
    virtual std::int32_t GetHeaderWord() const { return m_iHeaderWord; }
    virtual void SetHeaderWord(std::int32_t word) { m_iHeaderWord = word; }
    virtual void SetFlag(std::uint8_t flag) { m_byFlag = flag; }
    virtual std::uint8_t GetFlag() const { return m_byFlag; }

    virtual CVpData* Assign(const CVpData* other);

    bool Read(CHfcInputStream& stream) { return ReadFromStream(stream); }
    bool Write(CHfcOutputStream& stream) const { return WriteToStream(stream); }
    std::int32_t GetSize() const { return GetStreamSize(); }

    // Subclasses throw CVpFileException when the stream fails them.
    virtual bool ReadFromStream(CHfcInputStream& stream) = 0;
    virtual bool WriteToStream(CHfcOutputStream& stream) const = 0;
    virtual std::int32_t GetStreamSize() const = 0;

    // The stream form in a new block; null when writing fails.
    virtual std::unique_ptr<CHfcMemoryBlock> SaveToMemoryBlock() const;
    // False for null, a block without the magic, or one that does not read.
    virtual bool LoadFromMemoryBlock(const CHfcMemoryBlock* block);

    // Eight characters, not terminated in the stream.
    virtual const char* GetMagic() const = 0;
    virtual std::uint8_t* GetData() = 0;
    virtual const std::uint8_t* GetData() const = 0;
    virtual std::int32_t GetDataSize() const = 0;

    virtual void ClearDigest();
    // The MD5 of the GetDataSize bytes at GetData.
    virtual void UpdateDigest();
    virtual const std::uint8_t* GetDigest() const { return m_digest; }
    virtual void SetDigest(const std::uint8_t* digest);

private:
    std::int32_t m_iVersion = 0;
    std::int32_t m_iKind = 0;
    std::int32_t m_iHeaderWord = 0;
    std::uint8_t m_byFlag = 0;
    std::uint8_t m_digest[kDigestSize] = {};
};
