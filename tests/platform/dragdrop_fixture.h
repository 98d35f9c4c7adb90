#pragma once
// A drop target and a drop source that record what the drag loop asks,
// owned by the test (their references are only counted), and a fixture
// with drag and drop up on the headless display.
#include "display_fixture.h"

#include <platform/ole.h>
#include <platform/shellapi.h>

#include <functional>
#include <string>
#include <vector>

namespace dragdrop_test {

// Counts references without deleting: the test owns the object and checks
// that every reference the platform took was given back.
template <class Interface, const IID& kId>
class Counted : public Interface
{
public:
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (iid != IID_IUnknown && iid != kId)
            return E_NOINTERFACE;
        *object = this;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++references; }
    ULONG Release() override { return --references; }
    ULONG references = 1;
};

struct TargetCall
{
    std::string name;  // "enter", "over", "leave", "drop"
    DWORD keys = 0;
    POINTL point{0, 0};
};

class RecordingTarget : public Counted<IDropTarget, IID_IDropTarget>
{
public:
    HRESULT DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT DragLeave() override;
    HRESULT Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

    std::vector<std::string> Names() const;

    DWORD answer = DROPEFFECT_MOVE;      // on enter and over
    DWORD dropAnswer = DROPEFFECT_MOVE;  // on the drop
    std::vector<TargetCall> calls;
    // What the data object held in this format when it was dropped.
    UINT readFormat = 0;
    std::string dropped;
    std::vector<std::u16string> droppedFiles;
    std::function<void()> onOver;
};

// Answers as the framework's source does: Escape or both buttons cancel
// while a button is held, no button held drops.
class RecordingSource : public Counted<IDropSource, IID_IDropSource>
{
public:
    HRESULT QueryContinueDrag(BOOL escape, DWORD keys) override;
    HRESULT GiveFeedback(DWORD effect) override;
    std::vector<DWORD> feedback;
};

class DragDropTest : public display_test::DisplayTest
{
protected:
    void SetUp() override;
    void TearDown() override;
    // A data object holding the text in the test format.
    IDataObject* MakeData(const std::string& text);
    // Left button pressed at the point and retrieved, as when a drag starts.
    static void PressAt(int x, int y);

    UINT format_ = 0;
};

// Drags from a window at (100, 100) to a registered target window at
// (400, 100), both 200 pixels square.
class TwoWindowDragTest : public DragDropTest
{
protected:
    void SetUp() override;
    // Revokes the target, which must have got back every reference.
    void TearDown() override;

    HWND from_ = nullptr;
    HWND to_ = nullptr;
    RecordingTarget target_;
};

}  // namespace dragdrop_test
