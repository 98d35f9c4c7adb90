#pragma once
// The vocoder section of a program as skinned controls: the audio-in and
// filter-modulation sources, the gate switch, the level, gate and filter
// knobs, the 16 bands' pan knobs and level sliders, five LEDs for the
// formant shift and the 16 formant hold levels, which it only shows.
#include "app/EditLayerBase.h"

class CHfcBmp;

class CVocoderEditLayer : public CEditLayerBase
{
public:
    static constexpr int kControlCount = 67;

    CVocoderEditLayer();
    ~CVocoderEditLayer() override;

    bool OnCreate() override;
    // Only the controls the user edits speak on the message line.
    bool WantsParameterMessage(CHfcControl* control) override;
    bool Create(int x, int y, int width, int height, CHfcWindow* window) override;

private:
    CHfcBmp* m_background = nullptr;
};
