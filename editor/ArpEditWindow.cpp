#include "editor/ArpEditWindow.h"

#include "editor/ArpEditLayer.h"
#include "framework/ui/HfcControl.h"

#include <memory>

namespace {

constexpr CPartEditWindow::Setup kSetup{CBaseWindow::kArpeggiatorWindow, "Arpeggiator Edit", CArpEditWindow::kWidth,
                                        CArpEditWindow::kHeight, "] Arpeggiator"};

}  // namespace

CArpEditWindow::CArpEditWindow() : CValuedPartEditWindow(kSetup)
{}

CArpEditWindow::~CArpEditWindow() = default;

std::unique_ptr<CBaseLayer> CArpEditWindow::MakeMainLayer()
{
    return std::make_unique<CArpEditLayer>();
}
