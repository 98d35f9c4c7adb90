#pragma once
// The test device's whole memory as one file, so that a device in another
// process can be set up and looked at: the 200 program images in order, the
// current program's image and the global image, nothing else (70,916 bytes).
#include "model/Program.h"
#include "support/DeviceSimulatorCore.h"

#include <string>

inline constexpr std::size_t kDeviceMemoryFileSize =
    (DeviceSimulatorCore::kProgramCount + 1) * CQ3917ProgramData::kImageSize + CQ3917GlobalData::kImageSize;

DeviceSimulatorCore::ProgramImage ProgramImageOf(const CProgram& program);
// An initialised program with this name.
DeviceSimulatorCore::ProgramImage ProgramImageNamed(const std::string& name);

// Initialised programs named "Dev 000" to "Dev 199", the current one named
// "Current", and the default global data.
void FillFreshDeviceMemory(DeviceSimulatorCore& device);
// False, leaving the device as it was, when the file cannot be read or has
// another size.
bool LoadDeviceMemory(const std::string& path, DeviceSimulatorCore& device);
// Written aside and renamed into place, so a reader never sees half a file.
bool SaveDeviceMemory(const std::string& path, const DeviceSimulatorCore& device);
