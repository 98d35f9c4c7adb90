#pragma once
// Drag and drop between the windows of this process: reference-counted
// interfaces for drop targets, drop sources, data objects and format lists,
// the modal drag loop, and the drag image helper. Data travels as global
// memory blocks in clipboard formats (registered numbers are shared with
// the clipboard).
#include <platform/clipboard.h>
#include <platform/gdi.h>
#include <platform/input.h>
#include <platform/memory.h>
#include <platform/types.h>

typedef LONG HRESULT;

#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)

#define S_OK static_cast<HRESULT>(0)
#define S_FALSE static_cast<HRESULT>(1)
#define E_NOTIMPL static_cast<HRESULT>(0x80004001u)
#define E_NOINTERFACE static_cast<HRESULT>(0x80004002u)
#define E_POINTER static_cast<HRESULT>(0x80004003u)
#define E_FAIL static_cast<HRESULT>(0x80004005u)
#define E_UNEXPECTED static_cast<HRESULT>(0x8000FFFFu)
#define E_OUTOFMEMORY static_cast<HRESULT>(0x8007000Eu)
#define E_INVALIDARG static_cast<HRESULT>(0x80070057u)
#define OLE_E_ADVISENOTSUPPORTED static_cast<HRESULT>(0x80040003u)
#define DV_E_FORMATETC static_cast<HRESULT>(0x80040064u)
#define DV_E_DVTARGETDEVICE static_cast<HRESULT>(0x80040065u)
#define DV_E_TYMED static_cast<HRESULT>(0x80040069u)
#define CLASS_E_NOAGGREGATION static_cast<HRESULT>(0x80040110u)
#define REGDB_E_CLASSNOTREG static_cast<HRESULT>(0x80040154u)
#define CO_E_NOTINITIALIZED static_cast<HRESULT>(0x800401F0u)
#define DRAGDROP_S_DROP static_cast<HRESULT>(0x00040100)
#define DRAGDROP_S_CANCEL static_cast<HRESULT>(0x00040101)
#define DRAGDROP_S_USEDEFAULTCURSORS static_cast<HRESULT>(0x00040102)
#define DRAGDROP_E_NOTREGISTERED static_cast<HRESULT>(0x80040100u)
#define DRAGDROP_E_ALREADYREGISTERED static_cast<HRESULT>(0x80040101u)
#define DRAGDROP_E_INVALIDHWND static_cast<HRESULT>(0x80040102u)

// Identifies an interface or a class.
struct GUID
{
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
};
typedef GUID IID;
typedef GUID CLSID;
typedef const IID& REFIID;
typedef const CLSID& REFCLSID;

inline bool operator==(const GUID& a, const GUID& b)
{
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
        return false;
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i])
            return false;
    return true;
}
inline bool IsEqualGUID(const GUID& a, const GUID& b)
{
    return a == b;
}
inline bool IsEqualIID(const IID& a, const IID& b)
{
    return a == b;
}

// Every interface starts with these three; an object deletes itself when
// its last reference goes.
class IUnknown
{
public:
    virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};
typedef IUnknown* LPUNKNOWN;

// Media that only travel by reference: nothing here reads them.
class IStream : public IUnknown
{
protected:
    ~IStream() = default;
};
class IStorage : public IUnknown
{
protected:
    ~IStorage() = default;
};
class IAdviseSink;
class IEnumSTATDATA;

#define DVASPECT_CONTENT 1u

#define TYMED_NULL 0u
#define TYMED_HGLOBAL 1u
#define TYMED_FILE 2u
#define TYMED_ISTREAM 4u
#define TYMED_ISTORAGE 8u
#define TYMED_GDI 16u
#define TYMED_MFPICT 32u
#define TYMED_ENHMF 64u

#define DATADIR_GET 1u
#define DATADIR_SET 2u

typedef WORD CLIPFORMAT;

// A printer description; always null here, and freed with CoTaskMemFree.
struct DVTARGETDEVICE
{
    DWORD tdSize;
};

struct FORMATETC
{
    CLIPFORMAT cfFormat;
    DVTARGETDEVICE* ptd;
    DWORD dwAspect;
    LONG lindex;
    DWORD tymed;
};
typedef FORMATETC* LPFORMATETC;

struct STGMEDIUM
{
    DWORD tymed;
    union
    {
        HANDLE hBitmap;
        HANDLE hMetaFilePict;
        HANDLE hEnhMetaFile;
        HGLOBAL hGlobal;
        LPWSTR lpszFileName;
        IStream* pstm;
        IStorage* pstg;
    };
    IUnknown* pUnkForRelease;
};
typedef STGMEDIUM* LPSTGMEDIUM;

// Frees a medium: with a release object only that object is released;
// otherwise a global block is freed and a stream or storage released.
void ReleaseStgMedium(STGMEDIUM* medium);

