#pragma once
// The owner of every skin bitmap: a subclass names the PNG resources in a
// table, and each bitmap is decoded from the program's resources the first
// time somebody asks for it, then kept until Clear. Callers never own the
// bitmaps they get.
#include "framework/services/EfObject.h"

#include <platform/types.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

class CHfcBmp;

class CEfResourceManager : public CEfObject
{
public:
    CEfResourceManager();
    ~CEfResourceManager() override;

    // count entries laid out stride bytes apart, each beginning with the
    // NUL-terminated name of a resource of type "PNG"; an entry's position
    // is its bitmap's index.
    virtual const char* GetBitmapTable(int& count, int& stride) = 0;

    // One undecoded slot per table entry and the name-to-index map, where a
    // repeated name keeps its first index. False for an unusable table.
    bool Load();
    // Decoded on first use; a bitmap that fails to decode stays empty and is
    // not tried again. Null for an index outside the table.
    CHfcBmp* GetBitmap(int index);
    // Exact, case-sensitive match; null for a name not in the table.
    CHfcBmp* GetBitmapByName(const char* name);
    // Frees every bitmap and empties the table.
    void Clear();

    int GetCount() const { return m_iCount; }

private:
    int m_iCount = 0;
    std::unique_ptr<std::uint8_t[]> m_pLoaded;
    std::unique_ptr<CHfcBmp[]> m_pBitmaps;
    std::map<std::string, int> m_nameMap;
};

// The process-wide manager, or null while none is acquired.
CEfResourceManager* GetResourceManager();
// Bitmap index of the process-wide manager; null without one.
CHfcBmp* GetBitmapById(int index);

namespace ef_resource_manager {

// Kept by the singleton holder: the acquired manager and its use count.
struct SharedInstance
{
    CEfResourceManager* instance = nullptr;
    int references = 0;
};
SharedInstance& Shared();
// Makes the manager the process-wide one (null for none), and the target of
// the by-name GetBitmap of the framework services.
void Install(CEfResourceManager* manager);

}  // namespace ef_resource_manager
