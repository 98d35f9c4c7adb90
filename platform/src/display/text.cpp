#include "text.h"

namespace platform::detail {
namespace {

// Length of a sequence from its lead byte; 0 for a byte that cannot lead.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

}  // namespace

std::u16string Utf8ToUtf16(const char* text)
{
    std::u16string out;
    if (!text)
        return out;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        int length = SequenceLength(*p);
        char32_t code = length == 1 ? *p : (*p & (0xFF >> (length + 1)));
        bool valid = length > 0;
        for (int i = 1; valid && i < length; ++i) {
            valid = (p[i] & 0xC0) == 0x80;
            if (valid)
                code = (code << 6) | (p[i] & 0x3F);
        }
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (valid && (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)))
            valid = false;
        if (!valid) {
            out.push_back(u'\uFFFD');
            ++p;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
        p += length;
    }
    return out;
}

}  // namespace platform::detail
