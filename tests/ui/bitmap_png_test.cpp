// PNG decoding into the framework's image: every colour type to straight
// BGRA pixels, and damaged data refused without a leak or a held lock.
#include "framework/ui/HfcBmp.h"

#include "png_fixture.h"

#include <platform/testing/gdi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using platform::testing::GdiplusRecording;
using ui_test::Pixels;
using ui_test::PngSpec;
using ui_test::Spec;
using ui_test::WritePng;

struct ColourCase
{
    const char* name;
    PngSpec spec;
    std::vector<std::uint32_t> expected;
};

template <typename Change>
PngSpec With(PngSpec spec, Change change)
{
    change(spec);
    return spec;
}

std::vector<ColourCase> ColourCases()
{
    const std::vector<png_color> palette{{1, 2, 3}, {250, 251, 252}};
    auto withPalette = [&](PngSpec& s) { s.palette = palette; };
    return {
        {"rgb", Spec(2, 1, PNG_COLOR_TYPE_RGB, 8, {0x10, 0x20, 0x30, 0xFF, 0x00, 0x80}), {0xFF102030, 0xFFFF0080}},
        {"rgb with its own alpha",
         Spec(2, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {0x10, 0x20, 0x30, 0x40, 0xFF, 0xFE, 0xFD, 0x00}),
         {0x40102030, 0x00FFFEFD}},
        {"rgb of 16 bits stripped to 8",
         Spec(1, 1, PNG_COLOR_TYPE_RGB, 16, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}),
         {0xFF12569A}},
        {"rgba of 16 bits",
         Spec(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 16, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0}),
         {0xDE12569A}},
        {"grey", Spec(2, 1, PNG_COLOR_TYPE_GRAY, 8, {0x00, 0x7F}), {0xFF000000, 0xFF7F7F7F}},
        {"grey of 1 bit", Spec(3, 1, PNG_COLOR_TYPE_GRAY, 1, {0b10100000}), {0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}},
        {"grey of 16 bits", Spec(1, 1, PNG_COLOR_TYPE_GRAY, 16, {0xAB, 0xCD}), {0xFFABABAB}},
        {"grey with a transparent level",
         With(Spec(2, 1, PNG_COLOR_TYPE_GRAY, 8, {0x00, 0x50}), [](PngSpec& s) { s.transparentGrey = 0; }),
         {0x00000000, 0xFF505050}},
        {"grey with alpha",
         Spec(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {0x80, 0x40, 0x20, 0xFF}),
         {0x40808080, 0xFF202020}},
        {"palette", With(Spec(2, 1, PNG_COLOR_TYPE_PALETTE, 8, {1, 0}), withPalette), {0xFFFAFBFC, 0xFF010203}},
        {"palette of 4 bits",
         With(Spec(3, 1, PNG_COLOR_TYPE_PALETTE, 4, {0x10, 0x10}), withPalette),
         {0xFFFAFBFC, 0xFF010203, 0xFFFAFBFC}},
        {"palette with transparency",
         With(Spec(2, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1}),
              [&](PngSpec& s) {
                  s.palette = palette;
                  s.paletteAlpha = {0x00, 0x80};
              }),
         {0x00010203, 0x80FAFBFC}},
        {"interlaced",
         With(Spec(3, 2, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}),
              [](PngSpec& s) { s.interlaced = true; }),
         {0xFF010203, 0xFF040506, 0xFF070809, 0xFF0A0B0C, 0xFF0D0E0F, 0xFF101112}},
    };
}

TEST(PngDecoding, EachColourTypeBecomesStraightBgraPixels)
{
    for (const ColourCase& c : ColourCases()) {
        SCOPED_TRACE(c.name);
        const std::vector<std::uint8_t> png = WritePng(c.spec);
        ASSERT_FALSE(png.empty());
        CHfcBmp bitmap;
        ASSERT_TRUE(bitmap.DecodePng(png.data(), png.size()));
        EXPECT_EQ(bitmap.GetWidth(), c.spec.width);
        EXPECT_EQ(bitmap.GetHeight(), c.spec.height);
        EXPECT_EQ(Pixels(bitmap), c.expected);
    }
}

// A 16 x 16 RGBA image of varied pixels, so its image data spans many bytes.
std::vector<std::uint8_t> VariedPng()
{
    PngSpec spec = Spec(16, 16, PNG_COLOR_TYPE_RGB_ALPHA, 8, {});
    for (int i = 0; i < 16 * 16 * 4; ++i)
        spec.samples.push_back(static_cast<std::uint8_t>(i * 37 + (i >> 3)));
    return WritePng(spec);
}

