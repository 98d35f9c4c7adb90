#include "support/ReferencePng.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

namespace {

namespace fs = std::filesystem;

constexpr int kViewScale = 4;

struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

std::optional<Picture> ReadRgbPng(const fs::path& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0)
        return std::nullopt;
    image.format = PNG_FORMAT_RGB;
    Picture picture{static_cast<int>(image.width), static_cast<int>(image.height), {}};
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr) == 0) {
        png_image_free(&image);
        return std::nullopt;
    }
    return picture;
}

// The candidate enlarged, dimmed, with the pixels that differ in magenta.
std::vector<std::uint8_t> DiffRgb(const Picture& candidate, const std::vector<bool>& differs)
{
    return CropRgb(candidate.width, candidate.height, kViewScale, [&](int x, int y) -> std::uint32_t {
        const std::size_t at = static_cast<std::size_t>(y) * candidate.width + x;
        if (differs[at])
            return 0xFFFF00FFu;
        const std::uint8_t* p = &candidate.rgb[at * 3];
        return 0xFF000000u | (std::uint32_t{p[0]} / 3 << 16) | (std::uint32_t{p[1]} / 3 << 8) | p[2] / 3u;
    });
}

}  // namespace

::testing::AssertionResult MatchesReferencePng(const std::string& folder, const std::string& name, int width,
                                               int height, const CropPixel& pixel, const ReferenceTolerance& tolerance)
{
    const char* root = std::getenv("VQ_TEST_DATA");
    if (root == nullptr)
        return ::testing::AssertionFailure() << "VQ_TEST_DATA does not name the tests' source folder";
    const fs::path reference = fs::path(root) / folder / (name + ".png");
    const fs::path renders = fs::absolute(fs::path("reference_renders") / folder);
    const fs::path candidatePath = renders / (name + ".png");
    const fs::path viewPath = renders / (name + ".x4.png");
    const fs::path diffPath = renders / (name + ".diff.png");
    fs::remove(diffPath);

    const Picture candidate{width, height, CropRgb(width, height, 1, pixel)};
    if (!WriteRgbPng(candidatePath, width, height, candidate.rgb) ||
        !WriteCropPng(viewPath, width, height, kViewScale, pixel))
        return ::testing::AssertionFailure() << "cannot write " << candidatePath;
    const std::string review = "look at " + viewPath.string() + " and, when it is right, copy " +
                               candidatePath.string() + " to " + reference.string();

    if (!fs::exists(reference))
        return ::testing::AssertionFailure() << "no reference picture " << reference << "; " << review;
    const std::optional<Picture> expected = ReadRgbPng(reference);
    if (!expected)
        return ::testing::AssertionFailure() << "cannot read the reference picture " << reference;
    if (expected->width != width || expected->height != height)
        return ::testing::AssertionFailure() << "the render is " << width << " x " << height << ", the reference "
                                             << expected->width << " x " << expected->height << "; " << review;

    std::vector<bool> differs(static_cast<std::size_t>(width) * height);
    int count = 0;
    std::ostringstream first;
    for (std::size_t at = 0; at < differs.size(); ++at) {
        for (std::size_t channel = 0; channel < 3; ++channel)
            if (std::abs(candidate.rgb[at * 3 + channel] - expected->rgb[at * 3 + channel]) > tolerance.channel)
                differs[at] = true;
        if (differs[at] && count++ == 0)
            first << " (the first at " << at % width << ", " << at / width << ")";
    }
    if (count <= tolerance.pixels)
        return ::testing::AssertionSuccess();
    WriteRgbPng(diffPath, width * kViewScale, height * kViewScale, DiffRgb(candidate, differs));
    return ::testing::AssertionFailure() << count << " pixels differ from " << reference << first.str() << ", shown in "
                                         << diffPath << "; " << review;
}
