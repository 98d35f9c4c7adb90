#pragma once
// Writes the all-data file of the second sibling model ("3918AllD"): its
// 128 programs and its global data, the layout the import reads.
#include "model/LibraryData.h"

// Programs 1-128 of the library's bank and its global. Throws
// CVpFileException as the editor's own savers do.
void WriteSiblingAllDataFile(LibraryData& library, const char* path);
