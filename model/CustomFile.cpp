#include "model/CustomFile.h"

bool CCustomFile::Open(const juce::String& path, int mode)
{
    return CHfcFile::Open(path.toRawUTF8(), mode);
}
