// The data object a drag carries and its format list: what it keeps, what
// it hands out and who releases what.
#include "framework/ui/HfcDragWin32DataObject.h"
#include "framework/ui/HfcDragWin32EnumFORMATETC.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr CLIPFORMAT kFormat = 0xC123;

FORMATETC Format(CLIPFORMAT format, LONG index, DWORD tymed = TYMED_HGLOBAL)
{
    return FORMATETC{format, nullptr, DVASPECT_CONTENT, index, tymed};
}

STGMEDIUM Block(const std::string& bytes, IUnknown* release = nullptr)
{
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(GlobalLock(medium.hGlobal), bytes.data(), bytes.size());
    GlobalUnlock(medium.hGlobal);
    medium.pUnkForRelease = release;
    return medium;
}

std::string Read(HGLOBAL block)
{
    std::string bytes(static_cast<const char*>(GlobalLock(block)), GlobalSize(block));
    GlobalUnlock(block);
    return bytes;
}

ULONG References(IUnknown* object)
{
    object->AddRef();
    return object->Release();
}

class DataObject : public ::testing::Test
{
protected:
    void TearDown() override { EXPECT_EQ(data->Release(), 0u); }
    IDataObject* data = new CHfcDragWin32DataObject;
};

// A receiver's copy shares the block and holds the data object instead of
// owning the block: releasing it leaves the block to the data object.
TEST_F(DataObject, AReceiverHoldsTheDataObjectWhileItReadsTheSharedBlock)
{
    FORMATETC format = Format(kFormat, 3);
    STGMEDIUM given = Block("program");
    ASSERT_EQ(data->SetData(&format, &given, TRUE), S_OK);
    EXPECT_EQ(References(data), 1u);

    STGMEDIUM got{};
    ASSERT_EQ(data->GetData(&format, &got), S_OK);
    EXPECT_EQ(got.hGlobal, given.hGlobal);
    EXPECT_EQ(got.pUnkForRelease, static_cast<IUnknown*>(data));
    EXPECT_EQ(References(data), 2u);
    EXPECT_EQ(Read(got.hGlobal), "program");
    ReleaseStgMedium(&got);
    EXPECT_EQ(References(data), 1u);
    EXPECT_EQ(Read(given.hGlobal), "program") << "the block stays with the data object";

    // A new medium for the same format replaces the old one, which is freed.
    STGMEDIUM newer = Block("program, edited");
    ASSERT_EQ(data->SetData(&format, &newer, TRUE), S_OK);
    EXPECT_EQ(GlobalSize(given.hGlobal), 0u) << "freed";
    ASSERT_EQ(data->GetData(&format, &got), S_OK);
    EXPECT_EQ(Read(got.hGlobal), "program, edited");
    ReleaseStgMedium(&got);

    // A medium naming the data object as its release object does not keep it alive.
    FORMATETC other = Format(kFormat + 1, -1);
    data->AddRef();
    STGMEDIUM self = Block("self", data);
    ASSERT_EQ(data->SetData(&other, &self, TRUE), S_OK);
    EXPECT_EQ(References(data), 1u);
    ASSERT_EQ(data->GetData(&other, &got), S_OK);
    EXPECT_EQ(got.pUnkForRelease, static_cast<IUnknown*>(data));
    ReleaseStgMedium(&got);
    EXPECT_EQ(References(data), 1u);
}

