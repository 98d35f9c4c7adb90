// The file dialog's window on the headless display, driven by clicks and
// keys while it runs.
#include "display_fixture.h"
#include "filedialog_scratch.h"

#include "platform/src/dialogs/combo_list_view.h"
#include "platform/src/gdi/text_layout.h"
#include "platform/src/menus/mnemonic.h"

#include <platform/commdlg.h>
#include <platform/dialogs.h>
#include <platform/testing/locale.h>

#include <gmock/gmock.h>

#include <functional>
#include <string>
#include <utility>

namespace display_test {
namespace {

using filedialog_test::ScratchTree;
using platform::testing::MouseButton;
using platform::testing::TypeKey;

constexpr int kListId = 1120;
constexpr int kNameId = 1152;
constexpr int kTypesId = 1136;
constexpr int kRowHeight = 18;

// Runs the actions one by one while the dialog is up, one per timer tick,
// so that the dialog handles what each one did before the next; then
// Escape.
struct Driver
{
    std::vector<std::function<void(HWND dialog)>> actions;
    std::size_t next = 0;
    HWND owner = nullptr;
    bool ownerEnabledDuring = false;
};
Driver* driver = nullptr;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = GetActiveWindow();
    if (!dialog || dialog == driver->owner)
        return;
    if (IsWindowEnabled(driver->owner))
        driver->ownerEnabledDuring = true;
    if (driver->next < driver->actions.size())
        driver->actions[driver->next++](dialog);
    else
        TypeKey(VK_ESCAPE);  // a dialog still up after the last action is cancelled, not left hanging
}

// Double clicks the list's row, counted from the top.
void DoubleClickRow(HWND dialog, int row)
{
    POINT point{20, 2 + row * kRowHeight + kRowHeight / 2};
    ClientToScreen(GetDlgItem(dialog, kListId), &point);
    platform::testing::Click(MouseButton::Left, point.x, point.y);
    platform::testing::Click(MouseButton::Left, point.x, point.y);
}

class FileDialogWindow : public DisplayTest
{
protected:
    FileDialogWindow() : tree_{"sub/", "sub/inner.txt", "a.txt"} { folder_ = tree_.Root().u16string(); }
    void SetUp() override
    {
        DisplayTest::SetUp();
        owner_ = MakeTop({50, 50, 750, 550});
        driver_.owner = owner_;
        driver = &driver_;
        dialog_.hwndOwner = owner_;
        dialog_.lpstrFilter = u"Texts\0*.txt\0";
        dialog_.lpstrFile = file_;
        dialog_.nMaxFile = 260;
        dialog_.lpstrInitialDir = folder_.c_str();
    }
    void TearDown() override
    {
        if (timer_)
            KillTimer(nullptr, timer_);
        platform::testing::TakeShownMessageBoxes();
        DisplayTest::TearDown();
    }
    // A second run in one test takes over the first run's timer, which would
    // otherwise tick on after this fixture is gone.
    void Drive(std::vector<std::function<void(HWND)>> actions)
    {
        if (timer_)
            KillTimer(nullptr, timer_);
        driver_.actions = std::move(actions);
        driver_.next = 0;
        timer_ = SetTimer(nullptr, 0, 1, Tick);
    }

