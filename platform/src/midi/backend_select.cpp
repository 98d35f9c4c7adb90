#include "backend.h"

#include <cstdlib>
#include <mutex>
#include <string>

namespace platform::midi {

namespace {

std::mutex g_lock;
std::shared_ptr<Backend> g_backend;

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::shared_ptr<Backend> FromEnvironment()
{
    const std::string kind = Variable("VQ_MIDI_BACKEND");
    if (kind == "virtual")
        return MakeVirtualBackend();
    if (kind == "bridge")
        return MakeBridgeBackend(Variable("VQ_MIDI_BRIDGE_SOCKET"));
    return MakeAlsaBackend();
}

}  // namespace

std::shared_ptr<Backend> ActiveBackend()
{
    std::lock_guard<std::mutex> lock(g_lock);
    if (!g_backend)
        g_backend = FromEnvironment();
    return g_backend;
}

void ReplaceBackend(std::shared_ptr<Backend> backend)
{
    std::shared_ptr<Backend> previous;
    std::lock_guard<std::mutex> lock(g_lock);
    previous.swap(g_backend);
    g_backend = std::move(backend);
}

}  // namespace platform::midi
