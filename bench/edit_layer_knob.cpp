// The road of a knob turned on screen: each position the knob reports is
// mapped to a value, written into the program, shown in the message state,
// marked modified, posted as event 7 and handed to the MIDI backend as the
// 14-byte parameter change. Per event, and as a sweep over 127 values.
#include "app/AppSettings.h"
#include "app/BaseWindow.h"
#include "app/EditLayerBase.h"
#include "app/EditorShell.h"
#include "app/MMTimer.h"
#include "app/SkinTable.h"
#include "app/WindowManager.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/HfcMidi.h"
#include "framework/services/PslMessageDispatchEngine.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlKnob.h"
#include "framework/ui/HfcMouse.h"
#include "model/DataModelInstances.h"
#include "model/LibraryData.h"
#include "model/MidiManager.h"
#include "model/MidiManagerHost.h"

#include <platform/testing.h>
#include <platform/testing/midi.h>

#include "quiet_midi_host.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <memory>
#include <vector>

namespace {

constexpr int kStepPixels = 7;
constexpr int kRatio = 2;  // twice a 0..127 parameter's ratio of 1
constexpr int kKnobPixelsPerValue = kStepPixels * kRatio;
constexpr ParameterAddress kCutoff{2, 36, 0};
// Pump the broadcasts this often, so that the queue stays short.
constexpr int kEventsPerPump = 64;

class BenchShell : public CEditorShell
{
public:
    CWindowManager* GetWindowManager() override { return &windowManager; }
    CMMTimer* GetTimer() override { return &timer; }
    CMidiManager* GetMidiManager() override { return &midiManager; }
    CMidiManagerHost* GetMidiManagerHost() override { return &host; }
    const AppSettings& GetSettings() override { return settings; }
    AppSettings& GetMutableSettings() override { return settings; }
    CEfSemaphore& GetDrawingSemaphore() override { return drawing; }
    CEfSemaphore& GetValueLayerSemaphore() override { return valueLayer; }
    void CheckShowValues(bool) override {}
    void ApplyMenuKind(int) override {}
    void AddChildWindow(CBaseWindow*) override {}
    void RemoveChildWindow(CBaseWindow*) override {}

    CPslMessageDispatchEngine engine;
    CWindowManager windowManager{engine};
    CMMTimer timer{engine};
    QuietHost host;
    CHfcMidi midi;
    CMidiManager midiManager{&midi, &host};
    AppSettings settings;
    CEfSemaphore drawing{1, "Semaphore"};
    CEfSemaphore valueLayer{1, "ValueLayerSemaphore"};
};

// A knob of the layouts over a 0..127 parameter: 14 pixels a value.
class BenchKnob : public CHfcCtrlKnob, public CCustomControl
{
public:
    explicit BenchKnob(CHfcBmp& strip)
    {
        const std::vector<HfcWord> words{
            0, 0, 20, 20, HfcBitmapWord(&strip), 0, 0, 0, 1, 0, 0, 127 * kKnobPixelsPerValue, kKnobPixelsPerValue};
        Create(words.data(), 0, CCustomControl::kEventPosition);
    }
    void SetValue(int value) override { CHfcCtrlKnob::SetValue(value * kKnobPixelsPerValue, true); }
    int GetValue() override { return CHfcCtrlKnob::GetValue() / kKnobPixelsPerValue; }
    int PositionToValue(int position) override { return position / kKnobPixelsPerValue; }
    int ValueToPosition(int value) override { return value * kKnobPixelsPerValue; }
    int GetControlType() const override { return kKnob; }
};

// An edit window of one program, without a system window.
class BenchEditWindow : public CBaseWindow
{
public:
    int GetDataKind() override { return CBaseLayer::kProgramEditKind; }
};

class KnobRoad
{
public:
    KnobRoad()
    {
        CHfcMouse::Acquire();
        CResourceManager::Acquire();
        CreateDataModelInstances();
        SetEditorShell(&shell);
        platform::testing::UseVirtualMidi();
        const UINT in = platform::testing::AddVirtualMidiIn({"bench in"});
        const UINT out = platform::testing::AddVirtualMidiOut(
            {"bench out"}, [this](const BYTE*, std::size_t size) { bytesOut += size; });
        shell.midi.Create("bench");
        shell.midiManager.Create();
        shell.midiManager.OpenInPort(static_cast<int>(in));
        shell.midiManager.OpenOutPort(static_cast<int>(out));
        library.AddItem(LibraryDataItem::kProgramBank);
        window.SetDocumentList(&library);
        window.SetDataContainer(library.FindItem(LibraryDataItem::kProgramBank));
        window.SetProgramIndex(3);
        layer.Create(0, 0, 200, 100, &window);
        strip.Create(20, 20);
        layer.AddControl(&knob, false);
        layer.AddBoundControl(&knob);
        knob.SetParameter({kCutoff, 0, 0});
        knob.SetOwner(&layer);
        layer.UpdateAllControls();
    }
    ~KnobRoad()
    {
        layer.Destroy();
        platform::testing::PumpMessages();
        shell.midi.Destroy();
        SetEditorShell(nullptr);
        ReleaseDataModelInstances();
        CResourceManager::Release();
        CHfcMouse::Release();
    }
    KnobRoad(const KnobRoad&) = delete;
    KnobRoad& operator=(const KnobRoad&) = delete;

    // Whether the layer edits a program and the ports are open.
    bool IsReady() const { return layer.GetProgramRecord() != nullptr && shell.midiManager.IsReady(); }
    // One position reported by the knob during a drag.
    void Report(int value) { layer.OnControlValueChanged(&knob, value * kKnobPixelsPerValue); }

    BenchShell shell;
    LibraryData library;
    BenchEditWindow window;
    CEditLayerBase layer;
    CHfcBmp strip;
    BenchKnob knob{strip};
    std::atomic<std::size_t> bytesOut{0};
};

// One knob event that changes the value: the value alternates, so that
// every event is written and sent.
void BM_KnobEventToParameterChange(benchmark::State& state)
{
    KnobRoad road;
    if (!road.IsReady())
        state.SkipWithError(road.layer.GetProgramRecord() == nullptr ? "no program" : "the ports are closed");
    int events = 0;
    for (auto _ : state) {
        road.Report(64 + (events & 1));
        if (++events % kEventsPerPump == 0) {
            state.PauseTiming();
            platform::testing::PumpMessages();
            state.ResumeTiming();
        }
    }
    platform::testing::WaitVirtualMidiDelivered();
    state.counters["bytes_per_event"] =
        benchmark::Counter(static_cast<double>(road.bytesOut), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_KnobEventToParameterChange);

// A drag over the whole range: 127 changes, each sent, then the broadcasts
// delivered to the layer, which refreshes its knob.
void BM_KnobSweepOf127Values(benchmark::State& state)
{
    KnobRoad road;
    if (!road.IsReady())
        state.SkipWithError("the road is not open");
    int direction = 1;
    for (auto _ : state) {
        for (int step = 1; step <= 127; ++step)
            road.Report(direction > 0 ? step : 127 - step);
        direction = -direction;
        platform::testing::PumpMessages();
    }
    platform::testing::WaitVirtualMidiDelivered();
    state.SetItemsProcessed(state.iterations() * 127);
    state.counters["bytes_per_sweep"] =
        benchmark::Counter(static_cast<double>(road.bytesOut), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_KnobSweepOf127Values);

}  // namespace