    ScratchTree tree_;
    std::u16string folder_;
    HWND owner_ = nullptr;
    Driver driver_;
    UINT_PTR timer_ = 0;
    char16_t file_[260]{};
    OPENFILENAMEW dialog_{};
};

TEST_F(FileDialogWindow, DoubleClicksAndBackspaceMoveThroughFoldersAndPickAFileWithTheOwnerDisabled)
{
    dialog_.Flags = OFN_FILEMUSTEXIST;
    Drive({[](HWND dialog) { DoubleClickRow(dialog, 1); },    // "..", then "sub"
           [](HWND) { TypeKey(VK_BACK); },                    // up again
           [](HWND dialog) { DoubleClickRow(dialog, 2); }});  // "..", "sub", then "a.txt"
    ASSERT_TRUE(GetOpenFileNameW(&dialog_));
    EXPECT_FALSE(driver_.ownerEnabledDuring);
    EXPECT_EQ(std::u16string(file_), (tree_ / "a.txt").u16string());
    EXPECT_TRUE(IsWindowEnabled(owner_));
}

TEST_F(FileDialogWindow, ANameThatIsNotUtf8IsPickedFromTheListAndKeptForTheNextDialog)
{
    std::ofstream(tree_ / "\xFF\xFE.txt").put('x');
    const std::u16string picked = folder_ + u"/\uF7FF\uF7FE.txt";
    dialog_.Flags = OFN_FILEMUSTEXIST;
    Drive({[](HWND dialog) { DoubleClickRow(dialog, 3); }});  // "..", "sub", "a.txt", then the name
    ASSERT_TRUE(GetOpenFileNameW(&dialog_));
    EXPECT_EQ(std::u16string(file_), picked);

    // Save As starts from that path and takes it again, after the question.
    dialog_.Flags = OFN_OVERWRITEPROMPT;
    platform::testing::QueueMessageBoxAnswers({IDYES});
    Drive({[](HWND) { TypeKey(VK_RETURN); }});
    ASSERT_TRUE(GetSaveFileNameW(&dialog_));
    EXPECT_EQ(std::u16string(file_), picked);
    EXPECT_EQ(platform::testing::TakeShownMessageBoxes().size(), 1u) << "the file is there, so the user is asked";
}

TEST_F(FileDialogWindow, KeysInTheListAndTheOverwriteQuestion)
{
    dialog_.Flags = OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT;
    platform::testing::QueueMessageBoxAnswers({IDNO, IDYES});
    Drive({[](HWND dialog) {
               HWND list = GetDlgItem(dialog, kListId);
               SetFocus(list);
               for (UINT key : {VK_DOWN, VK_DOWN, VK_RETURN})
                   TypeKey(key);  // into "sub"
           },
           [](HWND) {
               for (UINT key : {VK_END, VK_RETURN})
                   TypeKey(key);  // "inner.txt": No keeps the dialog
           },
           [](HWND) { TypeKey(VK_RETURN); }});  // Yes
    ASSERT_TRUE(GetSaveFileNameW(&dialog_));
    EXPECT_EQ(std::u16string(file_), (tree_ / "sub/inner.txt").u16string());
    const auto boxes = platform::testing::TakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].type & MB_TYPEMASK, MB_YESNO);
    EXPECT_NE(boxes[0].owner, owner_);  // the dialog asks, over itself
}

TEST_F(FileDialogWindow, ATypedNameWithAFilterFromTheListGetsTheDefaultExtension)
{
    dialog_.lpstrFilter = u"Texts\0*.txt\0All data\0*.vq700z_all\0";
    dialog_.nFilterIndex = 1;
    dialog_.lpstrDefExt = u"vq700z_all";
    dialog_.Flags = OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT;
    Drive({[](HWND) {
               platform::testing::TypeText("sub");  // the name field has the focus
               TypeKey(VK_RETURN);                  // a folder: into it, the field emptied
           },
           [](HWND) {
               platform::testing::TypeText("bank");
               TypeKey(VK_TAB);   // to the filters
               TypeKey(VK_DOWN);  // "All data"
               TypeKey(VK_RETURN);
           }});
    ASSERT_TRUE(GetSaveFileNameW(&dialog_));
    EXPECT_EQ(std::u16string(file_), (tree_ / "sub/bank.vq700z_all").u16string());
    EXPECT_EQ(dialog_.nFilterIndex, 2u);
    EXPECT_TRUE(platform::testing::TakeShownMessageBoxes().empty());
}

// What a hook hears, kept where the hook keeps it: in the window words of
// the window it is called for.
struct HookLog
{
    std::vector<UINT> codes;  // WM_INITDIALOG, then the CDN_ codes
    HWND hookWindow = nullptr;
    HWND dialogParent = nullptr;
    HWND from = nullptr;
};

UINT_PTR CALLBACK RecordingHook(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* structure = reinterpret_cast<OPENFILENAMEW*>(lParam);
        SetWindowLongW(window, GWL_USERDATA, structure->lCustData);
        auto* log = reinterpret_cast<HookLog*>(structure->lCustData);
        log->codes.push_back(WM_INITDIALOG);
        log->hookWindow = window;
        log->dialogParent = GetParent(window);
        return 1;
    }
    if (message == WM_NOTIFY) {
        auto* log = reinterpret_cast<HookLog*>(GetWindowLongW(window, GWL_USERDATA));
        const auto* notice = reinterpret_cast<const OFNOTIFYW*>(lParam);
        if (log->codes.empty() || log->codes.back() != notice->hdr.code)
            log->codes.push_back(notice->hdr.code);
        log->from = notice->hdr.hwndFrom;
        EXPECT_EQ(notice->lpOFN->lCustData, reinterpret_cast<LPARAM>(log));
    }
    return 0;
}

