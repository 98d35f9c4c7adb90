// The editor as its users run it: the real program on a virtual X server,
// talking over the MIDI bridge to the device simulator program, driven with
// keys and mouse clicks. What it shows is kept as screenshots, what reached
// the device is read back from the simulator's record, and what reached the
// disk is read back from the file.
// The device's headers come before X11's, whose macros clash with their names.
#include "support/DeviceMemory.h"
#include "support/EditorFileLayouts.h"
#include "support/ImportFileLayouts.h"
#include "support/ParameterChangeBytes.h"
#include "support/SimulatorProcess.h"

#include "desktop_editor_fixture.h"
#include "editor/ProgramListGeometry.h"
#include "editor/layout/Layouts.h"
#include "model/Q3917ProgramAccessor.h"
#include "model/Q3917ProgramData.h"
#include "xdnd_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <thread>

#include <unistd.h>

namespace desktop_test {
namespace {

using namespace std::chrono_literals;
using Bytes = SimulatorProcess::Bytes;

const Bytes kSearchRequest{0xF0, 0x7D, 0x50, 0x00, 0x01, 0xF7};
const Bytes kInquiry{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};

// What the device hears from a scan and a Receive All Data on channel 1:
// the port search, the inquiry, each program's dump request and the
// global dump request.
std::vector<Bytes> ReceiveAllRequests()
{
    std::vector<Bytes> heard{kSearchRequest, kInquiry};
    for (int n = 0; n < DeviceSimulatorCore::kProgramCount; ++n)
        heard.push_back({0xF0, 0x7D, 0x30, 0x00, 0x01, 0x6E, 0x1C, static_cast<std::uint8_t>(n & 0x7F),
                         static_cast<std::uint8_t>(n >> 7), 0xF7});
    heard.push_back({0xF0, 0x7D, 0x30, 0x00, 0x01, 0x6E, 0x0E, 0xF7});
    return heard;
}

Bytes ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool Holds(const Bytes& file, const DeviceSimulatorCore::ProgramImage& image)
{
    return std::search(file.begin(), file.end(), image.begin(), image.end()) != file.end();
}

// Whether the two screens differ inside the rectangle from one corner to the other.
bool Differs(const RgbImage& a, const RgbImage& b, Point from, Point to)
{
    for (int y = from.y; y <= to.y; ++y)
        if (!std::equal(a.At(from.x, y), a.At(to.x, y) + 3, b.At(from.x, y)))
            return true;
    return false;
}

class DeviceMemoryImage : public DeviceSimulatorCore
{
public:
    DeviceMemoryImage() : DeviceSimulatorCore([](const Bytes&) {}) {}
};

class EditorJourney : public EditorOnDesktop
{
protected:
    EditorJourney() : EditorOnDesktop("1024x768x24") {}

