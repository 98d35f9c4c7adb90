#include "editor_base_fixture.h"

#include "app/ControlBinding.h"
#include "app/SkinTable.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "model/DataModelInstances.h"

#include <platform/midi.h>
#include <platform/testing.h>

#include "support/CropPng.h"

#include <algorithm>

namespace editor_test {

std::vector<std::string>& Log()
{
    static std::vector<std::string> log;
    return log;
}

FakeEditorShell::FakeEditorShell()
{
    platform::testing::UseVirtualMidi();
    device = std::make_unique<DeviceSimulator>();
    EXPECT_TRUE(midi.Create("test"));
    midiManager = std::make_unique<CMidiManager>(&midi, &host);
    EXPECT_TRUE(midiManager->Create());
    EXPECT_TRUE(timer.Start());
}

FakeEditorShell::~FakeEditorShell()
{
    EXPECT_TRUE(midi.Destroy());
    midiManager.reset();
    device.reset();
    platform::testing::UseVirtualMidi();
}

CEfSemaphore& FakeEditorShell::GetDrawingSemaphore()
{
    semaphoreOrder.push_back("Semaphore");
    return drawing;
}

CEfSemaphore& FakeEditorShell::GetValueLayerSemaphore()
{
    semaphoreOrder.push_back("ValueLayerSemaphore");
    return valueLayer;
}

void FakeEditorShell::RemoveChildWindow(CBaseWindow* window)
{
    children.erase(std::remove(children.begin(), children.end(), window), children.end());
}

void FakeEditorShell::Connect()
{
    ASSERT_TRUE(midiManager->OpenInPort(static_cast<int>(device->InPort())));
    ASSERT_TRUE(midiManager->OpenOutPort(static_cast<int>(device->OutPort())));
    ASSERT_TRUE(midiManager->IsReady());
}

CRecordingLayer::CRecordingLayer(std::string name, int dataKind) : name(std::move(name))
{
    SetDataKind(dataKind);
}

bool CRecordingLayer::Close(bool flag)
{
    auto* window = GetWindow();
    const bool messageGone = window == nullptr || window->GetMessageLayer() == nullptr;
    Record(std::string("Close, message line gone: ") + (messageGone ? "yes" : "no") + ", still a dependent: " +
           (window != nullptr && window->GetParentWindow() != nullptr &&
                    std::count(window->GetParentWindow()->GetDependentWindows().begin(),
                               window->GetParentWindow()->GetDependentWindows().end(), window) != 0
                ? "yes"
                : "no"));
    return CBaseLayer::Close(flag);
}

void CRecordingLayer::OnTimerTick()
{
    const CMessageWindowLayer* message = GetWindow() != nullptr ? GetWindow()->GetMessageLayer() : nullptr;
    Record("OnTimerTick" +
           (message != nullptr ? ", message remaining " + std::to_string(message->GetRemainingMs()) : ""));
}

void CRecordingLayer::NotifyProgramChanged(int a, int b, int c)
{
    Record("NotifyProgramChanged " + std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c));
}

bool CRecordingLayer::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int)
{
    Record("LButtonDown " + std::to_string(x) + "," + std::to_string(y));
    return true;
}

bool CRecordingValueDisplay::Close(bool flag)
{
    Log().push_back(name + ":Close");
    return CValueDisplayLayer::Close(flag);
}

bool CRecordingValueDisplay::Show(bool now)
{
    auto* window = dynamic_cast<CBaseWindow*>(GetOwner());
    const bool attached = window != nullptr && window->GetParentWindow() != nullptr &&
                          !window->GetParentWindow()->GetDependentWindows().empty();
    Log().push_back(name + ":Show, attached to parent: " + (attached ? "yes" : "no"));
    return CValueDisplayLayer::Show(now);
}

bool CRecordingValueDisplay::Hide(bool now)
{
    Log().push_back(name + ":Hide");
    return CValueDisplayLayer::Hide(now);
}

