#pragma once
// The "47300LbP" chunk of an all-data file: the library window's view words.
#include "framework/services/HfcStream.h"
#include "model/LibraryData.h"

inline constexpr const char* kLibraryPropertiesMagic = "47300LbP";
inline constexpr int kLibraryPropertiesChunkSize = 160;

// Throws CVpFileException WriteData when a field does not go out whole.
bool WriteLibraryPropertiesChunk(CHfcOutputStream& stream, const LibraryData& library);
// Throws ReadData, InvalidId or DataSize; words cut short read 0.
bool ReadLibraryPropertiesChunk(CHfcInputStream& stream, LibraryData& library);
