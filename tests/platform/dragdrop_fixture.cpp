#include "dragdrop_fixture.h"

#include <platform/clipboard.h>

namespace dragdrop_test {
namespace {

std::string ReadText(IDataObject* data, UINT format)
{
    FORMATETC etc{CLIPFORMAT(format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data->GetData(&etc, &medium) != S_OK)
        return {};
    const char* bytes = static_cast<const char*>(GlobalLock(medium.hGlobal));
    std::string text(bytes, GlobalSize(medium.hGlobal));
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    return text;
}

std::vector<std::u16string> ReadFiles(IDataObject* data)
{
    FORMATETC etc{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data->GetData(&etc, &medium) != S_OK)
        return {};
    std::vector<std::u16string> files;
    HDROP drop = medium.hGlobal;
    for (UINT i = 0; i < DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0); ++i) {
        std::u16string path(DragQueryFileW(drop, i, nullptr, 0), u'\0');
        DragQueryFileW(drop, i, path.data(), UINT(path.size() + 1));
        files.push_back(path);
    }
    ReleaseStgMedium(&medium);
    return files;
}

}  // namespace

HRESULT RecordingTarget::DragEnter(IDataObject*, DWORD keys, POINTL point, DWORD* effect)
{
    calls.push_back({"enter", keys, point});
    *effect = answer;
    return S_OK;
}

HRESULT RecordingTarget::DragOver(DWORD keys, POINTL point, DWORD* effect)
{
    calls.push_back({"over", keys, point});
    *effect = answer;
    if (onOver)
        onOver();
    return S_OK;
}

HRESULT RecordingTarget::DragLeave()
{
    calls.push_back({"leave", 0, {0, 0}});
    return S_OK;
}

HRESULT RecordingTarget::Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect)
{
    calls.push_back({"drop", keys, point});
    if (readFormat)
        dropped = ReadText(data, readFormat);
    droppedFiles = ReadFiles(data);
    *effect = dropAnswer;
    return S_OK;
}

std::vector<std::string> RecordingTarget::Names() const
{
    std::vector<std::string> names;
    for (const auto& call : calls)
        names.push_back(call.name);
    return names;
}

HRESULT RecordingSource::QueryContinueDrag(BOOL escape, DWORD keys)
{
    const DWORD buttons = keys & (MK_LBUTTON | MK_RBUTTON);
    if (!buttons)
        return DRAGDROP_S_DROP;
    if (escape || buttons == (MK_LBUTTON | MK_RBUTTON))
        return DRAGDROP_S_CANCEL;
    return S_OK;
}

HRESULT RecordingSource::GiveFeedback(DWORD effect)
{
    feedback.push_back(effect);
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

void DragDropTest::SetUp()
{
    DisplayTest::SetUp();
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    format_ = RegisterClipboardFormatA("VqDragTestText");
}

void DragDropTest::TearDown()
{
    OleUninitialize();
    DisplayTest::TearDown();
}

IDataObject* DragDropTest::MakeData(const std::string& text)
{
    IDataObject* data = platform::testing::NewDataObject();
    EXPECT_TRUE(platform::testing::OfferData(data, format_, -1, text.data(), text.size()));
    return data;
}

void TwoWindowDragTest::SetUp()
{
    DragDropTest::SetUp();
    from_ = MakeTop({100, 100, 300, 300});
    to_ = MakeTop({400, 100, 600, 300});
    Pump();
    ASSERT_EQ(RegisterDragDrop(to_, &target_), S_OK);
}

void TwoWindowDragTest::TearDown()
{
    EXPECT_EQ(RevokeDragDrop(to_), S_OK);
    EXPECT_EQ(target_.references, 1u) << "every reference to the target is given back";
    DragDropTest::TearDown();
}

void DragDropTest::PressAt(int x, int y)
{
    platform::testing::PressMouse(platform::testing::MouseButton::Left, x, y);
    platform::testing::PumpMessages();
}

}  // namespace dragdrop_test
