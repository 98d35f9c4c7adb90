#include "menu_text_format.h"

#include <platform/menus.h>

#include <charconv>
#include <sstream>

namespace platform::menus {
namespace {

class LineReader
{
public:
    explicit LineReader(std::string_view line) : rest_(line) {}

    std::string_view Word()
    {
        SkipBlanks();
        std::size_t end = rest_.find_first_of(" \t");
        std::string_view word = rest_.substr(0, end);
        rest_.remove_prefix(word.size());
        return word;
    }
    bool Quoted(std::string* text)
    {
        SkipBlanks();
        if (rest_.empty() || rest_[0] != '"')
            return false;
        for (std::size_t i = 1; i < rest_.size(); ++i) {
            char c = rest_[i];
            if (c == '"') {
                rest_.remove_prefix(i + 1);
                return true;
            }
            if (c == '\\' && i + 1 < rest_.size()) {
                char escaped = rest_[++i];
                if (escaped == 't')
                    c = '\t';
                else if (escaped == '"' || escaped == '\\')
                    c = escaped;
                else
                    return false;
            }
            text->push_back(c);
        }
        return false;
    }
    bool AtEnd()
    {
        SkipBlanks();
        return rest_.empty() || rest_[0] == '#';
    }

private:
    void SkipBlanks()
    {
        while (!rest_.empty() && (rest_[0] == ' ' || rest_[0] == '\t' || rest_[0] == '\r'))
            rest_.remove_prefix(1);
    }
    std::string_view rest_;
};

bool ReadFlags(LineReader& reader, MenuEntry* entry, std::string* error)
{
    while (!reader.AtEnd()) {
        std::string_view flag = reader.Word();
        if (flag == "grayed")
            entry->state |= MFS_GRAYED;
        else if (flag == "disabled")
            entry->state |= MF_DISABLED;
        else if (flag == "checked")
            entry->state |= MFS_CHECKED;
        else if (flag == "break")
            entry->type |= MFT_MENUBREAK;
        else if (flag == "barbreak")
            entry->type |= MFT_MENUBARBREAK;
        else {
            *error = "unknown flag \"" + std::string(flag) + "\"";
            return false;
        }
    }
    return true;
}

bool ReadId(std::string_view word, UINT* id)
{
    unsigned value = 0;
    auto [end, status] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (status != std::errc() || end != word.data() + word.size() || word.empty() || value > 0xFFFF)
        return false;
    *id = value;
    return true;
}

// One statement; opens or closes a popup on the stack.
bool ReadStatement(std::string_view line, std::vector<std::vector<MenuEntry>*>& open, std::string* error)
{
    LineReader reader(line);
    if (reader.AtEnd())
        return true;
    std::string_view keyword = reader.Word();
    MenuEntry entry;
    if (keyword == "end") {
        if (open.size() < 2) {
            *error = "\"end\" without a popup";
            return false;
        }
        open.pop_back();
        return reader.AtEnd() || (*error = "text after \"end\"", false);
    }
    if (keyword == "separator") {
        entry.kind = MenuEntry::Kind::Separator;
        entry.type = MFT_SEPARATOR;
        open.back()->push_back(std::move(entry));
        return reader.AtEnd() || (*error = "text after \"separator\"", false);
    }
    if (keyword == "item") {
        if (!ReadId(reader.Word(), &entry.id)) {
            *error = "an item needs an id from 0 to 65535";
            return false;
        }
    } else if (keyword == "popup") {
        entry.kind = MenuEntry::Kind::Popup;
    } else {
        *error = "unknown statement \"" + std::string(keyword) + "\"";
        return false;
    }
    if (!reader.Quoted(&entry.text)) {
        *error = "expected a text in double quotes";
        return false;
    }
    if (!ReadFlags(reader, &entry, error))
        return false;
    open.back()->push_back(std::move(entry));
    if (keyword == "popup")
        open.push_back(&open.back()->back().children);
    return true;
}

}  // namespace

ParsedMenu ParseMenuText(std::string_view text)
{
    ParsedMenu parsed;
    std::vector<std::vector<MenuEntry>*> open{&parsed.bar};
    int number = 0;
    while (!text.empty()) {
        ++number;
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        std::string error;
        if (!ReadStatement(line, open, &error)) {
            parsed = {{}, "line " + std::to_string(number) + ": " + error};
            return parsed;
        }
    }
    if (open.size() > 1)
        parsed = {{}, "a popup has no \"end\""};
    return parsed;
}

}  // namespace platform::menus
