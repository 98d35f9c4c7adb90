#pragma once
// A file path in a private temporary folder, removed with the folder.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

class ScratchFolder
{
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vq-services-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder() { std::filesystem::remove_all(m_path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string File(const char* name) const { return (m_path / name).string(); }

    std::string WriteFile(const char* name, const std::vector<unsigned char>& bytes) const
    {
        const std::string file = File(name);
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    static std::vector<unsigned char> ReadFile(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path m_path;
};
