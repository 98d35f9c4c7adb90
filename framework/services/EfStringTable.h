#pragma once
// Keyword string table: each keyword names an ordered list of texts (the
// value names of a parameter), loaded from a plain text file. Two language
// tables stand side by side; look-ups and loads use the current one.
#include <deque>
#include <map>
#include <string>

#include "framework/services/EfObject.h"
#include "framework/services/HfcFile.h"

class CEfStringTable : public CEfObject
{
public:
    // Longest keyword or text kept from one line; the rest of the line is dropped.
    static constexpr int kMaxLineLength = 255;

    CEfStringTable();
    CEfStringTable(const CEfStringTable&) = delete;
    CEfStringTable& operator=(const CEfStringTable&) = delete;
    ~CEfStringTable() override = default;

    // 0 or 1 selects that table; -1 selects 1 for a Japanese user locale and
    // 0 otherwise; any other value changes nothing and is returned as given.
    virtual int SetLanguage(int index);
    // Reads "*Keyword" lines and the text lines under them from the file's
    // current position into the current table. False when the first line is
    // not a keyword or a keyword is empty; lists read before stay.
    virtual bool LoadFromFile(CHfcFile& file);
    // Appends the text to the keyword's list, creating the keyword when new.
    virtual void AddString(const char* keyword, const char* text);
    // The index-th text of the keyword; null for a missing keyword or row.
    // The pointer stays valid while the table lives.
    virtual const char* GetString(const char* keyword, int index) const;
    virtual int GetNumKeys() const;
    // 0 for a missing keyword.
    virtual int GetNumStrings(const char* keyword) const;
    // Subclasses load their own resource here.
    virtual bool Create();

private:
    // A deque keeps every text in place while more are appended.
    using Table = std::map<std::string, std::deque<std::string>>;

    int m_iLanguage = 0;
    Table m_tables[2];
};
