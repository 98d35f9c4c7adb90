#pragma once
// Bytes of the device's System Exclusive messages: building them from the
// template table and reading the fields of received ones.
#include "model/SysExTemplateTable.h"
#include "model/VpIdConverter.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

constexpr std::int32_t kParameterChangeSize = 14;
constexpr std::int32_t kDeviceInquiryReplySize = 15;
constexpr std::int32_t kDeviceFamilyCode = 0xEE;

// 14-bit field, low seven bits first; a negative value goes as its low 14
// bits in two's complement.
void WriteSysExNumber(std::uint8_t* at, std::int32_t value);
// Joins the two bytes and sign-extends bit 13: -8192..8191.
std::int32_t ReadSysExNumber(const std::uint8_t* at);

// The template's bytes with the channel in byte 2 (not for the universal
// inquiry) and the number at its offset when the template has one. A
// template with a payload gets the image packed after its header and a
// closing F7.
std::vector<std::uint8_t> BuildSysExMessage(SysExTemplateIndex index, std::int32_t channel, std::int32_t number = 0,
                                            std::span<const std::uint8_t> image = {});

// Whole length of a dump message that carries an image of imageSize bytes.
std::int32_t GetDumpMessageSize(SysExTemplateIndex index, std::int32_t imageSize);

struct ParameterChangeMessage
{
    std::int32_t idHigh;
    std::int32_t idLow;
    std::int32_t value;
};

std::array<std::uint8_t, kParameterChangeSize> BuildParameterChangeMessage(std::int32_t channel,
                                                                           const ParameterChangeMessage& change);
// True for exactly 14 bytes of the model's frame with function 41 and a
// closing F7, on any channel; another model's message is refused.
bool ReadParameterChangeMessage(const std::uint8_t* message, std::int32_t length, ParameterChangeMessage& change);

// Sets channel from any model message longer than 6 bytes, whatever its
// function; false leaves it as it was.
bool LearnGlobalChannel(const std::uint8_t* message, std::int32_t length, std::int32_t& channel);

struct DeviceIdentity
{
    std::int32_t channel;
    std::int32_t family;
    std::int32_t member;
    std::int32_t version1;
    std::int32_t version2;
};

// True for an answer of exactly 15 bytes to the universal inquiry from any
// device id; the manufacturer byte is not examined.
bool ReadDeviceInquiryReply(const std::uint8_t* message, std::int32_t length, DeviceIdentity& identity);

// Controller 123, value 0 on the channel, packed status | d1 << 8 | d2 << 16.
std::uint32_t AllNotesOffMessage(std::int32_t channel);
