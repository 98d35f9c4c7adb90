#include "editor/VocoderEditLayer.h"

#include "app/BaseWindow.h"
#include "editor/LayoutControls.h"
#include "editor/SkinnedPage.h"
#include "editor/layout/Layouts.h"
#include "framework/ui/HfcControl.h"

namespace {

constexpr std::uint32_t kVocoderGroup = 5;
constexpr std::uint32_t kFirstHoldLevel = 53;
constexpr std::uint32_t kLastHoldLevel = 68;

const layout::Window& Layout()
{
    static const layout::Window window = layout::VocoderEditLayout();
    return window;
}

}  // namespace

CVocoderEditLayer::CVocoderEditLayer() = default;

CVocoderEditLayer::~CVocoderEditLayer() = default;

bool CVocoderEditLayer::Create(int x, int y, int width, int height, CHfcWindow* window)
{
    m_background = ThemedBackground(Layout().background);
    return CEditLayerBase::Create(x, y, width, height, window);
}

bool CVocoderEditLayer::OnCreate()
{
    if (!CEditLayerBase::OnCreate())
        return false;
    PaintSkinnedPage(*this, m_background);
    for (const layout::Control& row : Layout().controls) {
        if (AddLayoutControl(*this, row, m_background) == nullptr)
            return false;
    }
    UpdateAllControls();
    if (GetWindow() != nullptr)
        GetWindow()->SetTimerEnabled(true);
    return true;
}

bool CVocoderEditLayer::WantsParameterMessage(CHfcControl* control)
{
    CCustomControl* binding = control != nullptr ? GetBoundControl(static_cast<int>(control->GetId())) : nullptr;
    if (binding == nullptr)
        return true;
    const ParameterAddress address = GetControlParameter(binding);
    return !(address.group == kVocoderGroup && address.index >= kFirstHoldLevel && address.index <= kLastHoldLevel);
}
