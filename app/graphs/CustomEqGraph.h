#pragma once
// The magnitude response of a chain of biquad EQ bands over a logarithmic
// frequency axis, with a square per band that the user drags to change the
// band's frequency and gain (with Alt, its width). The graph computes
// nothing about the EQ: the owner gives it every band's frequency, gain and
// coefficients and turns the reported drags into parameter values.
#include "app/CustomControl.h"

#include "framework/ui/HfcControl.h"

#include <cstdint>
#include <vector>

struct CustomEqGraphDescriptor
{
    int x = 0;
    int y = 0;
    int width = 120;
    int height = 61;
    CHfcBmp* background = nullptr;
    int backgroundX = 0;
    int backgroundY = 0;
    int bandCount = 4;
    // The axes' edges and the ranges a drag reports within.
    float leftFrequency = 16.0f;
    float rightFrequency = 24000.0f;
    float lowestDragFrequency = 20.0f;
    float highestDragFrequency = 20000.0f;
    float bottomGain = -18.0f;
    float topGain = 18.0f;
    float lowestDragGain = -18.0f;
    float highestDragGain = 18.0f;
    ARGB curveColor = 0xFF7F7F7F;
    ARGB selectedFill = 0xFFFF0000;
    ARGB selectedFrame = 0xFFFFFFFF;
    ARGB otherFill = 0xFF000000;
    ARGB otherFrame = 0xFFFFFFFF;
};

// A band: where its square sits, its width and its biquad (a0 = 1).
struct CustomEqBand
{
    float frequency = 1000.0f;
    float width = 0.3f;
    float gain = 0.0f;
    float b0 = 1.0f;
    float b1 = 0.0f;
    float b2 = 0.0f;
    float a1 = 0.0f;
    float a2 = 0.0f;
};

// What SetData takes.
struct CustomEqGraphRecord
{
    enum EKind : int
    {
        kFrequency,
        kWidth,
        kGain,
        kCoefficients,  // b0, b1, b2, a1, a2
        kSampleRate,
        kSelect
    };
    int kind;
    int band;
    float values[5];
};

// What the owner's OnControlEvent receives, by address.
struct CustomEqGraphReport
{
    enum EKind : int
    {
        kFrequencyAndGain,
        kWidth
    };
    int kind;
    int band;
    float value1;
    float value2;
};

class CCustomEqGraph : public CHfcControl, public CCustomControl
{
public:
    static constexpr int kControlType = 19;
    static constexpr std::uint32_t kEventCode = 7;
    static constexpr float kDefaultSampleRate = 44100.0f;
    // Half the side of the square a press must land in.
    static constexpr int kHitReach = 4;

    // False without a descriptor.
    bool Create(const CustomEqGraphDescriptor* descriptor, std::uint32_t id);
    void Destroy() override;
    void ResetParameters() override;
    void Draw(CHfcDrawContext* context) override;
    // Takes a CustomEqGraphRecord; a band outside the graph changes nothing,
    // though the redraw flag still marks the graph dirty.
    void SetData(const void* data, bool redraw) override;

    void SetEnabled(bool enabled) override;
    int GetControlType() const override { return kControlType; }

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseCaptureReleased(CHfcMouse* mouse) override;

    // The summed response of every band at f Hz, in dB.
    float ResponseAt(float frequency) const;
    // The axes, relative to the graph: -1 off the axis.
    float FrequencyToX(float frequency) const;
    float XToFrequency(float x) const;
    float GainToY(float gain) const;
    float YToGain(float y) const;

    const CustomEqGraphDescriptor& GetDescriptor() const { return m_descriptor; }
    const std::vector<CustomEqBand>& GetBands() const { return m_bands; }
    float GetSampleRate() const { return m_sampleRate; }
    int GetSelectedBand() const { return m_selectedBand; }
    int GetDraggedBand() const { return m_draggedBand; }

private:
    // The first band whose square holds the point; -1 for none.
    int BandAt(int x, int y) const;
    void ReportDrag();
    void DrawCurve(CHfcDrawContext* context);
    void DrawSquares(CHfcDrawContext* context);

    CustomEqGraphDescriptor m_descriptor;
    std::vector<CustomEqBand> m_bands;
    float m_sampleRate = kDefaultSampleRate;
    int m_selectedBand = -1;
    int m_draggedBand = -1;
    float m_dragX = 0.0f;
    float m_dragY = 0.0f;
    float m_dragWidth = 0.0f;
    POINT m_lastPoint{};
    float m_logLeft = 0.0f;
    float m_logRight = 0.0f;
};
