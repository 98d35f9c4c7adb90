#include "app/BaseLayer.h"

#include "app/BaseWindow.h"
#include "app/EditorShell.h"
#include "app/LastTransmittedProgram.h"
#include "app/WindowEvents.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcControl.h"
#include "framework/ui/HfcCtrlOldCharEditText.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcMouse.h"
#include "model/LibraryData.h"
#include "model/MidiManager.h"
#include "model/Q3917IdConverter.h"
#include "model/Q3917ProgramAccessor.h"

#include <algorithm>

namespace {

constexpr int kCurrentProgram = -1;
constexpr LONG_PTR kWholeProgram = 32768;

CMidiManager* MidiManager()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? shell->GetMidiManager() : nullptr;
}

// False when there is no converter or the id names no parameter.
bool AddressOfDeviceId(std::uint32_t idHigh, std::uint32_t idLow, ParameterAddress& address)
{
    const CQ3917IdConverter* converter = CQ3917IdConverter::PeekInstance();
    DeviceParameterId id{idHigh, idLow};
    return converter != nullptr && converter->FromDeviceId(id, address);
}

}  // namespace

CBaseLayer::CBaseLayer()
    : m_fonts{GetBitmap("LcdCharWhite"), GetBitmap("LcdCharWhiteDim"), GetBitmap("LcdCharWhiteBack"),
              GetBitmap("LcdCharWhiteSelected")}
{}

CBaseLayer::~CBaseLayer() = default;

bool CBaseLayer::Close(bool /*flag*/)
{
    return Destroy();
}

void CBaseLayer::PostDataChanged(bool wholeProgram)
{
    PostMessageToAll(kEventProgramDataChanged, m_programIndex, wholeProgram ? kWholeProgram : -1, m_documentId, -1);
}

void CBaseLayer::PostMessageToAll(int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4)
{
    CEditorShell* shell = GetEditorShell();
    if (CWindowManager* manager = shell != nullptr ? shell->GetWindowManager() : nullptr)
        manager->PostMessageToAll(event, p1, p2, p3, p4, this);
}

void CBaseLayer::RedrawAllControls(bool force)
{
    for (CHfcLayerControl* control : GetControls())
        control->Redraw(force, false);
    if (GetOwner() != nullptr)
        GetOwner()->FlushDirtyRects();
}

void CBaseLayer::ReceiveFromCurrent()
{
    CMidiManager* midi = MidiManager();
    if (m_programIndex == -1 || m_programRecord == nullptr || midi == nullptr)
        return;
    if (!midi->ReceiveCurrentProgram(*m_programRecord, m_documentId, m_programIndex))
        return;
    PostDataChanged(true);
    PostMessageToAll(kEventProgramReceived, m_programIndex, -1, 0, 0);
}

void CBaseLayer::TransmitToCurrent()
{
    CMidiManager* midi = MidiManager();
    if (m_programIndex == -1 || m_programRecord == nullptr)
        return;
    StoreLastTransmittedProgram(m_programRecord, m_documentId, m_programIndex);
    if (midi != nullptr)
        midi->WriteProgram(*m_programRecord, kCurrentProgram, true);
}

bool CBaseLayer::IsCapturingControl()
{
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    if (mouse == nullptr || mouse->GetCapture() == nullptr)
        return false;
    const auto& controls = GetControls();
    return std::any_of(controls.begin(), controls.end(), [&](CHfcLayerControl* control) {
        return static_cast<CHfcMouseListener*>(control) == mouse->GetCapture();
    });
}

int CBaseLayer::SetParameterValue(std::uint32_t idHigh, std::uint32_t idLow, std::int32_t value)
{
    if (m_programRecord == nullptr || !m_editable)
        return -1;
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    ParameterAddress address{};
    if (accessor == nullptr || !AddressOfDeviceId(idHigh, idLow, address))
        return false;
    accessor->SetValue(m_programRecord, address, value);
    return true;
}

std::int32_t CBaseLayer::GetParameterValue(std::uint32_t idHigh, std::uint32_t idLow)
{
    if (m_programRecord == nullptr)
        return -1;
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    ParameterAddress address{};
    if (accessor == nullptr || !AddressOfDeviceId(idHigh, idLow, address))
        return 0;
    return accessor->GetValue(m_programRecord, address);
}

bool CBaseLayer::Create(int x, int y, int width, int height, CHfcWindow* window)
{
    m_window = dynamic_cast<CBaseWindow*>(window);
    if (m_window != nullptr) {
        m_documentList = m_window->GetDocumentList();
        m_programIndex = m_window->GetProgramIndex();
        m_secondIndex = m_window->GetSecondIndex();
        if (m_dataKind == kAnyData)
            m_container = m_window->GetDataContainer();
        else if ((m_dataKind == kProgramBankData || m_dataKind == kGlobalData) && m_documentList != nullptr)
            m_container = m_documentList->FindItem(static_cast<std::uint32_t>(m_dataKind));
        m_documentId = m_window->GetDocumentId();
        for (int i = 0; i < kViewWords; ++i)
            m_viewWords[static_cast<std::size_t>(i)] = m_window->GetViewWord(i);
        if (m_dataKind == kAnyData)
            m_windowKind = m_window->GetKind();
        if (m_container != nullptr) {
            m_dataKind = static_cast<int>(m_container->type);
            if (m_dataKind == kProgramBankData)
                BindProgram(m_programIndex);
            else if (m_dataKind == kGlobalData)
                m_globalData = m_container->global.get();
        }
    }
    return CHfcWindowLayer::Create(x, y, width, height, window);
}

