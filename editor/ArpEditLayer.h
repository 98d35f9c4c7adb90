#pragma once
// The arpeggiator page of a program: type, resolution, octave range, last
// step, gate time, swing, latch, key sync, the timbre it plays and the
// eight step switches, with two arrows that rotate the steps by one.
#include "app/EditLayerBase.h"

class CHfcBmp;

class CArpEditLayer : public CEditLayerBase
{
public:
    static constexpr int kWidth = 342;
    static constexpr int kHeight = 226;
    static constexpr int kSteps = 8;

    CArpEditLayer() = default;
    ~CArpEditLayer() override;

    bool OnCreate() override;
    // The arrows name no parameter.
    bool WantsParameterMessage(CHfcControl* control) override;
    void OnControlValueChanged(CHfcControl* control, int value) override;

    enum Rotation
    {
        kRotateLeft = -1,
        kRotateRight = 1,
    };
    // Every step takes the value of its neighbour on the far side, the end
    // step that of the other end, whatever the last step is: all eight are
    // written and sent in the order they are written, changed or not.
    void RotateSteps(Rotation rotation);

    CHfcBmp* m_background = nullptr;
};
