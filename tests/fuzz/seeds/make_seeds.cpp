// Writes the seed corpus of every fuzz target: valid inputs made by the
// project's own writers and the test layouts, and the resource and fixture
// texts as they are. Usage: fuzz_seeds SOURCE_ROOT CORPUS_FOLDER
#include "app/AppSettings.h"
#include "framework/services/HfcMemoryStreams.h"
#include "framework/ui/HfcBmp.h"
#include "model/AllDataFile.h"
#include "model/DataFileTransfer.h"
#include "model/LibraryPropertiesChunk.h"
#include "model/ProgramFile.h"
#include "model/Q3917IdConverter.h"
#include "model/SysExProtocol.h"
#include "support/ImportFileLayouts.h"
#include "ui/png_fixture.h"

#include <platform/gdi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

fs::path g_corpus;

void Seed(const char* target, const std::string& name, const Bytes& bytes)
{
    const fs::path folder = g_corpus / target;
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a writer puts into a file, read back.
Bytes Written(const std::function<void(CHfcFile&)>& write)
{
    const fs::path path = g_corpus / ".written-file";
    {
        CHfcFile file;
        if (!file.Open(path.c_str(), CHfcFile::kWrite | CHfcFile::kBinary)) {
            std::perror(path.c_str());
            std::exit(1);
        }
        write(file);
    }
    Bytes bytes = ReadWhole(path);
    fs::remove(path);
    return bytes;
}

void SeedEditorFiles()
{
    LibraryData library;
    ProgramBank& bank = *library.AddItem(LibraryDataItem::kProgramBank)->bank;
    CGlobal& global = *library.AddItem(LibraryDataItem::kGlobal)->global;
    library.SetViewWord(3, 90);
    SetProgramRecordName(bank[0], "Seed One");
    const std::int32_t words[4] = {3, -1, 2, 90};
    const Bytes image(global.GetData(), global.GetData() + CQ3917GlobalData::kImageSize);

    Seed("all_data_file", "written", Written([&](CHfcFile& file) { WriteAllDataFile(library, file); }));
    Seed("all_data_file", "global_and_properties",
         AllDataBytes({GlobalFileBytes(image, 1, 3), LibraryPropertiesBytes(words)}, 2));
    Seed("all_data_file", "no_chunks", AllDataBytes({}, 0));

    ProgramRecordLayout record;
    record.image = PatternImage("Pattern ", 7);
    record.programmer = "someone";
    record.comment = "a comment";
    record.category = 3;
    Seed("program_file", "written", Written([&](CHfcFile& file) { WriteProgramFile(bank[0], file); }));
    Seed("program_file", "layout", ProgramFileBytes(record));

    Seed("program_set_file", "written", Written([&](CHfcFile& file) { WriteProgramSetFile(bank, file); }));
    Seed("program_set_file", "two_programs", ProgramSetBytes({record, record}, 2));

    Seed("global_file", "written", Written([&](CHfcFile& file) { WriteDataToFile(global, file); }));
    Seed("global_file", "layout", GlobalFileBytes(image, 1, 3));

    CHfcMemoryOutputStream chunk(256, 256);
    WriteLibraryPropertiesChunk(chunk, library);
    Seed("library_chunk", "written", Bytes(chunk.GetBuffer(), chunk.GetBuffer() + chunk.GetDataSize()));
    Seed("library_chunk", "layout", LibraryPropertiesBytes(words));
}

void SeedImports()
{
    const CQ3917GlobalData global;
    const Bytes image(global.GetData(), global.GetData() + CQ3917GlobalData::kImageSize);
    for (const char* model : {"3917", "3918"}) {
        Seed("sibling_import", std::string(model) + "_all_data",
             SiblingAllData(
                 model, {SiblingProgramChunk(model, SiblingPrograms(1), 128), SiblingGlobalChunk(model, image)}, 2));
    }
    std::vector<SiblingProgramLayout> two = SiblingPrograms(2);
    two.resize(2);
    Seed("sibling_import", "3917_two_programs", SiblingAllData("3917", {SiblingProgramChunk("3917", two, 2)}, 1));

    N6ProgramLayout program;
    program.programmer = "n6 hand";
    program.comment = "n6 words";
    Seed("n6_import", "two_programs", N6Library({N6ProgramSet({program, program}, 2)}, 1));
    Seed("n6_import", "with_a_foreign_chunk",
         N6Library({N6ForeignChunk("862X", 32, 16), N6ProgramSet({program}, 1)}, 2));
}

// The first byte is the most one buffer holds; the rest arrive as the device sends them.
void SeedMidi()
{
    const CQ3917ProgramData program;
    const CQ3917GlobalData global;
    const std::int32_t channel = 3;
    Bytes replies;
    auto add = [&](const std::vector<std::uint8_t>& message) {
        replies.insert(replies.end(), message.begin(), message.end());
    };
    add(BuildSysExMessage(DeviceInquiryReply, channel));
    add(BuildSysExMessage(ProgramDump, channel, 5, std::span(program.GetData(), CQ3917ProgramData::kImageSize)));
    add(BuildSysExMessage(CurrentProgramDump, channel, 0, std::span(program.GetData(), CQ3917ProgramData::kImageSize)));
    add(BuildSysExMessage(GlobalDump, channel, 0, std::span(global.GetData(), CQ3917GlobalData::kImageSize)));
    add(BuildSysExMessage(WriteCompletedReply, channel));
    add(BuildSysExMessage(WriteErrorReply, channel));
    add(BuildSysExMessage(DataErrorReply, channel));

    Bytes changes;
    const CQ3917IdConverter converter;
    for (std::uint32_t group = 0; group < 3; ++group) {
        for (std::uint32_t index = 0; index < 4; ++index) {
            DeviceParameterId id{};
            if (!converter.ToDeviceId({group, index, 0}, id))
                continue;
            const auto message = BuildParameterChangeMessage(
                channel, {static_cast<std::int32_t>(id.high), static_cast<std::int32_t>(id.low), 1});
            changes.insert(changes.end(), message.begin(), message.end());
        }
    }
    const Bytes shortMessages{0x90, 0x3C, 0x64, 0xF8, 0xB0, 0x7B, 0x00, 0xC0, 0x05, 0xFE};

    auto seed = [](const char* name, std::uint8_t most, const Bytes& stream) {
        Bytes input{most};
        input.insert(input.end(), stream.begin(), stream.end());
        Seed("midi_in", name, input);
    };
    seed("replies_whole", 0, replies);
    seed("replies_in_7_byte_buffers", 7, replies);
    seed("parameter_changes", 0, changes);
    seed("short_messages", 2, shortMessages);
}

void SeedPreferences()
{
    const fs::path registry = g_corpus / ".registry";
    setenv("VQ_REGISTRY_DIR", registry.c_str(), 1);
    AppSettings settings;
    settings.midiInDevice = "VQ-700Z \"IN\" \\ 1";
    settings.midiOutDevice = "VQ-700Z OUT";
    settings.mainWindowX = -20;
    if (!SaveSettings(settings)) {
        std::fprintf(stderr, "the settings could not be written\n");
        std::exit(1);
    }
    Seed("preferences", "written", ReadWhole(registry / "Software" / "Vesk" / "VQ-700Z Sound Editor" / "values"));
    fs::remove_all(registry);
}

void SeedImages()
{
    auto png = [](const char* name, int width, int height, int colourType, int bitDepth, Bytes samples) {
        ui_test::PngSpec spec = ui_test::Spec(width, height, colourType, bitDepth, std::move(samples));
        if (colourType == PNG_COLOR_TYPE_PALETTE) {
            spec.palette = {{1, 2, 3}, {250, 251, 252}};
            spec.paletteAlpha = {0x00, 0x80};
        }
        spec.interlaced = height > 2;
        Seed("png", name, ui_test::WritePng(spec));
    };
    png("rgb", 2, 1, PNG_COLOR_TYPE_RGB, 8, {0x10, 0x20, 0x30, 0xFF, 0x00, 0x80});
    png("rgba_16_bits", 1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 16, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0});
    png("grey_1_bit", 3, 1, PNG_COLOR_TYPE_GRAY, 1, {0b10100000});
    png("grey_alpha", 2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {0x80, 0x40, 0x20, 0xFF});
    png("palette_with_transparency", 2, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1});
    png("interlaced", 2, 3, PNG_COLOR_TYPE_RGB, 8, Bytes(18, 0x5A));

    auto dib = [](const char* name, int height, WORD bitCount, DWORD coloursUsed, const Bytes& body) {
        const BITMAPINFOHEADER header{
            sizeof(BITMAPINFOHEADER), 2, height, 1, bitCount, BI_RGB, 0, 0, 0, coloursUsed, 0};
        Bytes bytes(sizeof header);
        std::memcpy(bytes.data(), &header, sizeof header);
        bytes.insert(bytes.end(), body.begin(), body.end());
        Seed("packed_dib", name, bytes);
    };
    dib("8_bits_two_colours", 2, 8, 2, {0x30, 0x20, 0x10, 0, 0xF0, 0xE0, 0xD0, 0, 0, 1, 0, 0, 1, 1, 0, 0});
    Bytes palette(1024 + 8, 0x44);
    dib("8_bits_whole_palette", 2, 8, 0, palette);
    dib("24_bits", 2, 24, 0, {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0});
    dib("32_bits_top_down", -2, 32, 0, Bytes(16, 0x7F));
    dib("4_bits", 2, 4, 0, Bytes(8, 0x12));
}

