#pragma once
// Text blocks on the clipboard as a program puts and reads them.
#include <platform/clipboard.h>

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

namespace clipboard_test {

struct Block
{
    UINT format;
    std::string bytes;  // with the text's terminator
};

// Empties the clipboard and puts the blocks, as a program copying does.
inline void PutBlocks(std::initializer_list<Block> blocks)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    for (const Block& block : blocks) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.bytes.size());
        std::memcpy(GlobalLock(memory), block.bytes.data(), block.bytes.size());
        GlobalUnlock(memory);
        SetClipboardData(block.format, memory);
    }
    CloseClipboard();
}

// The bytes of a UTF-8 or UTF-16 text with its terminator.
inline std::string BytesOf(const char* text)
{
    return std::string(text, std::strlen(text) + 1);
}
inline std::string BytesOf(const char16_t* text)
{
    return std::string(reinterpret_cast<const char*>(text), (std::char_traits<char16_t>::length(text) + 1) * 2);
}

// The text of a format; "(none)" when the clipboard holds none.
template <class Char>
std::basic_string<Char> ReadText(UINT format)
{
    EXPECT_TRUE(OpenClipboard(nullptr));
    HANDLE block = GetClipboardData(format);
    std::basic_string<Char> text;
    if (block) {
        text = static_cast<const Char*>(GlobalLock(block));
        GlobalUnlock(block);
    } else {
        for (char c : std::string("(none)"))
            text.push_back(Char(c));
    }
    CloseClipboard();
    return text;
}
inline std::string Narrow()
{
    return ReadText<char>(CF_TEXT);
}
inline std::u16string Wide()
{
    return ReadText<char16_t>(CF_UNICODETEXT);
}

}  // namespace clipboard_test
