#include "framework/services/HfcFile.h"

#include <platform/file_names.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct OpenMode
{
    const char* stdio;  // nullptr when the flags open nothing
    int system;         // the same mode for open(2)
};

OpenMode ModeForFlags(int flags)
{
    // Text and binary mode are the same stream on this system; the
    // distinction stays in the flags only.
    switch (flags & CHfcFile::kReadWrite) {
    case CHfcFile::kRead: return {"r", O_RDONLY};
    case CHfcFile::kWrite: return {"w", O_WRONLY | O_CREAT | O_TRUNC};
    case CHfcFile::kReadWrite: return {"r+", O_RDWR};
    default: return {nullptr, 0};
    }
}

}  // namespace

CHfcFile::~CHfcFile()
{
    if (m_file != nullptr)
        std::fclose(m_file);
}

bool CHfcFile::Open(const char* path, int flags)
{
    CHfcFile::Close();
    const OpenMode mode = ModeForFlags(flags);
    if (mode.stdio == nullptr || path == nullptr)
        return false;
    // Without blocking, so that a pipe without a writer is refused like
    // every other thing that is not a regular file (a folder opens for
    // reading on this system and would fail only at the first read).
    const int descriptor = ::open(platform::SystemFileName(path).c_str(), mode.system | O_NONBLOCK, 0666);
    if (descriptor < 0)
        return false;
    struct stat info;
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode) ||
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(descriptor);
        return false;
    }
    m_file = ::fdopen(descriptor, mode.stdio);
    if (m_file == nullptr)
        ::close(descriptor);
    return m_file != nullptr;
}

bool CHfcFile::Close()
{
    if (m_file == nullptr)
        return false;
    std::FILE* file = m_file;
    m_file = nullptr;
    return std::fclose(file) == 0;
}

int CHfcFile::Read(void* buffer, int count)
{
    if (m_file == nullptr || count <= 0)
        return 0;
    return static_cast<int>(std::fread(buffer, 1, static_cast<std::size_t>(count), m_file));
}

int CHfcFile::Write(const void* buffer, int count)
{
    if (m_file == nullptr || count <= 0)
        return 0;
    return static_cast<int>(std::fwrite(buffer, 1, static_cast<std::size_t>(count), m_file));
}

bool CHfcFile::Seek(std::int32_t offset, int origin)
{
    if (m_file == nullptr)
        return false;
    const int whence = origin == kFromCurrent ? SEEK_CUR : origin == kFromEnd ? SEEK_END : SEEK_SET;
    return std::fseek(m_file, offset, whence) == 0;
}

bool CHfcFile::GetPosition(std::int32_t& position) const
{
    if (m_file == nullptr)
        return false;
    const long offset = std::ftell(m_file);
    if (offset < 0)
        return false;
    position = static_cast<std::int32_t>(static_cast<std::uint32_t>(offset));
    return true;
}

bool CHfcFile::IsOpen() const
{
    return m_file != nullptr;
}

bool CHfcFile::GetFileSize(const char* path, std::uint64_t& size)
{
    struct stat info;
    if (path == nullptr || ::stat(platform::SystemFileName(path).c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    size = static_cast<std::uint64_t>(info.st_size);
    return true;
}
