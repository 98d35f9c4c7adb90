#pragma once
// Streams over an open CHfcFile (a resource file too). The file is not
// owned: it stays open where the last read or write ended.
#include "framework/services/HfcFile.h"
#include "framework/services/HfcStream.h"

class CHfcFileInputStream : public CHfcInputStream
{
public:
    // Measures the size once, as the offset of the file's last byte: the
    // readers of the editor's formats are written against a size one less
    // than the length, so Skip stops on the last byte. An empty file
    // traces a diagnostic and reports size 0.
    explicit CHfcFileInputStream(CHfcFile& file);

    std::int64_t GetSize() const override { return m_size; }
    std::int64_t GetPosition() const override;
    bool SetPosition(std::int64_t position) override;
    bool IsEndOfStream() const override;
    int Read(void* buffer, int count) override;

private:
    CHfcFile& m_file;
    std::int32_t m_size = 0;
};

class CHfcFileOutputStream : public CHfcOutputStream
{
public:
    // Writes from the file's current position on.
    explicit CHfcFileOutputStream(CHfcFile& file);

    // The bytes written from the start position.
    std::int64_t GetSize() const override { return m_written; }
    // Absolute file positions.
    std::int64_t GetPosition() const override;
    bool SetPosition(std::int64_t position) override;
    bool Write(const void* bytes, int count) override;

private:
    CHfcFile& m_file;
    std::int32_t m_written = 0;
    std::int32_t m_relativePosition = 0;
    std::int32_t m_start = 0;
};
