#include "editor/VocoderEditWindow.h"

#include "editor/VocoderEditLayer.h"

#include <memory>

namespace {

constexpr CPartEditWindow::Setup kSetup{CBaseWindow::kVocoderWindow, "Vocoder Edit", CVocoderEditWindow::kWidth,
                                        CVocoderEditWindow::kHeight, "] Vocoder"};

}  // namespace

CVocoderEditWindow::CVocoderEditWindow() : CValuedPartEditWindow(kSetup)
{}

CVocoderEditWindow::~CVocoderEditWindow() = default;

std::unique_ptr<CBaseLayer> CVocoderEditWindow::MakeMainLayer()
{
    return std::make_unique<CVocoderEditLayer>();
}
