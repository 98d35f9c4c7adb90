// The program page's commands: each works on the lowest selected program
// where it takes one, the clipboard carries the number and the region and
// refuses blocks of another size, Cut asks nothing, Revert broadcasts two
// events per program and sends only a single program, transfers of
// selected programs stop at the first failure and keep what arrived, and
// the export, the information dialog, the menus and the edit window.
#include "program_list_fixture.h"

#include "app/ProgramInfoDialog.h"
#include "app/WindowEvents.h"
#include "editor/EditWindows.h"
#include "editor/ProgramClipboardRecord.h"
#include "framework/services/HfcClipboard.h"
#include "framework/ui/HfcControl.h"
#include "model/Q3917ProgramAccessor.h"
#include "model/SysExProtocol.h"

#include <platform/dialogs.h>
#include <platform/input.h>
#include <platform/testing.h>

#include <gmock/gmock.h>

#include <algorithm>
#include <cstring>

namespace program_list_test {
namespace {

using platform::testing::QueueMessageBoxAnswers;
using platform::testing::TakeShownMessageBoxes;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

std::optional<ProgramClipboardRecord> ClipboardRecord()
{
    const UINT format = CHfcClipboard::RegisterFormat("q47300DragProgram");
    EXPECT_TRUE(CHfcClipboard::Open(nullptr));
    std::uint8_t bytes[sizeof(ProgramClipboardRecord)] = {};
    const bool read = CHfcClipboard::GetDataSize(format) == static_cast<int>(sizeof bytes) &&
                      CHfcClipboard::GetData(format, bytes, sizeof bytes);
    CHfcClipboard::Close();
    return read ? ReadProgramClipboardRecord(bytes, sizeof bytes) : std::nullopt;
}

void PutOnClipboard(const void* bytes, int size)
{
    ASSERT_TRUE(CHfcClipboard::Open(nullptr));
    ASSERT_TRUE(CHfcClipboard::SetData(CHfcClipboard::RegisterFormat("q47300DragProgram"), bytes, size));
    CHfcClipboard::Close();
}

// The name the initial program has, as the image holds it.
std::string InitialName()
{
    CProgram fresh;
    fresh.Initialize();
    return std::string(reinterpret_cast<const char*>(fresh.GetData()), 8);
}

std::vector<std::uint8_t> DumpRequest(int program)
{
    return BuildSysExMessage(ProgramDumpRequest, 0, program);
}

TEST_F(ProgramListTest, CopyTakesTheLowestSelectedProgramWithItsNumberAndRegion)
{
    SetProgramRecordName(Program(3), "THREE");
    Click(3);
    Click(8, kCtrl);
    list->Copy();
    EXPECT_THAT(Selected(), ElementsAre(3)) << "only the lowest stays selected";
    const auto record = ClipboardRecord();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->number, 3u);
    EXPECT_TRUE(record->region == Program(3).GetRegion());
}

TEST_F(ProgramListTest, PasteWritesOnlyTheRegionAndLeavesTheSavedCopyAndClipboard)
{
    SetProgramRecordName(Program(3), "THREE");
    Program(3).GetRegion().image[40] = 0x21;
    Click(3);
    list->Copy();
    const ProgramRegion savedSeven = Program(7).GetSavedCopy();
    const ProgramRegion eight = Program(8).GetRegion();

    Click(7);
    Click(8, kCtrl);
    list->Paste();
    EXPECT_THAT(Selected(), ElementsAre(7));
    EXPECT_TRUE(Program(7).GetRegion() == Program(3).GetRegion()) << "the number on the clipboard is not read";
    EXPECT_TRUE(Program(7).GetSavedCopy() == savedSeven) << "so that Revert still brings back program 7";
    EXPECT_TRUE(Program(8).GetRegion() == eight);
    EXPECT_EQ(ClipboardRecord()->number, 3u) << "the clipboard as it was";
    EXPECT_TRUE(window->IsModified());
    EXPECT_EQ(FieldText(list->GetNameField()), "008:THREE");
}

TEST_F(ProgramListTest, PasteRefusesABlockOfAnotherSize)
{
    const ProgramRegion before = Program(0).GetRegion();
    ProgramClipboardRecord record = MakeProgramClipboardRecord(*window->GetLibraryData()->GetProgramBank(), 0);
    std::memcpy(record.region.name, "FOREIGN!", 8);
    std::vector<std::uint8_t> longer(sizeof record + 16, 0);
    std::memcpy(longer.data(), &record, sizeof record);
    for (int size : {static_cast<int>(longer.size()), static_cast<int>(sizeof record) - 4}) {
        PutOnClipboard(longer.data(), size);
        list->Paste();
        EXPECT_TRUE(Program(0).GetRegion() == before) << size << " bytes";
    }
    EXPECT_FALSE(window->IsModified());

    // The right size with unterminated texts pastes, and the texts end in their fields.
    std::memset(record.region.programmerName, 'P', sizeof record.region.programmerName);
    PutOnClipboard(&record, sizeof record);
    list->Paste();
    EXPECT_EQ(std::string(Program(0).GetRegion().programmerName), std::string(24, 'P'));
    EXPECT_EQ(std::string(Program(0).GetRegion().name), "FOREIGN!");
}

TEST_F(ProgramListTest, CutCopiesAndInitialisesWithoutAQuestionWhileInitializeAsks)
{
    SetProgramRecordName(Program(4), "FOUR");
    Click(4);
    Click(6, kCtrl);
    list->Cut();
    EXPECT_TRUE(TakeShownMessageBoxes().empty()) << "no question";
    EXPECT_EQ(ClipboardRecord()->number, 4u);
    EXPECT_EQ(std::string(ClipboardRecord()->region.name), "FOUR");
    EXPECT_EQ(Name(4), InitialName());
    EXPECT_TRUE(window->IsModified());

    SetProgramRecordName(Program(9), "NINE");
    list->SelectProgram(9);
    QueueMessageBoxAnswers({kIdCancel});
    list->Initialize(1);
    auto boxes = TakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Initialize Program");
    EXPECT_EQ(boxes[0].text, "The program will initialize. Are you sure?");
    EXPECT_EQ(Name(9), "NINE    ") << "cancelled";
    QueueMessageBoxAnswers({kIdOk});
    window->OnEditInitialize();
    EXPECT_EQ(Name(9), InitialName());
}

TEST_F(ProgramListTest, RevertBroadcastsTwoEventsPerProgramAndSendsOnlyASingleProgram)
{
    shell->Connect();
    for (int program : {2, 3})
        SetProgramRecordName(Program(program), "CHANGED");
    Click(2);
    Click(3, 1);
    const std::size_t heard = shell->device->Received().size();
    recorder.posts.clear();
    QueueMessageBoxAnswers({kIdOk});
    list->RestoreProgram();
    EXPECT_EQ(Name(2), InitialName());
    EXPECT_EQ(Name(3), InitialName());
    Pump();
    std::vector<std::pair<int, LONG_PTR>> events;
    for (const auto& post : recorder.posts) {
        if (post.event == 7 || post.event == 2) {
            events.emplace_back(post.event, post.p1);
            EXPECT_EQ(post.p2, -1);
            EXPECT_EQ(post.p3, window->GetWindowNumber());
        }
    }
    EXPECT_THAT(events, ElementsAre(std::pair{7, 2}, std::pair{2, 2}, std::pair{7, 3}, std::pair{2, 3}));
    EXPECT_EQ(shell->device->Received().size(), heard) << "two programs: nothing sent";

    SetProgramRecordName(Program(3), "CHANGED");
    list->SelectProgram(3);
    QueueMessageBoxAnswers({kIdOk});
    list->RestoreProgram();
    const auto after = shell->device->Received();
    ASSERT_GT(after.size(), heard);
    EXPECT_EQ(after.back(),
              BuildSysExMessage(CurrentProgramDump, 0, 0, std::span<const std::uint8_t>(Program(3).GetData(), 352)));
    EXPECT_EQ(std::count_if(after.begin() + static_cast<long>(heard), after.end(),
                            [](const auto& message) { return message.size() > 300; }),
              1)
        << "one dump";
}

TEST_F(ProgramListTest, ReceivingSelectedProgramsStopsAtTheFirstFailureAndKeepsWhatArrived)
{
    shell->Connect();
    for (int program : {3, 5, 7}) {
        DeviceSimulator::ProgramImage image = shell->device->Program(program);
        std::copy_n("DEVICE", 6, image.begin());
        image[6] = static_cast<std::uint8_t>('0' + program);
        image[7] = ' ';
        shell->device->SetProgram(program, image);
    }
    // The second program's transfer meets a refusing device.
    SelectThreeFailingDuringTheSecond(DeviceSimulator::Fault::DataErrorReply);
    QueueMessageBoxAnswers({kIdOk});
    EXPECT_FALSE(list->ReceiveSelectedProgram());
    EXPECT_EQ(Name(3), "DEVICE3 ");
    EXPECT_EQ(Name(5), InitialName());
    EXPECT_EQ(Name(7), InitialName());
    const auto heard = shell->device->Received();
    EXPECT_EQ(std::count(heard.begin(), heard.end(), DumpRequest(7)), 0) << "nothing asked after the failure";
    EXPECT_TRUE(window->IsModified()) << "what arrived counts as a change";
    EXPECT_THAT(Selected(), ElementsAre(3, 5, 7));
    shell->host.onProgress = nullptr;
}

TEST_F(ProgramListTest, AReceiveOfAllProgramsThatStopsEarlyShowsWhatArrived)
{
    shell->Connect();
    DeviceSimulator::ProgramImage image = shell->device->Program(1);
    std::copy_n("FIRSTONE", 8, image.begin());
    shell->device->SetProgram(1, image);
    shell->host.onProgress = [&](std::int32_t position) {
        if (position == 2)
            shell->device->SetFault(DeviceSimulator::Fault::DataErrorReply);
    };
    QueueMessageBoxAnswers({kIdOk});
    EXPECT_FALSE(list->ReceiveAllPrograms());
    EXPECT_EQ(Name(1), "FIRSTONE");
    EXPECT_TRUE(window->IsModified());
    auto boxes = TakeShownMessageBoxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes[0].caption, "Receive All Programs");
    EXPECT_EQ(boxes[0].text, "Are you sure to receive all programs?");
    shell->host.onProgress = nullptr;
}

