#include "model/VpProgramData.h"

#include "framework/services/FixedStrings.h"

#include <cstring>

namespace {

void FillBlanks(char* text, int length)
{
    std::memset(text, ' ', static_cast<std::size_t>(length));
    text[length] = '\0';
}

// Stops at the source's end, so a short text never reads past it.
void CopyText(char* destination, const char* source, int length)
{
    std::memset(destination, 0, static_cast<std::size_t>(length) + 1);
    if (source != nullptr)
        CopyPaddedString(destination, source, length, '\0');
}

}  // namespace

CVpProgramData::CVpProgramData()
{
    CVpProgramData::Clear();
}

void CVpProgramData::Clear()
{
    FillBlanks(m_szProgrammerName, kProgrammerNameLength);
    FillBlanks(m_szComment, kCommentLength);
    m_iPriority = 0;
    m_iCategory = 0;
}

bool CVpProgramData::Copy(const CVpProgramData* other)
{
    if (!CopyAttributes(other))
        return false;
    SetProgrammerName(other->GetProgrammerName());
    SetComment(other->GetComment());
    SetPriority(other->GetPriority());
    SetDigest(other->GetDigest());
    SetCategory(other->GetCategory());
    return true;
}

CVpProgramData* CVpProgramData::Assign(const CVpProgramData* other)
{
    Copy(other);
    return this;
}

void CVpProgramData::SetProgrammerName(const char* name)
{
    CopyText(m_szProgrammerName, name, kProgrammerNameLength);
}

void CVpProgramData::SetComment(const char* comment)
{
    CopyText(m_szComment, comment, kCommentLength);
}
