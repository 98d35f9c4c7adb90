#include <platform/file_names.h>

namespace platform {
namespace {

constexpr char32_t kStandInBase = 0xF700;

bool IsStandIn(char32_t code)
{
    return code >= kStandInBase + 0x80 && code <= kStandInBase + 0xFF;
}

// The length of the well-formed UTF-8 character at `at` and its value; 0
// when the bytes there are none (a stray byte, an overlong form, a
// surrogate, a cut sequence).
int CharacterAt(std::string_view text, std::size_t at, char32_t& code)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0)
        length = 2, code = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, code = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, code = lead & 0x07;
    else
        return 0;
    if (at + length > text.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

// Only characters of the basic plane are ever written here.
void AppendCharacter(std::string& out, char32_t code)
{
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
}

// The text with each stand-in replaced and everything else, well-formed
// or not, kept byte for byte.
template <class Replace>
std::string MapStandIns(std::string_view text, Replace replace)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        const int length = CharacterAt(text, at, code);
        const std::size_t step = length > 0 ? std::size_t(length) : 1;
        if (length > 0 && IsStandIn(code))
            replace(out, code);
        else
            out.append(text, at, step);
        at += step;
    }
    return out;
}

}  // namespace

std::string FileNameText(std::string_view systemName)
{
    std::string text;
    text.reserve(systemName.size());
    for (std::size_t at = 0; at < systemName.size();) {
        char32_t code = 0;
        const int length = CharacterAt(systemName, at, code);
        if (length > 0 && !IsStandIn(code)) {
            text.append(systemName, at, std::size_t(length));
            at += std::size_t(length);
        } else {
            AppendCharacter(text, kStandInBase + static_cast<unsigned char>(systemName[at]));
            ++at;
        }
    }
    return text;
}

std::string SystemFileName(std::string_view text)
{
    return MapStandIns(text, [](std::string& out, char32_t code) { out += static_cast<char>(code - kStandInBase); });
}

std::string ReadableFileName(std::string_view text)
{
    return MapStandIns(text, [](std::string& out, char32_t) { AppendCharacter(out, 0xFFFD); });
}

}  // namespace platform
