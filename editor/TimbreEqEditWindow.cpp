#include "editor/TimbreEqEditWindow.h"

#include "editor/TimbreEqEditLayer.h"
#include "framework/ui/HfcControl.h"

#include <memory>

namespace {

constexpr CPartEditWindow::Setup kSetup{CBaseWindow::kTimbreEqWindow, "Timbre EQ Edit", CTimbreEqEditWindow::kWidth,
                                        CTimbreEqEditWindow::kHeight, ""};

}  // namespace

CTimbreEqEditWindow::CTimbreEqEditWindow() : CValuedPartEditWindow(kSetup)
{}

CTimbreEqEditWindow::~CTimbreEqEditWindow() = default;

bool CTimbreEqEditWindow::CreateMdiWindow(const EditWindowContext& context, int x, int y, int program, int timbre)
{
    SetSecondIndex(timbre == 1 ? 1 : 0);
    return CValuedPartEditWindow::CreateMdiWindow(context, x, y, program);
}

std::unique_ptr<CBaseLayer> CTimbreEqEditWindow::MakeMainLayer()
{
    auto page = std::make_unique<CTimbreEqEditLayer>();
    // Every parameter of the page is of the window's timbre.
    page->SetTimbreOverride(GetSecondIndex());
    return page;
}

std::string CTimbreEqEditWindow::TitleSuffix() const
{
    return "] Timbre " + std::to_string(GetSecondIndex() + 1) + " EQ";
}
