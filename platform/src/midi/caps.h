#pragma once
// Filling the capability records of the ports from the backend's port list.
#include "backend.h"

#include <cstring>

namespace platform::midi {

// Copies the UTF-8 name into a fixed buffer, cut at a whole character.
void CopyPortName(const std::string& name, CHAR (&buffer)[MAXPNAMELEN]);
void CopyPortName(const std::string& name, WCHAR (&buffer)[MAXPNAMELEN]);

template <class Caps>
MMRESULT FillCaps(Direction direction, UINT_PTR deviceId, Caps* caps, UINT capsSize)
{
    if (caps == nullptr)
        return MMSYSERR_INVALPARAM;
    PortInfo info;
    if (deviceId > 0xFFFFFFFFu || !ActiveBackend()->Info(direction, static_cast<UINT>(deviceId), info))
        return MMSYSERR_BADDEVICEID;
    Caps filled{};
    filled.wMid = info.idsKnown ? info.manufacturerId : 0;
    filled.wPid = info.idsKnown ? info.productId : 0;
    filled.dwSupport = info.idsKnown ? 0 : MIDICAPS_NO_DRIVER_IDS;
    CopyPortName(info.name, filled.szPname);
    if constexpr (requires { filled.wTechnology; }) {
        filled.wTechnology = MOD_MIDIPORT;
        filled.wChannelMask = 0xFFFF;
    }
    const std::size_t size = capsSize < sizeof(Caps) ? capsSize : sizeof(Caps);
    std::memcpy(caps, &filled, size);
    return MMSYSERR_NOERROR;
}

}  // namespace platform::midi
