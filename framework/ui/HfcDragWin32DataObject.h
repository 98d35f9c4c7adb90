#pragma once
// The data a drag carries: one medium per format, given to the data object
// to keep. A receiver's copy of a shared medium names the data object as
// its release object, so that releasing it drops a reference instead of
// freeing the block.
#include "framework/ui/HfcComObject.h"

class CHfcDragWin32DataObject : public CHfcComObject<IDataObject, IID_IDataObject>
{
public:
    CHfcDragWin32DataObject() = default;
    // Releases every medium it keeps.
    ~CHfcDragWin32DataObject() override;

    HRESULT GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT QueryGetData(FORMATETC* format) override;
    HRESULT GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* canonical) override;
    // Only with release set: the data object keeps the medium, replacing
    // the one it kept for the same format.
    HRESULT SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    HRESULT DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
    HRESULT DUnadvise(DWORD connection) override;
    HRESULT EnumDAdvise(IEnumSTATDATA** advises) override;

private:
    struct SEntry
    {
        FORMATETC format;
        STGMEDIUM medium;
    };

    // The entry of the same format, aspect and index; DV_E_TYMED when it
    // holds no medium of a kind asked for.
    HRESULT Lookup(const FORMATETC* format, SEntry** found);
    // Releases the medium kept in the entry, freeing what it holds.
    void ReleaseMedium(SEntry& entry);

    SEntry* m_pEntries = nullptr;
    ULONG m_ulEntryCount = 0;
};
