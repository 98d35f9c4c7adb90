#include "IncludeLayers.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <tuple>

namespace fs = std::filesystem;

namespace layering {
namespace {

// Bottom to top; a layer may include itself and any layer whose mask bit it holds.
struct Layer
{
    const char* folder;
    unsigned mayInclude;  // bits of kLayers
};

enum : unsigned
{
    kPlatform = 1,
    kServices = 2,
    kModel = 4,
    kUi = 8,
    kApp = 16,
    kEditor = 32
};

constexpr std::array<Layer, 6> kLayers{{
    {"platform", kPlatform},
    {"framework/services", kPlatform | kServices},
    {"model", kPlatform | kServices | kModel},
    {"framework/ui", kPlatform | kServices | kUi},
    {"app", kPlatform | kServices | kModel | kUi | kApp},
    {"editor", kPlatform | kServices | kModel | kUi | kApp | kEditor},
}};

bool InFolder(const std::string& path, const std::string& folder)
{
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == '/';
}

// The layer that holds a root-relative path, or -1 outside every layer.
int LayerOf(const std::string& path)
{
    for (size_t i = 0; i < kLayers.size(); ++i)
        if (InFolder(path, kLayers[i].folder))
            return static_cast<int>(i);
    return -1;
}

bool Allowed(int from, const std::string& target)
{
    const int to = LayerOf(target);
    if (to < 0)
        return true;  // a system or third-party header
    if (from == to)
        return true;
    if (to == 0 && from != 0 && InFolder(target, "platform/src"))
        return false;  // the platform's own workings are private to it
    return (kLayers[from].mayInclude & (1u << to)) != 0;
}

// The root-relative path an include names: "x/y.h" and <x/y.h> from the
// root, "../y.h" from the including file's folder.
std::string Target(const std::string& file, const std::string& written)
{
    if (written.rfind("../", 0) != 0 && written.rfind("./", 0) != 0)
        return written;
    return (fs::path(file).parent_path() / written).lexically_normal().generic_string();
}

void CheckFile(const fs::path& root, const fs::path& path, int layer, std::vector<Violation>& out)
{
    static const std::regex kInclude(R"(^\s*#\s*include\s*[<"]([^">]+)[">])");
    const std::string file = fs::relative(path, root).generic_string();
    std::ifstream in(path);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        std::smatch match;
        if (!std::regex_search(text, match, kInclude))
            continue;
        const std::string written = match[1];
        if (!Allowed(layer, Target(file, written)))
            out.push_back({file, line, written});
    }
}

}  // namespace

std::vector<Violation> FindViolations(const std::string& rootText)
{
    const fs::path root(rootText);
    std::vector<Violation> out;
    for (size_t layer = 0; layer < kLayers.size(); ++layer) {
        const fs::path folder = root / kLayers[layer].folder;
        if (!fs::is_directory(folder))
            continue;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
            const std::string ext = entry.path().extension().string();
            if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h" || ext == ".c"))
                CheckFile(root, entry.path(), static_cast<int>(layer), out);
        }
    }
    std::sort(out.begin(), out.end(), [](const Violation& a, const Violation& b) {
        return std::tie(a.file, a.line) < std::tie(b.file, b.line);
    });
    return out;
}

}  // namespace layering
