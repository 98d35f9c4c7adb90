#include "framework/ui/HfcDragWin32DropTarget.h"

#include "framework/ui/HfcDragData.h"
#include "framework/ui/HfcDragListener.h"
#include "framework/ui/HfcDropEffect.h"
#include "framework/ui/HfcOle.h"
#include "framework/ui/HfcUiLock.h"

namespace {

constexpr int kPayloadImageSize = 32;

int ModifiersOf(DWORD keyState)
{
    int modifiers = 0;
    if (keyState & MK_SHIFT)
        modifiers |= 1;
    if (keyState & MK_CONTROL)
        modifiers |= 2;
    if (GetAsyncKeyState(VK_MENU) < 0)
        modifiers |= 4;
    return modifiers;
}

}  // namespace

CHfcDragWin32DropTarget::CHfcDragWin32DropTarget(HWND window, CHfcDragListener* listener)
    : m_pListener(listener), m_hWnd(window)
{
    void* helper = nullptr;
    if (SUCCEEDED(
            CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDropTargetHelper, &helper)))
        m_pDropTargetHelper = static_cast<IDropTargetHelper*>(helper);
}

CHfcDragWin32DropTarget::~CHfcDragWin32DropTarget()
{
    if (m_pDropTargetHelper != nullptr)
        m_pDropTargetHelper->Release();
}

void CHfcDragWin32DropTarget::Offer(RawEvent event, IDataObject* data, DWORD keyState, POINTL point, DWORD* effect)
{
    CHfcOleToken* ole = HfcGetOleToken();
    if (m_pListener == nullptr || ole == nullptr)
        return;
    int answer = 0;
    IEnumFORMATETC* formats = nullptr;
    if (data != nullptr && SUCCEEDED(data->EnumFormatEtc(DATADIR_GET, &formats))) {
        CHfcDragData payload;
        payload.Begin(kPayloadImageSize, kPayloadImageSize);
        payload.ReadDataObject(data, formats);
        {
            CHfcUiLock lock;
            (m_pListener->*event)(ole, &payload, point.x, point.y, ModifiersOf(keyState), &answer);
        }
        payload.End();
        formats->Release();
    }
    *effect = HfcDropEffectFromCode(answer);
}

HRESULT CHfcDragWin32DropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect)
{
    m_pDataObject = data;
    if (m_pDropTargetHelper != nullptr) {
        POINT at{point.x, point.y};
        m_pDropTargetHelper->DragEnter(m_hWnd, data, &at, *effect);
    }
    Offer(&CHfcDragListener::OnHfcRawDragEnter, data, keyState, point, effect);
    return S_OK;
}

HRESULT CHfcDragWin32DropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect)
{
    if (m_pDropTargetHelper != nullptr) {
        POINT at{point.x, point.y};
        m_pDropTargetHelper->DragOver(&at, *effect);
    }
    Offer(&CHfcDragListener::OnHfcRawDragOver, m_pDataObject, keyState, point, effect);
    return S_OK;
}

HRESULT CHfcDragWin32DropTarget::DragLeave()
{
    if (m_pDropTargetHelper != nullptr)
        m_pDropTargetHelper->DragLeave();
    CHfcOleToken* ole = HfcGetOleToken();
    if (m_pListener != nullptr && ole != nullptr) {
        m_pDataObject = nullptr;
        CHfcUiLock lock;
        m_pListener->OnHfcRawDragLeave(ole);
    }
    return S_OK;
}

HRESULT CHfcDragWin32DropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect)
{
    CHfcUiLock lock;
    m_pDataObject = data;
    if (m_pDropTargetHelper != nullptr) {
        POINT at{point.x, point.y};
        m_pDropTargetHelper->Drop(data, &at, *effect);
    }
    Offer(&CHfcDragListener::OnHfcRawDrop, data, keyState, point, effect);
    // The data object is the caller's and goes with the drag.
    m_pDataObject = nullptr;
    return S_OK;
}
