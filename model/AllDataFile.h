#pragma once
// The all-data file "47300AlD": a program-set chunk, a global chunk and a
// library-properties chunk behind one header.
#include "framework/services/HfcFile.h"
#include "model/LibraryData.h"
#include "model/ProgramFile.h"

#include <string>

// 32, plus 105,632 with a bank, 224 with a global, and 160.
std::int32_t GetAllDataFileSize(const LibraryData& library);

// The header records the chunks really written. Throws CVpFileException
// WriteData when a field does not go out whole.
bool WriteAllDataFile(LibraryData& library, CHfcFile& file, SavedMark mark = SavedMark::kMark);

// Chunks may come in any order; unknown ones are skipped by their own
// sizes. Exactly the header's count of chunks must fill the body: a file
// that ends before its body throws ReadData, sizes that do not add up
// DataSize. The library is replaced, not modified, only when the whole file
// was read: a failure leaves it, its modified flag included, as it was.
bool ReadAllDataFile(LibraryData& library, CHfcFile& file);

// Whether the file at path opens and starts with the all-data magic: the
// quiet test that files named on the command line or dropped on the main
// window pass before they are loaded (and the loader reports errors).
bool IsAllDataFile(const char* path);

// Why the file at path is no all-data file to open, in a few words for the
// user ("No such file or directory", "Is a directory", "Permission denied",
// "Not a VQ-700Z library file"); empty when it is one.
std::string AllDataFileProblem(const char* path);
