#include "headless_backend.h"

#include "backend.h"

#include <map>
#include <mutex>

namespace platform::detail {
namespace {

std::mutex gWorkAreaMutex;
RECT gWorkArea{0, 0, 1920, 1040};

std::mutex gIconsMutex;
std::map<HWND, IconImage> gIcons;

class HeadlessBackend final : public DisplayBackend
{
public:
    RECT WorkArea() override
    {
        std::lock_guard lock(gWorkAreaMutex);
        return gWorkArea;
    }
    void Open(HWND window, const RECT&, const std::string&, DesktopFrame) override { screens_[window]; }
    void Close(HWND window) override
    {
        screens_.erase(window);
        std::lock_guard lock(gIconsMutex);
        gIcons.erase(window);
    }
    void Show(HWND, bool) override {}
    void Place(HWND, const RECT&) override {}
    void SetTitle(HWND, const std::string&) override {}
    void SetIcon(HWND window, const IconImage& icon) override
    {
        std::lock_guard lock(gIconsMutex);
        gIcons[window] = icon;
    }
    // Copies what changed, as a desktop would to its own buffer.
    void Present(HWND window, const Surface& surface, const RECT& area) override
    {
        Surface& screen = screens_[window];
        if (screen.width != surface.width || screen.height != surface.height)
            screen.Resize(surface.width, surface.height);
        RECT clipped = Intersect(area, {0, 0, surface.width, surface.height});
        for (LONG y = clipped.top; y < clipped.bottom; ++y)
            std::copy(surface.Row(y) + clipped.left, surface.Row(y) + clipped.right, screen.Row(y) + clipped.left);
    }
    void SetCursorShape(WORD) override {}
    void CaptureMouse(bool) override {}

private:
    std::map<HWND, Surface> screens_;
};

}  // namespace

void SetHeadlessWorkArea(const RECT& area)
{
    std::lock_guard lock(gWorkAreaMutex);
    gWorkArea = area;
}

std::optional<IconImage> HeadlessIconOf(HWND window)
{
    std::lock_guard lock(gIconsMutex);
    auto found = gIcons.find(window);
    if (found == gIcons.end())
        return std::nullopt;
    return found->second;
}

std::unique_ptr<DisplayBackend> MakeHeadlessBackend()
{
    return std::make_unique<HeadlessBackend>();
}

}  // namespace platform::detail
