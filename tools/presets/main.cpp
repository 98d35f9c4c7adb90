// Writes the factory preset files into a folder: the editor's own all-data
// file first, then five all-data files of the second sibling model.
#include "PresetBank.h"
#include "SiblingFileWriter.h"

#include "model/FileSave.h"
#include "model/VpException.h"

#include <iostream>
#include <string>

namespace {

constexpr int kSiblingPresets = 5;
constexpr int kSiblingPrograms = 128;

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: preset_generator <folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    try {
        LibraryData library;
        FillPresetLibrary(library, 0, kProgramBankSize);
        SaveAllDataFile(library, (folder + "/Preset_01.vq700z_all").c_str());
        for (int preset = 1; preset <= kSiblingPresets; ++preset) {
            FillPresetLibrary(library, preset, kSiblingPrograms);
            const std::string path = folder + "/Preset_0" + std::to_string(preset + 1) + ".srqtp_all";
            WriteSiblingAllDataFile(library, path.c_str());
        }
    } catch (const CVpFileException& error) {
        std::cerr << "preset_generator: cannot write into " << folder << " (file error " << error.GetCode() << ")\n";
        return 1;
    }
    return 0;
}
