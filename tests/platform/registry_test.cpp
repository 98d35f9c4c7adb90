#include <platform/registry.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr char kAppKey[] = "Software\\Vesk\\VQ-700Z Sound Editor";

class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "registry-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        setenv("VQ_REGISTRY_DIR", folder_.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("VQ_REGISTRY_DIR");
        fs::remove_all(folder_);
    }

    HKEY Create(const char* path = kAppKey)
    {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        return key;
    }
    fs::path ValuesFile() const { return folder_ / "Software" / "Vesk" / "VQ-700Z Sound Editor" / "values"; }

    static std::vector<BYTE> Query(HKEY key, const char* name, DWORD* type = nullptr)
    {
        DWORD size = 0;
        if (RegQueryValueExA(key, name, nullptr, type, nullptr, &size) != ERROR_SUCCESS)
            return {0xEE};
        std::vector<BYTE> data(size);
        EXPECT_EQ(RegQueryValueExA(key, name, nullptr, nullptr, data.data(), &size), ERROR_SUCCESS);
        return data;
    }

    fs::path folder_;
};

TEST_F(RegistryTest, ValuesReadBackThroughASecondKeyOverTheSameFolder)
{
    DWORD disposition = 0;
    HKEY writer = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_CURRENT_USER, kAppKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &writer, &disposition),
        ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    DWORD width = 982;
    ASSERT_EQ(RegSetValueExA(writer, "Width", 0, REG_DWORD, reinterpret_cast<BYTE*>(&width), 4), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(writer, "Folder", 0, REG_SZ, reinterpret_cast<const BYTE*>("/home/a b"), 10),
              ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(writer), ERROR_SUCCESS);

    HKEY reader = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kAppKey, 0, KEY_ALL_ACCESS, &reader), ERROR_SUCCESS);
    DWORD type = 0, value = 0, size = sizeof value;
    ASSERT_EQ(RegQueryValueExA(reader, "width", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size), ERROR_SUCCESS)
        << "value names match in any case";
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(value, 982u);
    EXPECT_EQ(Query(reader, "Folder"), std::vector<BYTE>({'/', 'h', 'o', 'm', 'e', '/', 'a', ' ', 'b', 0}));
    RegCloseKey(reader);

    std::ifstream file(ValuesFile());
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(), "sz \"Folder\" = \"/home/a b\"\ndword \"Width\" = 982\n") << "one readable line a value";
    for (const auto& entry : fs::directory_iterator(ValuesFile().parent_path()))
        EXPECT_EQ(entry.path().filename(), "values") << "no temporary file is left";
}

TEST_F(RegistryTest, EveryShapeOfValueRoundTrips)
{
    struct Case
    {
        const char* name;
        DWORD type;
        std::vector<BYTE> bytes;
    };
    std::string longText(100000, 'x');
    longText[500] = '"';
    std::vector<BYTE> longBytes(longText.begin(), longText.end());
    longBytes.push_back(0);
    const Case cases[] = {
        {"Empty text", REG_SZ, {0}},
        {"Escapes \"\\\n\t", REG_SZ, {'a', '"', '\\', '\n', '\r', 1, 0x7F, 0xE3, 0x81, 0x82, 0}},
        {"Text without its zero", REG_SZ, {'a', 'b'}},
        {"Text with two zeros", REG_SZ, {'a', 0, 'b', 0}},
        {"Eight bytes", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"Short dword", REG_DWORD, {1, 2}},
        {"Largest dword", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"No bytes", REG_BINARY, {}},
        {"", REG_DWORD, {7, 0, 0, 0}},
        {"Long text", REG_SZ, longBytes},
    };
    HKEY key = Create();
    for (const Case& c : cases)
        ASSERT_EQ(RegSetValueExA(key, c.name, 0, c.type, c.bytes.data(), static_cast<DWORD>(c.bytes.size())),
                  ERROR_SUCCESS)
            << c.name;
    RegCloseKey(key);

    key = Create();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DWORD type = 0;
        EXPECT_EQ(Query(key, c.name, &type), c.bytes);
        EXPECT_EQ(type, c.type);
    }
    RegCloseKey(key);
}

