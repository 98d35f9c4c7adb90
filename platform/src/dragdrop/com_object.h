#pragma once
// A reference-counted object of one or more interfaces that deletes itself
// when the last reference goes; it starts with one reference for its maker.
#include <platform/ole.h>

#include <atomic>
#include <tuple>

namespace platform::dragdrop {

// An interface with the id QueryInterface knows it by.
template <class Interface, const IID& kId>
struct Face
{
    using Type = Interface;
    static const IID& Id() { return kId; }
};

template <class... Faces>
class ComObject : public Faces::Type...
{
public:
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        using First = std::tuple_element_t<0, std::tuple<typename Faces::Type...>>;
        *object = iid == IID_IUnknown ? static_cast<First*>(this) : nullptr;
        ((*object = !*object && iid == Faces::Id() ? static_cast<typename Faces::Type*>(this) : *object), ...);
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++references_; }
    ULONG Release() override
    {
        ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    virtual ~ComObject() = default;

private:
    std::atomic<ULONG> references_{1};
};

}  // namespace platform::dragdrop
