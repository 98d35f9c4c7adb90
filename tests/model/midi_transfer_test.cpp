// Transfers between the MIDI manager and the test device: one table of
// operations against the device's behaviour, each row checking the result,
// the reports, the progress and the documents, and that the manager is idle
// again afterwards.
#include "midi_manager_fixture.h"
#include "model/LocalizedText.h"
#include "transfer_documents.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>

namespace {

using Fault = DeviceSimulator::Fault;
using Box = FakeMidiHost::MessageBox;

std::string Text(const std::string& key)
{
    return LocalizedText(key);
}

class MidiTransferTest : public MidiManagerFixture, public TransferDocuments
{
public:
    void SetUp() override
    {
        MidiManagerFixture::SetUp();
        for (int n = 0; n < DeviceSimulator::kProgramCount; ++n)
            device->SetProgram(n, ProgramImageNamed("Dev" + std::to_string(n)));
        device->SetCurrentProgram(ProgramImageNamed("Current"));
        DeviceSimulator::GlobalImage global{};
        for (std::size_t i = 0; i < global.size(); ++i)
            global[i] = static_cast<std::uint8_t>(i * 3);
        device->SetGlobal(global);
    }

    void ExpectIdle()
    {
        EXPECT_FALSE(host.progressOpen) << "the dialog is closed";
        EXPECT_FALSE(host.timerPaused) << "the timer ticks again";
        EXPECT_EQ(manager->GetReplyState(), (CMidiManager::ReplyState{ReplyKind::None, 0, 0}));
        EXPECT_FALSE(manager->IsTransferRunning()) << "the exclusive semaphore is free";
    }
};

struct Reports
{
    std::vector<std::string> log;
    std::optional<Box> box;
};

struct TransferCase
{
    const char* name;
    Fault fault;
    bool connected;
    std::function<bool(MidiTransferTest&)> run;
    bool result;
    // Texts are looked up once the test's strings are loaded.
    std::function<Reports()> reports;
    std::pair<std::int32_t, std::int32_t> lastProgress;
    std::function<void(MidiTransferTest&)> checkDocuments;
};

std::string BatchLog(const std::string& key, bool success)
{
    return Text("TitleLog" + key) + " : " + Text((success ? "SuccessLog" : "FailedLog") + key);
}

Box BatchBox(const std::string& key, bool success)
{
    return {success ? 0x12 : 0x82, Text("Title" + key), Text((success ? "Success" : "Failed") + key)};
}

std::string ErrorLog(const std::string& key, const std::string& message)
{
    return Text("TitleLog" + key) + " : " + Text(message + "Log");
}

Box ErrorBox(const std::string& key, const std::string& message)
{
    return {0x82, Text("Title" + key), Text(message)};
}

void ExpectBankFromDevice(MidiTransferTest& t, int count)
{
    for (int n = 0; n < kProgramBankSize; ++n) {
        const std::string expected = n < count ? "Dev" + std::to_string(n) : "Lib" + std::to_string(n);
        EXPECT_EQ(std::string(t.Bank()[n].GetRegion().name).substr(0, expected.size()), expected) << n;
    }
    EXPECT_EQ(static_cast<int>(t.manager->GetReceivedPrograms().count()), count);
}

void ExpectDeviceBankFromLibrary(MidiTransferTest& t)
{
    for (int n = 0; n < kProgramBankSize; ++n)
        EXPECT_EQ(t.device->Program(n), ProgramImageOf(t.Bank()[n])) << n;
}

void Nothing(MidiTransferTest&)
{}

const TransferCase kCases[] = {
    {"ReceiveProgram",
     Fault::None,
     true,
     [](MidiTransferTest& t) { return t.manager->ReceiveProgram(t.program, 5); },
     true,
     [] {
         return Reports{{Text("SuccessLogReceiveProgram") + " : Dev5    "}, std::nullopt};
     },
     {1, 1},
     [](MidiTransferTest& t) {
         EXPECT_EQ(ProgramImageOf(t.program), t.device->Program(5));
         EXPECT_STREQ(t.program.GetRegion().name, "Dev5    ") << "the name's blanks are kept";
     }},
    {"ReceiveCurrentProgram",
     Fault::None,
     true,
     [](MidiTransferTest& t) { return t.manager->ReceiveProgram(t.program, -1); },
     true,
     [] {
         return Reports{{Text("SuccessLogReceiveCurrentProgram") + " : Current "}, std::nullopt};
     },
     {1, 1},
     [](MidiTransferTest& t) { EXPECT_EQ(ProgramImageOf(t.program), t.device->CurrentProgram()); }},
    {"WriteProgram",
     Fault::None,
     true,
     [](MidiTransferTest& t) { return t.manager->WriteProgram(t.program, 7); },
     true,
     [] {
         return Reports{{Text("SuccessLogWriteProgram") + " : Mine"}, std::nullopt};
     },
     {1, 1},
     [](MidiTransferTest& t) {
         EXPECT_EQ(t.device->Program(7), ProgramImageOf(t.program));
         EXPECT_EQ(t.host.target.program, nullptr) << "a numbered write sets no target";
     }},
    {"TransmitCurrentProgram",
     Fault::None,
     true,
     [](MidiTransferTest& t) { return t.manager->WriteProgram(t.program, -1); },
     true,
     [] {
         return Reports{{Text("SuccessLogTransmitCurrentProgram") + " : Mine"}, std::nullopt};
     },
     {1, 1},
     [](MidiTransferTest& t) {
         EXPECT_EQ(t.device->CurrentProgram(), ProgramImageOf(t.program));
         EXPECT_EQ(t.host.target.program, &t.program) << "changes from the device now go into it";
     }},
    {"ReceiveAllPrograms",
     Fault::None,
     true,
     [](MidiTransferTest& t) { return t.manager->ReceiveAllPrograms(t.library); },
     true,
     [] {
         return Reports{{BatchLog("ReceiveAllPrograms", true)}, BatchBox("ReceiveAllPrograms", true)};
     },
     {200, 200},
     [](MidiTransferTest& t) { ExpectBankFromDevice(t, 200); }},
    {"WriteAllPrograms",
     Fault::None,
     true,
     [](MidiTransferTest& t) { return t.manager->WriteAllPrograms(t.library); },
     true,
     [] {
         return Reports{{BatchLog("WriteAllPrograms", true)}, BatchBox("WriteAllPrograms", true)};
     },
     {200, 200},
     ExpectDeviceBankFromLibrary},
    {"ReceiveGlobal",
     Fault::None,
     true,
     [](MidiTransferTest& t) { return t.manager->ReceiveGlobal(t.library); },
     true,
     [] {
         return Reports{{Text("SuccessLogReceiveGlobal")}, std::nullopt};
     },
     {0, 1},
     [](MidiTransferTest& t) { EXPECT_EQ(t.GlobalImage(), t.device->Global()); }},
    {"WriteGlobal",
     Fault::None,
     true,
     [](MidiTransferTest& t) { return t.manager->WriteGlobal(t.library); },
     true,
     [] {
         return Reports{{Text("SuccessLogWriteGlobal")}, std::nullopt};
     },
     {1, 1},
     [](MidiTransferTest& t) { EXPECT_EQ(t.device->Global(), t.GlobalImage()); }},
    {"ReceiveAll",
     Fault::None,
     true,
     [](MidiTransferTest& t) { return t.manager->ReceiveAll(t.library); },
     true,
     [] {
         return Reports{{BatchLog("ReceiveAll", true)}, BatchBox("ReceiveAll", true)};
     },
     {200, 201},
     [](MidiTransferTest& t) {
         ExpectBankFromDevice(t, 200);
         EXPECT_EQ(t.GlobalImage(), t.device->Global());
     }},
    {"ReceiveAllUnreported",
     Fault::None,
     true,
     [](MidiTransferTest& t) { return t.manager->ReceiveAll(t.library, false); },
     true,
     [] {
         return Reports{{Text("SuccessLogReceiveAll")}, std::nullopt};
     },
     {200, 201},
     Nothing},
    {"WriteAll",
     Fault::None,
     true,
     [](MidiTransferTest& t) { return t.manager->WriteAll(t.library); },
     true,
     [] {
         return Reports{{BatchLog("WriteAll", true)}, BatchBox("WriteAll", true)};
     },
     {201, 201},
     [](MidiTransferTest& t) {
         ExpectDeviceBankFromLibrary(t);
         EXPECT_EQ(t.device->Global(), t.GlobalImage());
     }},
    {"NotConnected",
     Fault::None,
     false,
     [](MidiTransferTest& t) { return t.manager->ReceiveAll(t.library); },
     false,
     [] {
         return Reports{{ErrorLog("ReceiveAll", "MidiErrorDeviceNotSpecified")},
                        ErrorBox("ReceiveAll", "MidiErrorDeviceNotSpecified")};
     },
     {-1, -1},
     [](MidiTransferTest& t) { ExpectBankFromDevice(t, 0); }},
    {"NotConnectedUnreported",
     Fault::None,
     false,
     [](MidiTransferTest& t) { return t.manager->ReceiveAll(t.library, false); },
     false,
     [] {
         return Reports{{}, std::nullopt};
     },
     {-1, -1},
     Nothing},
    {"NotConnectedWriteUnreported",
     Fault::None,
     false,
     [](MidiTransferTest& t) { return t.manager->WriteProgram(t.program, 3, false); },
     false,
     [] {
         return Reports{{}, std::nullopt};
     },
     {-1, -1},
     Nothing},
    {"Silent",
     Fault::Silent,
     true,
     [](MidiTransferTest& t) { return t.manager->ReceiveAll(t.library); },
     false,
     [] {
         return Reports{{ErrorLog("ReceiveAll", "MidiErrorTimeout")}, ErrorBox("ReceiveAll", "MidiErrorTimeout")};
     },
     {0, 201},
     [](MidiTransferTest& t) {
         EXPECT_EQ(t.device->Received().size(), 1u) << "the time-out comes after the inquiry";
         ExpectBankFromDevice(t, 0);
     }},
    {"WriteRefused",
     Fault::WriteErrorReply,
     true,
     [](MidiTransferTest& t) { return t.manager->WriteProgram(t.program, 7); },
     false,
     [] {
         return Reports{{ErrorLog("WriteProgram", "MidiErrorReceiveError")},
                        ErrorBox("WriteProgram", "MidiErrorReceiveError")};
     },
     {0, 1},
     Nothing},
    {"RequestRefused",
     Fault::DataErrorReply,
     true,
     [](MidiTransferTest& t) { return t.manager->ReceiveProgram(t.program, 5); },
     false,
     [] {
         return Reports{{ErrorLog("ReceiveProgram", "MidiErrorReceiveError")},
                        ErrorBox("ReceiveProgram", "MidiErrorReceiveError")};
     },
     {0, 1},
     [](MidiTransferTest& t) { EXPECT_STREQ(t.program.GetRegion().name, "Mine"); }},
    {"ShortDump",
     Fault::ShortDump,
     true,
     [](MidiTransferTest& t) { return t.manager->ReceiveAllPrograms(t.library); },
     false,
     [] {
         return Reports{{ErrorLog("ReceiveAllPrograms", "MidiErrorReceiveError")},
                        ErrorBox("ReceiveAllPrograms", "MidiErrorReceiveError")};
     },
     {0, 200},
     [](MidiTransferTest& t) { ExpectBankFromDevice(t, 0); }},
    {"WrongFamily",
     Fault::WrongFamily,
     true,
     [](MidiTransferTest& t) { return t.manager->WriteGlobal(t.library); },
     false,
     [] {
         return Reports{{ErrorLog("WriteGlobal", "MidiErrorNotTargetDevice")},
                        ErrorBox("WriteGlobal", "MidiErrorNotTargetDevice")};
     },
     {0, 1},
     [](MidiTransferTest& t) { EXPECT_EQ(t.device->Received().size(), 1u) << "nothing after the inquiry"; }},
    {"TwoInquiryReplies",
     Fault::TwoInquiryReplies,
     true,
     [](MidiTransferTest& t) { return t.manager->ReceiveProgram(t.program, 5); },
     true,
     [] {
         return Reports{{Text("SuccessLogReceiveProgram") + " : Dev5    "}, std::nullopt};
     },
     {1, 1},
     [](MidiTransferTest& t) {
         EXPECT_EQ(ProgramImageOf(t.program), t.device->Program(5)) << "a leftover release copies";
     }},
    {"ForeignInquiryFirst",
     Fault::ForeignInquiryFirst,
     true,
     [](MidiTransferTest& t) { return t.manager->ReceiveAllPrograms(t.library); },
     true,
     [] {
         return Reports{{BatchLog("ReceiveAllPrograms", true)}, BatchBox("ReceiveAllPrograms", true)};
     },
     {200, 200},
     [](MidiTransferTest& t) { ExpectBankFromDevice(t, 200); }},
};

class MidiTransferTableTest : public MidiTransferTest, public testing::WithParamInterface<TransferCase>
{};

TEST_P(MidiTransferTableTest, ResultReportsProgressAndDocuments)
{
    const TransferCase& row = GetParam();
    manager->SetReplyTimeout(300);
    device->SetFault(row.fault);
    if (row.connected)
        Connect();
    EXPECT_EQ(row.run(*this), row.result);
    const Reports expected = row.reports();
    EXPECT_EQ(host.log, expected.log);
    if (expected.box)
        EXPECT_EQ(host.boxes, std::vector<Box>{*expected.box});
    else
        EXPECT_TRUE(host.boxes.empty());
    const auto last = host.progress.empty() ? std::pair{-1, -1} : host.progress.back();
    EXPECT_EQ(last, row.lastProgress);
    row.checkDocuments(*this);
    ExpectIdle();
}

INSTANTIATE_TEST_SUITE_P(Transfers, MidiTransferTableTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<TransferCase>& info) { return info.param.name; });