void CRecordingWindow::SetModified(bool modified)
{
    Record("SetModified " + std::to_string(modified));
    CBaseWindow::SetModified(modified);
}

bool CRecordingWindow::IsModified()
{
    Record("IsModified");
    return GetOwnerWindow() != nullptr ? CBaseWindow::IsModified() : modified;
}

void CRecordingWindow::OnFileSave()
{
    Record("OnFileSave");
    CBaseWindow::OnFileSave();
}

void CRecordingWindow::OnFileSaveAs()
{
    Record("OnFileSaveAs");
    CBaseWindow::OnFileSaveAs();
}

void CRecordingWindow::OnReceiveAllData()
{
    Record("OnReceiveAllData");
    CBaseWindow::OnReceiveAllData();
}

void CRecordingWindow::OnWriteAllData()
{
    Record("OnWriteAllData");
    CBaseWindow::OnWriteAllData();
}

void CRecordingWindow::CloseDependentWindows()
{
    Record("CloseDependentWindows");
}

bool CRecordingWindow::CanClose()
{
    Record("CanClose");
    return canClose && CBaseWindow::CanClose();
}

bool CRecordingWindow::Activate()
{
    Record("Activate");
    return CBaseWindow::Activate();
}

int CRecordingWindow::GetClassNumber()
{
    Record("GetClassNumber");
    return CBaseWindow::GetClassNumber();
}

bool CRecordingWindow::CreateRootLayer()
{
    if (!CBaseWindow::CreateRootLayer())
        return false;
    if (!buildLayers)
        return true;
    RECT client{};
    GetClientRect(client);
    auto* main = static_cast<CRecordingLayer*>(SetMainLayer(std::make_unique<CRecordingLayer>(name + " main")));
    if (!main->Create(0, 0, client.right, client.bottom, this))
        return false;
    main->Show(false);
    for (int i = 0; i < kValueDisplays; ++i) {
        auto* display = static_cast<CRecordingValueDisplay*>(
            SetValueDisplayLayer(i, std::make_unique<CRecordingValueDisplay>(name + " values " + std::to_string(i))));
        if (!display->Attach(main, this))
            return false;
    }
    CreateMessageWindowLayer(messageSetup);
    return true;
}

CRecordingLayer* CRecordingWindow::BindMainLayer(int x, int y, int width, int height)
{
    auto* layer = static_cast<CRecordingLayer*>(SetMainLayer(std::make_unique<CRecordingLayer>(name + " main")));
    EXPECT_TRUE(layer->Create(x, y, width, height, this));
    return layer;
}

CRecordingValueDisplay* CRecordingWindow::AddValueDisplay(int index)
{
    auto* display = static_cast<CRecordingValueDisplay*>(SetValueDisplayLayer(
        index, std::make_unique<CRecordingValueDisplay>(name + " values " + std::to_string(index))));
    EXPECT_TRUE(display->Attach(GetMainLayer(), this));
    return display;
}

CTestControl::CTestControl(CBaseLayer& layer, const RECT& rect, const ParameterReference& parameter)
{
    FinishCreate(rect, static_cast<std::uint32_t>(layer.GetBoundControlCount()), 0);
    AttachBoundControl(layer, *this, parameter);
}

void EditorBaseTest::SetUp()
{
    ASSERT_TRUE(CHfcMouse::Acquire());
    ASSERT_TRUE(CHfcKey::Acquire());
    ASSERT_NE(CResourceManager::Acquire(), nullptr);
    CreateDataModelInstances();
    shell = std::make_unique<FakeEditorShell>();
    SetEditorShell(shell.get());
    ASSERT_TRUE(frameBar.LoadFromName(nullptr, "MdiFrameBar"));
    ASSERT_TRUE(childBar.LoadFromName(nullptr, "MdiChildBar"));
    ASSERT_TRUE(frame.Create("Frame", 20, 20, 800, 600, 0, &frameBar));
    ASSERT_TRUE(frame.SetClientSize(1000, 700));
    Pump();
    Log().clear();
}

