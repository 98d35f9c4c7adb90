#include "registry_file.h"

#include <platform/registry.h>

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>

namespace platform::detail {
namespace {

void AppendQuoted(std::string& out, const char* text, size_t length)
{
    static const char kHex[] = "0123456789abcdef";
    out += '"';
    for (size_t i = 0; i < length; ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += "\\x";
                out += kHex[c >> 4];
                out += kHex[c & 15];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads a line of the text form from left to right; any surprise fails it.
class LineReader
{
public:
    explicit LineReader(const std::string& line) : line_(line) {}

    bool Literal(const char* text)
    {
        std::string_view expected(text);
        if (line_.compare(pos_, expected.size(), expected) != 0)
            return false;
        pos_ += expected.size();
        return true;
    }

    bool Quoted(std::string& out)
    {
        if (!Literal("\""))
            return false;
        while (pos_ < line_.size()) {
            char c = line_[pos_++];
            if (c == '"')
                return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= line_.size())
                return false;
            char e = line_[pos_++];
            switch (e) {
            case '"':
            case '\\': out += e; break;
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case 'x': {
                if (pos_ + 2 > line_.size())
                    return false;
                int high = HexDigit(line_[pos_]), low = HexDigit(line_[pos_ + 1]);
                if (high < 0 || low < 0)
                    return false;
                out += static_cast<char>(high * 16 + low);
                pos_ += 2;
                break;
            }
            default: return false;
            }
        }
        return false;
    }

    bool Number(unsigned long long limit, unsigned long long& value)
    {
        size_t start = pos_;
        value = 0;
        while (pos_ < line_.size() && std::isdigit(static_cast<unsigned char>(line_[pos_]))) {
            value = value * 10 + static_cast<unsigned>(line_[pos_++] - '0');
            if (value > limit)
                return false;
        }
        return pos_ > start;
    }

    bool HexBytes(std::vector<BYTE>& out)
    {
        while (pos_ < line_.size()) {
            if (!out.empty() && !Literal(" "))
                return false;
            if (pos_ + 2 > line_.size())
                return false;
            int high = HexDigit(line_[pos_]), low = HexDigit(line_[pos_ + 1]);
            if (high < 0 || low < 0)
                return false;
            out.push_back(static_cast<BYTE>(high * 16 + low));
            pos_ += 2;
        }
        return true;
    }

    bool AtEnd() const { return pos_ == line_.size(); }

private:
    const std::string& line_;
    size_t pos_ = 0;
};

bool ParseLine(const std::string& line, RegistryValues& values)
{
    LineReader reader(line);
    RegistryValue value;
    std::string name;
    if (reader.Literal("dword ")) {
        unsigned long long number;
        if (!reader.Quoted(name) || !reader.Literal(" = ") || !reader.Number(0xFFFFFFFFull, number))
            return false;
        value.type = REG_DWORD;
        for (int i = 0; i < 4; ++i)
            value.bytes.push_back(static_cast<BYTE>(number >> (8 * i)));
    } else if (reader.Literal("sz ")) {
        std::string text;
        if (!reader.Quoted(name) || !reader.Literal(" = ") || !reader.Quoted(text))
            return false;
        value.type = REG_SZ;
        value.bytes.assign(text.begin(), text.end());
        value.bytes.push_back(0);
    } else if (reader.Literal("hex(")) {
        unsigned long long type;
        if (!reader.Number(0xFFFFFFFFull, type) || !reader.Literal(") ") || !reader.Quoted(name) ||
            !reader.Literal(" =") || (!reader.AtEnd() && !reader.Literal(" ")) || !reader.HexBytes(value.bytes))
            return false;
        value.type = static_cast<DWORD>(type);
    } else {
        return false;
    }
    if (!reader.AtEnd())
        return false;
    values[name] = std::move(value);
    return true;
}

}  // namespace

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

std::string FormatRegistryValues(const RegistryValues& values)
{
    std::string out;
    for (const auto& [name, value] : values) {
        const auto& bytes = value.bytes;
        bool plainText = value.type == REG_SZ && !bytes.empty() && bytes.back() == 0 &&
                         std::count(bytes.begin(), bytes.end(), 0) == 1;
        if (value.type == REG_DWORD && bytes.size() == 4) {
            DWORD number = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<DWORD>(bytes[3]) << 24;
            out += "dword ";
            AppendQuoted(out, name.data(), name.size());
            out += " = " + std::to_string(number);
        } else if (plainText) {
            out += "sz ";
            AppendQuoted(out, name.data(), name.size());
            out += " = ";
            AppendQuoted(out, reinterpret_cast<const char*>(bytes.data()), bytes.size() - 1);
        } else {
            out += "hex(" + std::to_string(value.type) + ") ";
            AppendQuoted(out, name.data(), name.size());
            out += " =";
            char hex[4];
            for (BYTE b : bytes) {
                std::snprintf(hex, sizeof hex, " %02x", b);
                out += hex;
            }
        }
        out += '\n';
    }
    return out;
}

RegistryValues ParseRegistryValues(const std::string& text, std::vector<SkippedLine>* skippedLines)
{
    RegistryValues values;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        // A file edited by hand may carry blanks or a carriage return at line ends.
        line.erase(line.find_last_not_of(" \t\r") + 1);
        if (line.empty() || line[0] == '#')
            continue;
        if (!ParseLine(line, values) && skippedLines)
            skippedLines->push_back({number, line});
    }
    return values;
}

std::optional<RegistryValues> ReadRegistryFile(const std::filesystem::path& file,
                                               std::vector<SkippedLine>* skippedLines)
{
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return RegistryValues{};
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (n > 0)
            text.append(buffer, static_cast<size_t>(n));
        else if (errno != EINTR)
            break;
    }
    int readError = errno;
    ::close(fd);
    if (n < 0) {
        errno = readError;
        return std::nullopt;
    }
    return ParseRegistryValues(text, skippedLines);
}

bool WriteRegistryFile(const std::filesystem::path& file, const RegistryValues& values)
{
    std::string text = FormatRegistryValues(values);
    std::filesystem::path temporary = file;
    temporary += ".tmp" + std::to_string(getpid());
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    bool written = done == text.size() && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (written && std::rename(temporary.c_str(), file.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
}

}  // namespace platform::detail
