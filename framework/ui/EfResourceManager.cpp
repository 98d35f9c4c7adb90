#include "framework/ui/EfResourceManager.h"

#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"

#include <platform/gdiplus.h>

#include <cstring>

namespace {

ULONG_PTR g_gdiplusToken = 0;

// A name fills at most its field, terminated or not.
std::string EntryName(const char* table, int index, int stride)
{
    const char* entry = table + std::size_t(index) * stride;
    return std::string(entry, strnlen(entry, std::size_t(stride)));
}

}  // namespace

CEfResourceManager::CEfResourceManager()
{
    const GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
    GdiplusStartup(&g_gdiplusToken, &input, nullptr);
}

CEfResourceManager::~CEfResourceManager()
{
    GdiplusShutdown(g_gdiplusToken);
    g_gdiplusToken = 0;
}

bool CEfResourceManager::Load()
{
    int count = 0;
    int stride = 0;
    const char* table = GetBitmapTable(count, stride);
    if (table == nullptr || count < 0 || stride < 1)
        return false;
    Clear();
    m_pLoaded = std::make_unique<std::uint8_t[]>(count);
    m_pBitmaps = std::make_unique<CHfcBmp[]>(count);
    for (int i = 0; i < count; ++i)
        m_nameMap.emplace(EntryName(table, i, stride), i);
    m_iCount = count;
    return true;
}

CHfcBmp* CEfResourceManager::GetBitmap(int index)
{
    if (index < 0 || index >= m_iCount)
        return nullptr;
    CHfcBmp* bitmap = &m_pBitmaps[index];
    if (m_pLoaded[index] == 0) {
        int count = 0;
        int stride = 0;
        const char* table = GetBitmapTable(count, stride);
        if (table != nullptr && index < count)
            bitmap->LoadPngResource(EntryName(table, index, stride).c_str());
        m_pLoaded[index] = 1;
    }
    return bitmap;
}

CHfcBmp* CEfResourceManager::GetBitmapByName(const char* name)
{
    if (name == nullptr)
        return nullptr;
    const auto found = m_nameMap.find(name);
    return found != m_nameMap.end() ? GetBitmap(found->second) : nullptr;
}

void CEfResourceManager::Clear()
{
    for (; m_iCount > 0; --m_iCount)
        m_pBitmaps[m_iCount - 1].Release();
    m_pBitmaps.reset();
    m_pLoaded.reset();
    m_nameMap.clear();
}

namespace ef_resource_manager {

SharedInstance& Shared()
{
    static SharedInstance shared;
    return shared;
}

void Install(CEfResourceManager* manager)
{
    Shared().instance = manager;
    if (manager == nullptr) {
        Shared().references = 0;
        SetBitmapLookup(nullptr);
        return;
    }
    SetBitmapLookup([](const char* name) {
        CEfResourceManager* current = GetResourceManager();
        return current != nullptr ? current->GetBitmapByName(name) : nullptr;
    });
}

}  // namespace ef_resource_manager

CEfResourceManager* GetResourceManager()
{
    return ef_resource_manager::Shared().instance;
}

CHfcBmp* GetBitmapById(int index)
{
    CEfResourceManager* manager = GetResourceManager();
    return manager != nullptr ? manager->GetBitmap(index) : nullptr;
}
