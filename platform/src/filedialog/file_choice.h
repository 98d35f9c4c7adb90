#pragma once
// What a file dialog is asked and how it judges a typed name, apart from
// any window: the current folder, the chosen filter, the default extension
// and the must-exist and overwrite checks.
#include "folder_listing.h"

#include <platform/commdlg.h>

#include <filesystem>
#include <string>
#include <vector>

namespace platform::filedialog {

struct DialogRequest
{
    bool save = false;
    HWND owner = nullptr;
    DWORD flags = 0;
    std::string title;  // as shown: the given one or the standard Open/Save As title
    std::vector<FileFilter> filters;
    int filterIndex = 0;  // 0-based
    std::filesystem::path folder;
    std::string name;  // the name to start with, as text (platform/file_names.h)
    std::string defaultExtension;
};

// Reads the structure; a starting folder that does not exist gives way to
// the current one.
DialogRequest ReadRequest(const OPENFILENAMEW& dialog, bool save);

// What to do with a typed name or path.
struct Decision
{
    enum class Kind
    {
        Stay,      // nothing typed
        Navigate,  // a folder: go into it
        Refuse,    // tell the user `message`; the dialog stays
        Ask,       // ask `message` as a Yes/No question; Yes accepts `path`
        Accept,
    };
    Kind kind = Kind::Stay;
    std::filesystem::path path;
    std::string message;  // UTF-8
};

class FileChoice
{
public:
    explicit FileChoice(DialogRequest request);

    const DialogRequest& Request() const { return request_; }
    const std::filesystem::path& Folder() const { return folder_; }
    int FilterIndex() const { return filterIndex_; }

    // Out of range is ignored.
    void SelectFilter(int index);
    // A sub-folder, ".." or a path; false, and the folder stays, when it
    // is not a folder.
    bool Enter(const std::filesystem::path& folder);
    std::vector<FolderEntry> Listing() const;
    // A relative name is taken in the current folder; a name is text
    // (platform/file_names.h), the paths answered are the system's.
    Decision Decide(const std::string& typed) const;

private:
    DialogRequest request_;
    std::filesystem::path folder_;
    int filterIndex_;
};

}  // namespace platform::filedialog
