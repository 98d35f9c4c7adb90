#include "editor/ProgramWindowTitle.h"

#include "model/LibraryData.h"

#include <cstdio>

std::string ProgramWindowTitle(const LibraryData* library, int programIndex, const std::string& ending)
{
    std::string title = library != nullptr ? MakeDocumentTitle(*library).toStdString() : "Untitled";
    char number[16] = {};
    std::snprintf(number, sizeof number, "%03d", programIndex + 1);
    title += " [";
    title += number;
    title += ":";
    ProgramBank* bank = library != nullptr ? library->GetProgramBank() : nullptr;
    if (bank != nullptr && programIndex >= 0 && programIndex < kProgramBankSize)
        title += (*bank)[static_cast<std::size_t>(programIndex)].GetProgramName();
    return title + ending;
}
