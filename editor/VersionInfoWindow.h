#pragma once
// The version window: the editor's version on a skinned page. It has no
// controls and listens to nothing.
#include "editor/ToolWindow.h"

class CVersionInfoLayer : public CToolLayer
{
public:
    static constexpr const char* kVersion = "1.0.0.1";

    CVersionInfoLayer();
    // The page and "Version 1.0.0.1" when it needs drawing.
    void OnTimerTick() override;
};

class CVersionInfoWindow : public CToolWindow
{
public:
    CVersionInfoWindow();

    // "Version" at the setup's place.
    bool CreateMdiWindow(const ToolWindowSetup& setup);
    bool CreateRootLayer() override;
    void UpdateTitle() override;
};
