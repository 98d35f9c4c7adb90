#pragma once
// A data object's stream form written to or read from an open file at its
// current position; the file stays open where the stream stopped.
#include "framework/services/HfcFile.h"
#include "model/VpData.h"

// The data's own result; a CVpFileException it raises passes through.
bool WriteDataToFile(const CVpData& data, CHfcFile& file);
bool ReadDataFromFile(CVpData& data, CHfcFile& file);
