#pragma once
// Lines for the status log, from any part of the editor. The log itself
// belongs to the application shell, which registers it when it is built;
// until then, and after it is gone, lines go nowhere.

// What the status log offers the layers below the shell.
class CStatusLogTarget
{
public:
    // Adds one line; true when it was stored.
    virtual bool AddLine(const char* text) = 0;

protected:
    ~CStatusLogTarget() = default;
};

// Formats at most 1,023 characters and adds them as one line; the log's
// answer, or false while none is registered.
bool LogPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Null unregisters. The log must stay alive while it is registered.
void SetStatusLog(CStatusLogTarget* log);
CStatusLogTarget* GetStatusLog();
