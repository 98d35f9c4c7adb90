#pragma once
// A window's drop target: it reads what is dragged over the window into a
// payload and hands it to the window's drag listener, which answers with
// an effect code; the code goes back as the drop effect.
#include "framework/ui/HfcComObject.h"

class CHfcDragData;
class CHfcDragListener;
class CHfcOleToken;

class CHfcDragWin32DropTarget : public CHfcComObject<IDropTarget, IID_IDropTarget>
{
public:
    CHfcDragWin32DropTarget(HWND window, CHfcDragListener* listener);
    // Releases the drag image helper.
    ~CHfcDragWin32DropTarget() override;

    HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT DragLeave() override;
    HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

private:
    using RawEvent = bool (CHfcDragListener::*)(CHfcOleToken*, CHfcDragData*, int, int, int, int*);
    // The payload read afresh for one event and the listener's answer as
    // the drop effect.
    void Offer(RawEvent event, IDataObject* data, DWORD keyState, POINTL point, DWORD* effect);

    IDataObject* m_pDataObject = nullptr;
    CHfcDragListener* m_pListener;
    HWND m_hWnd;
    IDropTargetHelper* m_pDropTargetHelper = nullptr;
};