void EditorBaseTest::TearDown()
{
    ReleaseCapture();
    if (CHfcMouse* mouse = CHfcMouse::GetInstance())
        mouse->CancelCapture();
    libraryWindow.reset();
    frame.Destroy();
    Pump();
    MSG quit{};
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    SetEditorShell(nullptr);
    shell.reset();
    ReleaseDataModelInstances();
    CResourceManager::Release();
    CHfcKey::Release();
    CHfcMouse::Release();
    Log().clear();
}

void EditorBaseTest::SetUpLibrary()
{
    library.AddItem(LibraryDataItem::kProgramBank);
    library.AddItem(LibraryDataItem::kGlobal);
    bank = library.GetProgramBank();
    libraryWindow = std::make_unique<CRecordingWindow>("library");
    libraryWindow->SetKind(CBaseWindow::kLibraryWindow);
    libraryWindow->SetDocumentId(5);
    libraryWindow->SetDocumentList(&library);
    libraryWindow->SetDataContainer(library.FindItem(LibraryDataItem::kProgramBank));
}

std::unique_ptr<CRecordingWindow> EditorBaseTest::MakeEditWindow(const std::string& name, int programIndex)
{
    auto window = std::make_unique<CRecordingWindow>(name);
    window->SetKind(CBaseWindow::kProgramEditWindow);
    window->dataKind = CBaseLayer::kProgramEditKind;
    window->SetOwnerWindow(libraryWindow.get());
    window->SetDocumentId(libraryWindow->GetDocumentId());
    window->SetDocumentList(&library);
    window->SetDataContainer(library.FindItem(LibraryDataItem::kProgramBank));
    window->SetProgramIndex(programIndex);
    return window;
}

bool EditorBaseTest::Open(CRecordingWindow& window, int x, int y, int width, int height)
{
    const bool made =
        window.Create(window.name.c_str(), x, y, width, height, CHfcWindow::kCaption, &childBar, &frame) &&
        window.Show();
    Pump();
    return made;
}

void EditorBaseTest::Pump()
{
    platform::testing::PumpMessages();
}

namespace {

POINT ScreenPoint(CHfcControl& control, int x, int y)
{
    POINT point{x, y};
    control.ControlToScreen(point);
    return point;
}

}  // namespace

void EditorBaseTest::Press(CHfcControl& control, int x, int y)
{
    platform::testing::AdvanceClock(1000);
    const POINT at = ScreenPoint(control, x, y);
    platform::testing::PressMouse(platform::testing::MouseButton::Left, at.x, at.y);
    Pump();
}

void EditorBaseTest::MoveTo(CHfcControl& control, int x, int y)
{
    const POINT at = ScreenPoint(control, x, y);
    platform::testing::MoveMouse(at.x, at.y);
    Pump();
}

void EditorBaseTest::Release(CHfcControl& control, int x, int y)
{
    const POINT at = ScreenPoint(control, x, y);
    platform::testing::ReleaseMouse(platform::testing::MouseButton::Left, at.x, at.y);
    Pump();
}

std::uint32_t EditorBaseTest::Pixel(CHfcWindowLayer& layer, int x, int y)
{
    CHfcBmp* bitmap = layer.GetContext()->GetBitmap();
    const BYTE* bits = bitmap->LockBits();
    const BYTE* p = bits + static_cast<std::ptrdiff_t>(y) * bitmap->GetStride() + x * 4;
    const std::uint32_t pixel =
        (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
    bitmap->UnlockBits();
    return pixel;
}

void EditorBaseTest::SaveCrop(CHfcWindowLayer& layer, const RECT& rect, const std::string& name)
{
    const std::string path = "editor_base_crops/" + name + ".png";
    EXPECT_TRUE(WriteCropPng(path, rect.right - rect.left, rect.bottom - rect.top, 4, [&](int x, int y) {
        return Pixel(layer, rect.left + x, rect.top + y);
    })) << path;
}

}  // namespace editor_test
