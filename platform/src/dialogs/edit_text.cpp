#include "edit_text.h"

#include <algorithm>

namespace platform::dialogs {
namespace {

bool IsLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}
bool IsHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == 0x3000;
}

}  // namespace

std::size_t EditText::Snap(std::size_t at) const
{
    at = std::min(at, text_.size());
    if (at > 0 && at < text_.size() && IsLowSurrogate(text_[at]) && IsHighSurrogate(text_[at - 1]))
        --at;
    return at;
}

void EditText::SetLimit(std::size_t limit)
{
    limit_ = limit;
}

void EditText::Assign(std::u16string text)
{
    text_ = std::move(text);
    caret_ = anchor_ = 0;
}

bool EditText::Replace(std::u16string_view insert)
{
    insert = insert.substr(0, std::min(insert.find_first_of(u"\r\n"), insert.size()));
    const std::size_t start = SelectionStart(), end = SelectionEnd();
    const std::size_t kept = text_.size() - (end - start);
    const std::size_t room = limit_ == 0 ? insert.size() : (limit_ > kept ? limit_ - kept : 0);
    std::size_t count = std::min(insert.size(), room);
    if (count > 0 && count < insert.size() && IsHighSurrogate(insert[count - 1]))
        --count;
    // Text that finds no room leaves the selection as it is.
    if (count == 0 && (start == end || !insert.empty()))
        return false;
    text_.replace(start, end - start, insert.substr(0, count));
    caret_ = anchor_ = start + count;
    return true;
}

bool EditText::EraseBackward()
{
    if (!HasSelection()) {
        if (caret_ == 0)
            return false;
        anchor_ = Previous(caret_);
    }
    return Replace({});
}

bool EditText::EraseForward()
{
    if (!HasSelection()) {
        if (caret_ == text_.size())
            return false;
        anchor_ = Next(caret_);
    }
    return Replace({});
}

void EditText::MoveCaret(std::size_t to, bool extend)
{
    caret_ = Snap(to);
    if (!extend)
        anchor_ = caret_;
}

void EditText::Select(std::size_t anchor, std::size_t caret)
{
    anchor_ = Snap(anchor);
    caret_ = Snap(caret);
}

std::size_t EditText::Previous(std::size_t at) const
{
    return at == 0 ? 0 : Snap(at - 1);
}

std::size_t EditText::Next(std::size_t at) const
{
    if (at >= text_.size())
        return text_.size();
    return IsHighSurrogate(text_[at]) && at + 1 < text_.size() && IsLowSurrogate(text_[at + 1]) ? at + 2 : at + 1;
}

std::size_t EditText::WordStart(std::size_t at) const
{
    at = Snap(at);
    while (at > 0 && IsSpace(text_[at - 1]))
        --at;
    while (at > 0 && !IsSpace(text_[at - 1]))
        --at;
    return at;
}

std::size_t EditText::WordEnd(std::size_t at) const
{
    at = Snap(at);
    while (at < text_.size() && !IsSpace(text_[at]))
        ++at;
    while (at < text_.size() && IsSpace(text_[at]))
        ++at;
    return at;
}

}  // namespace platform::dialogs
