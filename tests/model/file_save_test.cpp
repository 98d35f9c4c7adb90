// Saving by path through a temporary file beside the target, and loading a
// library by path.
#include "model/FileSave.h"
#include "model/VpException.h"
#include "services/ScratchFile.h"
#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <platform/file_names.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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

class FileSaveTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_library.AddItem(LibraryDataItem::kProgramBank);
        m_library.AddItem(LibraryDataItem::kGlobal);
        m_path = m_folder.File("bank.vq700z_all");
    }

    ProgramRegion& Region(int program)
    {
        return m_library.GetProgramBank()->at(static_cast<std::size_t>(program)).GetRegion();
    }

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

TEST_F(FileSaveTest, ASaveKilledHalfWayLeavesTheOldFileAndNothingElse)
{
    ASSERT_EQ(Code([&] { SaveAllDataFile(m_library, m_path.c_str()); }), -1);
    ::chmod(m_path.c_str(), 0640);
    const auto before = ScratchFolder::ReadFile(m_path);
    std::fflush(nullptr);
    const pid_t saver = ::fork();
    ASSERT_GE(saver, 0);
    if (saver == 0) {
        SaveFileReplacing(m_path.c_str(), [](CHfcFile& file) {
            file.Write("partial", 7);
            ::kill(::getpid(), SIGKILL);
        });
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(saver, &status, 0), saver);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(ScratchFolder::ReadFile(m_path), before);
    EXPECT_EQ(FilesIn(m_folder), 1u) << "no temporary file is left";

    // A save that ends keeps the file's permissions.
    ASSERT_EQ(Code([&] { SaveGlobalFile(*m_library.GetGlobal(), m_path.c_str()); }), -1);
    struct stat info;
    ASSERT_EQ(::stat(m_path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(FilesIn(m_folder), 1u);
}

TEST_F(FileSaveTest, AnyNameTheSystemHoldsIsSavedAndLoadedByItsText)
{
    const std::string name = m_folder.File("\xFF\xFE.vq700z_all");
    const std::string text = platform::FileNameText(name);
    ASSERT_EQ(Code([&] { SaveAllDataFile(m_library, text.c_str()); }), -1);
    EXPECT_EQ(ScratchFolder::ReadFile(name).size(), 106048u) << "saved under the system's own name";
    EXPECT_EQ(FilesIn(m_folder), 1u);
    LibraryData loaded;
    ASSERT_EQ(Code([&] { LoadAllDataFile(loaded, text.c_str()); }), -1);
    EXPECT_EQ(platform::SystemFileName(loaded.GetPath().toStdString()), name) << "the path kept names the file";
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
    // A folder is no file to open, not a file that failed to read.
    EXPECT_EQ(Code([&] { LoadAllDataFile(m_library, m_folder.path().c_str()); }), CVpFileException::FileOpen);
    EXPECT_TRUE(m_library.IsModified());
}

TEST_F(FileSaveTest, AnEmptyFileIsAFailedReadAndPrintsNothing)
{
    const std::string empty = m_folder.WriteFile("empty.vq700z_all", {});
    testing::internal::CaptureStdout();
    EXPECT_EQ(Code([&] { LoadAllDataFile(m_library, empty.c_str()); }), CVpFileException::ReadData);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(m_library.GetPath(), juce::String());
}

TEST_F(FileSaveTest, SavingThroughALinkReplacesItsTarget)
{
    namespace fs = std::filesystem;
    const fs::path links = m_folder.path() / "links";
    const fs::path targets = m_folder.path() / "targets";
    fs::create_directories(links);
    fs::create_directories(targets / "deeper");
    const fs::path target = targets / "deeper" / "bank.vq700z_all";
    std::ofstream(target) << "old";

    struct Case
    {
        const char* what;
        fs::path link;
        fs::path pointsAt;  // as stored in the link
    };
    const Case cases[] = {
        {"absolute", links / "absolute", target},
        {"relative", links / "relative", fs::path("..") / "targets" / "deeper" / "bank.vq700z_all"},
        {"to a link", links / "chained", links / "absolute"},
    };
    for (const Case& c : cases)
        fs::create_symlink(c.pointsAt, c.link);

    for (const Case& c : cases) {
        std::ofstream(target, std::ios::trunc) << "old";
        // A reader that has the old file open keeps reading it: the new one
        // took its place by a rename, not by rewriting it.
        std::ifstream reader(target);
        ASSERT_EQ(Code([&] { SaveGlobalFile(*m_library.GetGlobal(), c.link.string().c_str()); }), -1) << c.what;
        EXPECT_TRUE(fs::is_symlink(c.link)) << c.what;
        EXPECT_EQ(fs::read_symlink(c.link), c.pointsAt) << c.what;
        EXPECT_EQ(ScratchFolder::ReadFile(target.string()).size(), 224u) << c.what;
        std::string old;
        reader >> old;
        EXPECT_EQ(old, "old") << c.what;
        // No temporary file is left in either folder.
        EXPECT_EQ(std::distance(fs::directory_iterator(targets / "deeper"), fs::directory_iterator()), 1) << c.what;
        EXPECT_EQ(std::distance(fs::directory_iterator(links), fs::directory_iterator()), 3) << c.what;
    }

    // A link to a file not there yet creates the file and stays a link.
    const fs::path dangling = links / "dangling";
    fs::create_symlink(targets / "new.vq700z_all", dangling);
    ASSERT_EQ(Code([&] { SaveGlobalFile(*m_library.GetGlobal(), dangling.string().c_str()); }), -1);
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ScratchFolder::ReadFile((targets / "new.vq700z_all").string()).size(), 224u);

    // Links that point at each other lead nowhere.
    fs::create_symlink(links / "loop2", links / "loop1");
    fs::create_symlink(links / "loop1", links / "loop2");
    EXPECT_EQ(Code([&] { SaveGlobalFile(*m_library.GetGlobal(), (links / "loop1").string().c_str()); }),
              CVpFileException::FileOpen);
    EXPECT_TRUE(fs::is_symlink(links / "loop1"));
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
