// The program page's commands that change or move programs: the
// clipboard, initialising, the device transfers, program files, reverting
// and the text export.
#include "app/FileManager.h"
#include "app/LastTransmittedProgram.h"
#include "app/MessageBoxes.h"
#include "app/WindowEvents.h"
#include "editor/LibraryShell.h"
#include "editor/LibraryWindow.h"
#include "editor/ProgramClipboardRecord.h"
#include "editor/ProgramListLayer.h"
#include "framework/services/EfTrace.h"
#include "framework/services/HfcClipboard.h"
#include "framework/services/HfcFileStreams.h"
#include "model/MidiManager.h"
#include "model/ProgramListExport.h"
#include "model/VpException.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr int kEventProgramRedraw = 2;

UINT ClipboardFormat()
{
    return CHfcClipboard::RegisterFormat(CProgramListLayer::kClipboardFormat);
}

// Texts read from outside end within their fields.
void TerminateTexts(ProgramRegion& region)
{
    region.name[ProgramRegion::kNameLength] = '\0';
    region.programmerName[sizeof region.programmerName - 1] = '\0';
    region.comment[sizeof region.comment - 1] = '\0';
}

}  // namespace

bool CProgramListLayer::Confirm(const char* key)
{
    return ConfirmAction(key);
}

void CProgramListLayer::Copy()
{
    ProgramBank* bank = GetBank();
    if (IsBusy() || bank == nullptr)
        return;
    const ProgramClipboardRecord record = MakeProgramClipboardRecord(*bank, ReselectFirst());
    if (!CHfcClipboard::Open(GetOwner() != nullptr ? GetOwner()->GetHandle() : nullptr))
        return;
    CHfcClipboard::SetData(ClipboardFormat(), &record, sizeof record);
    CHfcClipboard::Close();
}

void CProgramListLayer::Paste()
{
    if (IsBusy() || GetBank() == nullptr)
        return;
    const int program = ReselectFirst();
    if (PasteFromClipboard(program)) {
        CloseEditWindow(program);
        SetProgramFlags(program, GetProgramFlags(program) | kNeedsRedraw);
        MarkModified();
    }
    RefreshSelection();
    ClearLastTransmittedProgramOf(GetDocumentId());
}

bool CProgramListLayer::PasteFromClipboard(int program)
{
    const UINT format = ClipboardFormat();
    if (!CHfcClipboard::Open(GetOwner() != nullptr ? GetOwner()->GetHandle() : nullptr))
        return false;
    std::uint8_t bytes[sizeof(ProgramClipboardRecord)];
    // A block of another size under the name is no program of ours.
    const int size = CHfcClipboard::GetDataSize(format);
    const bool read = size == static_cast<int>(sizeof bytes) && CHfcClipboard::GetData(format, bytes, size);
    CHfcClipboard::Close();
    const std::optional<ProgramClipboardRecord> record =
        read ? ReadProgramClipboardRecord(bytes, sizeof bytes) : std::nullopt;
    if (!record)
        return false;
    ProgramRegion& region = (*GetBank())[static_cast<std::size_t>(program)].GetRegion();
    region = record->region;
    TerminateTexts(region);
    return true;
}

void CProgramListLayer::Cut()
{
    if (IsBusy())
        return;
    Copy();
    InitializeSelected(false);
}

void CProgramListLayer::InitializeSelected(bool ask)
{
    ProgramBank* bank = GetBank();
    if (IsBusy() || bank == nullptr || (ask && !Confirm("InitializeProgram")))
        return;
    for (int program : SelectedPrograms()) {
        InitializeProgramRecord((*bank)[static_cast<std::size_t>(program)]);
        SetProgramFlags(program, GetProgramFlags(program) | kNeedsRedraw);
        CloseEditWindow(program);
        MarkModified();
    }
    RefreshSelection();
    ClearLastTransmittedProgramOf(GetDocumentId());
}

void CProgramListLayer::ShowReceivedPrograms(const std::vector<int>& programs)
{
    if (programs.empty())
        return;
    for (int program : programs)
        CloseEditWindow(program);
    for (int program = 0; program < kProgramBankSize; ++program)
        SetProgramFlags(program, GetProgramFlags(program) | kNeedsRedraw);
    MarkModified();
    RefreshSelection();
}

bool CProgramListLayer::ReceiveSelectedProgram()
{
    CMidiManager* midi = library_shell::MidiManager();
    ProgramBank* bank = GetBank();
    if (IsBusy() || bank == nullptr || !Confirm("ReceiveProgram") || midi == nullptr)
        return false;
    std::vector<int> received;
    bool complete = true;
    for (int program : SelectedPrograms()) {
        if (!midi->ReceiveProgram((*bank)[static_cast<std::size_t>(program)], program)) {
            complete = false;
            break;
        }
        received.push_back(program);
    }
    // What arrived before a failure shows and counts as a change too.
    ShowReceivedPrograms(received);
    return complete;
}

bool CProgramListLayer::WriteSelectedProgram()
{
    CMidiManager* midi = library_shell::MidiManager();
    ProgramBank* bank = GetBank();
    if (IsBusy() || bank == nullptr || !Confirm("WriteProgram") || midi == nullptr)
        return false;
    for (int program : SelectedPrograms()) {
        if (!midi->WriteProgram((*bank)[static_cast<std::size_t>(program)], program))
            return false;
    }
    return true;
}

