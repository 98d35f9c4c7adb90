#pragma once
// Imports an N6 library file: the programs of its program set become
// programs 0, 1, 2 ... of a new bank, translated into this model's image.
// Every failure throws CVpFileException: ReadData for a short read,
// InvalidId for a wrong id, DataSize for sizes that cannot be right.
#include "framework/services/HfcFile.h"
#include "model/LibraryData.h"

// The file is open for reading at its start. A bad file header leaves the
// library as it was; a later failure leaves it cleared, with the programs
// read so far in its new bank.
bool ReadN6LibraryFile(LibraryData& library, CHfcFile& file);
// One set chunk at the file's position, into the bank from program 0 on.
bool ReadN6ProgramSet(ProgramBank& bank, CHfcFile& file);
// One program record at the file's position.
bool ReadN6Program(CProgram& program, CHfcFile& file);
