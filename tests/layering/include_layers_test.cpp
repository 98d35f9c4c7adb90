// The libraries stand on each other in one direction only: a folder may
// include its own headers and those of the layers below it. Every library
// sees the whole source root as its include path, so the compiler alone
// would let model/ include editor/; this test refuses it.
#include "IncludeLayers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Describe(const std::vector<layering::Violation>& violations)
{
    std::string text;
    for (const layering::Violation& v : violations)
        text += v.file + ":" + std::to_string(v.line) + " includes " + v.included + "\n";
    return text;
}

TEST(IncludeLayers, NoLibraryIncludesALayerAboveItOrAnotherLayersPrivateHeaders)
{
    const std::vector<layering::Violation> violations = layering::FindViolations(VQ_SOURCE_ROOT);
    EXPECT_TRUE(violations.empty()) << Describe(violations);
}

// A small tree of its own shows that the check sees each kind of wrong
// include and lets the right ones pass.
class IncludeLayersTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() /
                ("vq_layers_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    void Write(const std::string& path, const std::string& text)
    {
        fs::create_directories((root_ / path).parent_path());
        std::ofstream(root_ / path) << text;
    }

    std::vector<std::string> Offenders()
    {
        std::vector<std::string> names;
        for (const layering::Violation& v : layering::FindViolations(root_.string()))
            names.push_back(v.file + " -> " + v.included);
        return names;
    }

    fs::path root_;
};

TEST_F(IncludeLayersTree, EachWrongIncludeIsReportedWithItsFile)
{
    Write("model/Bank.cpp", "#include \"model/Bank.h\"\n#include \"editor/LibraryWindow.h\"\n");
    Write("framework/ui/Knob.h", "#  include <model/Program.h>\n#include \"framework/services/Lock.h\"\n");
    Write("framework/services/Lock.cpp", "#include \"app/Shell.h\"\n#include <platform/kernel.h>\n");
    Write("app/Shell.cpp", "#include \"platform/src/display/backend.h\"\n#include \"model/Bank.h\"\n");
    Write("model/sub/Deep.cpp", "#include \"../../editor/Window.h\"\n#include \"../Bank.h\"\n");
    Write("editor/Window.cpp", "#include \"app/Shell.h\"\n#include \"framework/ui/Knob.h\"\n#include "
                               "\"model/Bank.h\"\n#include \"Local.h\"\n");
    Write("platform/src/display/backend.cpp", "#include \"../utf16.h\"\n#include \"display/geometry.h\"\n");
    // Text that only looks like an include is not one.
    Write("model/Text.cpp", "// #include \"editor/Nothing.h\"\nconst char* s = \"#include \\\"app/x.h\\\"\";\n");

    EXPECT_EQ(Offenders(), (std::vector<std::string>{
                               "app/Shell.cpp -> platform/src/display/backend.h",
                               "framework/services/Lock.cpp -> app/Shell.h",
                               "framework/ui/Knob.h -> model/Program.h",
                               "model/Bank.cpp -> editor/LibraryWindow.h",
                               "model/sub/Deep.cpp -> ../../editor/Window.h",
                           }));
}

TEST_F(IncludeLayersTree, ATreeWithoutWrongIncludesPasses)
{
    Write("app/Shell.cpp", "#include \"framework/ui/Knob.h\"\n#include \"model/Bank.h\"\n#include <platform/mdi.h>\n");
    Write("framework/ui/Knob.cpp", "#include \"framework/services/Lock.h\"\n");
    EXPECT_TRUE(Offenders().empty());
}

}  // namespace