bool CProgramListLayer::ReceiveAllPrograms()
{
    CMidiManager* midi = library_shell::MidiManager();
    if (IsBusy() || m_library == nullptr || GetBank() == nullptr || !Confirm("ReceiveAllPrograms") || midi == nullptr)
        return false;
    const bool received = midi->ReceiveAllPrograms(*m_library);
    // A receive that stopped early still filled the programs before it.
    std::vector<int> filled;
    for (int program = 0; program < kProgramBankSize; ++program) {
        if (midi->GetReceivedPrograms().test(static_cast<std::size_t>(program)))
            filled.push_back(program);
    }
    ShowReceivedPrograms(filled);
    return received;
}

bool CProgramListLayer::WriteAllPrograms()
{
    CMidiManager* midi = library_shell::MidiManager();
    return !IsBusy() && m_library != nullptr && Confirm("WriteAllPrograms") && midi != nullptr &&
           midi->WriteAllPrograms(*m_library);
}

void CProgramListLayer::ReceiveProgram()
{
    CMidiManager* midi = library_shell::MidiManager();
    ProgramBank* bank = GetBank();
    if (IsBusy() || bank == nullptr || !Confirm("ReceiveProgram") || midi == nullptr)
        return;
    const int program = std::max(FirstSelected(), 0);
    if (!midi->ReceiveProgram((*bank)[static_cast<std::size_t>(program)], program)) {
        ShowSimpleMessageBox("Receive Program Failed", midi->GetErrorText().c_str());
        return;
    }
    ShowReceivedPrograms({program});
    ShowSimpleMessageBox("Receive Program", "Receive succeeded.");
}

void CProgramListLayer::TransmitProgram()
{
    CMidiManager* midi = library_shell::MidiManager();
    ProgramBank* bank = GetBank();
    if (IsBusy() || bank == nullptr || !Confirm("WriteProgram") || midi == nullptr)
        return;
    const int program = std::max(FirstSelected(), 0);
    if (midi->WriteProgram((*bank)[static_cast<std::size_t>(program)], program))
        ShowSimpleMessageBox("Transmit Program", "Transmit succeeded.");
    else
        ShowSimpleMessageBox("Transmit Program Failed", midi->GetErrorText().c_str());
}

void CProgramListLayer::ReceiveFromCurrent()
{
    CMidiManager* midi = library_shell::MidiManager();
    ProgramBank* bank = GetBank();
    if (IsBusy() || bank == nullptr || midi == nullptr || !midi->IsReady())
        return;
    const int program = ReselectFirst();
    if (!midi->ReceiveCurrentProgram((*bank)[static_cast<std::size_t>(program)], GetDocumentId(), program))
        return;
    DrawRow(program, true);
    CloseEditWindow(program);
    MarkModified();
    UpdateHeaderFields();
    PostMessageToAll(kEventProgramDataChanged, program, -1, GetDocumentId(), 0);
    PostMessageToAll(kEventProgramReceived, program, -1, 0, 0);
}

void CProgramListLayer::TransmitToCurrent()
{
    if (!IsBusy())
        SendSelectedProgramToDevice(std::max(FirstSelected(), 0));
}

void CProgramListLayer::RestoreProgram()
{
    ProgramBank* bank = GetBank();
    if (IsBusy() || bank == nullptr || !Confirm("RestoreProgram"))
        return;
    const std::vector<int> reverted = SelectedPrograms();
    for (int program : reverted) {
        RevertProgramRecord((*bank)[static_cast<std::size_t>(program)]);
        SetProgramFlags(program, GetProgramFlags(program) | kNeedsRedraw);
        CloseEditWindow(program);
        MarkModified();
        PostMessageToAll(kEventProgramDataChanged, program, -1, GetDocumentId(), 0);
        PostMessageToAll(kEventProgramRedraw, program, -1, GetDocumentId(), 0);
    }
    RefreshSelection();
    if (reverted.size() == 1 && IsAutoDumpOn())
        SendSelectedProgramToDevice(reverted.front());
}

void CProgramListLayer::OpenProgramFile()
{
    CFileManager* files = library_shell::FileManager();
    if (IsBusy() || GetBank() == nullptr || files == nullptr)
        return;
    const int program = ReselectFirst();
    try {
        if (files->LoadProgram((*GetBank())[static_cast<std::size_t>(program)]) != CFileManager::kDone)
            return;
    } catch (const char* failure) {
        EfTrace("CProgramListLayer::OpenProgramFile - %s", failure);
        return;
    }
    DrawRow(program, true);
    CloseEditWindow(program);
    MarkModified();
    UpdateHeaderFields();
}

void CProgramListLayer::SaveProgramFile()
{
    CFileManager* files = library_shell::FileManager();
    if (IsBusy() || GetBank() == nullptr || files == nullptr)
        return;
    const int program = ReselectFirst();
    try {
        files->SaveProgram((*GetBank())[static_cast<std::size_t>(program)]);
    } catch (const char* failure) {
        EfTrace("CProgramListLayer::SaveProgramFile - %s", failure);
    }
}

void CProgramListLayer::ExportListText()
{
    CFileManager* files = library_shell::FileManager();
    if (IsBusy() || GetBank() == nullptr || files == nullptr)
        return;
    std::unique_ptr<CCustomFile> file;
    try {
        if (files->ShowSaveReportDialog(file) != CFileManager::kDone || file == nullptr)
            return;
    } catch (const char* failure) {
        EfTrace("CProgramListLayer::ExportListText - %s", failure);
        return;
    }
    try {
        CHfcFileOutputStream stream(*file);
        ExportProgramList(stream, *GetBank());
    } catch (const CVpFileException& error) {
        files->ReportFileException(error, "TitleSaveReport");
    }
    file->Close();
}
