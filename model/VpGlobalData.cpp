#include "model/VpGlobalData.h"

CVpGlobalData::CVpGlobalData()
{
    SetVersion(0);
    SetKind(0);
    SetHeaderWord(0);
    SetFlag(0);
    ClearDigest();
}

bool CVpGlobalData::ReadFromStream(CHfcInputStream& /*stream*/)
{
    return false;
}

bool CVpGlobalData::WriteToStream(CHfcOutputStream& /*stream*/) const
{
    return false;
}

bool CVpGlobalData::LoadFromMemoryBlock(const CHfcMemoryBlock* /*block*/)
{
    return false;
}

bool CVpGlobalData::Copy(const CVpGlobalData* other)
{
    return CopyAttributes(other);
}

CVpGlobalData* CVpGlobalData::Assign(const CVpGlobalData* other)
{
    Copy(other);
    return this;
}
