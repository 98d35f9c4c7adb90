#include "editor/MasterFxEditWindow.h"

#include "editor/LibraryShell.h"
#include "editor/MasterFxEditLayer.h"
#include "editor/SemaphoreTryHold.h"

#include <memory>

namespace {

constexpr CPartEditWindow::Setup kSetup{CBaseWindow::kMasterEffectWindow, "MFX Edit", CMasterFxEditWindow::kWidth,
                                        CMasterFxEditWindow::kHeight, "] Master FX"};

}  // namespace

CMasterFxEditWindow::CMasterFxEditWindow() : CPartEditWindow(kSetup)
{}

CMasterFxEditWindow::~CMasterFxEditWindow() = default;

std::unique_ptr<CBaseLayer> CMasterFxEditWindow::MakeMainLayer()
{
    return std::make_unique<CMasterFxEditLayer>();
}

void CMasterFxEditWindow::OnMMTimer(CMMTimer* timer)
{
    if (m_destroying)
        return;
    CSemaphoreTryHold hold(library_shell::TimerSemaphore());
    if (!hold.IsBusy())
        CPartEditWindow::OnMMTimer(timer);
}

void CMasterFxEditWindow::DestroyLayers()
{
    StopListening();
    SetTimerEnabled(false);
    {
        CSemaphoreTryHold hold(&m_destroySemaphore);
        m_destroying = true;
    }
    {
        CSemaphoreTryHold hold(library_shell::TimerSemaphore());
        if (CBaseLayer* layer = GetMainLayer()) {
            layer->Close(false);
            RemoveLayer(layer, false);
            SetMainLayer(nullptr);
        }
    }
    CPartEditWindow::DestroyLayers();
}