TEST_F(FileDialogWindow, TheHookHearsOfTheFolderTheSelectionAndTheFilter)
{
    HookLog log;
    dialog_.lpstrFilter = u"Texts\0*.txt\0All\0*.*\0";
    dialog_.Flags = OFN_EXPLORER | OFN_ENABLEHOOK;
    dialog_.lpfnHook = RecordingHook;
    dialog_.lCustData = reinterpret_cast<LPARAM>(&log);
    HWND seenDialog = nullptr;
    Drive({[&](HWND dialog) {
               seenDialog = dialog;
               SetFocus(GetDlgItem(dialog, kListId));
               for (UINT key : {VK_DOWN, VK_DOWN, VK_RETURN})
                   TypeKey(key);  // "..", "sub", into it
           },
           [](HWND dialog) {
               SetFocus(GetDlgItem(dialog, kTypesId));  // the filters
               TypeKey(VK_DOWN);
           }});
    EXPECT_FALSE(GetOpenFileNameW(&dialog_)) << "cancelled after the last step";
    EXPECT_EQ(log.codes,
              (std::vector<UINT>{WM_INITDIALOG, CDN_FOLDERCHANGE, CDN_SELCHANGE, CDN_FOLDERCHANGE, CDN_TYPECHANGE}));
    EXPECT_EQ(log.dialogParent, seenDialog) << "the hook's window is a child of the dialog";
    EXPECT_NE(log.hookWindow, seenDialog);
    EXPECT_EQ(log.from, seenDialog);
    EXPECT_FALSE(IsWindow(log.hookWindow));

    log = {};
    dialog_.Flags = OFN_EXPLORER;
    Drive({});
    GetOpenFileNameW(&dialog_);
    EXPECT_TRUE(log.codes.empty()) << "no hook without OFN_ENABLEHOOK";
}

TEST_F(FileDialogWindow, TheListScrollsToKeepTheSelectedRowInView)
{
    ScratchTree many{};
    for (int i = 0; i < 40; ++i)
        std::ofstream(many / ("f" + std::to_string(100 + i) + ".txt").c_str()).put('x');
    const std::u16string folder = many.Root().u16string();
    dialog_.lpstrInitialDir = folder.c_str();
    static bool lastRowHighlighted;
    lastRowHighlighted = false;
    Drive({[](HWND dialog) {
               SetFocus(GetDlgItem(dialog, kListId));
               TypeKey(VK_END);
           },
           [](HWND dialog) {
               HWND list = GetDlgItem(dialog, kListId);
               RECT client{};
               GetClientRect(list, &client);
               const int lastRow = (client.bottom - 4) / kRowHeight - 1;
               lastRowHighlighted = platform::testing::PixelAt(list, 10, 2 + lastRow * kRowHeight + kRowHeight / 2) ==
                                    GetSysColor(COLOR_HIGHLIGHT);
               TypeKey(VK_RETURN);
           }});
    ASSERT_TRUE(GetOpenFileNameW(&dialog_));
    EXPECT_EQ(std::u16string(file_), (many / "f139.txt").u16string());
    EXPECT_TRUE(lastRowHighlighted);
}

// Alt with a label's letter moves to the control after the label and with
// a button's letter presses it; letters alone go into the name field.
TEST_F(FileDialogWindow, TheLabelsAndTheButtonTakeTheirLettersWithAlt)
{
    dialog_.Flags = OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT;
    int focusAfterType = 0, focusAfterName = 0;
    Drive({[](HWND) { TypeKey('T', {VK_MENU}); },  // Files of type
           [&](HWND) {
               focusAfterType = GetDlgCtrlID(GetFocus());
               TypeKey('N', {VK_MENU});  // File name
           },
           [&](HWND) {
               focusAfterName = GetDlgCtrlID(GetFocus());
               for (UINT key : {'S', 'U', 'B'})
                   TypeKey(key);         // "sub", although Save is "&Save"
               TypeKey('S', {VK_MENU});  // Save: into the folder, back to the name
           },
           [](HWND) {
               platform::testing::TypeText("new.txt");
               TypeKey(VK_RETURN);
           }});
    ASSERT_TRUE(GetSaveFileNameW(&dialog_));
    EXPECT_EQ(std::u16string(file_), (tree_ / "sub/new.txt").u16string());
    EXPECT_EQ(focusAfterType, kTypesId);
    EXPECT_EQ(focusAfterName, kNameId);
}

