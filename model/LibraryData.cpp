#include "model/LibraryData.h"

namespace {

constexpr std::uint32_t kLastType = LibraryDataItem::kGlobal;
constexpr int kLongestTitle = 32;
constexpr int kShortenedTitle = 29;

}  // namespace

void LibraryDataItem::SetType(std::uint32_t newType)
{
    if (newType == type)
        return;
    FreeContent();
    if (newType == kProgramBank) {
        bank = std::make_unique<ProgramBank>();
        for (CProgram& program : *bank)
            program.Initialize();
    } else if (newType == kGlobal) {
        global = std::make_unique<CGlobal>();
    } else {
        newType = kNone;
    }
    type = newType;
    selection1 = 0;
    selection2 = -1;
    selection3 = -1;
}

void LibraryDataItem::FreeContent()
{
    bank.reset();
    global.reset();
}

LibraryData::LibraryData() = default;

void LibraryData::Clear()
{
    m_items.clear();
    m_viewWords = kDefaultViewWords;
    m_path.clear();
}

LibraryDataItem* LibraryData::AddItem(std::uint32_t type)
{
    if (type > kLastType)
        return nullptr;
    auto item = std::make_unique<LibraryDataItem>();
    if (type != LibraryDataItem::kNone)
        item->SetType(type);
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

LibraryDataItem* LibraryData::FindItem(std::uint32_t type) const
{
    if (type > kLastType)
        return nullptr;
    for (const auto& item : m_items)
        if (item->type == type)
            return item.get();
    return nullptr;
}

void LibraryData::Swap(LibraryData& other) noexcept
{
    m_items.swap(other.m_items);
    m_viewWords.swap(other.m_viewWords);
    std::swap(m_bModified, other.m_bModified);
    m_path.swapWith(other.m_path);
}

LibraryDataItem* LibraryData::GetItem(std::int32_t index) const
{
    if (index < 0 || index >= GetItemCount())
        return nullptr;
    return m_items[static_cast<std::size_t>(index)].get();
}

ProgramBank* LibraryData::GetProgramBank() const
{
    const LibraryDataItem* item = FindItem(LibraryDataItem::kProgramBank);
    return item != nullptr ? item->bank.get() : nullptr;
}

CGlobal* LibraryData::GetGlobal() const
{
    const LibraryDataItem* item = FindItem(LibraryDataItem::kGlobal);
    return item != nullptr ? item->global.get() : nullptr;
}

juce::String MakeDocumentTitle(const LibraryData& library)
{
    const juce::String& path = library.GetPath();
    if (path.isEmpty())
        return "Untitled";
    // Paths from either system's separators.
    const int separator = juce::jmax(path.lastIndexOfChar('\\'), path.lastIndexOfChar('/'));
    juce::String title = path.substring(separator + 1);
    if (title.length() > kLongestTitle)
        title = title.substring(0, kShortenedTitle) + "...";
    return title;
}