TEST_F(MidiTransferTest, CancelAfterProgram37)
{
    Connect();
    host.onProgress = [this](std::int32_t position) {
        if (position == 38)
            host.cancel();
    };
    EXPECT_TRUE(manager->ReceiveAll(library)) << "a cancelled transfer still ran to its end";
    ExpectBankFromDevice(*this, 38);
    EXPECT_EQ(device->Received().size(), 39u) << "the inquiry and 38 requests; no global request";
    EXPECT_EQ(host.log, std::vector<std::string>{BatchLog("ReceiveAll", false)});
    EXPECT_EQ(host.boxes, std::vector<Box>{BatchBox("ReceiveAll", false)});
    ExpectIdle();
}

TEST_F(MidiTransferTest, FailurePartWayKeepsWhatArrived)
{
    Connect();
    manager->SetReplyTimeout(200);
    host.onProgress = [this](std::int32_t position) {
        if (position == 10)
            device->SetFault(Fault::Silent);
    };
    EXPECT_FALSE(manager->ReceiveAllPrograms(library));
    ExpectBankFromDevice(*this, 10);
    EXPECT_EQ(host.boxes, std::vector<Box>{ErrorBox("ReceiveAllPrograms", "MidiErrorTimeout")});
    EXPECT_EQ(manager->GetErrorText(), host.boxes[0].text) << "the failure's text is kept for the caller";
    ExpectIdle();
}

