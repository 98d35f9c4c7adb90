#pragma once
// What a library window edits: the bank of 200 programs and the global data
// as items, with the file path and the window's four view words.
#include "model/Global.h"
#include "model/Program.h"

#include <juce_core/juce_core.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

inline constexpr int kProgramBankSize = 200;
// Programs 1 to 200 in order: index n is program n + 1.
using ProgramBank = std::array<CProgram, kProgramBankSize>;

struct LibraryDataItem
{
    enum Type : std::uint32_t
    {
        kNone = 0,
        kProgramBank = 1,
        kGlobal = 2,
    };

    // When the type changes: drops the content and makes the new type's, a
    // bank of initial programs or a default global; an unknown type becomes
    // kNone. The selection words start again at 0, -1, -1.
    void SetType(std::uint32_t newType);
    // Drops the bank and the global.
    void FreeContent();

    std::uint32_t type = kNone;
    std::unique_ptr<ProgramBank> bank;
    std::unique_ptr<CGlobal> global;
    std::uint32_t reserved = 0;
    std::int32_t selection1 = 0;
    std::int32_t selection2 = -1;
    std::int32_t selection3 = -1;
    std::uint8_t flag = 0;
};

class LibraryData
{
public:
    static constexpr int kViewWords = 4;

    // No items, default view words, empty path, not modified.
    LibraryData();
    LibraryData(const LibraryData&) = delete;
    LibraryData& operator=(const LibraryData&) = delete;
    ~LibraryData() = default;

    // Drops every item and resets the view words and the path; the modified
    // flag stays.
    void Clear();
    // A new item of that type; null, with nothing added, for a type above 2.
    LibraryDataItem* AddItem(std::uint32_t type);
    // The first item of the type; null when there is none.
    LibraryDataItem* FindItem(std::uint32_t type) const;
    // Exchanges everything, so a load can fill a fresh library and take it
    // over only when it succeeded.
    void Swap(LibraryData& other) noexcept;

    std::int32_t GetItemCount() const { return static_cast<std::int32_t>(m_items.size()); }
    LibraryDataItem* GetItem(std::int32_t index) const;
    // The bank and the global of the first items of their types; null when absent.
    ProgramBank* GetProgramBank() const;
    CGlobal* GetGlobal() const;

    std::int32_t GetViewWord(int index) const { return m_viewWords.at(static_cast<std::size_t>(index)); }
    void SetViewWord(int index, std::int32_t value) { m_viewWords.at(static_cast<std::size_t>(index)) = value; }
    bool IsModified() const { return m_bModified; }
    void SetModified(bool modified) { m_bModified = modified; }
    const juce::String& GetPath() const { return m_path; }
    void SetPath(const juce::String& path) { m_path = path; }

private:
    static constexpr std::array<std::int32_t, kViewWords> kDefaultViewWords = {0, 0, 1, 127};

    std::vector<std::unique_ptr<LibraryDataItem>> m_items;
    std::array<std::int32_t, kViewWords> m_viewWords = kDefaultViewWords;
    bool m_bModified = false;
    juce::String m_path;
};

// The file name of the library's path, or "Untitled"; a name over 32
// characters is cut to 29 followed by "...".
juce::String MakeDocumentTitle(const LibraryData& library);