// The caption is the program's title, or the one for opening or saving;
// the filters box is wide enough for the longest filter, in either script.
TEST_F(FileDialogWindow, TheCaptionIsTheGivenTitleAndTheFiltersShowWhole)
{
    const char longest[] = "VQ-700Z ライブラリー・データ・ファイル (*.vq700z_all)";
    dialog_.lpstrFilter = u"Library Data Files (*.vq700z_all)\0*.vq700z_all\0"
                          u"VQ-700Z ライブラリー・データ・ファイル (*.vq700z_all)\0*.vq700z_all\0";
    struct Case
    {
        const char16_t* title;
        bool save;
        std::u16string caption;
    };
    const Case cases[] = {
        {u"Import library data", false, u"Import library data"},
        {u"Save", true, u"Save"},
        {nullptr, false, u"Open"},
        {u"", true, u"Save As"},
    };
    for (const Case& c : cases) {
        dialog_.lpstrTitle = c.title;
        std::u16string caption(64, u'\0');
        RECT types{};
        Drive({[&](HWND dialog) {
            caption.resize(GetWindowTextW(dialog, caption.data(), int(caption.size())));
            GetClientRect(GetDlgItem(dialog, kTypesId), &types);
            TypeKey(VK_ESCAPE);
        }});
        if (c.save)
            GetSaveFileNameW(&dialog_);
        else
            GetOpenFileNameW(&dialog_);
        EXPECT_EQ(caption, c.caption);
        EXPECT_GE(types.right - platform::dialogs::kComboArrowWidth - 6,
                  platform::gdi::TextWidth(platform::gdi::kUiFont, longest));
    }
}

// In Japanese the captions, labels and buttons are the system's own there,
// each control wide enough for its text, and the letters still work.
TEST_F(FileDialogWindow, JapaneseTextsFitAndKeepTheirLetters)
{
    platform::testing::SetUserLocale("ja_JP.UTF-8");
    struct Case
    {
        bool save;
        std::string caption;
        std::vector<std::string> texts;  // of the labels and buttons
    };
    const Case cases[] = {
        {false, "開く", {"ファイルの場所(&I):", "ファイル名(&N):", "ファイルの種類(&T):", "開く(&O)", "キャンセル"}},
        {true,
         "名前を付けて保存",
         {"保存する場所(&I):", "ファイル名(&N):", "ファイルの種類(&T):", "保存(&S)", "キャンセル"}},
    };
    for (const Case& c : cases) {
        static std::vector<std::pair<std::string, int>> shown;  // text and room for it
        shown.clear();
        std::string caption(64, '\0');
        int focusAfterType = 0;
        Drive({[&](HWND dialog) {
                   caption.resize(GetWindowTextA(dialog, caption.data(), int(caption.size())));
                   EnumChildWindows(
                       dialog,
                       [](HWND child, LPARAM parent) {
                           const int id = GetDlgCtrlID(child);
                           if (GetParent(child) != HWND(parent))
                               return TRUE;
                           if (id == 1091 || id == kListId || id == kNameId || id == kTypesId)
                               return TRUE;  // not the path or fields
                           char text[64] = {};
                           GetWindowTextA(child, text, sizeof text);
                           RECT client{};
                           GetClientRect(child, &client);
                           shown.emplace_back(text, client.right);
                           return TRUE;
                       },
                       LPARAM(dialog));
                   TypeKey('T', {VK_MENU});
               },
               [&](HWND) {
                   focusAfterType = GetDlgCtrlID(GetFocus());
                   TypeKey(VK_ESCAPE);
               }});
        if (c.save)
            GetSaveFileNameW(&dialog_);
        else
            GetOpenFileNameW(&dialog_);
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(focusAfterType, kTypesId) << c.caption;
        std::vector<std::string> texts;
        for (const auto& [text, room] : shown) {
            texts.push_back(text);
            EXPECT_GE(room, platform::gdi::TextWidth(platform::gdi::kUiFont, platform::menus::ShownTitle(text)))
                << text;
        }
        EXPECT_THAT(texts, ::testing::UnorderedElementsAreArray(c.texts));
    }
    platform::testing::SetUserLocale(nullptr);
}

TEST_F(FileDialogWindow, EscapeCancelsWithErrorZero)
{
    TypeKey(VK_ESCAPE);
    EXPECT_FALSE(GetOpenFileNameW(&dialog_));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(file_[0], 0);
    EXPECT_TRUE(IsWindowEnabled(owner_));
}

}  // namespace
}  // namespace display_test
