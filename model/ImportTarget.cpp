#include "model/ImportTarget.h"

#include "model/ImportedRibbonValues.h"

#include <cstring>

void PrepareImportTarget(LibraryData& target)
{
    target.Clear();
    target.AddItem(LibraryDataItem::kProgramBank);
    target.AddItem(LibraryDataItem::kGlobal);
    if (CGlobal* global = target.GetGlobal())
        global->Initialize();
}

void StoreImportedProgram(CProgram& program, const ImportedProgram& imported)
{
    ProgramRegion& region = program.GetRegion();
    std::memcpy(region.image, imported.image, sizeof region.image);
    UpdateProgramRecordName(program);
    std::memcpy(region.programmerName, imported.programmerName, sizeof region.programmerName);
    std::memcpy(region.comment, imported.comment, sizeof region.comment);
    region.priority = imported.priority;
    region.category = imported.category;
    WriteImportedRibbonValues(region.image);
    program.ResetOscControlMemory();
    program.MarkSaved();
}
