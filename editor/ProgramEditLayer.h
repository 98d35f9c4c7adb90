#pragma once
// The page of the program edit window: an overview of both timbres, the
// program's common settings, the ribbons, the arpeggiator, the vocoder and
// the master effects. Its buttons and double-clicks open the windows of the
// program's parts; its drop areas take and give whole parts of programs.
// Its members are defined by concern in:
//   ProgramEditLayer.cpp     painting, the timer, and presses and events of the controls
//   ProgramEditPage.cpp      the controls, made from the page's layout
//   ProgramEditRefresh.cpp   how the controls and graphs follow the program
//   ProgramEditPartDrop.cpp  whole parts of programs dragged out and dropped
#include "app/EditLayerBase.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CHfcBmp;
class CHfcOffscreenContext;
class CProgramEditWindow;

class CProgramEditLayer : public CEditLayerBase
{
public:
    static constexpr int kWidth = 594;
    static constexpr int kHeight = 482;
    // The event codes of the page's own controls.
    enum PageEvent : std::uint32_t
    {
        kEventEditSynth1 = 257,
        kEventEditSynth2 = 258,
        kEventEditEq1 = 259,
        kEventEditEq2 = 260,
        kEventEditArpeggiator = 261,
        kEventEditVocoder = 262,
        kEventEditMasterEffect = 263,
        kEventMixerBar = 264,
        kEventProgramName = 265,
        kEventKnobLine = 266,
    };
    // What each knob-display line shows.
    enum KnobLine
    {
        kLineArpeggiatorType = 0,
        kLineLatchAndKeySync = 1,
        kLineVocoderSource = 2,
        kLineEmpty = 3,
        kLineEffect1Ribbon = 6,
        kLineEffect2Ribbon = 7,
    };
    // The EQ values a graph was last drawn from; this one draws always.
    static constexpr int kEqNotDrawn = 255;

    CProgramEditLayer();
    ~CProgramEditLayer() override;

    // Builds the page: background, logo and every control, filled from the
    // program.
    bool OnCreate() override;
    bool OnDestroy() override;
    // The page when it needs painting, then the edit base's tick.
    void OnTimerTick() override;
    void RefreshView() override { m_repaint = true; }

    bool WantsParameterMessage(CHfcControl* control) override;
    void UpdateControl(int index) override;
    bool StartBlockDrag(CHfcControl* control, int x, int y) override;
    int QueryBlockDrop(CHfcControl* control, CHfcDragData* data) override;
    bool PasteBlock(CHfcControl* control, CHfcDragData* data, const CBlockData& block, int mode) override;

    void OnControlValueChanged(CHfcControl* control, int value) override;
    bool OnControlDoubleClick(CHfcControl* control, int x, int y, int modifiers) override;
    void OnControlEvent(CHfcControl* control, std::intptr_t word) override;
    bool OnControlMouseDown(CHfcControl* control, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override;

    // The values the EQ graph of a timbre was last drawn from.
    const std::array<int, 4>& GetEqCache(int timbre) const { return m_eqCache.at(static_cast<std::size_t>(timbre)); }

protected:
    const char* DragLabel(CHfcControl* control) override;

private:
    friend class CProgramEditPageBuilder;

    CProgramEditWindow* GetEditWindow() const;
    // The background under a rectangle of the page as a bitmap of its own,
    // for the controls that draw their background whole.
    CHfcBmp* BackgroundPiece(const RECT& area);
    std::int32_t Value(std::uint32_t group, std::uint32_t index, std::uint32_t timbre = 0) const;
    // Timbre 2 plays only in the voice modes that use it.
    bool IsTimbre2Used() const;
    void PaintPage();
    // The name typed into the name field.
    void EnterProgramName(CHfcControl& field, const char* text);
    // A control's enabled state, changed only when it differs.
    static void Enable(CCustomControl& binding, bool enabled);
    void UpdateEqGraph(int index, CCustomControl& binding);
    void UpdateFilterGraph(CHfcControl& control, CCustomControl& binding);
    void UpdateKnobLine(CHfcControl& control, CCustomControl& binding);
    std::string KnobLineText(int kind) const;
    // Whether the block went into the program.
    bool PastePart(CHfcControl& area, const CBlockData& block, int mode);

    CHfcBmp* m_background = nullptr;
    std::vector<std::unique_ptr<CHfcOffscreenContext>> m_backgroundPieces;
    bool m_repaint = true;
    std::array<std::array<int, 4>, 2> m_eqCache{
        {{kEqNotDrawn, kEqNotDrawn, kEqNotDrawn, kEqNotDrawn}, {kEqNotDrawn, kEqNotDrawn, kEqNotDrawn, kEqNotDrawn}}};
};
