#include "dialog_template.h"

#include <platform/dialogs.h>

#include <charconv>
#include <optional>

namespace platform::dialogs {
namespace {

// One statement's words: bare words and quoted texts with \t, \n, \" and \\.
struct Words {
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
            if (end == std::string_view::npos) end = line.size();
            words.items.emplace_back(line.substr(i, end - i));
            words.quoted.push_back(false);
            i = end;
        }
    }
    return words;
}

std::optional<int> Number(const std::string& word)
{
    int value = 0;
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::optional<DWORD> Flag(const std::string& word)
{
    if (word == "tabstop") return WS_TABSTOP;
    if (word == "group") return WS_GROUP;
    if (word == "disabled") return WS_DISABLED;
    if (word == "default") return BS_DEFPUSHBUTTON;
    if (word == "checkbox") return BS_AUTOCHECKBOX;
    if (word == "groupbox") return BS_GROUPBOX;
    if (word.size() > 2 && word.starts_with("0x")) {
        DWORD value = 0;
        const char* end = word.data() + word.size();
        auto [ptr, ec] = std::from_chars(word.data() + 2, end, value, 16);
        if (ec == std::errc() && ptr == end) return value;
    }
    return std::nullopt;
}

// dialog WIDTH HEIGHT "TITLE" [visible]
std::string ReadDialog(const Words& w, DialogTemplate& dialog)
{
    if (w.items.size() < 4 || !w.quoted[3]) return "expected: dialog WIDTH HEIGHT \"TITLE\"";
    auto width = Number(w.items[1]);
    auto height = Number(w.items[2]);
    if (!width || !height || *width <= 0 || *height <= 0) return "the size must be two positive numbers";
    dialog.width = *width;
    dialog.height = *height;
    dialog.title = w.items[3];
    for (size_t i = 4; i < w.items.size(); ++i) {
        if (w.items[i] != "visible") return "unknown dialog flag '" + w.items[i] + "'";
        dialog.visible = true;
    }
    return {};
}

// control CLASS ID "TEXT" X Y WIDTH HEIGHT [flags]
std::string ReadControl(const Words& w, DialogTemplate& dialog)
{
    if (w.items.size() < 8 || !w.quoted[3]) return "expected: control CLASS ID \"TEXT\" X Y WIDTH HEIGHT";
    ControlTemplate control;
    control.className = w.items[1];
    int numbers[5];
    for (int i = 0; i < 5; ++i) {
        const std::string& word = w.items[i == 0 ? 2 : 3 + i];
        auto n = Number(word);
        if (!n) return "'" + word + "' is not a number";
        numbers[i] = *n;
    }
    if (numbers[0] < -1 || numbers[0] > 0xFFFF) return "the id must be -1 or 0..65535";
    if (numbers[3] < 0 || numbers[4] < 0) return "a control's size cannot be negative";
    control.id = numbers[0];
    control.rect = {numbers[1], numbers[2], numbers[1] + numbers[3], numbers[2] + numbers[4]};
    control.text = w.items[3];
    control.style = WS_CHILD | WS_VISIBLE;
    for (size_t i = 8; i < w.items.size(); ++i) {
        if (w.items[i] == "hidden") {
            control.style &= ~DWORD(WS_VISIBLE);
            continue;
        }
        auto flag = Flag(w.items[i]);
        if (!flag || w.quoted[i]) return "unknown control flag '" + w.items[i] + "'";
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
    if (!sawDialog) parsed.error = "no dialog statement";
    return parsed;
}

int DialogUnitsToPixelsX(int units) { return units * 3 / 2; }
int DialogUnitsToPixelsY(int units) { return units * 13 / 8; }

}  // namespace platform::dialogs