TEST_F(DataObject, LookupsMatchFormatAspectAndIndexAndRefuseTheRest)
{
    FORMATETC format = Format(kFormat, 3);
    STGMEDIUM given = Block("x");
    ASSERT_EQ(data->SetData(&format, &given, TRUE), S_OK);

    DVTARGETDEVICE device{sizeof(DVTARGETDEVICE)};
    FORMATETC printer = format;
    printer.ptd = &device;
    FORMATETC content = Format(kFormat, 3, TYMED_HGLOBAL | TYMED_ISTREAM);
    FORMATETC otherIndex = Format(kFormat, 4);
    FORMATETC otherFormat = Format(kFormat + 1, 3);
    FORMATETC otherAspect = format;
    otherAspect.dwAspect = 2;
    FORMATETC stream = Format(kFormat, 3, TYMED_ISTREAM);
    const std::pair<FORMATETC*, HRESULT> cases[] = {
        {&format, S_OK},
        {&content, S_OK},
        {&printer, DV_E_DVTARGETDEVICE},
        {&otherIndex, DV_E_FORMATETC},
        {&otherFormat, DV_E_FORMATETC},
        {&otherAspect, DV_E_FORMATETC},
        {&stream, DV_E_TYMED},
    };
    for (const auto& [asked, expected] : cases) {
        EXPECT_EQ(data->QueryGetData(asked), expected);
        STGMEDIUM got{};
        const HRESULT answer = data->GetData(asked, &got);
        EXPECT_EQ(answer, expected);
        if (SUCCEEDED(answer))
            ReleaseStgMedium(&got);
    }

    STGMEDIUM kept = Block("kept");
    EXPECT_EQ(data->SetData(&otherFormat, &kept, FALSE), E_NOTIMPL) << "only media the data object may keep";
    EXPECT_EQ(data->QueryGetData(&otherFormat), DV_E_FORMATETC);
    GlobalFree(kept.hGlobal);
    EXPECT_EQ(data->SetData(&printer, &kept, TRUE), DV_E_DVTARGETDEVICE);

    STGMEDIUM here{};
    FORMATETC canonical{};
    DWORD connection = 0;
    IEnumSTATDATA* advises = nullptr;
    EXPECT_EQ(data->GetDataHere(&format, &here), E_NOTIMPL);
    EXPECT_EQ(data->GetCanonicalFormatEtc(&format, &canonical), E_NOTIMPL);
    EXPECT_EQ(data->DAdvise(&format, 0, nullptr, &connection), OLE_E_ADVISENOTSUPPORTED);
    EXPECT_EQ(data->DUnadvise(0), OLE_E_ADVISENOTSUPPORTED);
    EXPECT_EQ(data->EnumDAdvise(&advises), OLE_E_ADVISENOTSUPPORTED);

    void* object = nullptr;
    EXPECT_EQ(data->QueryInterface(IID_IDropTarget, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    ASSERT_EQ(data->QueryInterface(IID_IUnknown, &object), S_OK);
    EXPECT_EQ(object, static_cast<void*>(data));
    data->Release();
}

TEST_F(DataObject, TheFormatListIsACopyWalkedOnceFromTheStart)
{
    for (LONG index : {-1, 1, 2}) {
        FORMATETC format = Format(static_cast<CLIPFORMAT>(kFormat + index + 1), index);
        STGMEDIUM given = Block("x");
        ASSERT_EQ(data->SetData(&format, &given, TRUE), S_OK);
    }
    IEnumFORMATETC* list = nullptr;
    EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, &list), E_NOTIMPL);
    EXPECT_EQ(data->EnumFormatEtc(DATADIR_GET, nullptr), E_INVALIDARG);
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &list), S_OK);

    FORMATETC got[3]{};
    ULONG fetched = 99;
    EXPECT_EQ(list->Next(2, got, nullptr), S_FALSE) << "more than one needs a count";
    EXPECT_EQ(list->Next(0, got, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0u);
    ASSERT_EQ(list->Next(1, got, nullptr), S_OK);
    EXPECT_EQ(got[0].cfFormat, kFormat);
    EXPECT_EQ(got[0].lindex, -1);
    EXPECT_EQ(list->Next(3, got, &fetched), S_FALSE) << "only two were left";
    EXPECT_EQ(fetched, 2u);
    EXPECT_EQ(got[1].lindex, 2);
    EXPECT_EQ(list->Next(1, got, &fetched), S_FALSE) << "at the end";
    EXPECT_EQ(list->Reset(), S_OK);
    EXPECT_EQ(list->Skip(2), S_OK);
    EXPECT_EQ(list->Next(1, got, nullptr), S_OK);
    EXPECT_EQ(got[0].lindex, 2);
    EXPECT_EQ(list->Reset(), S_OK);
    EXPECT_EQ(list->Skip(4), S_FALSE);
    EXPECT_EQ(list->Next(1, got, nullptr), S_FALSE);
    IEnumFORMATETC* copy = nullptr;
    EXPECT_EQ(list->Clone(&copy), E_NOTIMPL);

    // Formats set later are not in a list made before.
    FORMATETC later = Format(kFormat + 9, 9);
    STGMEDIUM given = Block("later");
    ASSERT_EQ(data->SetData(&later, &given, TRUE), S_OK);
    list->Reset();
    EXPECT_EQ(list->Next(3, got, &fetched), S_OK);
    EXPECT_EQ(list->Release(), 0u);
}

}  // namespace
