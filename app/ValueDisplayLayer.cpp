#include "app/ValueDisplayLayer.h"

#include "app/EditorShell.h"
#include "app/SemaphoreHold.h"
#include "app/WindowEvents.h"
#include "framework/services/EfSemaphore.h"
#include "framework/ui/HfcLayerControl.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "framework/ui/HfcWindow.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kValueTextSize = 256;
constexpr int kCellWidth = 6;
constexpr int kCellHeight = 9;
constexpr int kTextInset = 2;

CWindowManager* WindowManager()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? shell->GetWindowManager() : nullptr;
}

bool IsEmpty(const RECT& rect)
{
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

RECT Union(const RECT& a, const RECT& b)
{
    if (IsEmpty(a))
        return b;
    if (IsEmpty(b))
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

}  // namespace

CValueDisplayLayer::~CValueDisplayLayer()
{
    if (m_registered && WindowManager() != nullptr)
        WindowManager()->RemoveListener(this);
}

bool CValueDisplayLayer::Attach(CBaseLayer* editLayer, CHfcWindow* window)
{
    if (editLayer == nullptr)
        return false;
    m_editLayer = editLayer;
    m_records.assign(static_cast<std::size_t>(editLayer->GetBoundControlCount()), ValueDisplayRecord{});
    for (ValueDisplayRecord& record : m_records)
        record.dirty = true;
    const RECT& rect = editLayer->GetRect();
    const bool bound = Create(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, window);
    if (CWindowManager* manager = WindowManager())
        m_registered = manager->AddListener(this);
    SetLayerCreated(true);
    return bound;
}

bool CValueDisplayLayer::OnCreate()
{
    Redraw();
    return true;
}

bool CValueDisplayLayer::OnDestroy()
{
    // The layer is built within Attach, so no creation can still be under
    // way here: a layer whose Attach failed goes at once.
    if (m_registered && WindowManager() != nullptr)
        WindowManager()->RemoveListener(this);
    m_registered = false;
    m_records.clear();
    return CBaseLayer::OnDestroy();
}

void CValueDisplayLayer::MarkAllDirty()
{
    for (ValueDisplayRecord& record : m_records)
        record.dirty = true;
}

void CValueDisplayLayer::MarkDirty(int index)
{
    if (index >= 0 && index < static_cast<int>(m_records.size()))
        m_records[static_cast<std::size_t>(index)].dirty = true;
}

void CValueDisplayLayer::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR, LONG_PTR p3,
                                                LONG_PTR p4, CWindowManagerListener* sender)
{
    if (sender == static_cast<CWindowManagerListener*>(this))
        return;
    switch (event) {
    case kEventProgramDataChanged:
    case kEventDataModified:
        if (p1 == GetProgramIndex() && p3 == GetDocumentId())
            Redraw();
        break;
    case kEventValueDisplay:
        if (p1 == -1)
            MarkAllDirty();
        else
            MarkDirty(static_cast<int>(p1));
        break;
    case kEventProgramSwitch:
        if (p1 == GetDocumentId() && p3 == GetProgramIndex()) {
            SelectProgram(static_cast<int>(p4));
            MarkAllDirty();
            Redraw();
        }
        break;
    default: break;
    }
}

RECT CValueDisplayLayer::PlaceBox(const RECT& control, int width, int placement)
{
    const LONG centred = control.left + (control.right - control.left - width) / 2;
    POINT at{};
    switch (placement) {
    case kLeft: at = {control.left - width, control.top}; break;
    case kAboveLeft: at = {control.left, control.top - kBoxHeight}; break;
    case kBelowCentred:
    case kBelowCentredToo: at = {centred, control.bottom}; break;
    case kBelowLeft: at = {control.left, control.bottom}; break;
    case kOnBottomEdge: at = {centred, control.bottom - 6}; break;
    default: at = {control.right, control.bottom - kBoxHeight}; break;
    }
    return {at.x, at.y, at.x + width, at.y + kBoxHeight};
}

bool CValueDisplayLayer::IsPressed(int index) const
{
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    const auto& controls = m_editLayer->GetControls();
    return mouse != nullptr && index < static_cast<int>(controls.size()) &&
           mouse->GetCapture() == static_cast<CHfcMouseListener*>(controls[static_cast<std::size_t>(index)]);
}

void CValueDisplayLayer::Redraw()
{
    CEditorShell* shell = GetEditorShell();
    CSemaphoreHold valueLayer(shell != nullptr ? &shell->GetValueLayerSemaphore() : nullptr);
    CSemaphoreHold drawing(shell != nullptr ? &shell->GetDrawingSemaphore() : nullptr);
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    if (m_records.empty() || m_editLayer == nullptr || accessor == nullptr || GetProgramRecord() == nullptr ||
        GetContext() == nullptr)
        return;
    const auto& controls = m_editLayer->GetControls();
    const int count = std::min(
        {static_cast<int>(m_records.size()), m_editLayer->GetBoundControlCount(), static_cast<int>(controls.size())});
    for (int i = 0; i < count; ++i) {
        CCustomControl* binding = m_editLayer->GetBoundControl(i);
        ParameterReference reference{};
        if (binding == nullptr || binding->GetParameter(reference).showValue == 0)
            continue;
        ValueDisplayRecord& record = m_records[static_cast<std::size_t>(i)];
        if (!IsPressed(i)) {
            if (record.dirty)
                EraseBox(record);
            continue;
        }
        char text[kValueTextSize + 1] = {};
        accessor->GetValueText(GetProgramRecord(), m_editLayer->GetControlParameter(binding), text, sizeof text);
        // Compared and kept as far as the record holds it.
        const std::string shown(text, strnlen(text, ValueDisplayRecord::kTextLength));
        if (!record.dirty && shown == record.text)
            continue;
        DrawBox(record, controls[static_cast<std::size_t>(i)]->GetRect(), reference.valuePlacement, shown);
    }
    if (GetOwner() != nullptr)
        GetOwner()->FlushDirtyRects();
}

void CValueDisplayLayer::DrawBox(ValueDisplayRecord& record, const RECT& control, int placement,
                                 const std::string& text)
{
    CHfcOffscreenContext* context = GetContext();
    record.dirty = false;
    const RECT box = PlaceBox(control, BoxWidth(static_cast<int>(text.size())), placement);
    if (!IsEmpty(record.box))
        context->ClearRectangle(record.box);
    context->SetFillColor(kFillColor);
    context->SetPenColor(kOutlineColor);
    context->SetPenWidth(1.0f);
    context->FillRectangle(box.left, box.top, box.right - box.left, kBoxHeight);
    context->DrawRectangle(box.left, box.top, box.right - box.left, kBoxHeight);
    context->DrawBitmapText(box.left + kTextInset, box.top + kTextInset, text.c_str(), static_cast<int>(text.size()),
                            GetLcdFont(kLcdWhite), kCellWidth, kCellHeight);
    UpdateRect(Union(record.box, box), false);
    record.box = box;
    std::memcpy(record.text, text.c_str(), text.size() + 1);
}

void CValueDisplayLayer::EraseBox(ValueDisplayRecord& record)
{
    record.dirty = false;
    if (IsEmpty(record.box))
        return;
    GetContext()->ClearRectangle(record.box);
    UpdateRect(record.box, false);
    // The next press draws its box again, even with the same text.
    record.box = {};
    record.text[0] = '\0';
}
