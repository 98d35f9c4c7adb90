#pragma once
// A private temporary folder of empty files and sub-folders for the file
// dialog tests, removed with the object.
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

#include <stdlib.h>

namespace filedialog_test {

class ScratchTree
{
public:
    // Names ending in '/' are folders, the others empty files; parents are made as needed.
    explicit ScratchTree(std::initializer_list<const char*> entries)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "filedialog-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
        for (const char* entry : entries) {
            const std::filesystem::path path = root_ / entry;
            std::filesystem::create_directories(path.parent_path());
            if (std::string(entry).back() != '/')
                std::ofstream(path).put('x');
        }
    }
    ~ScratchTree() { std::filesystem::remove_all(root_); }
    ScratchTree(const ScratchTree&) = delete;
    ScratchTree& operator=(const ScratchTree&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path operator/(const char* name) const { return root_ / name; }

private:
    std::filesystem::path root_;
};

}  // namespace filedialog_test
