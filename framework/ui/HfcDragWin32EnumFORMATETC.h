#pragma once
// A list of formats handed out by a data object, walked from the start.
#include "framework/ui/HfcComObject.h"

#include <vector>

class CHfcDragWin32EnumFORMATETC : public CHfcComObject<IEnumFORMATETC, IID_IEnumFORMATETC>
{
public:
    // Copies of the formats; their target devices are not kept.
    explicit CHfcDragWin32EnumFORMATETC(std::vector<FORMATETC> formats);

    // Without a count pointer only one format may be asked for. S_OK when
    // every format asked for was copied, S_FALSE otherwise.
    HRESULT Next(ULONG count, FORMATETC* formats, ULONG* fetched) override;
    // S_FALSE when fewer than count were left.
    HRESULT Skip(ULONG count) override;
    HRESULT Reset() override;
    HRESULT Clone(IEnumFORMATETC** copy) override;

private:
    std::vector<FORMATETC> m_formats;
    std::size_t m_uIndex = 0;
};
