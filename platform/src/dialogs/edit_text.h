#pragma once
// The text of a single-line edit control with its selection: what typing,
// erasing and moving the caret do to it. Positions are UTF-16 indexes and
// never split a surrogate pair.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform::dialogs {

inline constexpr std::size_t kDefaultEditLimit = 32767;

class EditText
{
public:
    const std::u16string& Text() const { return text_; }
    std::size_t Caret() const { return caret_; }
    std::size_t SelectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    std::size_t SelectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    bool HasSelection() const { return caret_ != anchor_; }
    std::u16string Selected() const { return text_.substr(SelectionStart(), SelectionEnd() - SelectionStart()); }

    // Users may not make the text longer than this; 0 means no limit.
    void SetLimit(std::size_t limit);
    std::size_t Limit() const { return limit_; }

    // The whole text, whatever the limit; the caret goes to the start.
    void Assign(std::u16string text);
    // Puts as much of the text in place of the selection as the limit
    // allows, stopping at the first line break; false when nothing changed.
    // Nothing changes when none of a text fits.
    bool Replace(std::u16string_view insert);
    // Backspace and Delete: the selection, else the character before or after the caret.
    bool EraseBackward();
    bool EraseForward();

    // The anchor stays where it is when extending, else follows the caret.
    void MoveCaret(std::size_t to, bool extend);
    // The selection from anchor to caret, both clamped to the text.
    void Select(std::size_t anchor, std::size_t caret);

    // One character to the left or right of a position.
    std::size_t Previous(std::size_t at) const;
    std::size_t Next(std::size_t at) const;
    // The start of the word at or before the position, and the end of the one after it.
    std::size_t WordStart(std::size_t at) const;
    std::size_t WordEnd(std::size_t at) const;

private:
    std::size_t Snap(std::size_t at) const;

    std::u16string text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
    std::size_t limit_ = kDefaultEditLimit;
};

}  // namespace platform::dialogs
