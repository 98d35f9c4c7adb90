#include "framework/ui/HfcDragWin32DataObject.h"

#include "framework/ui/HfcDragWin32EnumFORMATETC.h"

#include <new>
#include <vector>

namespace {

bool SameFormat(const FORMATETC& a, const FORMATETC& b)
{
    return a.cfFormat == b.cfFormat && a.dwAspect == b.dwAspect && a.lindex == b.lindex;
}

}  // namespace

CHfcDragWin32DataObject::~CHfcDragWin32DataObject()
{
    for (ULONG i = 0; i < m_ulEntryCount; ++i)
        ReleaseMedium(m_pEntries[i]);
    CoTaskMemFree(m_pEntries);
}

void CHfcDragWin32DataObject::ReleaseMedium(SEntry& entry)
{
    // A medium whose release object is this one is owned here outright.
    if (entry.medium.pUnkForRelease == static_cast<IUnknown*>(this))
        entry.medium.pUnkForRelease = nullptr;
    ReleaseStgMedium(&entry.medium);
    entry.medium = STGMEDIUM{};
}

HRESULT CHfcDragWin32DataObject::Lookup(const FORMATETC* format, SEntry** found)
{
    *found = nullptr;
    if (format->ptd != nullptr)
        return DV_E_DVTARGETDEVICE;
    for (ULONG i = 0; i < m_ulEntryCount; ++i) {
        if (!SameFormat(m_pEntries[i].format, *format))
            continue;
        *found = &m_pEntries[i];
        return (m_pEntries[i].medium.tymed & format->tymed) != 0 ? S_OK : DV_E_TYMED;
    }
    return DV_E_FORMATETC;
}

HRESULT CHfcDragWin32DataObject::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    if (format == nullptr || medium == nullptr)
        return E_INVALIDARG;
    SEntry* entry = nullptr;
    const HRESULT result = Lookup(format, &entry);
    if (FAILED(result))
        return result;
    *medium = entry->medium;
    const bool counted = medium->tymed == TYMED_ISTREAM || medium->tymed == TYMED_ISTORAGE;
    if (medium->pUnkForRelease == nullptr && !counted)
        medium->pUnkForRelease = static_cast<IUnknown*>(this);
    if (medium->pUnkForRelease != nullptr)
        medium->pUnkForRelease->AddRef();
    else if (medium->tymed == TYMED_ISTREAM)
        medium->pstm->AddRef();
    else if (medium->tymed == TYMED_ISTORAGE)
        medium->pstg->AddRef();
    return S_OK;
}

HRESULT CHfcDragWin32DataObject::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return E_NOTIMPL;
}

HRESULT CHfcDragWin32DataObject::QueryGetData(FORMATETC* format)
{
    if (format == nullptr)
        return E_INVALIDARG;
    SEntry* entry = nullptr;
    return Lookup(format, &entry);
}

HRESULT CHfcDragWin32DataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC*)
{
    return E_NOTIMPL;
}

HRESULT CHfcDragWin32DataObject::SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release)
{
    if (!release)
        return E_NOTIMPL;
    if (format == nullptr || medium == nullptr)
        return E_INVALIDARG;
    SEntry* entry = nullptr;
    const HRESULT found = Lookup(format, &entry);
    if (found == DV_E_DVTARGETDEVICE)
        return found;
    if (entry == nullptr) {
        void* grown = CoTaskMemRealloc(m_pEntries, (m_ulEntryCount + 1) * sizeof(SEntry));
        if (grown == nullptr)
            return E_OUTOFMEMORY;
        m_pEntries = static_cast<SEntry*>(grown);
        entry = &m_pEntries[m_ulEntryCount++];
        *entry = SEntry{*format, STGMEDIUM{}};
    } else {
        ReleaseMedium(*entry);
        entry->format.tymed = format->tymed;
    }
    entry->medium = *medium;
    // The data object must not keep itself alive through its own medium.
    if (medium->pUnkForRelease == static_cast<IUnknown*>(this))
        Release();
    return S_OK;
}

HRESULT CHfcDragWin32DataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats)
{
    if (formats == nullptr)
        return E_INVALIDARG;
    *formats = nullptr;
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> copies;
    copies.reserve(m_ulEntryCount);
    for (ULONG i = 0; i < m_ulEntryCount; ++i)
        copies.push_back(m_pEntries[i].format);
    *formats = new (std::nothrow) CHfcDragWin32EnumFORMATETC(std::move(copies));
    return *formats != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT CHfcDragWin32DataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT CHfcDragWin32DataObject::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT CHfcDragWin32DataObject::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
