#pragma once
// A byte file over a buffered stdio stream, opened by path. Readers written
// against it also read resources (CHfcResourceFile) and the editor's own
// wide-path files, which subclass it and open m_file themselves.
#include <cstdint>
#include <cstdio>

class CHfcFile
{
public:
    // Open flags; read and write together open for update.
    static constexpr int kRead = 1;
    static constexpr int kWrite = 2;
    static constexpr int kReadWrite = kRead | kWrite;
    static constexpr int kBinary = 8;

    // Seek origins. Any value other than the first two seeks from the start.
    static constexpr int kFromCurrent = 0;
    static constexpr int kFromEnd = 1;
    static constexpr int kFromStart = 2;

    CHfcFile() = default;
    CHfcFile(const CHfcFile&) = delete;
    CHfcFile& operator=(const CHfcFile&) = delete;
    virtual ~CHfcFile();

    // Paths are file-name text (platform/file_names.h), so any name the
    // system holds opens. Update mode ("r+") never creates the file; write
    // mode creates or truncates it. Flags without read or write fail, and so does anything
    // that is not a regular file: a folder, a device, a pipe.
    virtual bool Open(const char* path, int flags);
    // False when nothing is open or the close failed; the file is forgotten
    // either way, because a failed fclose has still released the stream.
    virtual bool Close();
    virtual int Read(void* buffer, int count);
    virtual int Write(const void* buffer, int count);
    virtual bool Seek(std::int32_t offset, int origin);
    virtual bool GetPosition(std::int32_t& position) const;
    virtual bool IsOpen() const;

    // False for a missing path or a directory.
    static bool GetFileSize(const char* path, std::uint64_t& size);

protected:
    std::FILE* m_file = nullptr;
};
