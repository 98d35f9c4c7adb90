// Saving by path through a temporary file beside the target, and loading a
// library by path.
#include "model/FileSave.h"
#include "model/VpException.h"
#include "services/ScratchFile.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

namespace {

int Code(const std::function<void()>& action)
{
    try {
        action();
    } catch (const CVpFileException& e) {
        return e.GetCode();
    }
    return -1;
}

std::size_t FilesIn(const ScratchFolder& folder)
{
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++count;
    return count;
}

// Writes beyond the limit fail inside the process, as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

class FileSaveTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_library.AddItem(LibraryDataItem::kProgramBank);
        m_library.AddItem(LibraryDataItem::kGlobal);
        m_path = m_folder.File("bank.vq700z_all");
    }

    ProgramRegion& Region(int program) { return m_library.GetProgramBank()->at(static_cast<std::size_t>(program)).GetRegion(); }

    ScratchFolder m_folder;
    LibraryData m_library;
    std::string m_path;
};

TEST_F(FileSaveTest, SavesAndLoadsByPath)
{
    SetProgramRecordName(m_library.GetProgramBank()->at(3), "Saved");
    EXPECT_TRUE(m_library.GetProgramBank()->at(3).IsModified());
    ASSERT_EQ(Code([&] { SaveAllDataFile(m_library, m_path.c_str()); }), -1);
    EXPECT_FALSE(m_library.GetProgramBank()->at(3).IsModified());
    EXPECT_EQ(ScratchFolder::ReadFile(m_path).size(), 106048u);
    EXPECT_EQ(FilesIn(m_folder), 1u);

    LibraryData loaded;
    ASSERT_EQ(Code([&] { LoadAllDataFile(loaded, m_path.c_str()); }), -1);
    EXPECT_STREQ(loaded.GetProgramBank()->at(3).GetRegion().name, "Saved");
    EXPECT_EQ(loaded.GetPath(), juce::String(m_path));
    EXPECT_EQ(MakeDocumentTitle(loaded), juce::String("bank.vq700z_all"));
}

TEST_F(FileSaveTest, AFailedWriteLeavesTheOldFileAndTheMarks)
{
    ASSERT_EQ(Code([&] { SaveAllDataFile(m_library, m_path.c_str()); }), -1);
    const auto before = ScratchFolder::ReadFile(m_path);
    SetProgramRecordName(m_library.GetProgramBank()->at(150), "Lost");

    {
        // The stream buffers its writes: the failure may come in a write, the flush or the close.
        FileSizeLimit limit(60000);
        EXPECT_EQ(Code([&] { SaveAllDataFile(m_library, m_path.c_str()); }), CVpFileException::WriteData);
    }
    EXPECT_EQ(ScratchFolder::ReadFile(m_path), before);
    EXPECT_TRUE(m_library.GetProgramBank()->at(150).IsModified());
    EXPECT_EQ(FilesIn(m_folder), 1u);

    // A writer that gives up part way leaves the file as well.
    EXPECT_EQ(Code([&] {
                  SaveFileReplacing(m_path.c_str(), [](CHfcFile& file) {
                      file.Write("partial", 7);
                      throw CVpFileException(CVpFileException::WriteData);
                  });
              }),
              CVpFileException::WriteData);
    EXPECT_EQ(ScratchFolder::ReadFile(m_path), before);
    EXPECT_EQ(FilesIn(m_folder), 1u);
}

TEST_F(FileSaveTest, FilesThatCannotBeOpenedAreReported)
{
    ASSERT_EQ(Code([&] { SaveGlobalFile(*m_library.GetGlobal(), m_path.c_str()); }), -1);
    EXPECT_EQ(ScratchFolder::ReadFile(m_path).size(), 224u);
    ::chmod(m_path.c_str(), 0444);
    if (::access(m_path.c_str(), W_OK) != 0) {
        EXPECT_EQ(Code([&] { SaveAllDataFile(m_library, m_path.c_str()); }), CVpFileException::FileOpen);
        EXPECT_EQ(ScratchFolder::ReadFile(m_path).size(), 224u);
    }
    const std::string missingFolder = m_folder.File("none/bank.vq700z_all");
    EXPECT_EQ(Code([&] { SaveProgramFile(m_library.GetProgramBank()->at(0), missingFolder.c_str()); }),
              CVpFileException::FileOpen);
    EXPECT_EQ(Code([&] { SaveProgramSetFile(*m_library.GetProgramBank(), missingFolder.c_str()); }),
              CVpFileException::FileOpen);

    m_library.SetModified(true);
    EXPECT_EQ(Code([&] { LoadAllDataFile(m_library, missingFolder.c_str()); }), CVpFileException::FileOpen);
    EXPECT_TRUE(m_library.IsModified());
}

TEST_F(FileSaveTest, ProgramAndSetFilesMarkTheirPrograms)
{
    CProgram& program = m_library.GetProgramBank()->at(0);
    program.GetRegion().image[50] = 9;
    ASSERT_EQ(Code([&] { SaveProgramFile(program, m_path.c_str()); }), -1);
    EXPECT_FALSE(program.IsModified());
    EXPECT_EQ(ScratchFolder::ReadFile(m_path).size(), 528u);

    Region(199).image[50] = 9;
    ASSERT_EQ(Code([&] { SaveProgramSetFile(*m_library.GetProgramBank(), m_path.c_str()); }), -1);
    EXPECT_FALSE(m_library.GetProgramBank()->at(199).IsModified());
    EXPECT_EQ(ScratchFolder::ReadFile(m_path).size(), 105632u);
}

}  // namespace
