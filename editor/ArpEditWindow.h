#pragma once
// The window in which the arpeggiator of a program is edited.
#include "editor/ValuedPartEditWindow.h"

class CArpEditWindow : public CValuedPartEditWindow
{
public:
    static constexpr int kWidth = 342;
    static constexpr int kHeight = 226;

    CArpEditWindow();
    ~CArpEditWindow() override;

protected:
    std::unique_ptr<CBaseLayer> MakeMainLayer() override;
};