TEST_F(ProgramListTest, WritingSelectedProgramsStopsAtTheFirstFailure)
{
    shell->Connect();
    for (int program : {3, 5, 7})
        SetProgramRecordName(Program(program), ("LOCAL" + std::to_string(program)).c_str());
    SelectThreeFailingDuringTheSecond(DeviceSimulator::Fault::WriteErrorReply);
    QueueMessageBoxAnswers({kIdOk});
    EXPECT_FALSE(list->WriteSelectedProgram());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(shell->device->Program(3).data()), 6), "LOCAL3");
    EXPECT_NE(std::string(reinterpret_cast<const char*>(shell->device->Program(7).data()), 6), "LOCAL7");
    const auto heard = shell->device->Received();
    const auto dumpOf7 = BuildSysExMessage(ProgramDump, 0, 7, std::span<const std::uint8_t>(Program(7).GetData(), 352));
    EXPECT_EQ(std::count(heard.begin(), heard.end(), dumpOf7), 0);
    EXPECT_FALSE(window->IsModified());
    shell->host.onProgress = nullptr;

    // The first selected program alone, with its own boxes.
    TakeShownMessageBoxes();
    shell->device->SetFault(DeviceSimulator::Fault::None);
    QueueMessageBoxAnswers({kIdOk, kIdOk});
    list->TransmitProgram();
    auto boxes = TakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Write Program");
    EXPECT_EQ(boxes[1].caption, "Transmit Program");
    EXPECT_EQ(boxes[1].text, "Transmit succeeded.");
}

