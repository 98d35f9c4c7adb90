#pragma once
// A program: its image plus what only the editor keeps about it (programmer
// name, comment, priority and category).
#include "model/VpData.h"

#include <cstdint>

class CVpProgramData : public CVpData
{
public:
    static constexpr int kProgrammerNameLength = 24;
    static constexpr int kCommentLength = 64;

    CVpProgramData();
    CVpProgramData(const CVpProgramData&) = default;
    CVpProgramData& operator=(const CVpProgramData&) = default;
    ~CVpProgramData() override = default;

    // Both texts to blanks, priority and category to 0.
    void Clear() override;

    // Exactly GetImageSize bytes; throws CVpFileException when short.
    virtual void ReadImage(CHfcInputStream& stream) = 0;
    virtual void WriteImage(CHfcOutputStream& stream) const = 0;
    virtual std::int32_t GetImageSize() const = 0;
    // Shown for a program without a name.
    virtual const char* GetNullName() const { return "----"; }

    // Attributes first; false, with nothing copied, for null.
    virtual bool Copy(const CVpProgramData* other);
    using CVpData::Assign;
    virtual CVpProgramData* Assign(const CVpProgramData* other);

    // The name held in the image, trailing blanks removed.
    virtual const char* GetProgramName() = 0;

    virtual const char* GetProgrammerName() const { return m_szProgrammerName; }
    // Keeps at most 24 characters.
    virtual void SetProgrammerName(const char* name);
    virtual const char* GetComment() const { return m_szComment; }
    // Keeps at most 64 characters.
    virtual void SetComment(const char* comment);
    virtual std::int32_t GetPriority() const { return m_iPriority; }
    virtual void SetPriority(std::int32_t priority) { m_iPriority = priority; }
    virtual std::int32_t GetCategory() const { return m_iCategory; }
    virtual void SetCategory(std::int32_t category) { m_iCategory = category; }

private:
    char m_szProgrammerName[kProgrammerNameLength + 1] = {};
    char m_szComment[kCommentLength + 1] = {};
    std::int32_t m_iPriority = 0;
    std::int32_t m_iCategory = 0;
};
