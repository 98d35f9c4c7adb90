#pragma once
// The version window: the editor's version on a skinned page. It has no
// controls and listens to nothing.
#include "editor/ToolWindow.h"

class CVersionInfoLayer : public CToolLayer
{
public:
    static constexpr const char* kVersion = "1.0.0.1";

    CVersionInfoLayer();

protected:
    // "Version 1.0.0.1" on the page.
    void OnPagePainted() override;
};

class CVersionInfoWindow : public CToolWindow
{
public:
    CVersionInfoWindow();

    // "Version" at the setup's place.
    bool CreateMdiWindow(const ToolWindowSetup& setup);
    void UpdateTitle() override;

protected:
    std::unique_ptr<CToolLayer> MakeLayer() override;
};
