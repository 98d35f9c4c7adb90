// The skin generator draws the same bytes on every run, so the embedded
// bitmaps are exactly what a fresh run writes.
#include "skin_png.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SkinGenerator, ASecondRunWritesTheEmbeddedBytes)
{
    const fs::path out = fs::temp_directory_path() / ("skin_generator_test_" + std::to_string(::getpid()));
    fs::remove_all(out);
    const std::string command = std::string("\"") + VQ_SKIN_GENERATOR + "\" \"" + out.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    int compared = 0;
    for (const auto& file : fs::directory_iterator(out)) {
        const std::string name = file.path().stem().string();
        if (name.starts_with("contact_sheet_"))
            continue;
        SCOPED_TRACE(name);
        const auto embedded = skin_test::Resource(name);
        ASSERT_TRUE(embedded) << "written but not embedded";
        const std::vector<std::uint8_t> fresh = ReadFile(file.path());
        EXPECT_TRUE(fresh == std::vector<std::uint8_t>(embedded->data, embedded->data + embedded->size));
        ++compared;
    }
    EXPECT_EQ(compared, 106);
    fs::remove_all(out);
}

}  // namespace
