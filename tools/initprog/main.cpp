// Writes the initial program's image table from its named values, or checks
// that the kept table is what the values give.
#include "ProgramBuilder.h"
#include "ValueFile.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

std::string MakeTable(const std::array<std::uint8_t, kImageSize>& image)
{
    std::ostringstream out;
    out << "// Written by tools/initprog from tools/initprog/initprog.txt; do not edit.\n"
           "// Rewrite with: cmake --build <dir> --target update_initial_program\n"
           "// clang-format off\n"
           "#include \"model/Q3917InitialProgram.h\"\n\n"
           "const std::uint8_t kQ3917InitialProgramImage[CQ3917ProgramData::kImageSize] = {\n";
    char hex[8];
    for (std::size_t i = 0; i < image.size(); ++i) {
        std::snprintf(hex, sizeof hex, "0x%02X,", image[i]);
        out << (i % 16 == 0 ? "    " : " ") << hex << (i % 16 == 15 || i + 1 == image.size() ? "\n" : "");
    }
    out << "};\n";
    return out.str();
}

std::string ReadAll(const std::string& path)
{
    std::ifstream input(path, std::ios::binary);
    std::ostringstream content;
    content << input.rdbuf();
    return content.str();
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc == 4 ? argv[2] : "";
    if (mode != "--write" && mode != "--check") {
        std::cerr << "usage: initial_program_gen <values.txt> --write|--check <table.cpp>\n";
        return 2;
    }
    try {
        const std::string table = MakeTable(BuildProgramImage(ReadValueFile(argv[1])));
        if (mode == "--check") {
            if (ReadAll(argv[3]) == table)
                return 0;
            std::cerr << argv[3] << " differs from what " << argv[1] << " gives\n";
            return 1;
        }
        std::ofstream output(argv[3], std::ios::binary | std::ios::trunc);
        output << table;
        output.close();
        if (!output) {
            std::cerr << "cannot write " << argv[3] << "\n";
            return 1;
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
