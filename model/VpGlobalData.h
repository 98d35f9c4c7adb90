#pragma once
// Base of the global data images. It has no stream form of its own: the
// model class gives one.
#include "model/VpData.h"

class CVpGlobalData : public CVpData
{
public:
    // Version, kind, header word and flag 0, digest zeroed.
    CVpGlobalData();
    CVpGlobalData(const CVpGlobalData&) = default;
    CVpGlobalData& operator=(const CVpGlobalData&) = default;
    ~CVpGlobalData() override = default;

    void Clear() override {}
    bool ReadFromStream(CHfcInputStream& stream) override;
    bool WriteToStream(CHfcOutputStream& stream) const override;
    std::int32_t GetStreamSize() const override { return 0; }
    std::unique_ptr<CHfcMemoryBlock> SaveToMemoryBlock() const override { return nullptr; }
    bool LoadFromMemoryBlock(const CHfcMemoryBlock* block) override;

    // The attributes; false, with nothing copied, for null.
    virtual bool Copy(const CVpGlobalData* other);
    using CVpData::Assign;
    virtual CVpGlobalData* Assign(const CVpGlobalData* other);
};
