#pragma once
// The bank as a tab-separated report: one header line, then one line per
// program, for reading in a spreadsheet or text editor.
#include "framework/services/HfcStream.h"
#include "model/LibraryData.h"

// Writes the header and the 200 program lines. A failed write raises
// CVpFileException WriteData; what was written so far stays.
void ExportProgramList(CHfcOutputStream& stream, const ProgramBank& bank);

// The line of the program at index 0-199 of its bank; false when a write
// failed.
bool FormatProgramListRow(CHfcOutputStream& stream, const CProgram& program, int index);
