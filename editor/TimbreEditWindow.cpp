#include "editor/TimbreEditWindow.h"

#include "app/MessageWindowLayer.h"
#include "app/ValueDisplayLayer.h"
#include "editor/TimbreEditLayer.h"

namespace {

constexpr CPartEditWindow::Setup kSetup{CBaseWindow::kTimbreSynthWindow, "Timbre Synth Edit", CTimbreEditLayer::kWidth,
                                        CTimbreEditLayer::kHeight, ""};

}  // namespace

CTimbreEditWindow::CTimbreEditWindow() : CPartEditWindow(kSetup)
{}

CTimbreEditWindow::~CTimbreEditWindow() = default;

bool CTimbreEditWindow::CreateMdiWindow(const EditWindowContext& context, int x, int y, int programIndex, int timbre)
{
    SetSecondIndex(timbre);
    if (!CPartEditWindow::CreateMdiWindow(context, x, y, programIndex))
        return false;
    SetTimerEnabled(true);
    return true;
}

std::unique_ptr<CBaseLayer> CTimbreEditWindow::MakeMainLayer()
{
    auto page = std::make_unique<CTimbreEditLayer>();
    // Every address of the page carries the window's timbre.
    page->SetTimbreOverride(GetSecondIndex());
    return page;
}

bool CTimbreEditWindow::AddUpperLayers(CBaseLayer& mainLayer)
{
    CValueDisplayLayer* values = SetValueDisplayLayer(0, std::make_unique<CValueDisplayLayer>());
    if (!values->Attach(&mainLayer, this))
        return false;
    CreateMessageWindowLayer(MessageLayerSetup{});
    return true;
}

std::string CTimbreEditWindow::TitleSuffix() const
{
    return "] Timbre " + std::to_string(GetSecondIndex() + 1) + " Synth";
}
