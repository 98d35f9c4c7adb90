#pragma once
// What the master effect and vocoder windows share: a window of fixed size
// that a program edit window opens for one part of its program, titled after
// the program and the part, following the program when the bank is
// rearranged, and forgotten by its opener when it closes.
#include "app/BaseWindow.h"
#include "editor/EditWindowContext.h"

#include <memory>
#include <string>

class CPartEditWindow : public CBaseWindow
{
public:
    struct Setup
    {
        Kind kind;
        const char* caption;      // until the first title
        int width, height;        // of the client area
        const char* titleSuffix;  // after the program's name
    };
    static constexpr int kStyle = kCaption | kCaptionMinimizeBox;

    explicit CPartEditWindow(const Setup& setup);
    ~CPartEditWindow() override;

    // Shows program (0-199) of the context's data as an MDI child at (x, y)
    // of the context's frame; the context's owner hears of its edits and
    // of its closing.
    bool CreateMdiWindow(const EditWindowContext& context, int x, int y, int program);

    // The window's main layer over the whole client area, shown.
    bool CreateRootLayer() override;
    // "<document> [NNN:<name>" and the suffix; set only when it changes.
    void UpdateTitle() override;
    int GetDataKind() override { return 2; }
    // Refused while a control holds the mouse; otherwise the owner forgets
    // the window.
    bool CanClose() override;
    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override;
    void DestroyLayers() override;

    const Setup& GetSetup() const { return m_setup; }

protected:
    virtual std::unique_ptr<CBaseLayer> MakeMainLayer() = 0;
    // The layers over the main layer, once it is built.
    virtual bool AddUpperLayers(CBaseLayer& /*mainLayer*/) { return true; }
    // Event 12: the Show Values preference changed.
    virtual void OnShowValuesChanged() {}
    // What the title ends with after the program's name.
    virtual std::string TitleSuffix() const { return m_setup.titleSuffix; }
    // The window hears no more broadcasts.
    void StopListening();

private:
    Setup m_setup;
    bool m_listening = false;
};
