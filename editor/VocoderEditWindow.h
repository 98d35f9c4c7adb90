#pragma once
// The window in which the vocoder of one program is edited: its layer, a
// value display over it, and the message line when tips are on.
#include "editor/ValuedPartEditWindow.h"

class CVocoderEditWindow : public CValuedPartEditWindow
{
public:
    static constexpr int kWidth = 690;
    static constexpr int kHeight = 408;

    CVocoderEditWindow();
    ~CVocoderEditWindow() override;

protected:
    std::unique_ptr<CBaseLayer> MakeMainLayer() override;
};
