// A peer behind the MIDI bridge floods the editor's IN port with 100 MB of
// note-ons, note-offs, controllers and clock as fast as the socket takes
// them. The counters give the resident memory before, at its peak during and
// after the flood, and how much of the input was dropped rather than kept.
#include "model/MidiManager.h"

#include <platform/testing/midi.h>

#include "quiet_midi_host.h"

#include <benchmark/benchmark.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t kFloodBytes = std::size_t{100} << 20;
constexpr double kMegabyte = 1024.0 * 1024.0;

// Whole messages, no running status, so every byte belongs to a message.
constexpr BYTE kPattern[] = {0x90, 0x3C, 0x40, 0xB0, 0x07, 0x64, 0xF8, 0x80, 0x3C, 0x00};

// A field of /proc/self/status in bytes (the file gives kB).
double StatusBytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ":";
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(prefix, 0) == 0)
            return std::strtod(line.c_str() + prefix.size(), nullptr) * 1024.0;
    }
    return 0;
}

// Starts the peak at the present resident size.
void ResetPeakResident()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Counts what reaches the listeners and what the port reports dropped.
class CountingListener : public CHfcMidiListener
{
public:
    void OnHfcMidiShortData(CHfcMidi*, int length, const BYTE*) override { taken += length; }
    void OnHfcMidiInputDropped(CHfcMidi*, ULONGLONG bytes) override
    {
        dropped += bytes;
        ++reports;
    }

    std::atomic<std::uint64_t> taken{0};
    std::atomic<std::uint64_t> dropped{0};
    std::atomic<int> reports{0};
};

// The peer: listens at a fresh path, names its ports and, once the editor
// has connected, writes the flood and hangs up.
class FloodPeer
{
public:
    FloodPeer()
    {
        char folder[] = "/tmp/vq-flood-XXXXXX";
        if (mkdtemp(folder) == nullptr)
            return;
        m_folder = folder;
        m_path = m_folder + "/bridge";
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, m_path.c_str(), sizeof address.sun_path - 1);
        m_listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (m_listener < 0 || bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            listen(m_listener, 1) != 0)
            return;
        m_listening = true;
        m_thread = std::thread([this] { Serve(); });
    }

    ~FloodPeer()
    {
        if (m_listener >= 0) {
            shutdown(m_listener, SHUT_RDWR);
            close(m_listener);
        }
        if (m_thread.joinable())
            m_thread.join();
        unlink(m_path.c_str());
        rmdir(m_folder.c_str());
    }

    bool IsListening() const { return m_listening; }
    const std::string& Path() const { return m_path; }
    // Sets the flood going once the editor has its port open.
    void Release() { m_released = true; }

private:
    void Serve()
    {
        const int peer = accept(m_listener, nullptr, nullptr);
        if (peer < 0)
            return;
        WriteAll(peer, "Flood In\n\n", 10);
        while (!m_released)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::vector<BYTE> chunk;
        while (chunk.size() + sizeof kPattern <= 65536)
            chunk.insert(chunk.end(), std::begin(kPattern), std::end(kPattern));
        for (std::size_t sent = 0; sent < kFloodBytes;) {
            const std::size_t size = std::min(chunk.size(), kFloodBytes - sent);
            if (!WriteAll(peer, chunk.data(), size))
                break;
            sent += size;
        }
        close(peer);
    }

    static bool WriteAll(int fd, const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const char*>(data);
        while (size > 0) {
            const ssize_t written = send(fd, bytes, size, MSG_NOSIGNAL);
            if (written <= 0)
                return false;
            bytes += written;
            size -= static_cast<std::size_t>(written);
        }
        return true;
    }

    std::string m_folder;
    std::string m_path;
    int m_listener = -1;
    bool m_listening = false;
    std::atomic<bool> m_released{false};
    std::thread m_thread;
};

void BM_ShortMessageFloodThroughBridge(benchmark::State& state)
{
    for (auto _ : state) {
        FloodPeer peer;
        if (!peer.IsListening()) {
            state.SkipWithError("the peer could not listen");
            break;
        }
        platform::testing::UseMidiBridge(peer.Path());
        QuietHost host;
        CountingListener counter;
        CHfcMidi midi;
        midi.Create("bench");
        CMidiManager manager(&midi, &host);
        manager.Create();
        midi.AddListener(&counter);
        if (!manager.OpenInPort(0)) {
            state.SkipWithError("the bridge port did not open");
            break;
        }
        const double before = StatusBytes("VmRSS");
        ResetPeakResident();
        peer.Release();
        // Everything sent has either reached the listeners or been reported dropped.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(5);
        while (counter.taken + counter.dropped < kFloodBytes && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const double peak = StatusBytes("VmHWM");
        const double after = StatusBytes("VmRSS");
        manager.ClosePorts();
        midi.Destroy();
        platform::testing::UseVirtualMidi();
        if (counter.taken + counter.dropped < kFloodBytes) {
            state.SkipWithError("the flood did not pass within five minutes");
            break;
        }
        state.counters["input_mb"] = kFloodBytes / kMegabyte;
        state.counters["rss_before_mb"] = before / kMegabyte;
        state.counters["peak_rss_mb"] = peak / kMegabyte;
        state.counters["peak_growth_mb"] = (peak - before) / kMegabyte;
        state.counters["rss_after_mb"] = after / kMegabyte;
        state.counters["dropped_mb"] = static_cast<double>(counter.dropped) / kMegabyte;
        state.counters["drop_reports"] = counter.reports.load();
    }
}

BENCHMARK(BM_ShortMessageFloodThroughBridge)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
