#pragma once
// The program last sent to the device's edit buffer, so that activating
// windows one after another does not send the same program twice. It is
// the record that the device's parameter changes are written into.
class CProgram;

// Whether the record names (documentId, programIndex); false while nothing
// was sent or no application is registered.
bool IsLastTransmittedProgram(int documentId, int programIndex);
// Stored before the program is sent, whether or not the send succeeds.
void StoreLastTransmittedProgram(CProgram* record, int documentId, int programIndex);
// Forgets the record when it names a program of that document, whose data
// is going; a program of another document stays the device's.
void ClearLastTransmittedProgramOf(int documentId);
