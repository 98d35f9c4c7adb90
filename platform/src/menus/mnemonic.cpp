#include "mnemonic.h"

#include <cctype>

namespace platform::menus {

std::string ShownTitle(const std::string& text)
{
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        shown.push_back(text[i]);
    }
    return shown;
}

Mnemonic MnemonicOf(const std::string& text)
{
    std::size_t shown = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++shown) {
        if (text[i] != '&' || i + 1 == text.size())
            continue;
        const unsigned char marked = static_cast<unsigned char>(text[++i]);
        if (marked == '&')
            continue;
        if (marked > 0x7F)
            return {};
        return {std::tolower(marked), shown};
    }
    return {};
}

}  // namespace platform::menus
