#include "framework/ui/HfcFileDialogUnicodeListener.h"

#include "framework/ui/HfcFileDialogUnicode.h"

void CHfcFileDialogUnicodeListener::OnHfcFileDialogAction(CHfcFileDialogUnicode*, int, int)
{}

void CHfcFileDialogUnicodeListener::OnHfcFileDialogEnd(CHfcFileDialogUnicode* dialog, int)
{
    if (dialog == nullptr)
        return;
    dialog->DetachListener();
    delete dialog;
}