// Resource and fixture texts seed the parsers of their kind.
void SeedTexts(const fs::path& root)
{
    struct Texts
    {
        const char* target;
        const char* folder;
        const char* nameContains;
        const char* extension;
    };
    const Texts texts[] = {
        {"dialog_template", "resources/dialogs", "", ".txt"},
        {"dialog_template", "tests/resources", "dialog", ".txt"},
        {"localized_strings", "resources/strings", "", ".xml"},
        {"localized_strings", "tests/resources", "strings", ".xml"},
        {"keyword_table", "resources/keywords", "", ".txt"},
        {"menu", "resources/menus", "MenuBar", ".txt"},
        {"accelerators", "resources/menus", "Accelerators", ".txt"},
    };
    for (const Texts& t : texts) {
        for (const fs::directory_entry& entry : fs::directory_iterator(root / t.folder)) {
            const std::string name = entry.path().filename().string();
            if (entry.path().extension() == t.extension && name.find(t.nameContains) != std::string::npos &&
                name != "manifest.txt")
                Seed(t.target, name, ReadWhole(entry.path()));
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE_ROOT CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    g_corpus = argv[2];
    fs::create_directories(g_corpus);
    SeedEditorFiles();
    SeedImports();
    SeedMidi();
    SeedPreferences();
    SeedImages();
    SeedTexts(argv[1]);
    return 0;
}
