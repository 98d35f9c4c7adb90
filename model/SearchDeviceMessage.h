#pragma once
// The port scan's search request and the device's answer to it.
#include "model/DeviceList.h"

#include <array>
#include <cstdint>

constexpr std::int32_t kSearchRequestSize = 6;
constexpr std::int32_t kSearchReplySize = 15;
// What the VQ-700Z answers with.
constexpr std::uint32_t kSearchDeviceFamily = 0x16E;
constexpr std::uint32_t kSearchDeviceMember = 1;

// F0 7D 50 00 nn F7, nn numbering the OUT port from 1 and wrapping at 128.
std::array<std::uint8_t, kSearchRequestSize> BuildSearchRequest(std::int32_t outPortIndex);

// For exactly 15 bytes beginning F0 7D 50 01: fills the identity, channel,
// flag and OUT port index (the heard number less one) of the record, and
// leaves its IN port and both names alone.
bool ReadSearchReply(const std::uint8_t* message, std::int32_t length, DeviceRecord& record);
