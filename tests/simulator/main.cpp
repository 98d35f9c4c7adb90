// A VQ-700Z played by another process: the peer of the editor's MIDI bridge
// (VQ_MIDI_BACKEND=bridge), for driving the real editor end to end.
#include "BridgeDevice.h"
#include "ControlChannel.h"
#include "SimulatorOptions.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::fputs(kSimulatorUsage, stdout);
        return 0;
    }
    std::string error;
    const auto options = ParseSimulatorOptions({argv + 1, argv + argc}, error);
    if (!options) {
        std::fprintf(stderr, "vq700z-device-simulator: %s\n%s", error.c_str(), kSimulatorUsage);
        return 2;
    }
    // Every thread started from here on leaves the ending signals to the waiter below.
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGINT);
    sigaddset(&ending, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &ending, nullptr);
    try {
        BridgeDevice device(*options);
        std::printf("ready\n");
        std::fflush(stdout);
        std::optional<ControlChannel> control;
        if (options->control)
            control.emplace(STDIN_FILENO, [&](const std::string& line) { return device.Command(line); });
        std::thread waiter([&] {
            int signal = 0;
            sigwait(&ending, &signal);
            device.Stop();
        });
        device.Serve();
        // Serve ends by itself only when the listening socket fails.
        pthread_kill(waiter.native_handle(), SIGTERM);
        waiter.join();
        if (!device.SaveMemory()) {
            std::fprintf(stderr, "vq700z-device-simulator: cannot save the memory to %s\n",
                         options->memoryPath.c_str());
            return 1;
        }
    } catch (const std::runtime_error& failure) {
        std::fprintf(stderr, "vq700z-device-simulator: %s\n", failure.what());
        return 2;
    }
    return 0;
}
