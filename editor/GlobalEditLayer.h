#pragma once
// The frame of the library window's global page: the background under
// both sub-pages, an empty tab strip and the four buttons that receive,
// write, load and save the window's global data. The menu's Receive All,
// Transmit All and Revert to Saved Data reach it while the page shows.
#include "app/BaseLayer.h"

#include <memory>

class CCustomButton;
class CCustomPageButton;
class CHfcBmp;
class CLibraryWindow;

class CGlobalEditLayer : public CBaseLayer
{
public:
    // Control ids, in creation order.
    enum ControlId
    {
        kTabsId = 0,
        kLoadId = 1,
        kSaveId = 2,
        kReceiveId = 3,
        kWriteId = 4,
        kControlCount = 5,
    };
    static constexpr int kEventGlobalChanged = 17;
    static constexpr int kEventGlobalPageChanged = 25;

    CGlobalEditLayer();
    ~CGlobalEditLayer() override;

    bool OnCreate() override;
    bool OnDestroy() override;
    // Repaints the controls that changed, holding the drawing semaphore.
    void OnTimerTick() override;

    void OnReceiveAll() override { ReceiveGlobal(); }
    void OnTransmitAll() override { WriteGlobal(); }
    void ReceiveFromCurrent() override { ReceiveGlobal(); }
    void TransmitToCurrent() override { WriteGlobal(); }
    void OnRevertToSaved() override { RestoreGlobal(); }

    // Each asks first; all but RestoreGlobal do nothing while a modal
    // dialog is open. True when the device answered or took the data.
    bool ReceiveGlobal();
    bool WriteGlobal();
    // Back to the global data as last loaded, saved or received.
    void RestoreGlobal();
    // The global data file dialogs.
    void LoadGlobal();
    void SaveGlobal();
    // The tab strip shows the page and the window rebuilds its sub-pages.
    void SetPage(int page);

    // The buttons act when they are released.
    void OnControlValueChanged(CHfcControl* control, int value) override;

    CCustomPageButton* GetTabs() const { return m_tabs.get(); }
    CCustomButton* GetButton(int id) const;

private:
    CLibraryWindow* GetLibraryWindow() const;
    // Event 17 for this window's data, and the modified mark.
    void AnnounceGlobalChanged();
    // The page's layers take the focus again after a button.
    void RefocusPage();
    void Paint();

    CHfcBmp* m_background = nullptr;
    std::unique_ptr<CCustomPageButton> m_tabs;
    std::unique_ptr<CCustomButton> m_buttons[kControlCount - kLoadId];
};
