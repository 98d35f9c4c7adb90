#pragma once
// The timbre synth edit window: the synth page of one timbre of one
// program, with its value display and message line. A program edit window
// opens one per timbre; the window follows Prev/Next program switches and
// names its program and timbre in its caption.
#include "app/BaseWindow.h"

struct EditWindowContext;

class CTimbreEditWindow : public CBaseWindow
{
public:
    CTimbreEditWindow();
    ~CTimbreEditWindow() override;

    // The MDI child at (x, y) for the program (0-199) and the timbre (0 or
    // 1) of the context's library; its layers are built on the way.
    bool CreateMdiWindow(const EditWindowContext& context, int x, int y, int programIndex, int timbre);

    bool CreateRootLayer() override;
    void DestroyLayers() override;
    // Refused while a control holds the mouse; otherwise the owner forgets
    // the window.
    bool CanClose() override;
    // "<document> [NNN:<name>] Timbre N Synth", set only when it changes.
    void UpdateTitle() override;
    int GetDataKind() override { return 2; }
    int GetClassNumber() override { return 1; }
    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3,
                                LONG_PTR p4, CWindowManagerListener* sender) override;

private:
    bool m_bListening = false;
};
