#pragma once
// The number of dialogs and message boxes open right now. Menu commands are
// refused while it is above 0, so it must never stay raised or go negative.

// 0 at start-up.
int GetDialogRefCount();
void RaiseDialogRefCount();
// A count that would fall below 0 is traced and stays at 0.
void LowerDialogRefCount();

// Holds the count raised for its lifetime.
class CDialogFlag
{
public:
    CDialogFlag() { RaiseDialogRefCount(); }
    ~CDialogFlag() { LowerDialogRefCount(); }
    CDialogFlag(const CDialogFlag&) = delete;
    CDialogFlag& operator=(const CDialogFlag&) = delete;
};
