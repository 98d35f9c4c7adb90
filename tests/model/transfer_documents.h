#pragma once
// The editor's side of a transfer with the test device: a library with a
// bank named "Lib0" to "Lib199" and a global item, and a program "Mine".
#include "model/LibraryData.h"
#include "support/DeviceMemory.h"

#include <cstring>
#include <string>

class TransferDocuments
{
public:
    TransferDocuments()
    {
        library.AddItem(LibraryDataItem::kProgramBank);
        library.AddItem(LibraryDataItem::kGlobal);
        for (int n = 0; n < kProgramBankSize; ++n)
            SetProgramRecordName(Bank()[n], ("Lib" + std::to_string(n)).c_str());
        program.Initialize();
        SetProgramRecordName(program, "Mine");
    }

    ProgramBank& Bank() { return *library.GetProgramBank(); }
    CGlobal& Global() { return *library.GetGlobal(); }
    DeviceSimulatorCore::GlobalImage GlobalImage()
    {
        DeviceSimulatorCore::GlobalImage image{};
        std::memcpy(image.data(), Global().GetData(), image.size());
        return image;
    }

    LibraryData library;
    CProgram program;
};