TEST_F(RegistryTest, ABufferTooSmallGetsTheSizeAndStaysUntouched)
{
    HKEY key = Create();
    RegSetValueExA(key, "Name", 0, REG_SZ, reinterpret_cast<const BYTE*>("ABCDEFG"), 8);
    char buffer[4] = {'x', 'x', 'x', 'x'};
    DWORD size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(std::string(buffer, 4), "xxxx");

    EXPECT_EQ(RegQueryValueExA(key, "Missing", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

TEST_F(RegistryTest, ADamagedLineIsSkippedAndSaidOnceWhileEveryGoodValueIsKept)
{
    const std::string damaged[] = {
        "dword \"A\" = x",           "dword \"A\" = 4294967296",           "dword \"A\" = -1",
        "sz \"A\" = \"unterminated", "sz \"A\" = \"bad escape \\q\"",      "hex(3) \"A\" = 0",
        "dword \"A\" = 1 trailing",  std::string("\0\xff\x13garbage", 10), "what is this",
    };
    HKEY key = Create();
    RegCloseKey(key);
    for (const std::string& line : damaged) {
        SCOPED_TRACE(line);
        // Good lines around the damaged one, one of them a value this program does not know.
        std::ofstream(ValuesFile(), std::ios::binary | std::ios::trunc)
            << "dword \"Good\" = 1\n"
            << line << "\nsz \"Someone else's\" = \"kept\"\n";
        testing::internal::CaptureStderr();
        key = Create();
        HKEY again = Create();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("line 2 of " + ValuesFile().string()), std::string::npos) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "said once: " << said;
        RegCloseKey(again);

        DWORD size = 0;
        EXPECT_EQ(RegQueryValueExA(key, "A", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(Query(key, "Good"), std::vector<BYTE>({1, 0, 0, 0}));
        DWORD one = 1;
        ASSERT_EQ(RegSetValueExA(key, "B", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4), ERROR_SUCCESS);
        RegCloseKey(key);
        std::ifstream file(ValuesFile());
        std::stringstream text;
        text << file.rdbuf();
        EXPECT_EQ(text.str(), "dword \"B\" = 1\ndword \"Good\" = 1\nsz \"Someone else's\" = \"kept\"\n")
            << "the write keeps every good value and drops the damaged line";
    }
}

TEST_F(RegistryTest, BlanksAndCarriageReturnsAtLineEndsAreNotDamage)
{
    HKEY key = Create();
    RegCloseKey(key);
    std::ofstream(ValuesFile(), std::ios::binary) << "dword \"A\" = 7\r\nsz \"B\" = \"x \" \t\n  \r\n";
    testing::internal::CaptureStderr();
    key = Create();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(Query(key, "A"), std::vector<BYTE>({7, 0, 0, 0}));
    EXPECT_EQ(Query(key, "B"), std::vector<BYTE>({'x', ' ', 0}));
    RegCloseKey(key);
}

TEST_F(RegistryTest, AKeyWhoseValuesCannotBeReadDoesNotOpenAndIsNeverWrittenOver)
{
    HKEY open = Create();
    fs::create_directory(ValuesFile());  // in the place of the values file
    testing::internal::CaptureStderr();
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, kAppKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_NE(RegCreateKeyExA(HKEY_CURRENT_USER, kAppKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot read the settings in " + ValuesFile().string() + ": Is a directory"), std::string::npos)
        << said;

    // A key opened before: reads and writes are refused, nothing replaced.
    DWORD one = 1, size = 4;
    EXPECT_NE(RegQueryValueExA(open, "A", nullptr, nullptr, reinterpret_cast<BYTE*>(&one), &size), ERROR_SUCCESS);
    EXPECT_NE(RegSetValueExA(open, "A", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4), ERROR_SUCCESS);
    EXPECT_TRUE(fs::is_directory(ValuesFile()));
    RegCloseKey(open);
}

// In a process of its own, as a user without the power to write anywhere:
// 0 when the key opens for reading and is refused for writing.
int ReadAndWriteAsAnOrdinaryUser()
{
    constexpr uid_t kNobody = 65534;
    if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0))
        return 2;
    HKEY reader = nullptr;
    DWORD value = 0, size = sizeof value;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kAppKey, 0, KEY_READ, &reader) != ERROR_SUCCESS ||
        RegQueryValueExA(reader, "Good", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        value != 1)
        return 3;
    HKEY writer = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kAppKey, 0, KEY_ALL_ACCESS, &writer) != ERROR_ACCESS_DENIED ||
        RegCreateKeyExA(HKEY_CURRENT_USER, kAppKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &writer, nullptr) !=
            ERROR_ACCESS_DENIED)
        return 4;
    return 0;
}

TEST_F(RegistryTest, AKeyFolderThatCannotBeWrittenOpensForReadingOnly)
{
    HKEY key = Create();
    DWORD one = 1;
    ASSERT_EQ(RegSetValueExA(key, "Good", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4), ERROR_SUCCESS);
    RegCloseKey(key);
    using fs::perms;
    const perms readable = perms::owner_read | perms::owner_exec | perms::group_read | perms::group_exec |
                           perms::others_read | perms::others_exec;
    fs::permissions(folder_, readable | perms::owner_write);
    fs::permissions(ValuesFile().parent_path(), readable);
    fs::permissions(ValuesFile(), perms::owner_read | perms::group_read | perms::others_read);
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(std::_Exit(ReadAndWriteAsAnOrdinaryUser()), ::testing::ExitedWithCode(0),
                "cannot write the settings in .*VQ-700Z Sound Editor: Permission denied");
    fs::permissions(ValuesFile().parent_path(), perms::owner_all);
}

TEST_F(RegistryTest, KeysOpenOnlyWhenTheyExistAndStayInsideTheHive)
{
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kAppKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    HKEY parent = Create("Software\\Vesk");
    DWORD disposition = 0;
    ASSERT_EQ(
        RegCreateKeyExA(parent, "VQ-700Z Sound Editor", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, &disposition),
        ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    RegCloseKey(key);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kAppKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    RegCloseKey(key);
    RegCloseKey(parent);

    for (const char* path : {"..\\outside", "Software\\..\\..\\outside", "a/b"}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_INVALID_PARAMETER);
    }
    EXPECT_FALSE(fs::exists(folder_.parent_path() / "outside"));
}

TEST_F(RegistryTest, ClosedKeysAreRefused)
{
    HKEY key = Create();
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    DWORD value = 1, size = 4;
    EXPECT_EQ(RegSetValueExA(key, "A", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 4), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExA(key, "A", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
}

}  // namespace
