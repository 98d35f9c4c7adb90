#include "app/EditorShellServices.h"

#include "app/EditorShell.h"

namespace editor_shell {

CWindowManager* WindowManager()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? shell->GetWindowManager() : nullptr;
}

CEfSemaphore* DrawingSemaphore()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? &shell->GetDrawingSemaphore() : nullptr;
}

}  // namespace editor_shell
