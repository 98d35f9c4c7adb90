#pragma once
// A read-only CHfcFile over one of the program's own resources, so readers
// of files also read presets and the keyword table from the resources.
#include "framework/services/HfcFile.h"

#include <platform/types.h>

class CHfcResourceFile : public CHfcFile
{
public:
    CHfcResourceFile() = default;
    ~CHfcResourceFile() override = default;

    // Returns whether a resource is loaded. Resource memory belongs to the
    // program, so nothing is released and the resource stays readable.
    bool Close() override;
    int Read(void* buffer, int count) override;
    int Write(const void* buffer, int count) override;
    // The new position must lie in [0, size - 1]; otherwise it becomes 0 and
    // the result is false. An unknown origin keeps the position.
    bool Seek(std::int32_t offset, int origin) override;
    bool GetPosition(std::int32_t& position) const override;
    bool IsOpen() const override;

    // The flags are ignored: a resource is read-only.
    virtual bool OpenResource(const char* type, const char* name, int flags);

private:
    HGLOBAL m_resource = nullptr;
    const std::uint8_t* m_base = nullptr;
    const std::uint8_t* m_current = nullptr;
    std::uint32_t m_size = 0;
};
