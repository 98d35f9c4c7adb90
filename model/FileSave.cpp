#include "model/FileSave.h"

#include "model/AllDataFile.h"
#include "model/DataFileTransfer.h"
#include "model/ProgramFile.h"
#include "model/VpException.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

// A new file beside the target, removed again unless it is committed.
class CTemporaryFile : public CHfcFile
{
public:
    explicit CTemporaryFile(const std::string& target) : m_path(target + ".XXXXXX")
    {
        const int descriptor = ::mkstemp(m_path.data());
        if (descriptor < 0)
            return;
        ::fchmod(descriptor, ModeFor(target));
        m_file = ::fdopen(descriptor, "w");
        if (m_file == nullptr)
            ::close(descriptor);
    }

    ~CTemporaryFile() override
    {
        if (!m_bCommitted) {
            CHfcFile::Close();
            ::unlink(m_path.c_str());
        }
    }

    // Flushes to the disk, closes, and renames over the target.
    void Commit(const std::string& target)
    {
        const bool flushed = std::fflush(m_file) == 0 && ::fsync(::fileno(m_file)) == 0;
        const bool closed = CHfcFile::Close();
        if (!flushed || !closed || std::rename(m_path.c_str(), target.c_str()) != 0)
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

    std::string m_path;
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
    const std::string target = ResolveLinks(path);
    // A file the user may not write stays refused, as opening it would be.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        throw CVpFileException(CVpFileException::FileOpen);
    CTemporaryFile file(target);
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
