#pragma once
// The part every skinned control of an editor layer mixes in beside its
// framework control: the states the layer sets on it. So far only what the
// graphs read.
class CCustomControl
{
public:
    virtual ~CCustomControl() = default;

    // False shows the control dimmed.
    virtual void SetEnabled(bool enabled) { m_bCustomEnabled = enabled; }
    virtual bool IsEnabled() const { return m_bCustomEnabled; }
    // Which class of skinned control this is; 0 for the mix-in itself.
    virtual int GetControlType() const { return 0; }
    // The graphs ignore the mouse while set.
    virtual void SetReadOnly(bool readOnly) { m_bReadOnly = readOnly; }
    virtual bool IsReadOnly() const { return m_bReadOnly; }

private:
    bool m_bCustomEnabled = true;
    bool m_bReadOnly = false;
};