    void SetUp() override
    {
        EditorOnDesktop::SetUp();
        if (IsSkipped())
            return;
        folder_ = fs::temp_directory_path() / ("editor_journey_" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        FillFreshDeviceMemory(memory_);
    }

    void TearDown() override
    {
        editor_.reset();
        fs::remove_all(folder_);
        EditorOnDesktop::TearDown();
    }

    void StartDevice(const std::vector<std::string>& arguments)
    {
        ASSERT_TRUE(SaveDeviceMemory(device_.MemoryPath(), memory_));
        ASSERT_TRUE(device_.Start(arguments));
    }

    // The editor on the device in the locale's language, its ports found
    // by a scan, and its frame up.
    void StartOnDevice(const std::string& name, const std::vector<std::string>& arguments = {}, int theme = 0,
                       const char* locale = "en_US.UTF-8")
    {
        const std::size_t heard = device_.Heard().size();
        settings_["BackgroundColour"] = theme;
        editor_ =
            StartEditor(MakeRegistry(name, 0, 0, 1000, 740, settings_), fs::path(VQ_TEST_OUTPUT_DIR) / (name + ".log"),
                        {"VQ_MIDI_BACKEND=bridge", "VQ_MIDI_BRIDGE_SOCKET=" + device_.SocketPath(),
                         std::string("LC_ALL=") + locale},
                        arguments);
        ASSERT_TRUE(editor_->Started());
        frame_ = WaitForFrame();
        ASSERT_NE(frame_, 0u) << "the main window did not come up";
        ASSERT_TRUE(device_.WaitForHeard(heard + 1, kPatience)) << "the editor did not look for the device";
        EXPECT_EQ(device_.Heard()[heard], kSearchRequest);
    }

    // The save question's No: the second button, reached with Tab.
    void AnswerNo(Window question)
    {
        Keys(question, {"Tab", "Return"});
        EXPECT_TRUE(WaitUntilGone(question)) << "No did not end the question";
    }

    void Shot(const std::string& name)
    {
        EXPECT_TRUE(SavePng(CaptureScreen(x_), fs::path(VQ_TEST_OUTPUT_DIR) / (name + ".png")));
    }

    // Transfer > Receive All Data, confirmed; its progress and its last word
    // are kept as screenshots and the last word is answered.
    void ReceiveAllData(const std::string& shot) { RunTransfer({"alt+t", "Return"}, "^Receive All Data$", shot); }
    void WriteAllData(const std::string& shot) { RunTransfer({"alt+t", "Down", "Return"}, "^Write All Data$", shot); }

    // A whole-device transfer chosen from the menu with the keys: its
    // question answered, its progress shot when it shows, and its last
    // box shot and answered. A transfer may end before its progress is
    // seen, so only its last box, which stays until answered, ends it.
    void RunTransfer(const std::vector<std::string>& menuKeys, const std::string& title, const std::string& shot)
    {
        ChooseMenuItem(frame_, menuKeys);
        const Window confirm = WaitForDialog(title, DialogKind::MessageBox);
        ASSERT_NE(confirm, 0u) << "no question before the transfer";
        ASSERT_TRUE(Answer(confirm, "Return")) << "the question stayed";
        bool progressShot = false;
        const Window done = WaitForDialog(title, DialogKind::MessageBox, 300s, [&](const RgbImage& screen) {
            if (!progressShot)
                progressShot = SavePng(screen, fs::path(VQ_TEST_OUTPUT_DIR) / (shot + "_progress.png"));
        });
        ASSERT_NE(done, 0u) << "the transfer did not end with a word";
        Shot(shot + "_done");
        EXPECT_TRUE(Answer(done, "Return")) << "the last word stayed";
    }

    // Saved under a new name, the library holds the device's programs
    // that arrived before the failure (the first `arrived`) and its own
    // for the rest, program 199 among them; an unchanged library then ends
    // without a question.
    void ExpectTheLibraryKeptAndEnd(const std::string& name, int arrived)
    {
        const Bytes file = SaveAs(name + ".vq7");
        for (int n = 0; n < arrived; ++n)
            EXPECT_TRUE(Holds(file, memory_.Program(n))) << "program " << n << " arrived and is kept";
        EXPECT_FALSE(Holds(file, memory_.Program(DeviceSimulatorCore::kProgramCount - 1)))
            << "a program that never arrived is the library's own";
        RequestClose(frame_);
        EXPECT_EQ(editor_->Wait(kPatience), 0);
    }

    // The file dialog: the name typed into its name field and confirmed.
    void ChooseFile(const std::string& title, const fs::path& path)
    {
        const Window dialog = WaitForWindow(title);
        ASSERT_NE(dialog, 0u) << "no " << title << " dialog";
        Tool({"windowfocus", "--sync", std::to_string(dialog)});
        Tool({"type", "--delay", "20", path.string()});
        EXPECT_TRUE(Answer(dialog, "Return")) << "the " << title << " dialog stayed";
    }

    // The middle of program n's row on the list's first page, for a
    // library window whose page strip is at strip.
    static Point Row(Point strip, int n)
    {
        return {strip.x + program_list::kListX + 40, strip.y + kStripHeight + program_list::kListY +
                                                         program_list::kRowHeight * n + program_list::kRowHeight / 2};
    }

    // A press on one row, moved in steps past the drag threshold to
    // another, and let go there.
    void Drag(Point from, Point to)
    {
        Tool({"mousemove", "--sync", std::to_string(from.x), std::to_string(from.y)});
        Tool({"mousedown", "1"});
        for (int step = 1; step <= 4; ++step) {
            const int y = from.y + (to.y - from.y) * step / 4;
            Tool({"mousemove", "--sync", std::to_string(to.x), std::to_string(y)});
            std::this_thread::sleep_for(150ms);
        }
        Tool({"mouseup", "1"});
        std::this_thread::sleep_for(500ms);
    }

    // The library saved under a new name in the test's folder through
    // Save As and its dialog; the file's bytes, empty when none came.
    Bytes SaveAs(const std::string& name)
    {
        const fs::path path = folder_ / name;
        Keys(frame_, {"ctrl+shift+s"});
        ChooseFile("^Save$", path);
        EXPECT_TRUE(WaitForFile(path)) << "nothing saved as " << name;
        return ReadFile(path);
    }

    bool WaitForFile(const fs::path& path)
    {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!fs::exists(path) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(100ms);
        return fs::exists(path);
    }

    DeviceMemoryImage memory_;
    SimulatorProcess device_{VQ_DEVICE_SIMULATOR};
    fs::path folder_;
    std::unique_ptr<xvfb_test::ChildProcess> editor_;
    Window frame_ = 0;
    // The editor's settings beyond the window's place and the theme.
    std::map<std::string, long> settings_ = {{"MidiDeviceAutoScan", 1}};
};

TEST_F(EditorJourney, ReceiveAllSaveAsReopenAndCloseWithTheSaveQuestion)
{
    // Slow enough to see the progress, quick enough for a test.
    StartDevice({"--byte-rate", "25000"});
    StartOnDevice("journey_receive");
    const std::optional<Point> strip = WaitForPicture(LoadSkinBitmap("BG_PageSelect"), kStripFreeFrom, kStripFreeTo);
    ASSERT_TRUE(strip.has_value()) << "the library window is not shown";
    const RgbImage before = CaptureScreen(x_);
    ReceiveAllData("journey_receive_all");
    EXPECT_EQ(device_.Heard(), ReceiveAllRequests());
    // Once the last word is answered, the list shows the device's programs
    // and the window's caption, just above the page strip, its change.
    const auto marked = [&](const RgbImage& now) {
        return Differs(before, now, {strip->x, strip->y - 20}, {strip->x + 300, strip->y - 4});
    };
    const auto listed = [&](const RgbImage& now) { return Differs(before, now, Row(*strip, 0), Row(*strip, 39)); };
    RgbImage after = CaptureScreen(x_);
    for (const auto deadline = std::chrono::steady_clock::now() + kPatience;
         !(marked(after) && listed(after)) && std::chrono::steady_clock::now() < deadline; after = CaptureScreen(x_))
        std::this_thread::sleep_for(200ms);
    Shot("journey_received");
    EXPECT_TRUE(marked(after)) << "the title is not marked";
    EXPECT_TRUE(listed(after)) << "the list shows what it showed";

    const fs::path saved = folder_ / "received.vq7";
    Keys(frame_, {"ctrl+shift+s"});
    ChooseFile("^Save$", saved);
    ASSERT_TRUE(WaitForFile(saved)) << "nothing saved";
    const Bytes file = ReadFile(saved);
    for (int n = 0; n < DeviceSimulatorCore::kProgramCount; ++n)
        EXPECT_TRUE(Holds(file, memory_.Program(n))) << "program " << n << " as the device sent it";
    Shot("journey_saved");

    // Received again, the library is changed: closing asks first.
    ReceiveAllData("journey_receive_again");
    RequestClose(frame_);
    Window question = WaitForDialog("^Confirm$", DialogKind::MessageBox);
    ASSERT_NE(question, 0u) << "closing a changed library did not ask";
    Shot("journey_save_question");
    ASSERT_TRUE(Answer(question, "Escape")) << "the question stayed";
    EXPECT_EQ(editor_->Wait(1s), -1) << "Cancel kept the editor running";
    RequestClose(frame_);
    question = WaitForDialog("^Confirm$", DialogKind::MessageBox);
    ASSERT_NE(question, 0u);
    AnswerNo(question);
    EXPECT_EQ(editor_->Wait(kPatience), 0);
    EXPECT_EQ(ReadFile(saved), file) << "No left the file as it was";

    // Opened from the command line, the file is the library: saved again
    // under another name it is the same file.
    const fs::path again = folder_ / "again.vq7";
    StartOnDevice("journey_reopen", {saved.string()});
    Shot("journey_reopened");
    Keys(frame_, {"ctrl+shift+s"});
    ChooseFile("^Save$", again);
    ASSERT_TRUE(WaitForFile(again));
    EXPECT_EQ(ReadFile(again), file);
    RequestClose(frame_);
    EXPECT_EQ(editor_->Wait(kPatience), 0) << "an unchanged library closes without a question";
}

// A library file as the editor writes one: the device's programs in the
// given order, its global data and the window's default view.
Bytes LibraryFile(const DeviceSimulatorCore& device, bool reversed)
{
    std::vector<ProgramRecordLayout> programs;
    for (int n = 0; n < DeviceSimulatorCore::kProgramCount; ++n) {
        const auto image = device.Program(reversed ? DeviceSimulatorCore::kProgramCount - 1 - n : n);
        ProgramRecordLayout record;
        record.image.assign(image.begin(), image.end());
        programs.push_back(record);
    }
    const auto global = device.Global();
    const std::int32_t view[4] = {0, 0, 1, 127};
    return AllDataBytes({ProgramSetBytes(programs, DeviceSimulatorCore::kProgramCount),
                         GlobalFileBytes(FileBytes(global.begin(), global.end()), 0, 0), LibraryPropertiesBytes(view)},
                        3);
}

TEST_F(EditorJourney, ALibraryIsOpenedThroughTheOpenDialogAndByADesktopDrop)
{
    const fs::path opened = folder_ / "opened.vq7";
    const fs::path dropped = folder_ / "dropped.vq7";
    const Bytes inOrder = LibraryFile(memory_, false);
    const Bytes reversed = LibraryFile(memory_, true);
    WriteFile(opened, inOrder);
    WriteFile(dropped, reversed);
    StartDevice({});
    StartOnDevice("journey_open");

    // File > Open and the file named in its dialog: a new window holds the
    // file's library, which saved again is the same file.
    Keys(frame_, {"ctrl+o"});
    ChooseFile("^Open$", opened);
    const Window failure = WaitForWindow("^Open$", 2s);
    EXPECT_EQ(failure, 0u) << "opening failed";
    Shot("journey_opened");
    EXPECT_EQ(SaveAs("opened_again.vq7"), inOrder);

    // The other file dropped from the desktop onto the library window.
    ASSERT_TRUE(TakesDrops(x_, frame_)) << "the main window takes no drops";
    const std::optional<Point> strip = WaitForPicture(LoadSkinBitmap("BG_PageSelect"), kStripFreeFrom, kStripFreeTo);
    ASSERT_TRUE(strip.has_value()) << "the library window is not shown";
    const Point over = Row(*strip, 3);
    Tool({"mousemove", "--sync", std::to_string(over.x), std::to_string(over.y)});
    const RgbImage before = CaptureScreen(x_);
    ASSERT_TRUE(DropFiles(x_, frame_, over.x, over.y, {dropped})) << "the drop was not taken";
    WaitForChange(before);
    Shot("journey_dropped");
    EXPECT_EQ(SaveAs("dropped_again.vq7"), reversed);
    RequestClose(frame_);
    EXPECT_EQ(editor_->Wait(kPatience), 0) << "libraries saved as they are close without a question";
}

// The progress of a receive as each colour theme and language shows it,
// kept in the gallery; the user stops the receive there.
TEST_F(EditorJourney, AReceiveShowsItsProgressInEachThemeAndLanguage)
{
    const fs::path gallery = fs::path(VQ_TEST_OUTPUT_DIR) / "gallery";
    fs::create_directories(gallery);
    StartDevice({"--byte-rate", "3125"});
    for (const char* locale : {"en_US.UTF-8", "ja_JP.UTF-8"}) {
        const std::string title = ExactTitle(InterfaceText(locale, "TitleReceiveAll"));
        for (int theme = 0; theme < 3; ++theme) {
            const std::string suffix = "_" + std::string(locale).substr(0, 2) + "_theme" + std::to_string(theme);
            SCOPED_TRACE(suffix);
            StartOnDevice("journey_progress" + suffix, {}, theme, locale);
            ChooseMenuItem(frame_, {"alt+t", "Return"});
            const Window confirm = WaitForDialog(title, DialogKind::MessageBox);
            ASSERT_NE(confirm, 0u) << "no question before the receive";
            ASSERT_TRUE(Answer(confirm, "Return")) << "the question stayed";
            const Window progress = WaitForDialog(title, DialogKind::Progress);
            ASSERT_NE(progress, 0u) << "no progress shown";
            // Kept once the bar has moved on from where it was first seen.
            const RgbImage first = CaptureScreen(x_);
            RgbImage moved = first;
            for (const auto deadline = std::chrono::steady_clock::now() + kPatience;
                 moved.rgb == first.rgb && std::chrono::steady_clock::now() < deadline; moved = CaptureScreen(x_))
                std::this_thread::sleep_for(200ms);
            EXPECT_TRUE(SavePng(moved, gallery / ("receive_progress" + suffix + ".png")));
            // Its one button, Cancel, has the keyboard.
            Keys(progress, {"space"});
            EXPECT_TRUE(WaitUntilGone(progress)) << "the receive went on";
            // The receive that stopped says so.
            const Window stopped = WaitForDialog(title, DialogKind::MessageBox);
            ASSERT_NE(stopped, 0u) << "the stopped receive said nothing";
            EXPECT_TRUE(SavePng(CaptureScreen(x_), gallery / ("receive_stopped" + suffix + ".png")));
            EXPECT_TRUE(Answer(stopped, "Return")) << "the word stayed";
            EXPECT_EQ(editor_->Wait(1s), -1) << "the editor kept running";
            editor_.reset();
        }
    }
}

std::size_t Count(const Bytes& file, const DeviceSimulatorCore::ProgramImage& image)
{
    std::size_t count = 0;
    for (auto at = file.begin(); (at = std::search(at, file.end(), image.begin(), image.end())) != file.end(); ++at)
        ++count;
    return count;
}

TEST_F(EditorJourney, AProgramCopiedPastedAndDraggedInTheListIsSavedAsTheListShowsIt)
{
    StartDevice({});
    // Without auto dump: each click would send its program, and the keys
    // and clicks after it would meet that transfer instead of the list.
    settings_["AutoDumpEnabled"] = 0;
    StartOnDevice("journey_list");
    ReceiveAllData("journey_list_receive");
    const std::optional<Point> strip = WaitForPicture(LoadSkinBitmap("BG_PageSelect"), kStripFreeFrom, kStripFreeTo);
    ASSERT_TRUE(strip.has_value()) << "the library window is not shown";

    // Program 1 copied over program 3, then program 5 dragged onto row 9.
    Click(Row(*strip, 0));
    Keys(frame_, {"ctrl+c"});
    Click(Row(*strip, 2));
    Keys(frame_, {"ctrl+v"});
    Drag(Row(*strip, 4), Row(*strip, 8));
    Shot("journey_list_edited");

    const Bytes file = SaveAs("edited.vq7");
    EXPECT_EQ(Count(file, memory_.Program(0)), 2u) << "program 1 and its pasted copy";
    EXPECT_EQ(Count(file, memory_.Program(2)), 0u) << "program 3 was pasted over";
    for (int n = 3; n < DeviceSimulatorCore::kProgramCount; ++n)
        EXPECT_EQ(Count(file, memory_.Program(n)), 1u) << "program " << n + 1 << " moved, not lost or doubled";
    // Program 5 now stands on row 9, after program 9.
    const auto offsetOf = [&](int n) {
        const auto& image = memory_.Program(n);
        return std::search(file.begin(), file.end(), image.begin(), image.end()) - file.begin();
    };
    EXPECT_GT(offsetOf(4), offsetOf(8)) << "the dragged program moved down the bank";
    EXPECT_LT(offsetOf(4), offsetOf(9));
    RequestClose(frame_);
    EXPECT_EQ(editor_->Wait(kPatience), 0);
}

// At cable speed each first click of a double click sends the newly
// selected program to the device, and the second comes while it goes: the
// double click still opens the program's edit window, every time. The
// edit windows open over the library window's top left; the rows are
// clicked right of them.
TEST_F(EditorJourney, DoubleClicksOnUnselectedRowsOpenTheirEditWindowsWhileTheProgramsGoOut)
{
    StartDevice({"--pace"});
    StartOnDevice("journey_double_clicks");
    const RgbImage stripPicture = LoadSkinBitmap("BG_PageSelect");
    const std::optional<Point> strip = WaitForPicture(stripPicture, kStripFreeFrom, kStripFreeTo);
    ASSERT_TRUE(strip.has_value()) << "the library window is not shown";
    const auto dumps = [this] {
        const auto heard = device_.Heard();
        return std::count_if(heard.begin(), heard.end(), [](const Bytes& message) { return message.size() > 400; });
    };
    const auto before = dumps();
    constexpr int kOpened = 10;
    for (int n = 0; n < kOpened; ++n) {
        const int program = 3 + 2 * n;
        SCOPED_TRACE(program);
        const Point row = Row(*strip, program);
        Click({row.x + 700, row.y}, 2);
        // The program goes out first; the window opens once it has gone.
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        bool covered = false;
        while (!covered && std::chrono::steady_clock::now() < deadline) {
            covered = !ShowsAt(CaptureScreen(x_), stripPicture, *strip, kStripFreeFrom, kStripFreeTo);
            std::this_thread::sleep_for(200ms);
        }
        EXPECT_TRUE(covered) << "no edit window opened over the library window";
    }
    Shot("journey_double_clicks");
    EXPECT_EQ(dumps() - before, kOpened) << "each first click sent its program";
    ChooseMenuItem(frame_, {"alt+f", "x"});
    EXPECT_EQ(editor_->Wait(30s), 0);
}

// A program dragged slowly down the list and given up with Escape, in each
// colour theme, kept in the gallery with the favourite grid above: the drop
// marker and the dragged row's picture go with the drag and leave nothing.
TEST_F(EditorJourney, ADragGivenUpLeavesTheListAsItWasInEachTheme)
{
    const fs::path gallery = fs::path(VQ_TEST_OUTPUT_DIR) / "gallery";
    fs::create_directories(gallery);
    StartDevice({});
    for (int theme = 0; theme < 3; ++theme) {
        const std::string suffix = "_theme" + std::to_string(theme);
        SCOPED_TRACE(suffix);
        StartOnDevice("journey_drag" + suffix, {}, theme);
        const char* strips[] = {"BG_PageSelect", "BG_PageSelectBlack", "BG_PageSelectWhite"};
        const std::optional<Point> strip = WaitForPicture(LoadSkinBitmap(strips[theme]), kStripFreeFrom, kStripFreeTo);
        ASSERT_TRUE(strip.has_value()) << "the library window is not shown";
        const Point from = Row(*strip, 5);
        const Point to = Row(*strip, 12);
        Tool({"mousemove", "--sync", std::to_string(from.x), std::to_string(from.y)});
        Tool({"mousedown", "1"});
        for (int y = from.y + 4; y <= to.y; y += 3) {
            Tool({"mousemove", "--sync", std::to_string(from.x + 4), std::to_string(y)});
            std::this_thread::sleep_for(60ms);
        }
        std::this_thread::sleep_for(500ms);
        EXPECT_TRUE(SavePng(CaptureScreen(x_), gallery / ("program_drag" + suffix + ".png")));
        Tool({"key", "Escape"});
        Tool({"mouseup", "1"});
        // The drop marker's red is nowhere in the rows once the editor has
        // taken the Escape, however busy it is.
        const auto redIn = [&](const RgbImage& screen) {
            int red = 0;
            for (int y = Row(*strip, 0).y - 6; y <= Row(*strip, 20).y; ++y) {
                for (int x = from.x - 30; x < from.x + 600; ++x) {
                    const std::uint8_t* pixel = screen.At(x, y);
                    if (pixel[0] > 150 && pixel[1] < 90 && pixel[2] < 90)
                        ++red;
                }
            }
            return red;
        };
        RgbImage left = CaptureScreen(x_);
        for (const auto deadline = std::chrono::steady_clock::now() + kPatience;
             redIn(left) != 0 && std::chrono::steady_clock::now() < deadline; left = CaptureScreen(x_))
            std::this_thread::sleep_for(200ms);
        EXPECT_TRUE(SavePng(left, gallery / ("program_drag_given_up" + suffix + ".png")));
        EXPECT_EQ(redIn(left), 0) << "the drop marker stayed behind";
        ChooseMenuItem(frame_, {"alt+f", "x"});
        EXPECT_EQ(editor_->Wait(30s), 0);
        editor_.reset();
    }
}

TEST_F(EditorJourney, AKnobTurnedInTheTimbreSynthWindowReachesTheDeviceAndTheLibrary)
{
    StartDevice({});
    StartOnDevice("journey_knob");
    ReceiveAllData("journey_knob_receive");
    const RgbImage stripPicture = LoadSkinBitmap("BG_PageSelect");
    const std::optional<Point> strip = WaitForPicture(stripPicture, kStripFreeFrom, kStripFreeTo);
    ASSERT_TRUE(strip.has_value()) << "the library window is not shown";

    // The program's edit window opens over the library window, and its
    // timbre 1 synth window 30 pixels right of and below that.
    RgbImage screen = DoubleClickUntil(Row(*strip, 0), [&](const RgbImage& shown) {
        return !ShowsAt(shown, stripPicture, *strip, kStripFreeFrom, kStripFreeTo);
    });
    screen = WaitForChange(ClickControl(*strip, layout::ProgramEditLayout().controls[0], screen));
    Shot("journey_knob_synth_window");
    const std::size_t before = device_.Heard().size();

    // Filter 1's cutoff knob, fully open in a new program, dragged down.
    const layout::Control* cutoff = nullptr;
    for (const layout::Control& control : layout::SynthEditLayout().controls)
        if (std::string(control.name) == "Filter 1 Cutoff")
            cutoff = &control;
    ASSERT_NE(cutoff, nullptr);
    const Point synth = {strip->x + 30, strip->y + 30};
    const Point knob = {synth.x + cutoff->x + cutoff->w / 2, synth.y + cutoff->y + cutoff->h / 2};
    Drag(knob, {knob.x, knob.y + 120});
    Shot("journey_knob_turned");

    ASSERT_TRUE(device_.WaitForHeard(before + 2, kPatience)) << "the turn sent nothing";

    // The library's program 1 holds the value the device got last, and
    // nothing else of it changed; the last change may reach the device
    // after the library is saved.
    const ParameterAddress address{static_cast<std::uint32_t>(cutoff->parameter.group),
                                   static_cast<std::uint32_t>(cutoff->parameter.index), 0};
    const CQ3917ProgramAccessor accessor;
    const auto programWith = [&](std::int32_t value) {
        CQ3917ProgramData program;
        std::copy_n(memory_.Program(0).begin(), CQ3917ProgramData::kImageSize, program.GetData());
        accessor.SetValue(&program, address, value);
        DeviceSimulatorCore::ProgramImage image;
        std::copy_n(program.GetData(), image.size(), image.begin());
        return image;
    };
    const auto lastValue = [](const std::vector<Bytes>& heard) {
        return heard.back().size() == 14u ? heard.back()[11] | (heard.back()[12] << 7) : -1;
    };
    const Bytes file = SaveAs("turned.vq7");
    std::vector<Bytes> heard = device_.Heard();
    for (const auto deadline = std::chrono::steady_clock::now() + kPatience;
         !Holds(file, programWith(lastValue(heard))) && std::chrono::steady_clock::now() < deadline;
         heard = device_.Heard())
        std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(Holds(file, programWith(lastValue(heard)))) << "the library's program is not the device's";

    // Each move on the way is one parameter change of timbre 1's filter 1
    // cutoff, the values falling.
    std::int32_t last = -1;
    for (std::size_t n = before; n < heard.size(); ++n) {
        ASSERT_EQ(heard[n].size(), 14u) << "message " << n;
        const std::int32_t value = heard[n][11] | (heard[n][12] << 7);
        EXPECT_EQ(heard[n], ParameterChangeBytes(address, value)) << "message " << n;
        if (last >= 0) {
            EXPECT_LT(value, last) << "message " << n;
        }
        last = value;
    }
    CQ3917ProgramData unturned;
    std::copy_n(memory_.Program(0).begin(), CQ3917ProgramData::kImageSize, unturned.GetData());
    EXPECT_NE(accessor.GetValue(&unturned, address), last) << "the turn changed nothing";
    RequestClose(frame_);
    EXPECT_EQ(editor_->Wait(kPatience), 0);
}

TEST_F(EditorJourney, ASiblingModelsLibraryIsImportedIntoANewWindow)
{
    const fs::path imported = folder_ / "sibling.srqtp_all";
    const FileBytes library = SiblingAllData("3918", {SiblingProgramChunk("3918", SiblingPrograms(7), 128)}, 1);
    WriteFile(imported, library);
    StartDevice({});
    StartOnDevice("journey_import");

    // File > Import Sorrel QT+ Library Data, the seventh item, and the
    // file named in its dialog.
    ChooseMenuItem(frame_, {"alt+f", "Down", "Down", "Down", "Down", "Down", "Down", "Return"});
    ChooseFile("^Import Sorrel QT\\+ library data$", imported);
    const Window failure = WaitForWindow("^Import Sorrel QT\\+ Library$", 2s);
    EXPECT_EQ(failure, 0u) << "the import failed";
    Shot("journey_imported");

    // The new window holds the imported programs: saved, the file has them.
    const Bytes file = SaveAs("imported.vq7");
    for (const char* name : {"SIB 000", "SIB 127"})
        EXPECT_NE(std::search(file.begin(), file.end(), name, name + 7), file.end()) << name;
    RequestClose(frame_);
    EXPECT_EQ(editor_->Wait(kPatience), 0) << "the imported library and the first one close unchanged";
}

TEST_F(EditorJourney, ADeviceFallingSilentMidTransferIsReportedAndTheNextReceiveWorks)
{
    StartDevice({"--control"});
    StartOnDevice("journey_silent");
    ASSERT_EQ(device_.Command("fault silent after 50"), "ok");
    ReceiveAllData("journey_silent_device");
    EXPECT_EQ(device_.Heard().size(), 52u) << "the transfer stopped at the first unanswered request";

    ASSERT_EQ(device_.Command("fault none"), "ok");
    ReceiveAllData("journey_device_back");
    std::vector<Bytes> heard = device_.Heard();
    const std::vector<Bytes> expected = ReceiveAllRequests();
    ASSERT_GE(heard.size(), expected.size() - 1);
    heard.erase(heard.begin(), heard.end() - static_cast<long>(expected.size() - 1));
    EXPECT_EQ(heard, std::vector<Bytes>(expected.begin() + 1, expected.end())) << "the second try asked for everything";
    ChooseMenuItem(frame_, {"alt+f", "x"});
    const Window question = WaitForDialog("^Confirm$", DialogKind::MessageBox);
    ASSERT_NE(question, 0u);
    AnswerNo(question);
    EXPECT_EQ(editor_->Wait(kPatience), 0);
}

TEST_F(EditorJourney, ADeviceHangingUpMidTransferIsReportedAndNothingIsLost)
{
    StartDevice({"--fault", "hang-up", "--after", "50"});
    StartOnDevice("journey_hang_up");
    ReceiveAllData("journey_hang_up");
    EXPECT_EQ(editor_->Wait(1s), -1) << "the editor kept running";
    // After the search, the inquiry and 48 program requests the device hangs
    // up: the programs before that arrived, the first 40 of them surely.
    ExpectTheLibraryKeptAndEnd("journey_hang_up", 40);
}

// A receive cut short still changed the library opened from a file: the
// caption carries the mark, the list shows the programs that arrived and
// keeps the rest, and leaving asks to save.
TEST_F(EditorJourney, AReceiveCutShortShowsAndMarksWhatArrivedInAnOpenedLibrary)
{
    // The file holds the device's programs back to front, so every row that
    // a received program replaces looks different.
    const fs::path reversed = folder_ / "reversed.vq7";
    WriteFile(reversed, LibraryFile(memory_, true));
    // The search, the inquiry and 18 programs are answered before the hang-up.
    StartDevice({"--fault", "hang-up", "--after", "20"});
    StartOnDevice("journey_cut_short", {reversed.string()});
    const std::optional<Point> strip = WaitForPicture(LoadSkinBitmap("BG_PageSelect"), kStripFreeFrom, kStripFreeTo);
    ASSERT_TRUE(strip.has_value()) << "the library window is not shown";
    const RgbImage before = CaptureScreen(x_);
    ReceiveAllData("journey_cut_short");
    const RgbImage after = WaitForChange(before);
    Shot("journey_cut_short_shown");
    EXPECT_TRUE(Differs(before, after, {strip->x, strip->y - 20}, {strip->x + 300, strip->y - 4}))
        << "the title is not marked";
    // Rows of the list's first column, across the number and the name.
    const auto rows = [&](int first, int last) {
        return Differs(before, after, {Row(*strip, first).x - 38, Row(*strip, first).y - 4},
                       {Row(*strip, last).x + 60, Row(*strip, last).y + 4});
    };
    EXPECT_TRUE(rows(0, 12)) << "the programs that arrived are not shown";
    EXPECT_FALSE(rows(25, 39)) << "programs that never came changed";

    ChooseMenuItem(frame_, {"alt+f", "x"});
    const Window question = WaitForWindow("^Confirm$");
    ASSERT_NE(question, 0u) << "leaving did not ask: the received programs would be lost";
    AnswerNo(question);
    EXPECT_EQ(editor_->Wait(30s), 0);
}

TEST_F(EditorJourney, AWriteAnsweredWithAnErrorIsReportedAndNothingIsLost)
{
    StartDevice({"--fault", "write-error"});
    StartOnDevice("journey_write_error");
    WriteAllData("journey_write_error");
    EXPECT_EQ(editor_->Wait(1s), -1) << "the editor kept running";
    DeviceMemoryImage now;
    ASSERT_TRUE(LoadDeviceMemory(device_.MemoryPath(), now));
    for (int n = 0; n < DeviceSimulatorCore::kProgramCount; ++n)
        EXPECT_EQ(now.Program(n), memory_.Program(n)) << "the device kept program " << n;
    ExpectTheLibraryKeptAndEnd("journey_write_error", 0);
}

}  // namespace
}  // namespace desktop_test
