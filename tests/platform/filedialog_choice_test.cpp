// The file dialog's logic without a window: filters, folder listings, the
// starting folder and how a typed name is judged.
#include "filedialog_scratch.h"

#include "platform/src/filedialog/file_choice.h"

#include <gtest/gtest.h>

namespace filedialog_test {
namespace {

using namespace platform::filedialog;
using Kind = Decision::Kind;
namespace fs = std::filesystem;

constexpr char16_t kFilters[] = u"All data (*.vq700z_all)\0*.vq700z_all\0Texts\0*.txt; *.TEXT \0Everything\0*.*\0";

TEST(FileDialogFilters, PairsInOrderWithTheirPatterns)
{
    const auto filters = ParseFilters(kFilters);
    ASSERT_EQ(filters.size(), 3u);
    EXPECT_EQ(filters[0].description, "All data (*.vq700z_all)");
    EXPECT_EQ(filters[0].patterns, std::vector<std::string>{"*.vq700z_all"});
    EXPECT_EQ(filters[1].description, "Texts");
    EXPECT_EQ(filters[1].patterns, (std::vector<std::string>{"*.txt", "*.TEXT"}));
    EXPECT_EQ(filters[2].patterns, std::vector<std::string>{"*.*"});

    EXPECT_TRUE(ParseFilters(nullptr).empty());
    EXPECT_TRUE(ParseFilters(u"").empty());
    EXPECT_EQ(ParseFilters(u"One\0*.a\0Lone description\0").size(), 1u);
}

TEST(FileDialogFilters, MatchIgnoringCaseAndStarDotStarTakesEveryName)
{
    const auto filters = ParseFilters(kFilters);
    EXPECT_TRUE(Matches(filters[0], "bank.VQ700Z_ALL"));
    EXPECT_FALSE(Matches(filters[0], "bank.vq700z_all.bak"));
    EXPECT_TRUE(Matches(filters[1], "notes.text"));
    EXPECT_TRUE(Matches(filters[1], "a.TxT"));
    EXPECT_FALSE(Matches(filters[1], "txt"));
    EXPECT_TRUE(Matches(filters[2], "README"));
    EXPECT_TRUE(Matches(filters[2], "a.b"));
}

TEST(FileDialogListing, FoldersFirstThenMatchingFilesEachByNameIgnoringCase)
{
    ScratchTree tree{"zeta/", "Alpha/", ".hidden/", "b.txt", "A.TXT", "c.bin", ".secret.txt"};
    const auto filters = ParseFilters(kFilters);
    const std::vector<FolderEntry> texts{{"Alpha", true}, {"zeta", true}, {"A.TXT", false}, {"b.txt", false}};
    EXPECT_EQ(ListFolder(tree.Root(), &filters[1]), texts);
    const std::vector<FolderEntry> all{
        {"Alpha", true}, {"zeta", true}, {"A.TXT", false}, {"b.txt", false}, {"c.bin", false}};
    EXPECT_EQ(ListFolder(tree.Root(), nullptr), all);
    EXPECT_TRUE(ListFolder(tree / "missing", nullptr).empty());
}

TEST(FileDialogRequest, ReadsTitleFiltersIndexFolderNameAndExtension)
{
    ScratchTree tree{"sub/", "sub/old.txt"};
    const std::u16string folder = tree.Root().u16string(), file = (tree / "sub/old.txt").u16string();
    char16_t buffer[260]{};
    std::copy(file.begin(), file.end(), buffer);
    OPENFILENAMEW dialog{};
    dialog.lpstrFilter = kFilters;
    dialog.nFilterIndex = 2;
    dialog.lpstrFile = buffer;
    dialog.nMaxFile = 260;
    dialog.lpstrDefExt = u"txt";
    dialog.Flags = OFN_FILEMUSTEXIST;

    DialogRequest request = ReadRequest(dialog, false);
    EXPECT_EQ(request.title, "Open");
    EXPECT_EQ(request.filters.size(), 3u);
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.folder, tree / "sub");  // the named file's folder without an initial one
    EXPECT_EQ(request.name, "old.txt");
    EXPECT_EQ(request.defaultExtension, "txt");
    EXPECT_EQ(request.flags, DWORD(OFN_FILEMUSTEXIST));

    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrTitle = u"Save the bank";
    for (DWORD outOfRange : {0u, 4u}) {
        dialog.nFilterIndex = outOfRange;
        request = ReadRequest(dialog, true);
        EXPECT_EQ(request.filterIndex, 0) << outOfRange;
        EXPECT_EQ(request.folder, tree.Root());
        EXPECT_EQ(request.title, "Save the bank");
    }

