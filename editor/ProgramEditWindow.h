#pragma once
// The window that shows one program of a library window on one skinned
// page, from which the user opens the edit windows of the program's parts:
// a timbre synth and a timbre EQ window per timbre, the arpeggiator, the
// vocoder and the master effects. It owns those windows: each opens once,
// 30 pixels right of and below where this window was made, and they close
// before it does.
#include "editor/PartEditWindow.h"

#include <array>

class CProgramEditLayer;

class CProgramEditWindow : public CPartEditWindow
{
public:
    static constexpr int kClientWidth = 594;
    static constexpr int kClientHeight = 482;
    static constexpr int kDependentOffset = 30;

    // The windows of the program's parts, in the order they close.
    enum Dependent
    {
        kTimbre1Synth,
        kTimbre1Eq,
        kTimbre2Synth,
        kTimbre2Eq,
        kArpeggiator,
        kMasterEffect,
        kVocoder,
        kDependentCount,
    };

    CProgramEditWindow();
    ~CProgramEditWindow() override;

    // Shows program (0-199) of the context's data as an MDI child at (x, y)
    // of the context's frame, made but not yet shown; its part windows get
    // the same context.
    bool CreateMdiWindow(const EditWindowContext& context, int x, int y, int program);

    void CloseDependentWindows() override;
    // Refused while a control holds the mouse or a part window refuses to
    // close; otherwise the part windows close first.
    bool CanClose() override;
    void ForgetDependentWindow(CBaseWindow* window) override;
    // Taken down unasked (by its library window or the frame), it still
    // takes its part windows down, those that refuse too, and leaves its
    // owner.
    void DestroyLayers() override;

    // Opens the part's window through the editor's factory, or brings the
    // open one forward: shown and activated either way.
    void OpenDependentWindow(Dependent which);
    CBaseWindow* GetDependentWindow(Dependent which) const;
    CProgramEditLayer* GetPageLayer() const;
    const EditWindowContext& GetContext() const { return m_context; }
    POINT GetCreationPosition() const { return m_creationPosition; }

protected:
    std::unique_ptr<CBaseLayer> MakeMainLayer() override;
    // The message line, when the tips preference is on.
    bool AddUpperLayers(CBaseLayer& mainLayer) override;
    void OnShowValuesChanged() override { ApplyShowValues(); }

private:
    EditWindowContext m_context;
    POINT m_creationPosition{};
    std::array<CBaseWindow*, kDependentCount> m_dependents{};
};
