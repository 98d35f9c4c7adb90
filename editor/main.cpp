#include "app/AppMain.h"
#include "editor/EditorEditWindows.h"
#include "editor/EditorLibraryWindows.h"
#include "editor/EditorToolWindows.h"

#include <platform/display.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // Without a screen there is nothing to edit with: say so and stop.
    if (!platform::StartDisplay(platform::DisplayKind::Desktop)) {
        std::fprintf(stderr, "vq700z-editor: no display: %s\n", platform::DisplayFailure());
        return 1;
    }
    int code = 0;
    {
        // The windows outlive the application's exit, which closes them.
        CEditorToolWindows toolWindows;
        CEditorLibraryWindows libraryWindows;
        CEditorEditWindows editWindows;
        CAppMain app(std::vector<std::string>(argv + 1, argv + argc));
        code = CHfcAppBase::Run(nullptr, nullptr, nullptr, SW_SHOWNORMAL);
        if (app.HasFailed())
            code = EXIT_FAILURE;
    }
    platform::StopDisplay();
    return code;
}
