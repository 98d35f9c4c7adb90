#include "editor/ValuedPartEditWindow.h"

#include "app/BaseLayer.h"
#include "app/MessageWindowLayer.h"
#include "app/ValueDisplayLayer.h"

#include <memory>

namespace {

// The tip follows the control it describes, as wide as its text.
MessageLayerSetup TipSetup()
{
    MessageLayerSetup setup;
    setup.followControl = true;
    setup.autoWidth = true;
    return setup;
}

}  // namespace

bool CValuedPartEditWindow::AddUpperLayers(CBaseLayer& mainLayer)
{
    CValueDisplayLayer* values = SetValueDisplayLayer(0, std::make_unique<CValueDisplayLayer>());
    if (!values->Attach(&mainLayer, this))
        return false;
    CreateMessageWindowLayer(TipSetup());
    return true;
}
