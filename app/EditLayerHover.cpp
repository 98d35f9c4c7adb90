#include "app/EditLayerBase.h"

#include "app/BaseWindow.h"
#include "app/MessageWindowLayer.h"
#include "framework/ui/HfcControl.h"
#include "framework/ui/HfcMouse.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr int kValueTextSize = 256;
constexpr int kDefaultCursor = 0;

// Kept as far as the message line shows it.
void KeepShown(char* target, const char* text)
{
    const std::size_t length = strnlen(text, CEditLayerBase::kShownTextLength);
    std::memcpy(target, text, length);
    target[length] = '\0';
}

}  // namespace

void CEditLayerBase::ShowParameterMessage(CHfcControl* control)
{
    if (control == nullptr || !WantsParameterMessage(control))
        return;
    CMessageWindowLayer* message = GetWindow() != nullptr ? GetWindow()->GetMessageLayer() : nullptr;
    if (message != nullptr)
        message->Wake();
    CCustomControl* binding = GetBoundControl(static_cast<int>(control->GetId()));
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    if (binding == nullptr || accessor == nullptr || GetProgramRecord() == nullptr)
        return;
    const ParameterAddress address = GetControlParameter(binding);
    const char* name = accessor->GetName(GetProgramRecord(), address);
    char value[kValueTextSize] = {};
    accessor->GetValueText(GetProgramRecord(), address, value, sizeof value);
    if (name == nullptr)
        name = "";
    if (std::strncmp(name, m_shownName, kShownTextLength) == 0 &&
        std::strncmp(value, m_shownValue, kShownTextLength) == 0)
        return;
    KeepShown(m_shownName, name);
    KeepShown(m_shownValue, value);
    if (message != nullptr) {
        message->SetSourceControl(control);
        message->PostText(m_shownName, m_shownValue);
    }
}

bool CEditLayerBase::OnControlMouseMove(CHfcControl* control, int x, int y, int modifiers)
{
    if (control == nullptr)
        return false;
    const int id = static_cast<int>(control->GetId());
    CCustomControl* binding = GetBoundControl(id);
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    if (mouse != nullptr && mouse->GetCapture() == static_cast<CHfcMouseListener*>(control) && binding != nullptr &&
        binding->IsEnabled())
        mouse->SetCursor(kDragCursor);
    ShowParameterMessage(control);
    if (id != m_hoveredControl) {
        OnControlHoverBegin(control);
        m_hoveredControl = id;
    }
    if (m_dragArmed != 1 || m_dragSource == -1)
        return false;
    const POINT at{control->GetRect().left + x, control->GetRect().top + y};
    if (std::abs(at.x - m_dragStart.x) + std::abs(at.y - m_dragStart.y) <= kDragThreshold)
        return false;
    // The source stays set while the drag runs, so that a drop back onto
    // this layer knows where it came from.
    CHfcControl* source = GetControl(m_dragSource);
    bool started = false;
    if (source != nullptr) {
        const RECT& from = source->GetRect();
        started = StartBlockDrag(source, m_dragStart.x - from.left, m_dragStart.y - from.top);
        if (started)
            source->OnHfcMouseLButtonUp(mouse, at.x - from.left, at.y - from.top, modifiers);
    }
    Disarm();
    return started;
}

bool CEditLayerBase::OnHfcMouseMove(CHfcMouse* mouse, int /*x*/, int /*y*/, int /*modifiers*/)
{
    if (mouse != nullptr)
        mouse->SetCursor(kDefaultCursor);
    if (CMessageWindowLayer* message = GetWindow() != nullptr ? GetWindow()->GetMessageLayer() : nullptr)
        message->ClearWoken();
    if (m_hoveredControl != -1)
        OnControlHoverEnd(GetControl(m_hoveredControl));
    m_hoveredControl = -1;
    return false;
}

bool CEditLayerBase::OnHfcMouseLButtonUp(CHfcMouse* /*mouse*/, int /*x*/, int /*y*/, int /*modifiers*/)
{
    Disarm();
    return false;
}

bool CEditLayerBase::OnControlMouseUp(CHfcControl* /*control*/, int /*x*/, int /*y*/, int /*modifiers*/)
{
    Disarm();
    return false;
}

void CEditLayerBase::Disarm()
{
    m_dragArmed = 0;
    m_dragStart = {};
    m_dragSource = -1;
}
