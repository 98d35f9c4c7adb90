#pragma once
// "&" in the text of a menu item, a button or a label: the character after
// it is the mnemonic, shown underlined; "&&" shows one "&".
#include <string>

namespace platform::menus {

// A title as shown: without its "&" marks.
std::string ShownTitle(const std::string& text);

struct Mnemonic
{
    int key = -1;                        // the character, lowercase; -1 for none (or not ASCII)
    std::size_t at = std::string::npos;  // its byte offset in the shown title
};
// The first marked character.
Mnemonic MnemonicOf(const std::string& text);

}  // namespace platform::menus
