// Our own numbers for the interfaces and the one class: they only have to
// be distinct within this process.
#include <platform/ole.h>

namespace {

constexpr GUID Id(DWORD serial)
{
    return GUID{0x56510000u | serial, 0x0D0D, 0x4F1E, {0x80, 0, 0, 0, 0, 0, 0, 0x01}};
}

}  // namespace

const IID IID_IUnknown = Id(0);
const IID IID_IDataObject = Id(1);
const IID IID_IEnumFORMATETC = Id(2);
const IID IID_IDropSource = Id(3);
const IID IID_IDropTarget = Id(4);
const IID IID_IDragSourceHelper = Id(5);
const IID IID_IDropTargetHelper = Id(6);
const CLSID CLSID_DragDropHelper = Id(0x100);
