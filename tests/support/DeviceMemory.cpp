#include "support/DeviceMemory.h"

#include "model/Global.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

template <typename Image>
const std::uint8_t* Take(const std::uint8_t* from, Image& image)
{
    std::memcpy(image.data(), from, image.size());
    return from + image.size();
}

}  // namespace

DeviceSimulatorCore::ProgramImage ProgramImageOf(const CProgram& program)
{
    DeviceSimulatorCore::ProgramImage image{};
    std::memcpy(image.data(), program.GetData(), image.size());
    return image;
}

DeviceSimulatorCore::ProgramImage ProgramImageNamed(const std::string& name)
{
    CProgram program;
    program.Initialize();
    SetProgramRecordName(program, name.c_str());
    return ProgramImageOf(program);
}

void FillFreshDeviceMemory(DeviceSimulatorCore& device)
{
    char name[16];
    for (int n = 0; n < DeviceSimulatorCore::kProgramCount; ++n) {
        std::snprintf(name, sizeof name, "Dev %03d", n);
        device.SetProgram(n, ProgramImageNamed(name));
    }
    device.SetCurrentProgram(ProgramImageNamed("Current"));
    CGlobal global;
    global.Initialize();
    DeviceSimulatorCore::GlobalImage image{};
    std::memcpy(image.data(), global.GetData(), image.size());
    device.SetGlobal(image);
}

bool LoadDeviceMemory(const std::string& path, DeviceSimulatorCore& device)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file.is_open() || bytes.size() != kDeviceMemoryFileSize)
        return false;
    const std::uint8_t* at = bytes.data();
    DeviceSimulatorCore::ProgramImage program{};
    for (int n = 0; n < DeviceSimulatorCore::kProgramCount; ++n) {
        at = Take(at, program);
        device.SetProgram(n, program);
    }
    at = Take(at, program);
    device.SetCurrentProgram(program);
    DeviceSimulatorCore::GlobalImage global{};
    Take(at, global);
    device.SetGlobal(global);
    return true;
}

bool SaveDeviceMemory(const std::string& path, const DeviceSimulatorCore& device)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kDeviceMemoryFileSize);
    for (int n = 0; n < DeviceSimulatorCore::kProgramCount; ++n) {
        const auto program = device.Program(n);
        bytes.insert(bytes.end(), program.begin(), program.end());
    }
    const auto current = device.CurrentProgram();
    bytes.insert(bytes.end(), current.begin(), current.end());
    const auto global = device.Global();
    bytes.insert(bytes.end(), global.begin(), global.end());

    const std::string aside = path + ".new";
    {
        std::ofstream file(aside, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!file.flush())
            return false;
    }
    return std::rename(aside.c_str(), path.c_str()) == 0;
}
