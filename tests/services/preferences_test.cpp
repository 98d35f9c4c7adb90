// Preferences kept in the registry, in a private folder per test: round trip
// across objects, defaults, values of the wrong size and overlong texts.
#include "framework/services/HfcPreferences.h"

#include "ScratchFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char kKey[] = "Software\\Tests\\Preferences";

class HfcPreferencesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (const char* previous = std::getenv("VQ_REGISTRY_DIR"))
            m_previous = previous;
        setenv("VQ_REGISTRY_DIR", m_hive.path().c_str(), 1);
    }
    void TearDown() override
    {
        if (m_previous)
            setenv("VQ_REGISTRY_DIR", m_previous->c_str(), 1);
        else
            unsetenv("VQ_REGISTRY_DIR");
    }

    // Stores raw bytes of any kind, as another program might have.
    void StoreRaw(const char* name, DWORD type, const std::vector<BYTE>& bytes)
    {
        HKEY key = nullptr;
        DWORD disposition = 0;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                  &key, &disposition),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size())), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    // The stored kind and bytes of a value; nothing when it is missing.
    std::optional<std::pair<DWORD, std::vector<BYTE>>> LoadRaw(const char* name)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
            return std::nullopt;
        DWORD type = 0, size = 0;
        std::optional<std::pair<DWORD, std::vector<BYTE>>> result;
        if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            std::vector<BYTE> bytes(size);
            RegQueryValueExA(key, name, nullptr, &type, bytes.data(), &size);
            result.emplace(type, bytes);
        }
        RegCloseKey(key);
        return result;
    }

    ScratchFolder m_hive;

private:
    std::optional<std::string> m_previous;
};

std::vector<BYTE> Bytes(const char* text, std::size_t count)
{
    return std::vector<BYTE>(text, text + count);
}

