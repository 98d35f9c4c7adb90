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

protected:
    std::unique_ptr<CBaseLayer> MakeMainLayer() override;
    // A value display over the main layer, and the message line.
    bool AddUpperLayers(CBaseLayer& mainLayer) override;
    void OnShowValuesChanged() override { ApplyShowValues(); }
};
