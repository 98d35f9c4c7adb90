#include "caps.h"

namespace platform::midi {

namespace {

// Length of the UTF-8 sequence that starts with this byte; 1 for a stray byte.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    if (lead >= 0xE0)
        return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

}  // namespace

void CopyPortName(const std::string& name, CHAR (&buffer)[MAXPNAMELEN])
{
    std::size_t used = 0;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(name[i]));
        if (i + length > name.size() || used + length > MAXPNAMELEN - 1)
            break;
        std::memcpy(buffer + used, name.data() + i, length);
        used += length;
        i += length;
    }
    buffer[used] = '\0';
}

void CopyPortName(const std::string& name, WCHAR (&buffer)[MAXPNAMELEN])
{
    std::size_t used = 0;
    for (std::size_t i = 0; i < name.size();) {
        const auto lead = static_cast<unsigned char>(name[i]);
        std::size_t length = SequenceLength(lead);
        if (i + length > name.size())
            length = 1;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(name[i + k]) & 0x3F);
        if (length == 1 && lead >= 0x80)
            code = 0xFFFD;
        i += length;
        const std::size_t units = code >= 0x10000 ? 2 : 1;
        if (used + units > MAXPNAMELEN - 1)
            break;
        if (units == 2) {
            code -= 0x10000;
            buffer[used++] = static_cast<WCHAR>(0xD800 + (code >> 10));
            buffer[used++] = static_cast<WCHAR>(0xDC00 + (code & 0x3FF));
        } else {
            buffer[used++] = static_cast<WCHAR>(code);
        }
    }
    buffer[used] = 0;
}

}  // namespace platform::midi
