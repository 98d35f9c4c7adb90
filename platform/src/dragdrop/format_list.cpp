#include "format_list.h"

#include "com_object.h"

#include <algorithm>

namespace platform::dragdrop {
namespace {

class FormatList final : public ComObject<Face<IEnumFORMATETC, IID_IEnumFORMATETC>>
{
public:
    explicit FormatList(std::vector<FORMATETC> formats) : formats_(std::move(formats))
    {
        for (auto& format : formats_)
            format.ptd = nullptr;
    }

    HRESULT Next(ULONG count, FORMATETC* out, ULONG* fetched) override
    {
        if (fetched)
            *fetched = 0;
        if (!out || count == 0 || (!fetched && count != 1))
            return S_FALSE;
        ULONG copied = 0;
        while (copied < count && next_ < formats_.size())
            out[copied++] = formats_[next_++];
        if (fetched)
            *fetched = copied;
        return copied == count ? S_OK : S_FALSE;
    }

    HRESULT Skip(ULONG count) override
    {
        std::size_t left = formats_.size() - next_;
        next_ += std::min<std::size_t>(count, left);
        return count <= left ? S_OK : S_FALSE;
    }

    HRESULT Reset() override
    {
        next_ = 0;
        return S_OK;
    }

    HRESULT Clone(IEnumFORMATETC** copy) override
    {
        if (!copy)
            return E_POINTER;
        auto* list = new FormatList(formats_);
        list->next_ = next_;
        *copy = list;
        return S_OK;
    }

private:
    std::vector<FORMATETC> formats_;
    std::size_t next_ = 0;
};

}  // namespace

IEnumFORMATETC* NewFormatList(std::vector<FORMATETC> formats)
{
    return new FormatList(std::move(formats));
}

}  // namespace platform::dragdrop