std::uint32_t BigEndian(const std::uint8_t* p)
{
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// Offset of the first image-data chunk's data and its length.
std::pair<std::size_t, std::size_t> ImageData(const std::vector<std::uint8_t>& png)
{
    for (std::size_t at = 8; at + 8 <= png.size(); at += 12 + BigEndian(&png[at])) {
        if (std::string(png.begin() + at + 4, png.begin() + at + 8) == "IDAT")
            return {at + 8, BigEndian(&png[at])};
    }
    return {0, 0};
}

std::uint32_t Crc(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

// Refused, empty afterwards, every lock given back, and still usable.
void ExpectRefused(const std::vector<std::uint8_t>& bytes)
{
    CHfcBmp bitmap;
    ui_test::MakeSolid(bitmap, 2, 2, 0xFF00FF00);
    GdiplusRecording recording;
    EXPECT_FALSE(bitmap.DecodePng(bytes.data(), bytes.size()));
    EXPECT_EQ(bitmap.GetWidth(), 0);
    EXPECT_EQ(bitmap.GetHeight(), 0);
    EXPECT_EQ(bitmap.LockBits(), nullptr);
    EXPECT_EQ(recording.CallsOf("GdipBitmapLockBits").size(), recording.CallsOf("GdipBitmapUnlockBits").size());
    const std::vector<std::uint8_t> good = VariedPng();
    EXPECT_TRUE(bitmap.DecodePng(good.data(), good.size()));
}

TEST(PngDecoding, TruncatedDataIsRefusedWithoutReadingPastItsEnd)
{
    const std::vector<std::uint8_t> png = VariedPng();
    const auto [dataStart, dataLength] = ImageData(png);
    ASSERT_GT(dataLength, 100u);
    for (std::size_t length : {std::size_t{0}, std::size_t{7}, std::size_t{8}, std::size_t{33}, dataStart,
                               dataStart + dataLength / 2, dataStart + dataLength - 1}) {
        SCOPED_TRACE(length);
        // An exact-size heap copy, so a read past its end is caught.
        ExpectRefused(std::vector<std::uint8_t>(png.begin(), png.begin() + length));
    }
}

TEST(PngDecoding, CorruptDataIsRefused)
{
    const std::vector<std::uint8_t> png = VariedPng();
    const auto [dataStart, dataLength] = ImageData(png);
    struct Damage
    {
        const char* name;
        std::size_t offset;
        std::uint8_t value;
        bool fixChecksum;
    };
    const Damage damages[] = {
        {"signature", 1, 'Q', false},
        {"header checksum", 20, 0x7F, false},
        {"colour type that does not exist", 25, 5, true},
        {"bit depth that does not exist", 24, 3, true},
        {"zero width", 19, 0, true},
        {"image data", dataStart + 2, 0xFF, false},
        {"compressed stream", dataStart, 0x00, true},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.name);
        std::vector<std::uint8_t> bad = png;
        bad[d.offset] = d.value;
        if (d.fixChecksum) {
            // The chunk holding the byte gets a matching checksum, so libpng
            // reads on into the damage itself.
            const bool inHeader = d.offset < dataStart;
            const std::size_t type = inHeader ? 12 : dataStart - 4;
            const std::size_t length = inHeader ? 13 : dataLength;
            const std::uint32_t crc = Crc(&bad[type], length + 4);
            for (int i = 0; i < 4; ++i)
                bad[type + 4 + length + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
        }
        ExpectRefused(bad);
    }
}

std::vector<std::uint8_t> FromHex(const std::string& hex)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

void PutBigEndian(std::uint8_t* p, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

// The image with a chunk of the given type and data placed right after its header.
std::vector<std::uint8_t> WithChunk(std::vector<std::uint8_t> png, const char* type, const std::string& data)
{
    std::vector<std::uint8_t> chunk(8 + data.size() + 4);
    PutBigEndian(chunk.data(), static_cast<std::uint32_t>(data.size()));
    std::memcpy(&chunk[4], type, 4);
    std::memcpy(&chunk[8], data.data(), data.size());
    PutBigEndian(&chunk[8 + data.size()], Crc(&chunk[4], data.size() + 4));
    png.insert(png.begin() + 33, chunk.begin(), chunk.end());
    return png;
}

TEST(PngDecoding, ChunksNotUsedAreSkippedWhateverTheyClaim)
{
    const std::vector<std::uint8_t> plain = VariedPng();
    CHfcBmp expected;
    ASSERT_TRUE(expected.DecodePng(plain.data(), plain.size()));
    const std::vector<std::uint8_t> annotated = WithChunk(
        WithChunk(WithChunk(plain, "tEXt", std::string("Comment\0a skin", 14)), "gAMA", std::string("\0\0\xB1\x8F", 4)),
        "sPLT", std::string("p\0\x08\x01\x02\x03\x04\0\0", 9));
    CHfcBmp bitmap;
    ASSERT_TRUE(bitmap.DecodePng(annotated.data(), annotated.size()));
    EXPECT_EQ(Pixels(bitmap), Pixels(expected));

    // A 4 x 4 header, then a chunk claiming 0x73737373 bytes that are not there.
    const std::string header = "89504e470d0a1a0a0000000d4948445200000004000000040203000000d49f76ed";
    for (const char* chunk : {"73737373"
                              "73504c54",
                              "73737373"
                              "74455874"}) {
        SCOPED_TRACE(chunk);
        ExpectRefused(FromHex(header + chunk + "7373737373737373"));
    }
}

TEST(PngDecoding, ImagesBeyondTheSizeLimitAreRefusedBeforeTheImageIsMade)
{
    const std::pair<std::uint32_t, std::uint32_t> sizes[] = {{8193, 1}, {1, 8193}, {4097, 4096}, {0x7FFFFFFF, 1}};
    for (const auto& [width, height] : sizes) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        std::vector<std::uint8_t> png = VariedPng();
        PutBigEndian(&png[16], width);
        PutBigEndian(&png[20], height);
        PutBigEndian(&png[29], Crc(&png[12], 17));
        CHfcBmp bitmap;
        GdiplusRecording recording;
        EXPECT_FALSE(bitmap.DecodePng(png.data(), png.size()));
        EXPECT_TRUE(recording.CallsOf("GdipCreateBitmapFromScan0").empty());
    }
}

TEST(PngDecoding, ResourcesAreFoundByNameAndMustBePngs)
{
    CHfcBmp bitmap;
    EXPECT_TRUE(bitmap.LoadPngResource("LcdChar"));
    EXPECT_EQ(bitmap.GetWidth(), 6);
    EXPECT_EQ(bitmap.GetHeight(), 1152);
    EXPECT_FALSE(bitmap.LoadPngResource("NoSuchBitmap"));
    EXPECT_EQ(bitmap.GetWidth(), 0) << "a load begins by emptying the image";
}

class PngFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        png = VariedPng();
        path = std::filesystem::temp_directory_path() /
               ("pixels_png_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".png");
        Write(png);
    }
    void TearDown() override { std::filesystem::remove(path); }
    void Write(const std::vector<std::uint8_t>& bytes)
    {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }

    std::vector<std::uint8_t> png;
    std::filesystem::path path;
};

TEST_F(PngFile, LoadsThroughAnyBufferOrItsOwn)
{
    CHfcBmp reference;
    ASSERT_TRUE(reference.DecodePng(png.data(), png.size()));
    std::vector<BYTE> large(png.size() + 10);
    std::vector<BYTE> small(png.size() - 1);
    struct Buffer
    {
        const char* name;
        BYTE* data;
        std::size_t size;
    };
    for (const Buffer& b : {Buffer{"none", nullptr, 0}, Buffer{"large enough", large.data(), large.size()},
                            Buffer{"too small", small.data(), small.size()}}) {
        SCOPED_TRACE(b.name);
        CHfcBmp bitmap;
        ASSERT_TRUE(bitmap.LoadFromFile(path.c_str(), b.data, b.size));
        EXPECT_EQ(Pixels(bitmap), Pixels(reference));
    }
    EXPECT_EQ(std::vector<BYTE>(small.begin(), small.end()), std::vector<BYTE>(small.size()))
        << "a buffer too small is left alone";
}

TEST_F(PngFile, MissingOrTruncatedFilesAreRefused)
{
    CHfcBmp bitmap;
    EXPECT_FALSE(bitmap.LoadFromFile((path.string() + ".missing").c_str(), nullptr, 0));
    Write(std::vector<std::uint8_t>(png.begin(), png.begin() + png.size() / 2));
    EXPECT_FALSE(bitmap.LoadFromFile(path.c_str(), nullptr, 0));
    EXPECT_EQ(bitmap.GetWidth(), 0);
}

}  // namespace