TEST_F(ProgramListTest, ExportWritesTheWholeBankAsText)
{
    SetProgramRecordName(Program(0), "EXPORTED");
    platform::testing::QueueFileDialogSteps({platform::testing::TypeFileName(folder.File("bank"))});
    window->OnSaveReport();
    const auto dialogs = platform::testing::TakeShownFileDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Save Report File");
    const auto bytes = ScratchFolder::ReadFile(folder.File("bank.txt"));
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.rfind("No.\tProgram Name\t", 0), 0u);
    EXPECT_NE(text.find("A01\tEXPORTED\t"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 201);
}

TEST_F(ProgramListTest, TheInformationDialogWritesWhatWasEditedAndRefusesMultiByteTexts)
{
    CQ3917ProgramAccessor& accessor = *const_cast<CQ3917ProgramAccessor*>(CQ3917ProgramAccessor::PeekInstance());
    list->SelectProgram(12);
    platform::testing::QueueDialogScript([](HWND dialog) {
        SetDlgItemTextA(dialog, CProgramInfoDialog::kIdName, "WARM");
        SetDlgItemTextA(dialog, CProgramInfoDialog::kIdProgrammer, "SOMEONE");
        SetDlgItemTextA(dialog, CProgramInfoDialog::kIdComment, "for the evening");
        SendDlgItemMessageA(dialog, CProgramInfoDialog::kIdCategory, CB_SETCURSEL, 5, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(CProgramInfoDialog::kIdOk, BN_CLICKED), 0);
    });
    recorder.posts.clear();
    list->OnHfcKeyInput(nullptr, 'i', 0);
    EXPECT_EQ(Name(12), "WARM    ");
    EXPECT_EQ(std::string(Program(12).GetRegion().programmerName), "SOMEONE");
    EXPECT_EQ(std::string(Program(12).GetRegion().comment), "for the evening");
    EXPECT_EQ(accessor.GetValue(&Program(12), {0, 53, 0}), 5);
    EXPECT_TRUE(window->IsModified());
    const auto changed = TakePosts(kEventProgramDataChanged);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].p1, 12);
    EXPECT_EQ(changed[0].p3, window->GetWindowNumber());
    EXPECT_EQ(FieldText(list->GetNameField()), "013:WARM    ");

    platform::testing::QueueDialogScript([](HWND dialog) {
        SetDlgItemTextA(dialog, CProgramInfoDialog::kIdName, "caf\xC3\xA9");
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(CProgramInfoDialog::kIdOk, BN_CLICKED), 0);
    });
    QueueMessageBoxAnswers({kIdOk});
    CHfcControl* info = list->GetControl(CProgramListLayer::kInfoButton);
    list->OnControlValueChanged(info, 0);
    auto boxes = TakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].text, "Multi-byte characters cannot be used.");
    EXPECT_EQ(Name(12), "WARM    ");

    // With two selected the button does nothing.
    Click(13, kCtrl);
    list->OnControlValueChanged(info, 0);
}

