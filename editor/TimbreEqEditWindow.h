#pragma once
// The window in which the EQ of one timbre of a program is edited.
#include "editor/ValuedPartEditWindow.h"

class CTimbreEqEditWindow : public CValuedPartEditWindow
{
public:
    static constexpr int kWidth = 342;
    static constexpr int kHeight = 166;

    CTimbreEqEditWindow();
    ~CTimbreEqEditWindow() override;

    // As every part window, for the timbre (0 or 1) of the program.
    bool CreateMdiWindow(const EditWindowContext& context, int x, int y, int program, int timbre);

protected:
    std::unique_ptr<CBaseLayer> MakeMainLayer() override;
    // "] Timbre N EQ".
    std::string TitleSuffix() const override;
};
