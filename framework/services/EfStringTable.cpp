#include "framework/services/EfStringTable.h"

#include <platform/locale.h>

#include "framework/services/EfTrace.h"

namespace {

constexpr int kEndOfInput = -1;

// A byte 0xFF reads as the end of the input, as the table's format has it.
int NextByte(CHfcFile& file)
{
    unsigned char byte = 0;
    if (file.Read(&byte, 1) != 1 || byte == 0xFF)
        return kEndOfInput;
    return byte;
}

bool IsSpace(int c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The next line that is neither empty nor a comment, without the white space
// before it; false at the end of the input. LF, CR LF and a lone CR all end a
// line: the white space skipped before the next line takes whatever follows a
// CR, so no look-ahead (and no step back at the last byte) is needed.
bool ReadLine(CHfcFile& file, std::string& line)
{
    for (;;) {
        int c = NextByte(file);
        while (IsSpace(c))
            c = NextByte(file);
        if (c == kEndOfInput)
            return false;
        line.clear();
        while (c != kEndOfInput && c != '\n' && c != '\r') {
            if (line.size() < static_cast<std::size_t>(CEfStringTable::kMaxLineLength))
                line += static_cast<char>(c);
            c = NextByte(file);
        }
        if (line[0] != ';')
            return true;
    }
}

}  // namespace

CEfStringTable::CEfStringTable() = default;

int CEfStringTable::SetLanguage(int index)
{
    if (index == -1)
        index = PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) == LANG_JAPANESE ? 1 : 0;
    if (index == 0 || index == 1)
        m_iLanguage = index;
    return index;
}

bool CEfStringTable::LoadFromFile(CHfcFile& file)
{
    std::string line;
    if (!ReadLine(file, line) || line[0] != '*')
        return false;
    std::string keyword;
    do {
        if (line[0] != '*') {
            AddString(keyword.c_str(), line.c_str());
            continue;
        }
        keyword = line.substr(1);
        if (keyword.empty()) {
            EfTrace("zero length keyword.");
            return false;
        }
    } while (ReadLine(file, line));
    return true;
}

void CEfStringTable::AddString(const char* keyword, const char* text)
{
    if (keyword == nullptr || text == nullptr)
        return;
    m_tables[m_iLanguage][keyword].emplace_back(text);
}

const char* CEfStringTable::GetString(const char* keyword, int index) const
{
    if (keyword == nullptr)
        return nullptr;
    const Table& table = m_tables[m_iLanguage];
    const auto found = table.find(keyword);
    if (found == table.end()) {
        EfTrace("CEfStringTable::GetString : Not found key \"%s\"", keyword);
        return nullptr;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= found->second.size())
        return nullptr;
    return found->second[index].c_str();
}

int CEfStringTable::GetNumKeys() const
{
    return static_cast<int>(m_tables[m_iLanguage].size());
}

int CEfStringTable::GetNumStrings(const char* keyword) const
{
    if (keyword == nullptr)
        return 0;
    const Table& table = m_tables[m_iLanguage];
    const auto found = table.find(keyword);
    return found == table.end() ? 0 : static_cast<int>(found->second.size());
}

bool CEfStringTable::Create()
{
    return true;
}