class IEnumFORMATETC : public IUnknown
{
public:
    virtual HRESULT Next(ULONG count, FORMATETC* formats, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(IEnumFORMATETC** copy) = 0;

protected:
    ~IEnumFORMATETC() = default;
};

class IDataObject : public IUnknown
{
public:
    virtual HRESULT GetData(FORMATETC* format, STGMEDIUM* medium) = 0;
    virtual HRESULT GetDataHere(FORMATETC* format, STGMEDIUM* medium) = 0;
    virtual HRESULT QueryGetData(FORMATETC* format) = 0;
    virtual HRESULT GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* canonical) = 0;
    virtual HRESULT SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) = 0;
    virtual HRESULT EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) = 0;
    virtual HRESULT DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) = 0;
    virtual HRESULT DUnadvise(DWORD connection) = 0;
    virtual HRESULT EnumDAdvise(IEnumSTATDATA** advises) = 0;

protected:
    ~IDataObject() = default;
};
typedef IDataObject* LPDATAOBJECT;

#define DROPEFFECT_NONE 0u
#define DROPEFFECT_COPY 1u
#define DROPEFFECT_MOVE 2u
#define DROPEFFECT_LINK 4u

// Key states of the drag calls: the mouse keys of the input messages and Alt.
#define MK_ALT 0x0020

struct POINTL
{
    LONG x;
    LONG y;
};

class IDropSource : public IUnknown
{
public:
    // S_OK goes on, DRAGDROP_S_DROP drops, DRAGDROP_S_CANCEL cancels.
    virtual HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keyState) = 0;
    // DRAGDROP_S_USEDEFAULTCURSORS lets the loop show the cursor of the effect.
    virtual HRESULT GiveFeedback(DWORD effect) = 0;

protected:
    ~IDropSource() = default;
};

// The point is on the screen; the effect comes in as what the source
// allows and goes out as what the target would do.
class IDropTarget : public IUnknown
{
public:
    virtual HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) = 0;
    virtual HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) = 0;
    virtual HRESULT DragLeave() = 0;
    virtual HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) = 0;

protected:
    ~IDropTarget() = default;
};

// Counted per process: the first call starts drag and drop, the last
// uninitialise ends it. S_FALSE when it was already up.
HRESULT OleInitialize(LPVOID reserved);
void OleUninitialize();

// The target gets a reference while registered. One target per window.
HRESULT RegisterDragDrop(HWND window, IDropTarget* target);
HRESULT RevokeDragDrop(HWND window);

// Runs the drag until the source drops or cancels: the mouse is captured,
// the registered window under the pointer (or its nearest registered
// ancestor) is the target, and posted messages, paint and timers go on.
// The effect is what the target answered on the drop, NONE when nothing
// was dropped or the target refused.
HRESULT DoDragDrop(IDataObject* data, IDropSource* source, DWORD allowedEffects, DWORD* effect);

LPVOID CoTaskMemAlloc(SIZE_T bytes);
LPVOID CoTaskMemRealloc(LPVOID memory, SIZE_T bytes);
void CoTaskMemFree(LPVOID memory);

// The drag image helper: given a bitmap before DoDragDrop, it shows it
// under the pointer while the drag runs.
// ptOffset is the point of the image that stays under the pointer: the
// image's top-left corner is drawn at the pointer minus ptOffset. A source
// that wants the image to sit as the dragged thing sat under the press
// gives the press point relative to the image's top-left corner. An offset
// outside the image is taken as it is (the image then lies beside the
// pointer), never clamped.
struct SHDRAGIMAGE
{
    SIZE sizeDragImage;
    POINT ptOffset;
    HBITMAP hbmpDragImage;
    COLORREF crColorKey;  // pixels of this colour are not drawn
};

class IDragSourceHelper : public IUnknown
{
public:
    // The pixels are copied; the bitmap stays the caller's.
    virtual HRESULT InitializeFromBitmap(SHDRAGIMAGE* image, IDataObject* data) = 0;
    virtual HRESULT InitializeFromWindow(HWND window, POINT* point, IDataObject* data) = 0;

protected:
    ~IDragSourceHelper() = default;
};

// The drag loop draws the image itself, so these only answer S_OK.
class IDropTargetHelper : public IUnknown
{
public:
    virtual HRESULT DragEnter(HWND target, IDataObject* data, POINT* point, DWORD effect) = 0;
    virtual HRESULT DragLeave() = 0;
    virtual HRESULT DragOver(POINT* point, DWORD effect) = 0;
    virtual HRESULT Drop(IDataObject* data, POINT* point, DWORD effect) = 0;
    virtual HRESULT Show(BOOL show) = 0;

protected:
    ~IDropTargetHelper() = default;
};

#define CLSCTX_INPROC_SERVER 0x1u

extern const IID IID_IUnknown;
extern const IID IID_IDataObject;
extern const IID IID_IEnumFORMATETC;
extern const IID IID_IDropSource;
extern const IID IID_IDropTarget;
extern const IID IID_IDragSourceHelper;
extern const IID IID_IDropTargetHelper;
extern const CLSID CLSID_DragDropHelper;

// Only the drag image helper can be made, for either of its interfaces.
HRESULT CoCreateInstance(REFCLSID classId, IUnknown* outer, DWORD context, REFIID iid, LPVOID* object);
