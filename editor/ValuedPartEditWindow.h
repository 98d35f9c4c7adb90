#pragma once
// A part edit window whose page shows the values of pressed controls in a
// value display above it and, with the tips preference, names the hovered
// parameter on a message line beside the control.
#include "editor/PartEditWindow.h"

class CValuedPartEditWindow : public CPartEditWindow
{
public:
    using CPartEditWindow::CPartEditWindow;

    int GetClassNumber() override { return 1; }

protected:
    // A value display over the main layer, and the message line.
    bool AddUpperLayers(CBaseLayer& mainLayer) override;
    void OnShowValuesChanged() override { ApplyShowValues(); }
};
