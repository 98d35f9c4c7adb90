#pragma once
// The factory preset banks, made by a rule rather than kept as binaries:
// every program starts as the initial program and gets a seeded shaped
// random sound, a name from its category and a running number, and the
// factory's texts. The same preset number always gives the same bank.
#include "model/LibraryData.h"

// Replaces the library with a bank and the initial global data; programs
// from programCount on stay initial programs.
void FillPresetLibrary(LibraryData& library, int preset, int programCount);
