#pragma once
// The window in which the two master effects of one program are edited: one
// layer, no value display. Its 60 ms tick and the teardown of its layer are
// kept apart by "TimerSemaphore".
#include "editor/PartEditWindow.h"
#include "framework/services/EfSemaphore.h"

class CMasterFxEditWindow : public CPartEditWindow
{
public:
    static constexpr int kWidth = 630;
    static constexpr int kHeight = 518;

    CMasterFxEditWindow();
    ~CMasterFxEditWindow() override;

    // Skipped once the teardown began, and while a tick further up the
    // message thread holds the semaphore: waiting there would never end.
    void OnMMTimer(CMMTimer* timer) override;
    // The layer goes under "TimerSemaphore", or without it when the
    // window is taken down from inside a tick that holds it.
    void DestroyLayers() override;

protected:
    std::unique_ptr<CBaseLayer> MakeMainLayer() override;

private:
    CEfSemaphore m_destroySemaphore{1, "MfxDestroySemaphore"};
    bool m_destroying = false;
};