TEST_F(ProgramListTest, TheViewMenuOpensBelowItsButtonWithTheShownColumnsChecked)
{
    platform::testing::QueuePopupMenuAnswers({9});
    list->OnControlValueChanged(list->GetControl(CProgramListLayer::kViewMenuButton), 0);
    const auto menus = platform::testing::TakeShownPopupMenus();
    ASSERT_EQ(menus.size(), 1u);
    POINT expected{395, 37 + 69 + 37};
    ASSERT_TRUE(window->ClientToScreen(expected));
    EXPECT_EQ(menus[0].at.x, expected.x);
    EXPECT_EQ(menus[0].at.y, expected.y);
    ASSERT_EQ(menus[0].items.size(), 9u);
    EXPECT_EQ(menus[0].items[0].text, "Voice Mode");
    EXPECT_EQ(menus[0].items[8].text, "Comment");
    for (int item = 0; item < 9; ++item)
        EXPECT_EQ(menus[0].items[static_cast<std::size_t>(item)].checked, item < 7) << item;
    EXPECT_EQ(list->GetInfoMask(), 127u | 256u) << "Comment chosen";
}

TEST_F(ProgramListTest, TheRightClickMenuSelectsAnUnselectedRowAndRunsTheChosenCommand)
{
    Click(20);
    Click(22, kCtrl);
    const POINT inside = RowPoint(22);
    platform::testing::QueuePopupMenuAnswers({0});
    list->OnHfcMouseRButtonDown(nullptr, inside.x, inside.y, 0);
    list->OnHfcMouseRButtonUp(nullptr, inside.x, inside.y, 0);
    EXPECT_THAT(Selected(), ElementsAre(20, 22)) << "a click inside the selection keeps it";
    auto menus = platform::testing::TakeShownPopupMenus();
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].items.size(), 9u);
    EXPECT_EQ(menus[0].items[0].text, "Cut");
    EXPECT_EQ(menus[0].items[8].text, "Revert to saved data");

    const POINT outside = RowPoint(30);
    platform::testing::QueuePopupMenuAnswers({2});
    list->OnHfcMouseRButtonDown(nullptr, outside.x, outside.y, 0);
    list->OnHfcMouseRButtonUp(nullptr, outside.x, outside.y, 0);
    EXPECT_THAT(Selected(), ElementsAre(30));
    EXPECT_EQ(ClipboardRecord()->number, 30u) << "Copy ran";
    platform::testing::TakeShownPopupMenus();
}