TEST_F(MidiTransferTest, SecondTransferWhileOneRunsIsDroppedSilently)
{
    Connect();
    std::optional<bool> nested;
    host.onProgress = [&](std::int32_t position) {
        if (position == 3 && !nested) {
            const std::size_t boxes = host.boxes.size();
            nested = manager->WriteGlobal(library);
            EXPECT_EQ(host.boxes.size(), boxes);
        }
    };
    EXPECT_TRUE(manager->ReceiveAllPrograms(library));
    ASSERT_TRUE(nested.has_value());
    EXPECT_FALSE(*nested);
    EXPECT_EQ(host.log, std::vector<std::string>{BatchLog("ReceiveAllPrograms", true)});
    EXPECT_EQ(host.progressOpenCount, 1);
    ExpectIdle();
}

TEST_F(MidiTransferTest, MissingBankIsAnInternalError)
{
    Connect();
    LibraryData empty;
    EXPECT_FALSE(manager->WriteAll(empty));
    EXPECT_EQ(host.boxes, std::vector<Box>{ErrorBox("WriteAll", "MidiErrorInternalError")});
    ExpectIdle();
}

TEST_F(MidiTransferTest, ReceiveCurrentProgramSetsTheTargetFirst)
{
    Connect();
    EXPECT_TRUE(manager->ReceiveCurrentProgram(program, 42, 9));
    EXPECT_EQ(host.target.program, &program);
    EXPECT_EQ(host.target.owner, 42);
    EXPECT_EQ(host.target.programNumber, 9);
    EXPECT_EQ(ProgramImageOf(program), device->CurrentProgram());
}

