#pragma once
// What the knob and the edit text share: a framework control that counts
// in pixels, 7 per value step times the control's ratio, bound to a
// parameter's range. The knob counts from the minimum, the edit text from
// zero. Setting the value a control shows already neither moves nor
// repaints it.
#include "app/CustomControl.h"
#include "app/ValueSteps.h"

template <class Framework>
class CSteppedControl : public Framework, public CCustomControl
{
public:
    using Framework::SetValue;
    void SetValue(int value) override
    {
        if (GetValue() == value)
            return;
        Framework::SetValue(ValueToPosition(value), true);
        OnValueChanged();
    }
    int GetValue() override { return PositionToValue(Framework::GetValue()); }
    int ValueToPosition(int value) override { return value_steps::StepsToPixels(value - Origin(), m_ratio); }
    int PositionToValue(int position) override { return Origin() + value_steps::PixelsToSteps(position, m_ratio); }
    int GetMin() override { return m_iMinimum; }
    int GetMax() override { return m_iMaximum; }
    // Callers that change both bounds set the minimum first, so that the
    // framework range is again the one Create made.
    void SetMin(int minimum) override
    {
        m_iMinimum = minimum;
        Framework::SetMinimum(ValueToPosition(minimum), true);
        Framework::SetDirty(true);
    }
    void SetMax(int maximum) override
    {
        m_iMaximum = maximum;
        Framework::SetMaximum(ValueToPosition(maximum), true);
        Framework::SetDirty(true);
    }
    // Keeps the value and the bounds; stored doubled, 0 counting as 1.
    void SetRatio(int ratio) override
    {
        const int value = GetValue();
        m_ratio = StoredRatio(ratio);
        SetMin(m_iMinimum);
        SetMax(m_iMaximum);
        Framework::SetValue(ValueToPosition(value), true);
        OnValueChanged();
    }
    bool IsEnabled() const override { return CCustomControl::IsEnabled(); }
    int GetRatio() const { return m_ratio; }
    // The doubled ratio a layer's ratio is stored as; 0 counts as 1.
    static int StoredRatio(int ratio) { return (ratio == 0 ? 1 : ratio) * 2; }

protected:
    explicit CSteppedControl(bool fromMinimum) : m_fromMinimum(fromMinimum) {}

    // After a new value is shown.
    virtual void OnValueChanged() {}

    int m_iMinimum = 0;
    int m_iMaximum = 127;
    // As stored: twice the layer's.
    int m_ratio = 1;

private:
    int Origin() const { return m_fromMinimum ? m_iMinimum : 0; }

    const bool m_fromMinimum;
};
