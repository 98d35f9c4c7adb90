#include "model/FileSave.h"

#include "model/AllDataFile.h"
#include "model/DataFileTransfer.h"
#include "model/ProgramFile.h"
#include "model/VpException.h"

#include <platform/file_names.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

namespace {

// The new file. Where the file system allows it, it has no name while it is
// written, so a save killed half way leaves nothing behind; only once it is
// complete is it linked in beside the target and renamed over it at once.
// Elsewhere it is written under a temporary name beside the target, which
// is removed again unless the file is committed.
class CReplacementFile : public CHfcFile
{
public:
    explicit CReplacementFile(const std::string& target)
    {
        const mode_t mode = ModeFor(target);
        int descriptor = OpenUnnamed(target, mode);
        if (descriptor < 0) {
            m_path = target + ".XXXXXX";
            descriptor = ::mkstemp(m_path.data());
            if (descriptor < 0) {
                m_path.clear();
                return;
            }
        }
        ::fchmod(descriptor, mode);
        m_file = ::fdopen(descriptor, "w");
        if (m_file == nullptr)
            ::close(descriptor);
    }

    ~CReplacementFile() override
    {
        if (!m_bCommitted) {
            CHfcFile::Close();
            if (!m_path.empty())
                ::unlink(m_path.c_str());
        }
    }

    // Flushes to the disk, names the file when it has no name yet, closes
    // it, and renames it over the target.
    void Commit(const std::string& target)
    {
        const bool flushed = std::fflush(m_file) == 0 && ::fsync(::fileno(m_file)) == 0;
        const bool named = flushed && (!m_path.empty() || LinkBeside(target));
        const bool closed = CHfcFile::Close();
        if (!named || !closed || std::rename(m_path.c_str(), target.c_str()) != 0)
            throw CVpFileException(CVpFileException::WriteData);
        m_bCommitted = true;
    }

private:
    // The target's own permissions, or those a new file gets.
    static mode_t ModeFor(const std::string& target)
    {
        struct stat info;
        if (::stat(target.c_str(), &info) == 0)
            return info.st_mode & 07777;
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return 0666 & ~mask;
    }

    static std::string DescriptorPath(int descriptor) { return "/proc/self/fd/" + std::to_string(descriptor); }

    // An unnamed file in the target's folder, or -1 where the file system
    // refuses one or it could not be named later.
    static int OpenUnnamed(const std::string& target, mode_t mode)
    {
        const std::string folder = std::filesystem::path(target).parent_path().string();
        const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY, mode);
        if (descriptor >= 0 && ::access(DescriptorPath(descriptor).c_str(), F_OK) != 0) {
            ::close(descriptor);
            return -1;
        }
        return descriptor;
    }

    // Gives the unnamed file a fresh name beside the target.
    bool LinkBeside(const std::string& target)
    {
        std::random_device random;
        const std::string from = DescriptorPath(::fileno(m_file));
        for (int attempt = 0; attempt < 100; ++attempt) {
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, ".%08x", static_cast<unsigned>(random()));
            const std::string name = target + suffix;
            if (::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                m_path = name;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    std::string m_path;  // empty while the file has no name
    bool m_bCommitted = false;
};

// The file a path names once its symbolic links are followed, so that a
// save replaces the file the link points at and leaves the link. A link
// whose target is missing names the file that the save creates.
std::string ResolveLinks(std::string path)
{
    // As many links as the system itself follows before it gives up.
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        const std::filesystem::path link(path);
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(link, error)))
            return path;
        const std::filesystem::path target = std::filesystem::read_symlink(link, error);
        if (error)
            throw CVpFileException(CVpFileException::FileOpen);
        path = (target.is_absolute() ? target : link.parent_path() / target).string();
    }
    throw CVpFileException(CVpFileException::FileOpen);
}

void MarkBankSaved(ProgramBank& bank)
{
    for (CProgram& program : bank)
        program.MarkSaved();
}

}  // namespace

void SaveFileReplacing(const char* path, const std::function<void(CHfcFile& file)>& write)
{
    if (path == nullptr)
        throw CVpFileException(CVpFileException::FileOpen);
    const std::string target = ResolveLinks(platform::SystemFileName(path));
    // A file the user may not write stays refused, as opening it would be.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        throw CVpFileException(CVpFileException::FileOpen);
    CReplacementFile file(target);
    if (!file.IsOpen())
        throw CVpFileException(CVpFileException::FileOpen);
    write(file);
    file.Commit(target);
}

void SaveAllDataFile(LibraryData& library, const char* path)
{
    SaveFileReplacing(path, [&](CHfcFile& file) { WriteAllDataFile(library, file, SavedMark::kKeep); });
    if (ProgramBank* bank = library.GetProgramBank())
        MarkBankSaved(*bank);
}

void SaveProgramFile(CProgram& program, const char* path)
{
    SaveFileReplacing(path, [&](CHfcFile& file) { WriteProgramFile(program, file, SavedMark::kKeep); });
    program.MarkSaved();
}

void SaveProgramSetFile(ProgramBank& bank, const char* path)
{
    SaveFileReplacing(path, [&](CHfcFile& file) { WriteProgramSetFile(bank, file, SavedMark::kKeep); });
    MarkBankSaved(bank);
}

void SaveGlobalFile(const CGlobal& global, const char* path)
{
    SaveFileReplacing(path, [&](CHfcFile& file) { WriteDataToFile(global, file); });
}

void LoadAllDataFile(LibraryData& library, const char* path)
{
    CHfcFile file;
    if (!file.Open(path, CHfcFile::kRead | CHfcFile::kBinary))
        throw CVpFileException(CVpFileException::FileOpen);
    ReadAllDataFile(library, file);
    library.SetPath(juce::String::fromUTF8(path));
}
