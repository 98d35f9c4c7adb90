#include "editor/SkinnedPage.h"

#include "app/EditorShellServices.h"
#include "app/SemaphoreHold.h"
#include "app/SkinTable.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "framework/ui/HfcWindowLayer.h"

CHfcBmp* ThemedBackground(const char* baseName)
{
    return GetBitmap(ThemedBitmapName(baseName, GetColourTheme()).c_str());
}

void PaintSkinnedPage(CHfcWindowLayer& layer, CHfcBmp* background)
{
    CHfcOffscreenContext* context = layer.GetContext();
    if (context == nullptr)
        return;
    CSemaphoreHold drawing(editor_shell::DrawingSemaphore());
    if (background != nullptr)
        context->DrawBitmap(0, 0, background->GetWidth(), background->GetHeight(), background, 0, 0);
    DrawLogo(context, layer.GetWidth());
}
