#include "dialog_template.h"

#include <platform/dialogs.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <optional>

namespace platform::dialogs {
namespace {

// One statement's words: bare words and quoted texts with \t, \n, \" and \\.
struct Words
{
    std::vector<std::string> items;
    std::vector<bool> quoted;
    std::string error;
};

Words Split(std::string_view line)
{
    Words words;
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            std::string text;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char t = line[i++];
                if (t == '"') {
                    closed = true;
                    break;
                }
                if (t == '\\' && i < line.size()) {
                    char e = line[i++];
                    t = e == 't' ? '\t' : e == 'n' ? '\n' : e;
                }
                text += t;
            }
            if (!closed) {
                words.error = "unterminated text";
                return words;
            }
            words.items.push_back(std::move(text));
            words.quoted.push_back(true);
        } else {
            size_t end = line.find_first_of(" \t\r#\"", i);
            if (end == std::string_view::npos)
                end = line.size();
            words.items.emplace_back(line.substr(i, end - i));
            words.quoted.push_back(false);
            i = end;
        }
    }
    return words;
}

// Positions and sizes are 16-bit in dialog units, which keeps every sum and
// pixel conversion of them far inside an int.
constexpr int kMinPosition = -32768;
constexpr int kMaxUnits = 32767;

// A bare decimal word within [low, high]; a quoted text is never a number.
std::optional<int> Number(const Words& w, size_t index, int low, int high)
{
    if (w.quoted[index])
        return std::nullopt;
    const std::string& word = w.items[index];
    int value = 0;
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<DWORD> Flag(const std::string& word)
{
    if (word == "tabstop")
        return WS_TABSTOP;
    if (word == "group")
        return WS_GROUP;
    if (word == "disabled")
        return WS_DISABLED;
    if (word == "default")
        return BS_DEFPUSHBUTTON;
    if (word == "checkbox")
        return BS_AUTOCHECKBOX;
    if (word == "groupbox")
        return BS_GROUPBOX;
    if (word.size() > 2 && word.starts_with("0x")) {
        DWORD value = 0;
        const char* end = word.data() + word.size();
        auto [ptr, ec] = std::from_chars(word.data() + 2, end, value, 16);
        if (ec == std::errc() && ptr == end)
            return value;
    }
    return std::nullopt;
}

// dialog WIDTH HEIGHT "TITLE" [visible]
std::string ReadDialog(const Words& w, DialogTemplate& dialog)
{
    if (w.items.size() < 4 || !w.quoted[3])
        return "expected: dialog WIDTH HEIGHT \"TITLE\"";
    auto width = Number(w, 1, 1, kMaxUnits);
    auto height = Number(w, 2, 1, kMaxUnits);
    if (!width || !height)
        return "the size must be two numbers from 1 to 32767";
    dialog.width = *width;
    dialog.height = *height;
    dialog.title = w.items[3];
    for (size_t i = 4; i < w.items.size(); ++i) {
        if (w.items[i] != "visible" || w.quoted[i])
            return "unknown dialog flag '" + w.items[i] + "'";
        dialog.visible = true;
    }
    return {};
}

// control CLASS ID "TEXT" X Y WIDTH HEIGHT [flags]
std::string ReadControl(const Words& w, DialogTemplate& dialog)
{
    if (w.items.size() < 8 || !w.quoted[3])
        return "expected: control CLASS ID \"TEXT\" X Y WIDTH HEIGHT";
    ControlTemplate control;
    control.className = w.items[1];
    // The id, then X Y WIDTH HEIGHT after the text.
    const size_t at[5] = {2, 4, 5, 6, 7};
    int numbers[5];
    for (int i = 0; i < 5; ++i) {
        auto n = Number(w, at[i], INT_MIN, INT_MAX);
        if (!n)
            return "'" + w.items[at[i]] + "' is not a number";
        numbers[i] = *n;
    }
    if (numbers[0] < -1 || numbers[0] > 0xFFFF)
        return "the id must be -1 or 0..65535";
    if (numbers[1] < kMinPosition || numbers[1] > kMaxUnits || numbers[2] < kMinPosition || numbers[2] > kMaxUnits)
        return "a control's position must lie within -32768..32767";
    if (numbers[3] < 0 || numbers[3] > kMaxUnits || numbers[4] < 0 || numbers[4] > kMaxUnits)
        return "a control's size must lie within 0..32767";
    control.id = numbers[0];
    control.rect = {numbers[1], numbers[2], numbers[1] + numbers[3], numbers[2] + numbers[4]};
    control.text = w.items[3];
    control.style = WS_CHILD | WS_VISIBLE;
    for (size_t i = 8; i < w.items.size(); ++i) {
        if (w.items[i] == "hidden" && !w.quoted[i]) {
            control.style &= ~DWORD(WS_VISIBLE);
            continue;
        }
        auto flag = Flag(w.items[i]);
        if (!flag || w.quoted[i])
            return "unknown control flag '" + w.items[i] + "'";
        control.style |= *flag;
    }
    dialog.controls.push_back(std::move(control));
    return {};
}

}  // namespace

ParsedDialog ParseDialogText(std::string_view text)
{
    ParsedDialog parsed;
    bool sawDialog = false;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        Words words = Split(line);
        std::string error = words.error;
        if (error.empty() && !words.items.empty()) {
            const std::string& keyword = words.items[0];
            if (keyword == "dialog" && !words.quoted[0])
                error = sawDialog ? "a second dialog statement" : ReadDialog(words, parsed.dialog);
            else if (keyword == "control" && !words.quoted[0])
                error = sawDialog ? ReadControl(words, parsed.dialog) : "a control before the dialog statement";
            else
                error = "unknown statement '" + keyword + "'";
            sawDialog = true;
        }
        if (!error.empty()) {
            parsed.error = "line " + std::to_string(lineNumber) + ": " + error;
            return parsed;
        }
    }
    if (!sawDialog)
        parsed.error = "no dialog statement";
    return parsed;
}

namespace {

int Scale(int units, int numerator, int denominator)
{
    const std::int64_t pixels = std::int64_t{units} * numerator / denominator;
    return static_cast<int>(std::clamp<std::int64_t>(pixels, INT_MIN, INT_MAX));
}

}  // namespace

int DialogUnitsToPixelsX(int units)
{
    return Scale(units, 3, 2);
}
int DialogUnitsToPixelsY(int units)
{
    return Scale(units, 13, 8);
}
int PixelsToDialogUnitsX(int pixels)
{
    return (pixels * 2 + 2) / 3;
}
int PixelsToDialogUnitsY(int pixels)
{
    return (pixels * 8 + 12) / 13;
}

}  // namespace platform::dialogs
