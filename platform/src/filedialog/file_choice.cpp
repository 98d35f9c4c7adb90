#include "file_choice.h"

#include "platform/src/dialogs/standard_texts.h"
#include "platform/src/utf16.h"

#include <platform/file_names.h>

namespace platform::filedialog {
namespace fs = std::filesystem;
namespace {

std::string Narrow(const char16_t* text)
{
    return text ? Utf16ToUtf8(text) : std::string();
}

// The buffer's text up to its NUL, never past its size.
std::string BufferText(const char16_t* buffer, DWORD size)
{
    if (!buffer || size == 0)
        return {};
    const char16_t* end = std::char_traits<char16_t>::find(buffer, size, u'\0');
    const std::u16string text(buffer, end ? end : buffer + size);
    return Utf16ToUtf8(text.c_str());
}

// Without "." and ".." and without a trailing separator.
fs::path Clean(const fs::path& path)
{
    fs::path clean = path.lexically_normal();
    return clean.has_filename() || clean == clean.root_path() ? clean : clean.parent_path();
}

bool IsFolder(const fs::path& path)
{
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

bool Exists(const fs::path& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

fs::path StartFolder(const std::string& initialDir, const fs::path& named)
{
    std::error_code error;
    if (IsFolder(initialDir))
        return Clean(fs::absolute(initialDir, error));
    if (named.has_parent_path() && IsFolder(named.parent_path()))
        return Clean(fs::absolute(named.parent_path(), error));
    return fs::current_path(error);
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

DialogRequest ReadRequest(const OPENFILENAMEW& dialog, bool save)
{
    DialogRequest request;
    request.save = save;
    request.owner = dialog.hwndOwner;
    request.flags = dialog.Flags;
    request.title =
        dialog.lpstrTitle && *dialog.lpstrTitle
            ? Narrow(dialog.lpstrTitle)
            : dialogs::StandardTextOf(save ? dialogs::StandardText::SaveAsTitle : dialogs::StandardText::OpenTitle);
    request.filters = ParseFilters(dialog.lpstrFilter);
    const DWORD index = dialog.nFilterIndex;
    request.filterIndex = index >= 1 && index <= request.filters.size() ? int(index) - 1 : 0;
    const fs::path named = SystemFileName(BufferText(dialog.lpstrFile, dialog.nMaxFile));
    request.folder = StartFolder(SystemFileName(Narrow(dialog.lpstrInitialDir)), named);
    request.name = FileNameText(named.filename().native());
    request.defaultExtension = Narrow(dialog.lpstrDefExt);
    return request;
}

FileChoice::FileChoice(DialogRequest request)
    : request_(std::move(request)), folder_(request_.folder), filterIndex_(request_.filterIndex)
{}

void FileChoice::SelectFilter(int index)
{
    if (index >= 0 && index < int(request_.filters.size()))
        filterIndex_ = index;
}

bool FileChoice::Enter(const fs::path& folder)
{
    const fs::path target = Clean(folder_ / folder);
    if (!IsFolder(target))
        return false;
    folder_ = target;
    return true;
}

std::vector<FolderEntry> FileChoice::Listing() const
{
    const auto& filters = request_.filters;
    return ListFolder(folder_, filters.empty() ? nullptr : &filters[filterIndex_]);
}

Decision FileChoice::Decide(const std::string& typed) const
{
    const std::string text = Trimmed(typed);
    if (text.empty())
        return {};
    fs::path path = (folder_ / SystemFileName(text)).lexically_normal();
    if (IsFolder(path))
        return {Decision::Kind::Navigate, Clean(path), {}};
    if (path.filename().empty())
        return {Decision::Kind::Refuse, path, text + "\nThe folder does not exist.\nCheck the path and try again."};
    if (!request_.defaultExtension.empty() && path.filename().string().find('.') == std::string::npos)
        path += "." + request_.defaultExtension;
    const std::string name = FileNameText(path.filename().native());
    if ((request_.flags & OFN_PATHMUSTEXIST) && !IsFolder(path.parent_path()))
        return {Decision::Kind::Refuse, path,
                FileNameText(path.parent_path().native()) +
                    "\nThe folder does not exist.\nCheck the path and try again."};
    if ((request_.flags & OFN_FILEMUSTEXIST) && !Exists(path))
        return {Decision::Kind::Refuse, path, name + "\nThe file was not found.\nCheck the file name and try again."};
    if (request_.save && (request_.flags & OFN_OVERWRITEPROMPT) && Exists(path))
        return {Decision::Kind::Ask, path, name + " already exists.\nDo you want to replace it?"};
    return {Decision::Kind::Accept, path, {}};
}

}  // namespace platform::filedialog
