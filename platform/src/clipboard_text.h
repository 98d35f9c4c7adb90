#pragma once
// Text in clipboard blocks: CF_UNICODETEXT holds UTF-16, CF_TEXT UTF-8, both
// ending in a zero.
#include <platform/clipboard.h>

#include <string>

namespace platform::detail {

bool IsTextFormat(UINT format);
// Null when no memory is left.
HGLOBAL MakeTextBlock(UINT format, const std::u16string& text);
// Up to the terminator or the end of the block; empty for no block.
std::u16string ReadTextBlock(UINT format, HGLOBAL block);

}  // namespace platform::detail
