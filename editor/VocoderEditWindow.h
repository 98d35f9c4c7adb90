#pragma once
// The window in which the vocoder of one program is edited: its layer, a
// value display over it, and the message line when tips are on.
#include "editor/PartEditWindow.h"

class CVocoderEditWindow : public CPartEditWindow
{
public:
    static constexpr int kWidth = 690;
    static constexpr int kHeight = 408;

    CVocoderEditWindow();
    ~CVocoderEditWindow() override;

    bool CreateRootLayer() override;

protected:
    void OnShowValuesChanged() override { ApplyShowValues(); }
};