bool CBaseLayer::OnDestroy()
{
    m_boundControls.clear();
    return CHfcWindowLayer::OnDestroy();
}

bool CBaseLayer::OnHfcDragEnter(CHfcOleToken*, CHfcDragData*, int x, int y, int, int*)
{
    m_dragHover = true;
    m_dragPoint = {x, y};
    m_dragCounter = 0;
    return false;
}

bool CBaseLayer::OnHfcDragOver(CHfcOleToken*, CHfcDragData*, int x, int y, int, int*)
{
    if (x != m_dragPoint.x || y != m_dragPoint.y) {
        m_dragCounter = 0;
        m_dragPoint = {x, y};
    }
    return false;
}

bool CBaseLayer::OnHfcDragLeave(CHfcOleToken*)
{
    m_dragHover = false;
    return false;
}

bool CBaseLayer::OnHfcDrop(CHfcOleToken*, CHfcDragData*, int, int, int, int*)
{
    m_dragHover = false;
    return false;
}

void CBaseLayer::OnControlEditEnd(CHfcControl* control)
{
    if (control != nullptr) {
        CCustomControl* binding = GetBoundControl(static_cast<int>(control->GetId()));
        // A text field being edited keeps the keys for its edit box.
        if (binding != nullptr && binding->GetControlType() == CCustomControl::kEditText && control->HasFocus())
            return;
    }
    TakeKeyFocus();
}

void CBaseLayer::TakeKeyFocus()
{
    CHfcKey* key = CHfcKey::GetInstance();
    if (key != nullptr && GetOwner() != nullptr)
        key->SetFocus(static_cast<CHfcKeyListener*>(this), GetOwner()->GetHandle());
}

void CBaseLayer::EndTextEditing()
{
    for (CHfcLayerControl* control : GetControls())
        if (auto* field = dynamic_cast<CHfcCtrlOldCharEditText*>(control); field != nullptr && field->IsEditing())
            field->EndEdit();
}

void CBaseLayer::OnWindowManagerMessage(CWindowManager*, int, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR,
                                        CWindowManagerListener*)
{}

void CBaseLayer::OnMMTimer(CMMTimer*)
{}

bool CBaseLayer::AddBoundControl(CCustomControl* binding)
{
    m_boundControls.push_back(binding);
    return true;
}

bool CBaseLayer::RemoveBoundControl(CCustomControl* binding)
{
    auto found = std::find(m_boundControls.begin(), m_boundControls.end(), binding);
    if (found == m_boundControls.end())
        return false;
    m_boundControls.erase(found);
    return true;
}

CCustomControl* CBaseLayer::GetBoundControl(int index) const
{
    if (index < 0 || index >= GetBoundControlCount())
        return nullptr;
    return m_boundControls[static_cast<std::size_t>(index)];
}

ParameterAddress CBaseLayer::GetControlParameter(CCustomControl* binding) const
{
    if (binding == nullptr)
        return {};
    ParameterReference reference{};
    ParameterAddress address = binding->GetParameter(reference).address;
    if (m_timbreOverride != -1)
        address.timbre = static_cast<std::uint32_t>(m_timbreOverride);
    return address;
}

void CBaseLayer::SelectProgram(int index)
{
    const int kind = GetDataKind();
    if (kind != kProgramEditKind && kind != kValueDisplayKind)
        return;
    m_programIndex = index;
    m_viewWords[1] = index;
    BindProgram(index);
}

void CBaseLayer::SetWindowModified()
{
    if (m_marksEdits && m_window != nullptr)
        m_window->SetModified(true);
}

bool CBaseLayer::TransmitShownProgram()
{
    CMidiManager* midi = MidiManager();
    if (midi == nullptr || !midi->IsReady() || m_programRecord == nullptr)
        return false;
    StoreLastTransmittedProgram(m_programRecord, m_documentId, m_programIndex);
    const bool sent = midi->WriteProgram(*m_programRecord, kCurrentProgram, true);
    // The transfer's progress dialog took the activation away.
    if (m_window != nullptr)
        m_window->Activate();
    return sent;
}

void CBaseLayer::SendParameterToDevice(const ParameterAddress& address, std::int32_t value)
{
    const CQ3917IdConverter* converter = CQ3917IdConverter::PeekInstance();
    CMidiManager* midi = MidiManager();
    DeviceParameterId id{};
    if (converter != nullptr && midi != nullptr && converter->ToDeviceId(address, id))
        midi->SendParameterChange(value, id.high, id.low);
}

void CBaseLayer::BindProgram(int index)
{
    m_programRecord = nullptr;
    m_parameterRegion = nullptr;
    if (m_container == nullptr || m_container->type != LibraryDataItem::kProgramBank || m_container->bank == nullptr ||
        index < 0 || index >= kProgramBankSize)
        return;
    m_programRecord = &(*m_container->bank)[static_cast<std::size_t>(index)];
    m_parameterRegion = m_programRecord->GetData();
}
