#pragma once
// What the status log, MIDI monitor and version windows share: a skinned
// page of fixed size whose background and logo follow the colour theme, and
// a window that tells the application when it closes and, for the two that
// reopen where they were, when it moves.
#include "app/BaseLayer.h"
#include "app/BaseWindow.h"
#include "editor/layout/WindowLayout.h"

#include <memory>
#include <vector>

class CHfcBmp;
class CHfcControl;
class CHfcCtrlCharStaticText;
class CHfcMenuBar;
class CToolWindowOwner;
struct ToolWindowSetup;

class CToolLayer : public CBaseLayer
{
public:
    // With the logo in the top right corner, or only the background.
    CToolLayer(const layout::Window& layout, bool logo);
    ~CToolLayer() override;

    // The page over the whole client area.
    bool Build(CHfcWindow* window);
    bool OnDestroy() override;

protected:
    // The theme's background and the logo, if any, over the whole page; the
    // caller holds "Semaphore".
    void DrawPage();
    // A one-line text of the layout's control, over its piece of the page.
    CHfcCtrlCharStaticText* AddText(const layout::Control& control);
    // Takes the control once it is created, shows it and adds it to the page.
    template <class Control>
    Control* Keep(std::unique_ptr<Control> control)
    {
        Control* kept = control.get();
        Place(*kept);
        m_controls.push_back(std::move(control));
        return kept;
    }
    // Whether the page is to be drawn whole at the next tick; set when built.
    bool NeedsRepaint() const { return m_bRepaint; }
    void SetNeedsRepaint(bool repaint) { m_bRepaint = repaint; }

    const layout::Window& Layout() const { return m_layout; }
    CHfcBmp* Background() const { return m_pBackground; }

private:
    void Place(CHfcControl& control);

    const layout::Window& m_layout;
    bool m_bLogo;
    CHfcBmp* m_pBackground = nullptr;
    bool m_bRepaint = true;
    std::vector<std::unique_ptr<CHfcControl>> m_controls;
};

class CToolWindow : public CBaseWindow
{
public:
    // A window of that kind with the fixed client size of its layout. One
    // the application places again at the next start (remembered) also
    // hears the window manager's broadcasts and reports its moves.
    CToolWindow(Kind kind, const layout::Window& layout, bool remembered);
    ~CToolWindow() override;

    // Takes the window manager's next number and makes the MDI child at
    // the setup's place over its menu bar.
    bool CreateMdiWindow(const char* title, int flags, const ToolWindowSetup& setup);

    // Refused while a control holds the mouse; otherwise the owner forgets
    // the window.
    bool CanClose() override;
    void OnMoved(int x, int y) override;
    // The owner forgets a window that the frame takes down unasked, too.
    void DestroyLayers() override;

    // Whether its system window was made and is gone again.
    bool IsGone() const { return IsWindowCreated() && GetHandle() == nullptr; }

protected:
    const layout::Window& Layout() const { return m_layout; }

private:
    void ForgetOwner();

    const layout::Window& m_layout;
    bool m_bRemembered;
    CToolWindowOwner* m_pOwner = nullptr;
    bool m_bListening = false;
};
