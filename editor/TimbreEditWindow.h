#pragma once
// The timbre synth edit window: the synth page of one timbre of one
// program, with its value display and message line. A program edit window
// opens one per timbre; the window follows Prev/Next program switches and
// names its program and timbre in its caption.
#include "editor/PartEditWindow.h"

class CTimbreEditWindow : public CPartEditWindow
{
public:
    CTimbreEditWindow();
    ~CTimbreEditWindow() override;

    // The MDI child at (x, y) for the program (0-199) and the timbre (0 or
    // 1) of the context's library, its page bound to that timbre.
    bool CreateMdiWindow(const EditWindowContext& context, int x, int y, int programIndex, int timbre);

    int GetClassNumber() override { return 1; }

protected:
    std::unique_ptr<CBaseLayer> MakeMainLayer() override;
    // A value display over the page, and the message line.
    bool AddUpperLayers(CBaseLayer& mainLayer) override;
    void OnShowValuesChanged() override { ApplyShowValues(); }
    // "] Timbre N Synth".
    std::string TitleSuffix() const override;
};
