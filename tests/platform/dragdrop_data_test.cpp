// The platform's data object and format list, media release, and the
// objects that can be made by class.
#include "dragdrop_fixture.h"

#include <platform/testing/dragdrop.h>

namespace dragdrop_test {
namespace {

constexpr UINT kFormat = 0xC123;

FORMATETC Etc(UINT format, LONG index, DWORD tymed = TYMED_HGLOBAL)
{
    return {CLIPFORMAT(format), nullptr, DVASPECT_CONTENT, index, tymed};
}

class DataObjectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        data_ = platform::testing::NewDataObject();
        ASSERT_TRUE(platform::testing::OfferData(data_, CF_TEXT, -1, "text", 4));
        ASSERT_TRUE(platform::testing::OfferData(data_, kFormat, 3, "\x01\x02", 2));
    }
    void TearDown() override { EXPECT_EQ(data_->Release(), 0u); }
    IDataObject* data_ = nullptr;
};

TEST_F(DataObjectTest, GetDataSharesTheBlockAndReleasingTheMediumDropsOnlyAReference)
{
    FORMATETC etc = Etc(kFormat, 3);
    STGMEDIUM medium{};
    ASSERT_EQ(data_->GetData(&etc, &medium), S_OK);
    EXPECT_EQ(medium.tymed, TYMED_HGLOBAL);
    EXPECT_EQ(medium.pUnkForRelease, static_cast<IUnknown*>(data_));
    EXPECT_EQ(GlobalSize(medium.hGlobal), 2u);
    HGLOBAL block = medium.hGlobal;
    ReleaseStgMedium(&medium);
    EXPECT_EQ(GlobalSize(block), 2u) << "the data object still owns it";
    EXPECT_EQ(medium.hGlobal, nullptr);

    STGMEDIUM again{};
    ASSERT_EQ(data_->GetData(&etc, &again), S_OK);
    EXPECT_EQ(again.hGlobal, block) << "the same block every time";
    ReleaseStgMedium(&again);
}

TEST_F(DataObjectTest, LookupsAnswerWhyTheyFail)
{
    DVTARGETDEVICE device{4};
    FORMATETC withDevice = Etc(CF_TEXT, -1);
    withDevice.ptd = &device;
    struct Case
    {
        FORMATETC etc;
        HRESULT expected;
    } cases[] = {
        {Etc(CF_TEXT, -1), S_OK},
        {Etc(kFormat, 3, TYMED_HGLOBAL | TYMED_ISTREAM), S_OK},
        {Etc(kFormat, -1), DV_E_FORMATETC},
        {Etc(CF_HDROP, -1), DV_E_FORMATETC},
        {Etc(CF_TEXT, -1, TYMED_ISTREAM), DV_E_TYMED},
        {withDevice, DV_E_DVTARGETDEVICE},
    };
    for (Case& c : cases) {
        EXPECT_EQ(data_->QueryGetData(&c.etc), c.expected) << c.etc.cfFormat << " " << c.etc.lindex;
        STGMEDIUM medium{};
        HRESULT got = data_->GetData(&c.etc, &medium);
        EXPECT_EQ(got, c.expected);
        if (got == S_OK)
            ReleaseStgMedium(&medium);
    }
    FORMATETC etc = Etc(CF_TEXT, -1);
    STGMEDIUM medium{};
    EXPECT_EQ(data_->SetData(&etc, &medium, FALSE), E_NOTIMPL);
    EXPECT_EQ(data_->GetDataHere(&etc, &medium), E_NOTIMPL);
    EXPECT_EQ(data_->DAdvise(&etc, 0, nullptr, nullptr), OLE_E_ADVISENOTSUPPORTED);
}

TEST_F(DataObjectTest, TheFormatListWalksEveryFormatInOrder)
{
    IEnumFORMATETC* list = nullptr;
    EXPECT_EQ(data_->EnumFormatEtc(DATADIR_SET, &list), E_NOTIMPL);
    EXPECT_EQ(data_->EnumFormatEtc(DATADIR_GET, nullptr), E_INVALIDARG);
    ASSERT_EQ(data_->EnumFormatEtc(DATADIR_GET, &list), S_OK);

    FORMATETC got[3]{};
    ULONG fetched = 99;
    EXPECT_EQ(list->Next(2, got, nullptr), S_FALSE) << "more than one needs a count back";
    EXPECT_EQ(list->Next(3, got, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 2u);
    EXPECT_EQ(got[0].cfFormat, CF_TEXT);
    EXPECT_EQ(got[0].lindex, -1);
    EXPECT_EQ(got[1].cfFormat, kFormat);
    EXPECT_EQ(got[1].lindex, 3);
    EXPECT_EQ(list->Next(1, got, nullptr), S_FALSE) << "at the end";

    EXPECT_EQ(list->Reset(), S_OK);
    EXPECT_EQ(list->Skip(1), S_OK);
    IEnumFORMATETC* copy = nullptr;
    ASSERT_EQ(list->Clone(&copy), S_OK);
    EXPECT_EQ(copy->Next(1, got, nullptr), S_OK);
    EXPECT_EQ(got[0].cfFormat, kFormat) << "the copy goes on where the list was";
    EXPECT_EQ(list->Skip(2), S_FALSE);
    EXPECT_EQ(copy->Release(), 0u);
    EXPECT_EQ(list->Release(), 0u);
}

TEST_F(DataObjectTest, AnswersOnlyForItsOwnInterface)
{
    void* object = nullptr;
    EXPECT_EQ(data_->QueryInterface(IID_IDataObject, &object), S_OK);
    EXPECT_EQ(object, data_);
    static_cast<IUnknown*>(object)->Release();
    EXPECT_EQ(data_->QueryInterface(IID_IDropTarget, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
}

TEST(StgMedium, WithoutAReleaseObjectTheBlockIsFreed)
{
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = GlobalAlloc(GMEM_MOVEABLE, 8);
    HGLOBAL block = medium.hGlobal;
    ReleaseStgMedium(&medium);
    EXPECT_EQ(GlobalSize(block), 0u);
    EXPECT_EQ(medium.tymed, TYMED_NULL);
}

TEST(DragImageHelper, IsTheOnlyClassAndAnswersForBothSides)
{
    void* object = nullptr;
    EXPECT_EQ(CoCreateInstance(IID_IDataObject, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object),
              REGDB_E_CLASSNOTREG);
    ASSERT_EQ(CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDragSourceHelper, &object),
              S_OK);
    auto* source = static_cast<IDragSourceHelper*>(object);
    void* other = nullptr;
    ASSERT_EQ(source->QueryInterface(IID_IDropTargetHelper, &other), S_OK);
    auto* target = static_cast<IDropTargetHelper*>(other);
    EXPECT_EQ(target->Show(TRUE), S_OK);
    EXPECT_EQ(target->Release(), 1u);
    EXPECT_EQ(source->QueryInterface(IID_IDropSource, &other), E_NOINTERFACE);
    EXPECT_EQ(source->Release(), 0u);
}

}  // namespace
}  // namespace dragdrop_test
