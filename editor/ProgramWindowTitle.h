#pragma once
// The caption of a window that shows one program of a library: the
// library's document title, then " [", the program number 001-200, ":",
// the program's name and the window's own ending.
#include <string>

class LibraryData;

// Without a library the document title is "Untitled"; without its bank the
// name is empty.
std::string ProgramWindowTitle(const LibraryData* library, int programIndex, const std::string& ending);
