#include "window_menu.h"

#include <atomic>
#include <map>
#include <mutex>

namespace platform::detail {
namespace {

std::atomic<WindowMenuWriter> gWriter{nullptr};

struct Written
{
    std::mutex mutex;
    std::map<HMENU, std::vector<WindowMenuEntry>> menus;
};

Written& Menus()
{
    static Written* written = new Written;
    return *written;
}

}  // namespace

void SetWindowMenuWriter(WindowMenuWriter writer)
{
    gWriter = writer;
}

void WriteWindowMenu(HMENU windowMenu, const std::vector<WindowMenuEntry>& entries)
{
    if (!windowMenu)
        return;
    {
        auto& written = Menus();
        std::lock_guard lock(written.mutex);
        written.menus[windowMenu] = entries;
    }
    if (auto writer = gWriter.load())
        writer(windowMenu, entries);
}

std::vector<WindowMenuEntry> WrittenWindowMenu(HMENU windowMenu)
{
    auto& written = Menus();
    std::lock_guard lock(written.mutex);
    auto found = written.menus.find(windowMenu);
    return found == written.menus.end() ? std::vector<WindowMenuEntry>{} : found->second;
}

}  // namespace platform::detail
