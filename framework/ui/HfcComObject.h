#pragma once
// The reference counting of the drag-and-drop objects: each answers for
// IUnknown and its own interface only, and deletes itself when its last
// reference goes.
#include <platform/ole.h>

template <class Interface, const IID& kInterfaceId>
class CHfcComObject : public Interface
{
public:
    CHfcComObject() = default;
    virtual ~CHfcComObject() = default;
    CHfcComObject(const CHfcComObject&) = delete;
    CHfcComObject& operator=(const CHfcComObject&) = delete;

    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        if (iid != IID_IUnknown && iid != kInterfaceId) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++m_ulReferences; }
    ULONG Release() override
    {
        const ULONG left = --m_ulReferences;
        if (left == 0)
            delete this;
        return left;
    }

private:
    ULONG m_ulReferences = 1;
};