class RecordingFactory : public CEditWindowFactory
{
public:
    CBaseWindow* CreateEditWindow(Kind kind, const EditWindowContext& context, int x, int y, int program,
                                  int timbre) override
    {
        made.push_back({kind, context, x, y, program, timbre});
        windows.push_back(std::make_unique<editor_test::CRecordingWindow>("edit " + std::to_string(program)));
        return windows.back().get();
    }
    struct Made
    {
        Kind kind;
        EditWindowContext context;
        int x, y, program, timbre;
    };
    std::vector<Made> made;
    std::vector<std::unique_ptr<editor_test::CRecordingWindow>> windows;
};

TEST_F(ProgramListTest, EditWindowsOpenOncePerProgramThroughTheFactory)
{
    RecordingFactory factory;
    SetEditWindowFactory(&factory);
    list->SelectProgram(17);
    Key(VK_RETURN);
    ASSERT_EQ(factory.made.size(), 1u);
    const auto& made = factory.made[0];
    EXPECT_EQ(made.kind, CEditWindowFactory::kProgramEdit);
    EXPECT_EQ(made.program, 17);
    EXPECT_EQ(made.timbre, -1);
    EXPECT_EQ(made.context.documentId, window->GetWindowNumber());
    EXPECT_EQ(made.context.owner, window);
    EXPECT_EQ(made.context.documentList, window->GetLibraryData());
    EXPECT_EQ(made.context.dataContainer, window->GetLibraryData()->FindItem(LibraryDataItem::kProgramBank));
    EXPECT_EQ(window->GetProgramEditWindow(17), factory.windows[0].get());

    const POINT row = RowPoint(17);
    list->OnHfcMouseLButtonDblClk(nullptr, row.x, row.y, 0);
    list->OnControlValueChanged(list->GetControl(CProgramListLayer::kEditButton), 0);
    EXPECT_EQ(factory.made.size(), 1u) << "the open window is shown again";
    window->SetProgramEditWindow(17, nullptr);
    SetEditWindowFactory(nullptr);
}

}  // namespace
}  // namespace program_list_test
