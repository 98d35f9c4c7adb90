#include "data_object.h"

#include "com_object.h"
#include "format_list.h"

#include <vector>

namespace platform::dragdrop {
namespace {

struct Entry
{
    FORMATETC format;
    HGLOBAL block;
};

class DataObject final : public ComObject<Face<IDataObject, IID_IDataObject>>
{
public:
    ~DataObject() override
    {
        for (Entry& entry : entries_)
            GlobalFree(entry.block);
    }

    HRESULT GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (!medium)
            return E_INVALIDARG;
        Entry* entry = nullptr;
        if (HRESULT looked = Lookup(format, &entry); FAILED(looked))
            return looked;
        // The block is shared: the receiver's ReleaseStgMedium drops a reference instead of freeing it.
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = entry->block;
        medium->pUnkForRelease = this;
        AddRef();
        return S_OK;
    }

    HRESULT GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }

    HRESULT QueryGetData(FORMATETC* format) override
    {
        Entry* entry = nullptr;
        return Lookup(format, &entry);
    }

    HRESULT GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }

    HRESULT SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override
    {
        if (!format || !medium)
            return E_INVALIDARG;
        if (!release)
            return E_NOTIMPL;
        if (format->ptd || medium->tymed != TYMED_HGLOBAL || medium->pUnkForRelease)
            return DV_E_TYMED;
        return Offer(*format, medium->hGlobal) ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override
    {
        if (!formats)
            return E_INVALIDARG;
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        std::vector<FORMATETC> list;
        for (const Entry& entry : entries_)
            list.push_back(entry.format);
        *formats = NewFormatList(std::move(list));
        return S_OK;
    }

    HRESULT DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

    // A block offered again for the same format replaces the old one.
    bool Offer(FORMATETC format, HGLOBAL block)
    {
        if (!block)
            return false;
        format.tymed = TYMED_HGLOBAL;
        for (Entry& entry : entries_) {
            if (!Matches(entry.format, format))
                continue;
            if (entry.block != block)
                GlobalFree(entry.block);
            entry.block = block;
            return true;
        }
        entries_.push_back({format, block});
        return true;
    }

private:
    static bool Matches(const FORMATETC& a, const FORMATETC& b)
    {
        return a.cfFormat == b.cfFormat && a.dwAspect == b.dwAspect && a.lindex == b.lindex;
    }

    HRESULT Lookup(const FORMATETC* format, Entry** found)
    {
        if (!format)
            return E_INVALIDARG;
        if (format->ptd)
            return DV_E_DVTARGETDEVICE;
        for (Entry& entry : entries_) {
            if (!Matches(entry.format, *format))
                continue;
            if (!(format->tymed & TYMED_HGLOBAL))
                return DV_E_TYMED;
            *found = &entry;
            return S_OK;
        }
        return DV_E_FORMATETC;
    }

    std::vector<Entry> entries_;
};

}  // namespace

IDataObject* NewDataObject()
{
    return new DataObject;
}

bool OfferBlock(IDataObject* data, UINT format, LONG index, HGLOBAL block)
{
    FORMATETC etc{static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, index, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = block;
    return data && data->SetData(&etc, &medium, TRUE) == S_OK;
}

}  // namespace platform::dragdrop
