#pragma once
// A file opened by the path the user chose in a file dialog.
#include "framework/services/HfcFile.h"

#include <juce_core/juce_core.h>

class CCustomFile : public CHfcFile
{
public:
    // The modes the file dialogs open their files in.
    static constexpr int kReadBinary = kRead | kBinary;
    static constexpr int kWriteText = kWrite;

    using CHfcFile::Open;
    // The mode's low two bits: 1 read, 2 write (created or emptied), 3 read
    // and update; 8 binary, else text. True when the file is open.
    virtual bool Open(const juce::String& path, int mode);
};
