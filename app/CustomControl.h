#pragma once
// The parameter binding that every skinned control mixes into its framework
// control: which parameter it edits, how its positions map to values, and
// its enabled, read-only and background state. The layer that owns the
// control keeps the bindings in control-id order beside its control list.
#include "model/VpParameterTable.h"

#include <cstddef>
#include <cstdint>

// A control's parameter as the layouts give it: the address, and whether
// and where the value display shows the value while the control is pressed.
struct ParameterReference
{
    ParameterAddress address;
    std::uint8_t showValue;       // non-zero: show a value box
    std::int32_t valuePlacement;  // where the box goes (ValueDisplayLayer.h)

    bool operator==(const ParameterReference&) const = default;
};

class CCustomControl
{
public:
    // Control type codes.
    enum Type
    {
        kNone = 0,
        kBitmapList = 1,
        kButton = 2,
        kEditText = 3,
        kKnob = 5,
        kLed = 6,
        kSlider = 9,
        kStaticText = 10,
        kSwitch = 11,
        kList = 12,
        kPageButton = 13,
        kDragReceiver = 14,
        kAnalogLed = 15,
        kEnvelopeCurve = 16,
        kLfoGraph = 17,
        kEqGraph = 19,
        kFilterGraphA = 20,
        kFilterGraphB = 21,
        kValueBar = 22,
    };

    // What a report of the control means to the layer that owns it.
    enum EventCode
    {
        // The reported number is a position: PositionToValue gives the value.
        kEventPosition = 0,
        // On/off: only a pressed report counts, and flips the value.
        kEventToggle = 1,
        // LEDs: the descriptor's value written when pressed.
        kEventFixedValue = 2,
        // The graphs' own reports through OnControlEvent.
        kEventEqGraph = 7,
        kEventFilterGraphA = 8,
        kEventFilterGraphB = 9,
    };

    CCustomControl() = default;
    virtual ~CCustomControl() = default;
    CCustomControl(const CCustomControl&) = delete;
    CCustomControl& operator=(const CCustomControl&) = delete;

    // Mapping controls convert between values and framework positions; the
    // base maps nothing.
    virtual void SetValue(int /*value*/) {}
    virtual int GetValue() { return 0; }
    virtual int ValueToPosition(int /*value*/) { return 0; }
    virtual int PositionToValue(int /*position*/) { return 0; }
    virtual int GetMin() { return 0; }
    virtual int GetMax() { return 127; }
    virtual void SetMin(int /*minimum*/) {}
    virtual void SetMax(int /*maximum*/) {}
    virtual void SetSubValue(int value) { m_subValue = value; }
    virtual int GetSubValue() { return m_subValue; }
    virtual void SetRatio(int /*ratio*/) {}
    virtual void SetEnabled(bool enabled) { m_customEnabled = enabled; }
    virtual bool IsEnabled() const { return m_customEnabled; }
    // The empty text unless the control shows one; size counts the 0.
    virtual void GetText(char* buffer, int size);
    virtual int GetControlType() const { return kNone; }
    virtual void SetBackgroundOrigin(bool atOwnPosition, int x, int y);
    virtual bool IsBackgroundAtOwnPosition() { return m_backgroundAtOwnPosition; }
    virtual void SetParameter(const ParameterReference& parameter) { m_parameter = parameter; }
    virtual ParameterReference& GetParameter(ParameterReference& out);
    virtual void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    virtual bool IsReadOnly() const { return m_readOnly; }
    virtual void SetIndex(int index) { m_iIndex = index; }
    virtual int GetIndex() { return m_iIndex; }

protected:
    // Copies at most available characters of the text, up to its first 0,
    // into the buffer, cut to size - 1 and terminated; nothing when size is
    // below 1.
    static void CopyText(char* buffer, int size, const char* text, std::size_t available);
    // Where the control's background piece is cut: its own position, or
    // the origin set before Create.
    int BackgroundX(int ownX) const { return m_backgroundAtOwnPosition ? ownX : m_backgroundX; }
    int BackgroundY(int ownY) const { return m_backgroundAtOwnPosition ? ownY : m_backgroundY; }

    bool m_customEnabled = true;
    int m_subValue = 0;
    bool m_backgroundAtOwnPosition = true;
    int m_backgroundX = 0;
    int m_backgroundY = 0;
    bool m_readOnly = false;
    ParameterReference m_parameter{};
    int m_iIndex = 0;
};
