#include "editor/VocoderEditWindow.h"

#include "app/MessageWindowLayer.h"
#include "app/ValueDisplayLayer.h"
#include "editor/VocoderEditLayer.h"

#include <memory>

namespace {

constexpr CPartEditWindow::Setup kSetup{CBaseWindow::kVocoderWindow, "Vocoder Edit", CVocoderEditWindow::kWidth,
                                        CVocoderEditWindow::kHeight, "] Vocoder"};

// The tip follows the control it describes, as wide as its text.
MessageLayerSetup TipSetup()
{
    MessageLayerSetup setup;
    setup.followControl = true;
    setup.autoWidth = true;
    return setup;
}

}  // namespace

CVocoderEditWindow::CVocoderEditWindow() : CPartEditWindow(kSetup) {}

CVocoderEditWindow::~CVocoderEditWindow() = default;

std::unique_ptr<CBaseLayer> CVocoderEditWindow::MakeMainLayer()
{
    return std::make_unique<CVocoderEditLayer>();
}

bool CVocoderEditWindow::AddUpperLayers(CBaseLayer& mainLayer)
{
    CValueDisplayLayer* values = SetValueDisplayLayer(0, std::make_unique<CValueDisplayLayer>());
    if (!values->Attach(&mainLayer, this))
        return false;
    CreateMessageWindowLayer(TipSetup());
    return true;
}
