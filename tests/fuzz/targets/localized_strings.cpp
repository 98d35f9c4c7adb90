// The localised strings: an XML resource, looked up by message key.
#include "FuzzInput.h"

#include "framework/services/QRVResource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::SetResource("xml", "FuzzStrings", data, size);
    const CQRVResource strings(u"FuzzStrings", u"xml");
    GetLocalizedString(&strings, "ButtonCancel");
    GetLocalizedString(&strings, "FileErrorInvalidId");
    return 0;
}
