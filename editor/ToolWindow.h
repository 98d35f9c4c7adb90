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
    enum Feature
    {
        kLogo = 1,     // the logo in the top right corner
        kListens = 2,  // hears the window manager's broadcasts
    };

    // features: a combination of Feature.
    CToolLayer(const layout::Window& layout, int features);
    // The controls go with this object, so the page is taken down first.
    ~CToolLayer() override;

    // The page over the whole client area; the layers add their controls.
    virtual bool Build(CHfcWindow* window);
    bool OnDestroy() override;
    // Under "Semaphore": the layer's own step, the whole page when it needs
    // it, then the controls that changed (all of them after a repaint).
    void OnTimerTick() final;

protected:
    // Each tick before any drawing.
    virtual void OnTick() {}
    // After the background and logo were drawn whole.
    virtual void OnPagePainted() {}
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

    const layout::Window& Layout() const { return m_layout; }
    CHfcBmp* Background() const { return m_background; }

private:
    void DrawPage();
    void Place(CHfcControl& control);

    const layout::Window& m_layout;
    int m_features;
    CHfcBmp* m_background = nullptr;
    bool m_repaint = true;
    bool m_listening = false;
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

    // The page of the window's layer, shown.
    bool CreateRootLayer() override;
    // Refused while a control holds the mouse; otherwise the owner forgets
    // the window.
    bool CanClose() override;
    void OnMoved(int x, int y) override;
    // The owner forgets a window that the frame takes down unasked, too.
    void DestroyLayers() override;

protected:
    virtual std::unique_ptr<CToolLayer> MakeLayer() = 0;

private:
    void ForgetOwner();

    const layout::Window& m_layout;
    bool m_remembered;
    CToolWindowOwner* m_pOwner = nullptr;
    bool m_listening = false;
};
