#include "app/LastTransmittedProgram.h"

#include "app/EditorShell.h"
#include "model/MidiManagerHost.h"

namespace {

CMidiManagerHost* Host()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? shell->GetMidiManagerHost() : nullptr;
}

}  // namespace

bool IsLastTransmittedProgram(int documentId, int programIndex)
{
    CMidiManagerHost* host = Host();
    CMidiManagerHost::ParameterChangeTarget target{};
    return host != nullptr && host->GetParameterChangeTarget(target) && target.owner == documentId &&
           target.programNumber == programIndex;
}

void StoreLastTransmittedProgram(CProgram* record, int documentId, int programIndex)
{
    if (CMidiManagerHost* host = Host())
        host->SetParameterChangeTarget({record, programIndex, documentId});
}

void ClearLastTransmittedProgramOf(int documentId)
{
    CMidiManagerHost* host = Host();
    CMidiManagerHost::ParameterChangeTarget target{};
    if (host != nullptr && host->GetParameterChangeTarget(target) && target.owner == documentId)
        host->SetParameterChangeTarget({nullptr, -1, 0});
}
