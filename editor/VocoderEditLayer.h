#pragma once
// The vocoder section of a program as skinned controls: the audio-in and
// filter-modulation sources, the gate switch, the level, gate and filter
// knobs, the 16 bands' pan knobs and level sliders, five LEDs for the
// formant shift and the 16 formant hold levels, which it only shows.
#include "app/EditLayerBase.h"

#include "editor/layout/WindowLayout.h"

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
    bool CreateControl(const layout::Control& place);
    bool CreateField(const layout::Control& place, std::int32_t minimum, std::int32_t maximum);
    bool CreateSwitch(const layout::Control& place);
    bool CreateKnob(const layout::Control& place, std::int32_t minimum, std::int32_t maximum);
    bool CreateSlider(const layout::Control& place, std::int32_t minimum, std::int32_t maximum);
    bool CreateLed(const layout::Control& place);
    bool CreateHoldBar(const layout::Control& place, std::int32_t minimum, std::int32_t maximum);
    // Binds a created control to the place's parameter; the layer keeps it.
    template <class Control>
    bool Keep(std::unique_ptr<Control> control, const layout::Control& place);
    // Creates a control of the place from its descriptor, then keeps it.
    template <class Control, class Descriptor>
    bool Make(const Descriptor& descriptor, const layout::Control& place, std::uint32_t eventCode);

    CHfcBmp* m_background = nullptr;
};
