#include "model/DataFileTransfer.h"

#include "framework/services/HfcFileStreams.h"

bool WriteDataToFile(const CVpData& data, CHfcFile& file)
{
    CHfcFileOutputStream stream(file);
    return data.WriteToStream(stream);
}

bool ReadDataFromFile(CVpData& data, CHfcFile& file)
{
    CHfcFileInputStream stream(file);
    return data.ReadFromStream(stream);
}