    const std::u16string missing = (tree / "missing").u16string();
    dialog.lpstrInitialDir = missing.c_str();
    dialog.lpstrFile = nullptr;
    dialog.lpstrTitle = nullptr;
    request = ReadRequest(dialog, true);
    EXPECT_EQ(request.folder, fs::current_path());
    EXPECT_EQ(request.title, "Save As");
}

DialogRequest RequestIn(const ScratchTree& tree, bool save, DWORD flags, const char* defaultExtension = "")
{
    DialogRequest request;
    request.save = save;
    request.flags = flags;
    request.filters = ParseFilters(kFilters);
    request.folder = tree.Root();
    request.defaultExtension = defaultExtension;
    return request;
}

TEST(FileDialogChoice, TypedNamesAreJudgedByTheFlags)
{
    ScratchTree tree{"sub/", "sub/b.vq700z_all", "a.txt", "sub/dotless"};
    const std::string absolute = (tree / "a.txt").string();
    constexpr DWORD kOpen = OFN_FILEMUSTEXIST, kSave = OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT;
    struct Case
    {
        bool save;
        DWORD flags;
        const char* defaultExtension;
        std::string typed;
        Kind kind;
        const char* path;  // relative to the tree; null for none
    };
    const Case cases[] = {
        {false, kOpen, "", "   ", Kind::Stay, nullptr},
        {false, kOpen, "", "sub", Kind::Navigate, "sub"},
        {false, kOpen, "", "sub/../sub/", Kind::Navigate, "sub"},
        {false, kOpen, "", " sub/b.vq700z_all ", Kind::Accept, "sub/b.vq700z_all"},
        {false, kOpen, "", absolute, Kind::Accept, "a.txt"},
        {false, kOpen, "", "missing.txt", Kind::Refuse, nullptr},
        {false, kOpen, "txt", "a", Kind::Accept, "a.txt"},
        {false, kOpen, "txt", "sub/dotless", Kind::Refuse, nullptr},  // "dotless.txt" does not exist
        {false, 0, "", "missing.txt", Kind::Accept, "missing.txt"},
        {true, kSave, "vq700z_all", "new", Kind::Accept, "new.vq700z_all"},
        {true, kSave, "vq700z_all", "new.txt", Kind::Accept, "new.txt"},
        {true, kSave, "vq700z_all", "sub/b", Kind::Ask, "sub/b.vq700z_all"},
        {true, kSave, "", "a.txt", Kind::Ask, "a.txt"},
        {true, OFN_PATHMUSTEXIST, "", "a.txt", Kind::Accept, "a.txt"},
        {true, kSave, "", "nowhere/x.txt", Kind::Refuse, nullptr},
        {true, kSave, "", "nowhere/", Kind::Refuse, nullptr},
        {true, OFN_OVERWRITEPROMPT, "", "nowhere/x.txt", Kind::Accept, "nowhere/x.txt"},
    };
    for (const Case& c : cases) {
        const FileChoice choice(RequestIn(tree, c.save, c.flags, c.defaultExtension));
        const Decision decision = choice.Decide(c.typed);
        EXPECT_EQ(decision.kind, c.kind) << c.typed;
        if (c.path) {
            EXPECT_EQ(decision.path, tree / c.path) << c.typed;
        }
        if (c.kind == Kind::Refuse || c.kind == Kind::Ask) {
            EXPECT_FALSE(decision.message.empty()) << c.typed;
        }
    }
}

TEST(FileDialogChoice, GoesIntoFoldersAndUpAndListsByTheChosenFilter)
{
    ScratchTree tree{"sub/", "sub/inner.txt", "a.txt", "b.vq700z_all"};
    FileChoice choice(RequestIn(tree, false, 0));
    EXPECT_EQ(choice.Listing(), (std::vector<FolderEntry>{{"sub", true}, {"b.vq700z_all", false}}));
    choice.SelectFilter(1);
    EXPECT_EQ(choice.Listing(), (std::vector<FolderEntry>{{"sub", true}, {"a.txt", false}}));
    choice.SelectFilter(3);  // out of range: the filter stays
    EXPECT_EQ(choice.FilterIndex(), 1);

    EXPECT_TRUE(choice.Enter("sub"));
    EXPECT_EQ(choice.Folder(), tree / "sub");
    EXPECT_EQ(choice.Listing(), (std::vector<FolderEntry>{{"inner.txt", false}}));
    EXPECT_FALSE(choice.Enter("inner.txt"));
    EXPECT_EQ(choice.Folder(), tree / "sub");
    EXPECT_TRUE(choice.Enter(".."));
    EXPECT_EQ(choice.Folder(), tree.Root());
    EXPECT_EQ(choice.Decide("inner.txt").kind, Kind::Accept);  // relative to the folder it is in now
    EXPECT_EQ(choice.Decide("inner.txt").path, tree / "inner.txt");
    while (choice.Folder() != choice.Folder().root_path())
        ASSERT_TRUE(choice.Enter(".."));
    EXPECT_TRUE(choice.Enter(".."));
    EXPECT_EQ(choice.Folder(), fs::path("/"));
}

}  // namespace
}  // namespace filedialog_test
