#include "framework/ui/HfcDragWin32EnumFORMATETC.h"

#include <algorithm>

CHfcDragWin32EnumFORMATETC::CHfcDragWin32EnumFORMATETC(std::vector<FORMATETC> formats) : m_formats(std::move(formats))
{
    for (FORMATETC& format : m_formats)
        format.ptd = nullptr;
}

HRESULT CHfcDragWin32EnumFORMATETC::Next(ULONG count, FORMATETC* formats, ULONG* fetched)
{
    if (fetched != nullptr)
        *fetched = 0;
    if ((fetched == nullptr && count != 1) || count == 0 || formats == nullptr || m_uIndex >= m_formats.size())
        return S_FALSE;
    const auto copied = static_cast<ULONG>(std::min<std::size_t>(count, m_formats.size() - m_uIndex));
    std::copy_n(m_formats.begin() + static_cast<std::ptrdiff_t>(m_uIndex), copied, formats);
    m_uIndex += copied;
    if (fetched != nullptr)
        *fetched = copied;
    return copied == count ? S_OK : S_FALSE;
}

HRESULT CHfcDragWin32EnumFORMATETC::Skip(ULONG count)
{
    const std::size_t left = m_formats.size() - m_uIndex;
    if (count > left) {
        m_uIndex = m_formats.size();
        return S_FALSE;
    }
    m_uIndex += count;
    return S_OK;
}

HRESULT CHfcDragWin32EnumFORMATETC::Reset()
{
    m_uIndex = 0;
    return S_OK;
}

HRESULT CHfcDragWin32EnumFORMATETC::Clone(IEnumFORMATETC**)
{
    return E_NOTIMPL;
}
