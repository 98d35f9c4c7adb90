#pragma once
// The editor's base window and layers on the headless display: an
// application shell that records what the windows ask of it, with a real
// window manager, timer and MIDI manager beside the test device; an MDI
// frame; a library with a bank and a global data set; test windows, layers
// and a control that write what reaches them into one log.
#include "app/AppSettings.h"
#include "app/BaseLayer.h"
#include "app/BaseWindow.h"
#include "app/CustomControl.h"
#include "app/EditorShell.h"
#include "app/MMTimer.h"
#include "app/MessageWindowLayer.h"
#include "app/ValueDisplayLayer.h"
#include "app/WindowManager.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/HfcMidi.h"
#include "framework/services/PslMessageDispatchEngine.h"
#include "framework/services/QRVResource.h"
#include "framework/ui/HfcControl.h"
#include "framework/ui/HfcMdiFrameWindow.h"
#include "framework/ui/HfcMenu.h"
#include "model/LibraryData.h"
#include "model/MidiManager.h"
#include "model/midi_host_fake.h"
#include "support/DeviceSimulator.h"
#include "support/RectCompare.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace editor_test {

// Every recorded call, oldest first, as "who:what".
std::vector<std::string>& Log();

class FakeEditorShell : public CEditorShell
{
public:
    FakeEditorShell();
    ~FakeEditorShell() override;

    CWindowManager* GetWindowManager() override { return &windowManager; }
    CMMTimer* GetTimer() override { return &timer; }
    CMidiManager* GetMidiManager() override { return midiManager.get(); }
    CMidiManagerHost* GetMidiManagerHost() override { return &host; }
    const AppSettings& GetSettings() override { return settings; }
    AppSettings& GetMutableSettings() override { return settings; }
    CEfSemaphore& GetDrawingSemaphore() override;
    CEfSemaphore& GetValueLayerSemaphore() override;
    void CheckShowValues(bool checked) override { showValuesChecks.push_back(checked); }
    void ApplyMenuKind(int kind) override { menuKinds.push_back(kind); }
    void AddChildWindow(CBaseWindow* window) override { children.push_back(window); }
    void RemoveChildWindow(CBaseWindow* window) override;

    // Both MIDI ports to the test device.
    void Connect();
    // The timer's one tick, as the engine gives it.
    void Tick() { timer.OnPslTimer(timer.GetTimerId()); }

    CPslMessageDispatchEngine engine;
    CWindowManager windowManager{engine};
    CMMTimer timer{engine};
    CQRVResource strings;
    FakeMidiHost host;
    CHfcMidi midi;
    std::unique_ptr<DeviceSimulator> device;
    std::unique_ptr<CMidiManager> midiManager;
    AppSettings settings;
    CEfSemaphore drawing{1, "Semaphore"};
    CEfSemaphore valueLayer{1, "ValueLayerSemaphore"};
    std::vector<std::string> semaphoreOrder;  // the semaphores as they were asked for
    std::vector<bool> showValuesChecks;
    std::vector<int> menuKinds;
    std::vector<CBaseWindow*> children;
};

// A layer that records the operations the window forwards to it.
class CRecordingLayer : public CBaseLayer
{
public:
    explicit CRecordingLayer(std::string name, int dataKind = kAnyData);

    bool Close(bool flag) override;
    void OnTimerTick() override;
    void NotifyProgramChanged(int a, int b, int c) override;
    void OnWindowDeactivate() override { Record("OnWindowDeactivate"); }
    void OnSaveReport() override { Record("OnSaveReport"); }
    void ReceiveFromCurrent() override { Record("ReceiveFromCurrent"); }
    void TransmitToCurrent() override { Record("TransmitToCurrent"); }
    void OnReceiveProgram() override { Record("OnReceiveProgram"); }
    void OnTransmitProgram() override { Record("OnTransmitProgram"); }
    void OnReceiveAll() override { Record("OnReceiveAll"); }
    void OnTransmitAll() override { Record("OnTransmitAll"); }
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    int GetDataKind() override { return kProgramEditKind; }

    void Record(const std::string& what) { Log().push_back(name + ":" + what); }

    std::string name;
};

class CRecordingValueDisplay : public CValueDisplayLayer
{
public:
    explicit CRecordingValueDisplay(std::string name) : name(std::move(name)) {}
    bool Close(bool flag) override;
    bool Show(bool now) override;
    bool Hide(bool now) override;

    std::string name;
};

// A window that records what its owner-forwarded operations receive, and
// builds the layers its test asks for when the system window is made.
class CRecordingWindow : public CBaseWindow
{
public:
    explicit CRecordingWindow(std::string name) : name(std::move(name)) {}

    void SetModified(bool modified) override;
    bool IsModified() override;
    void OnFileSave() override;
    void OnFileSaveAs() override;
    void OnReceiveAllData() override;
    void OnWriteAllData() override;
    void CloseDependentWindows() override;
    bool CanClose() override;
    bool Activate() override;
    int GetClassNumber() override;
    int GetDataKind() override { return dataKind; }
    bool CreateRootLayer() override;

    // A main layer bound now, without a system window.
    CRecordingLayer* BindMainLayer(int x = 0, int y = 0, int width = 300, int height = 200);
    CRecordingValueDisplay* AddValueDisplay(int index);
    using CBaseWindow::SetMainLayer;
    using CBaseWindow::SetValueDisplayLayer;

    void Record(const std::string& what) { Log().push_back(name + ":" + what); }

    std::string name;
    int dataKind = 0;
    bool canClose = true;
    bool modified = true;
    // Layers made on creation, as editor windows build theirs.
    bool buildLayers = false;
    MessageLayerSetup messageSetup;
};

// A control with a parameter binding, at a rectangle of its layer.
class CTestControl : public CHfcControl, public CCustomControl
{
public:
    CTestControl(CBaseLayer& layer, const RECT& rect, const ParameterReference& parameter);
};

class EditorBaseTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A library window holding the library, and an edit window of one of
    // its programs.
    void SetUpLibrary();
    std::unique_ptr<CRecordingWindow> MakeEditWindow(const std::string& name, int programIndex);
    // A shown MDI child of the frame, client width x height at (x, y).
    bool Open(CRecordingWindow& window, int x, int y, int width, int height);
    // Everything the window manager and the engine have queued.
    static void Pump();
    // Mouse input at a point of a control, through its window.
    static void Press(CHfcControl& control, int x, int y);
    static void MoveTo(CHfcControl& control, int x, int y);
    static void Release(CHfcControl& control, int x, int y);
    // The pixel of a layer's bitmap as 0xAARRGGBB.
    static std::uint32_t Pixel(CHfcWindowLayer& layer, int x, int y);
    // A crop of the layer's bitmap, 4 times enlarged over grey, in the
    // build folder.
    static void SaveCrop(CHfcWindowLayer& layer, const RECT& rect, const std::string& name);

    std::unique_ptr<FakeEditorShell> shell;
    CHfcMenuBar frameBar;
    CHfcMenuBar childBar;
    CHfcMdiFrameWindow frame;
    LibraryData library;
    ProgramBank* bank = nullptr;
    std::unique_ptr<CRecordingWindow> libraryWindow;
};

}  // namespace editor_test
