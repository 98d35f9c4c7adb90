#pragma once
// A reference-counted object of one interface that deletes itself when
// the last reference goes; it starts with one reference for its maker.
#include <platform/ole.h>

#include <atomic>

namespace platform::dragdrop {

template <class Interface, const IID& kInterfaceId>
class ComObject : public Interface {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        if (iid != IID_IUnknown && iid != kInterfaceId) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++references_; }
    ULONG Release() override
    {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

protected:
    virtual ~ComObject() = default;

private:
    std::atomic<ULONG> references_{1};
};

}  // namespace platform::dragdrop