TEST_F(MidiTransferTest, ProgressTextsFollowTheSteps)
{
    Connect();
    EXPECT_TRUE(manager->ReceiveAll(library));
    EXPECT_EQ(host.progressTitle, Text("TitleReceiveAll"));
    EXPECT_EQ(host.progressTexts,
              (std::vector<std::string>{Text("ProgressDeviceInquiry"), Text("ProgressReceiveGlobal")}));
    EXPECT_FALSE(Text("ProgressDeviceInquiry").empty());
}

TEST_F(MidiTransferTest, FragmentedRepliesWithClocksStillArrive)
{
    Connect();
    device->SetFragmentation(7);
    EXPECT_TRUE(manager->ReceiveGlobal(library));
    EXPECT_EQ(GlobalImage(), device->Global());
}

TEST_F(MidiTransferTest, DeviceOnAnotherChannelIsLearnedFromTheInquiry)
{
    Connect();
    device->SetChannel(11);
    EXPECT_TRUE(manager->ReceiveProgram(program, 199));
    EXPECT_EQ(manager->GetGlobalChannel(), 11);
    EXPECT_EQ(ProgramImageOf(program), device->Program(199));
    EXPECT_EQ(device->Received().back()[2], 0x3B) << "the request went out on the device's channel";
}

TEST_F(MidiTransferTest, UnsolicitedDumpBeforeARequestIsNoReply)
{
    Connect();
    device->SendProgramDump(3);
    for (int i = 0; i < 500 && host.Received().empty(); ++i)
        Sleep(10);
    ASSERT_FALSE(host.Received().empty()) << "the dump arrived before the request";
    EXPECT_TRUE(manager->ReceiveProgram(program, 8));
    EXPECT_EQ(ProgramImageOf(program), device->Program(8));
    ExpectIdle();
}

}  // namespace
