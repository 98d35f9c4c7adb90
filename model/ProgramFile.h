#pragma once
// The single-program file "47300PgD" and the program-set file "47300PgS"
// (200 single-program files in bank order). Failures throw CVpFileException.
#include "framework/services/HfcFile.h"
#include "framework/services/HfcStream.h"
#include "model/LibraryData.h"

inline constexpr const char* kProgramFileMagic = "47300PgD";
inline constexpr const char* kProgramSetMagic = "47300PgS";

// Writers leave each program marked saved unless told to keep the marks, so
// a save can mark them only once the whole file is in place.
enum class SavedMark
{
    kMark,
    kKeep,
};

bool WriteProgramFile(CProgram& program, CHfcOutputStream& stream, SavedMark mark = SavedMark::kMark);
bool WriteProgramFile(CProgram& program, CHfcFile& file, SavedMark mark = SavedMark::kMark);
bool WriteProgramSetFile(ProgramBank& bank, CHfcOutputStream& stream, SavedMark mark = SavedMark::kMark);
bool WriteProgramSetFile(ProgramBank& bank, CHfcFile& file, SavedMark mark = SavedMark::kMark);

// Reads everything before the program changes; the program comes out
// converted to the current kind, with the device's fixed patch 6 route, and
// marked saved.
bool ReadProgramFile(CProgram& program, CHfcInputStream& stream);
bool ReadProgramFile(CProgram& program, CHfcFile& file);
// Fills programs 1 to the set's count; the bank changes only when every
// record was read.
bool ReadProgramSetFile(ProgramBank& bank, CHfcInputStream& stream);
bool ReadProgramSetFile(ProgramBank& bank, CHfcFile& file);
