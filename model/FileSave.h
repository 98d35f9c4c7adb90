#pragma once
// Saving and loading the editor's files by path (file-name text,
// platform/file_names.h). A save writes the new file beside the target and
// renames it over the target only when every write, the flush and the close
// succeeded, so a failed save leaves the old file as it was; where the file
// system allows, the new file has no name until it is complete, so a save
// killed half way leaves nothing behind. The target keeps its permissions.
// A path that is a symbolic link saves into the file the link points at, in
// that file's folder; the link stays. Failures throw CVpFileException:
// FileOpen when the file cannot be opened or created, WriteData when it
// cannot be completed.
#include "framework/services/HfcFile.h"
#include "model/LibraryData.h"

#include <functional>

void SaveFileReplacing(const char* path, const std::function<void(CHfcFile& file)>& write);

// Programs are marked saved only once the file is in place.
void SaveAllDataFile(LibraryData& library, const char* path);
void SaveProgramFile(CProgram& program, const char* path);
void SaveProgramSetFile(ProgramBank& bank, const char* path);
void SaveGlobalFile(const CGlobal& global, const char* path);

// Replaces the library only when the whole file was read; the library's
// path becomes the file's.
void LoadAllDataFile(LibraryData& library, const char* path);
