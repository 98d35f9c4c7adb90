#include "framework/services/Md5.h"

#include <bit>
#include <cstring>

namespace {

constexpr std::uint32_t kStandardState[4] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u};

// Per-step shift amounts, four per round.
constexpr int kShifts[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

// floor(abs(sin(i + 1)) * 2^32).
constexpr std::uint32_t kSines[64] = {
    0xD76AA478, 0xE8C7B756, 0x242070DB, 0xC1BDCEEE, 0xF57C0FAF, 0x4787C62A, 0xA8304613, 0xFD469501,
    0x698098D8, 0x8B44F7AF, 0xFFFF5BB1, 0x895CD7BE, 0x6B901122, 0xFD987193, 0xA679438E, 0x49B40821,
    0xF61E2562, 0xC040B340, 0x265E5A51, 0xE9B6C7AA, 0xD62F105D, 0x02441453, 0xD8A1E681, 0xE7D3FBC8,
    0x21E1CDE6, 0xC33707D6, 0xF4D50D87, 0x455A14ED, 0xA9E3E905, 0xFCEFA3F8, 0x676F02D9, 0x8D2A4C8A,
    0xFFFA3942, 0x8771F681, 0x6D9D6122, 0xFDE5380C, 0xA4BEEA44, 0x4BDECFA9, 0xF6BB4B60, 0xBEBFBC70,
    0x289B7EC6, 0xEAA127FA, 0xD4EF3085, 0x04881D05, 0xD9D4D039, 0xE6DB99E5, 0x1FA27CF8, 0xC4AC5665,
    0xF4292244, 0x432AFF97, 0xAB9423A7, 0xFC93A039, 0x655B59C3, 0x8F0CCC92, 0xFFEFF47D, 0x85845DD1,
    0x6FA87E4F, 0xFE2CE6E0, 0xA3014314, 0x4E0811A1, 0xF7537E82, 0xBD3AF235, 0x2AD7D2BB, 0xEB86D391,
};

std::uint32_t LoadLittleEndian(const std::uint8_t* bytes)
{
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

void StoreLittleEndian(std::uint32_t value, std::uint8_t* bytes)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// One round of 16 steps. The round is a template argument, so that the
// mixing function, the word order and the shifts are constants the compiler
// can unroll over, instead of a choice made at every step.
template <int Round>
void RunRound(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c, std::uint32_t& d, const std::uint32_t words[16])
{
    for (int i = 0; i < 16; ++i) {
        const int step = 16 * Round + i;
        std::uint32_t mixed;
        int word;
        if constexpr (Round == 0) {
            mixed = (b & c) | (~b & d);
            word = step;
        } else if constexpr (Round == 1) {
            mixed = (d & b) | (~d & c);
            word = (5 * step + 1) % 16;
        } else if constexpr (Round == 2) {
            mixed = b ^ c ^ d;
            word = (3 * step + 5) % 16;
        } else {
            mixed = c ^ (b | ~d);
            word = (7 * step) % 16;
        }
        const std::uint32_t rotated = std::rotl(a + mixed + kSines[step] + words[word], kShifts[Round][i % 4]);
        a = d;
        d = c;
        c = b;
        b += rotated;
    }
}

void CompressBlock(std::uint32_t state[4], const std::uint8_t block[64])
{
    std::uint32_t words[16];
    for (int i = 0; i < 16; ++i)
        words[i] = LoadLittleEndian(block + 4 * i);

    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    RunRound<0>(a, b, c, d, words);
    RunRound<1>(a, b, c, d, words);
    RunRound<2>(a, b, c, d, words);
    RunRound<3>(a, b, c, d, words);
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

}  // namespace

void CalculateMd5(const void* data, std::uint32_t length, std::uint8_t digest[16], const std::uint32_t* initialState)
{
    std::uint32_t state[4];
    std::memcpy(state, initialState != nullptr ? initialState : kStandardState, sizeof state);

    // Whole blocks straight from the data; the tail, the 0x80 byte, the
    // zeros and the bit length in one or two blocks of their own.
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    const std::uint32_t wholeBlocks = length / 64;
    for (std::uint32_t i = 0; i < wholeBlocks; ++i)
        CompressBlock(state, bytes + 64 * i);

    std::uint8_t tail[128] = {};
    const std::uint32_t rest = length % 64;
    if (rest > 0)
        std::memcpy(tail, bytes + 64 * wholeBlocks, rest);
    tail[rest] = 0x80;
    const std::uint32_t tailLength = rest + 1 + 8 <= 64 ? 64 : 128;
    StoreLittleEndian(length << 3, tail + tailLength - 8);
    StoreLittleEndian(length >> 29, tail + tailLength - 4);
    for (std::uint32_t offset = 0; offset < tailLength; offset += 64)
        CompressBlock(state, tail + offset);

    for (int i = 0; i < 4; ++i)
        StoreLittleEndian(state[i], digest + 4 * i);
}