TEST_F(HfcPreferencesTest, ValuesWrittenByOneObjectAreReadByTheNext)
{
    {
        CHfcPreferences writer;
        ASSERT_TRUE(writer.Open(kKey));
        writer.WriteDword("KnobMode", 1);
        writer.WriteDword("Largest", 0xFFFFFFFFu);
        writer.WriteString("MidiInDevice", "VQ-700Z Port 1");
        writer.WriteString("Empty", "");
    }
    CHfcPreferences reader;
    ASSERT_TRUE(reader.Open(kKey));
    EXPECT_EQ(reader.ReadDword("KnobMode", 2), 1u);
    EXPECT_EQ(reader.ReadDword("knobmode", 2), 1u) << "value names match in any case";
    EXPECT_EQ(reader.ReadDword("Largest", 0), 0xFFFFFFFFu);
    char text[257] = "untouched";
    reader.ReadString("MidiInDevice", text, sizeof text, "none");
    EXPECT_STREQ(text, "VQ-700Z Port 1");
    reader.ReadString("Empty", text, sizeof text, "none");
    EXPECT_STREQ(text, "");

    const auto empty = LoadRaw("Empty");
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->first, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(empty->second, std::vector<BYTE>{0}) << "the empty text is stored as its terminator";
    const auto number = LoadRaw("KnobMode");
    ASSERT_TRUE(number.has_value());
    EXPECT_EQ(number->first, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(number->second, (std::vector<BYTE>{1, 0, 0, 0}));
}

TEST_F(HfcPreferencesTest, WithoutAnOpenKeyReadsGiveDefaultsAndWritesStoreNothing)
{
    CHfcPreferences preferences;
    EXPECT_EQ(preferences.ReadDword("KnobMode", 2), 2u);
    char text[8] = "as was";
    preferences.ReadString("Name", text, sizeof text, "default");
    EXPECT_STREQ(text, "as was");
    preferences.WriteDword("KnobMode", 1);
    preferences.WriteString("Name", "x");
    EXPECT_FALSE(LoadRaw("KnobMode").has_value());

    ASSERT_TRUE(preferences.Open(kKey));
    preferences.WriteDword("KnobMode", 1);
    preferences.Close();
    EXPECT_EQ(preferences.ReadDword("KnobMode", 2), 2u) << "after Close";
    preferences.WriteDword("KnobMode", 0);
    EXPECT_EQ(LoadRaw("KnobMode")->second, (std::vector<BYTE>{1, 0, 0, 0}));

    EXPECT_FALSE(preferences.Open("Software\\..\\..\\Outside"));
    EXPECT_EQ(preferences.ReadDword("KnobMode", 2), 2u);
}

TEST_F(HfcPreferencesTest, ANumberIsReadOnlyFromExactlyFourBytes)
{
    struct Case
    {
        const char* what;
        DWORD type;
        std::vector<BYTE> bytes;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {"dword", REG_DWORD, {0x78, 0x56, 0x34, 0x12}, 0x12345678u},
        {"8-byte number", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, 99u},
        {"2 bytes", REG_BINARY, {1, 0}, 99u},
        {"nothing stored", REG_BINARY, {}, 99u},
        {"4 bytes of another kind", REG_SZ, Bytes("abc", 4), 0x00636261u},
    };
    for (const Case& c : cases)
        StoreRaw(c.what, c.type, c.bytes);
    CHfcPreferences preferences;
    ASSERT_TRUE(preferences.Open(kKey));
    for (const Case& c : cases)
        EXPECT_EQ(preferences.ReadDword(c.what, 99u), c.expected) << c.what;
    EXPECT_EQ(preferences.ReadDword("missing", 99u), 99u);
}

TEST_F(HfcPreferencesTest, ATextIsAlwaysTerminatedWithinTheBuffer)
{
    StoreRaw("Seven", REG_SZ, Bytes("ABCDEFG", 8));
    StoreRaw("Three", REG_SZ, Bytes("ABC", 4));
    StoreRaw("Unterminated", REG_BINARY, Bytes("WXYZ", 4));
    StoreRaw("Number", REG_DWORD, {0x41, 0x42, 0, 0});

    struct Case
    {
        const char* name;
        int bufferSize;
        const char* defaultText;
        const char* expected;
    };
    const Case cases[] = {
        {"Seven", 4, "xyz", "xyz"},  // too long for the buffer: the default
        {"Seven", 8, "xyz", "ABCDEFG"},
        {"Three", 4, "xyz", "ABC"},         // exactly fits with its terminator
        {"Unterminated", 4, "xyz", "xyz"},  // no room left for a terminator
        {"Unterminated", 5, "xyz", "WXYZ"},
        {"Number", 8, "xyz", "AB"},  // the kind is not checked
        {"Missing", 8, "xyz", "xyz"},
        {"Missing", 4, "longer default", "lon"},
        {"Seven", 1, "xyz", ""},
        {"Missing", 8, nullptr, ""},
    };
    CHfcPreferences preferences;
    ASSERT_TRUE(preferences.Open(kKey));
    for (const Case& c : cases) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        preferences.ReadString(c.name, buffer, c.bufferSize, c.defaultText);
        EXPECT_STREQ(buffer, c.expected) << c.name << " into " << c.bufferSize;
        for (int i = c.bufferSize; i < static_cast<int>(sizeof buffer); ++i)
            ASSERT_EQ(buffer[i], '#') << c.name << ": wrote past the buffer at " << i;
    }
    char untouched = '#';
    preferences.ReadString("Seven", &untouched, 0, "xyz");
    EXPECT_EQ(untouched, '#');
}

TEST_F(HfcPreferencesTest, ADamagedValueFileReadsAsDefaults)
{
    {
        CHfcPreferences preferences;
        ASSERT_TRUE(preferences.Open(kKey));
        preferences.WriteDword("KnobMode", 1);
    }
    const auto values = m_hive.path() / "Software" / "Tests" / "Preferences" / "values";
    ASSERT_TRUE(std::filesystem::exists(values));
    std::ofstream(values, std::ios::trunc) << "dword \"KnobMode\" = \n\x01\xff garbage";

    CHfcPreferences preferences;
    ASSERT_TRUE(preferences.Open(kKey));
    EXPECT_EQ(preferences.ReadDword("KnobMode", 2), 2u);
    char text[8] = "";
    preferences.ReadString("Name", text, sizeof text, "none");
    EXPECT_STREQ(text, "none");
    preferences.WriteDword("KnobMode", 0);
    EXPECT_EQ(preferences.ReadDword("KnobMode", 2), 0u) << "the key is usable again";
}

}  // namespace
