#include "app/EditorShell.h"

namespace {
CEditorShell* g_shell = nullptr;
}

CEditorShell* GetEditorShell()
{
    return g_shell;
}

void SetEditorShell(CEditorShell* shell)
{
    g_shell = shell;
}
