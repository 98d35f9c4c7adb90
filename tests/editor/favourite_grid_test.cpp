// The favourite grid of the program page shows the library's own global
// data: a cell shows the program its slot holds, and follows every way the
// global data changes from the global page.
#include "editor/ProgramListGeometry.h"
#include "editor/ProgramListLayer.h"
#include "global_page_fixture.h"
#include "model/Q3917GlobalAccessor.h"

#include <platform/testing.h>

#include <vector>

namespace library_test {
namespace {

namespace input = platform::testing;

constexpr int kIdOk = 1;
// Slot 0 is selected; these two are plain cells.
constexpr ParameterAddress kChanged{6, 5, 0};
constexpr ParameterAddress kShowing{6, 6, 0};
constexpr std::int32_t kProgram = 150;

std::int32_t Read(CGlobal& global, const ParameterAddress& address)
{
    return CQ3917GlobalAccessor::PeekInstance()->GetValue(&global, address);
}

void Write(CGlobal& global, const ParameterAddress& address, std::int32_t value)
{
    CQ3917GlobalAccessor::PeekInstance()->SetValue(&global, address, value);
}

class FavouriteGridTest : public GlobalPageTest
{
protected:
    static CProgramListLayer& List(CLibraryWindow& window)
    {
        return dynamic_cast<CProgramListLayer&>(*window.GetProgramListLayer());
    }
    // The inside of the slot's cell as the page shows it.
    static std::vector<std::uint32_t> Cell(CLibraryWindow& window, const ParameterAddress& slot)
    {
        const POINT corner = program_list::FavouriteCorner(static_cast<int>(slot.index));
        std::vector<std::uint32_t> pixels;
        for (int y = 1; y < program_list::kRowHeight; ++y) {
            for (int x = 1; x < program_list::kFavouriteWidth; ++x)
                pixels.push_back(Pixel(List(window), corner.x + x, corner.y + y));
        }
        return pixels;
    }

public:
    // Each puts the program into the changed slot.
    void EditOnThePage(CLibraryWindow& window)
    {
        input::QueuePopupMenuAnswers({kProgram + 1});
        Press(Field(window, kChanged), 2, 2);
        Release(Field(window, kChanged), 2, 2);
    }
    void Receive(CLibraryWindow& window)
    {
        shell->Connect();
        shell->device->SetGlobal(ImageWithTheProgram(Global(window)));
        input::QueueMessageBoxAnswers({kIdOk});
        EXPECT_TRUE(Frame(window).ReceiveGlobal());
    }
    void Load(CLibraryWindow& window)
    {
        const std::string path = folder.File("favourites.vq700z_glob");
        Write(Global(window), kChanged, kProgram);
        input::QueueFileDialogSteps({input::TypeFileName(path)});
        Frame(window).SaveGlobal();
        Write(Global(window), kChanged, 0);
        input::QueueFileDialogSteps({input::TypeFileName(path)});
        Frame(window).LoadGlobal();
        input::TakeShownFileDialogs();
    }
    void Revert(CLibraryWindow& window)
    {
        Write(Global(window), kChanged, kProgram);
        window.KeepGlobalAsSaved();
        Write(Global(window), kChanged, 0);
        input::QueueMessageBoxAnswers({kIdOk});
        Frame(window).RestoreGlobal();
    }
    // The global data with the changed slot holding the program, as the device keeps it.
    static DeviceSimulator::GlobalImage ImageWithTheProgram(CGlobal& global)
    {
        const std::int32_t was = Read(global, kChanged);
        Write(global, kChanged, kProgram);
        DeviceSimulator::GlobalImage image{};
        std::copy_n(global.GetData(), image.size(), image.begin());
        Write(global, kChanged, was);
        return image;
    }
};

TEST_F(FavouriteGridTest, ACellShowsItsSlotsProgramAfterEachChangeOfTheGlobalData)
{
    struct Case
    {
        const char* what;
        void (FavouriteGridTest::*putTheProgramInTheSlot)(CLibraryWindow&);
    };
    const Case cases[] = {
        {"an edit on the global page", &FavouriteGridTest::EditOnThePage},
        {"a receive", &FavouriteGridTest::Receive},
        {"a load", &FavouriteGridTest::Load},
        {"a revert", &FavouriteGridTest::Revert},
    };
    for (const Case& c : cases) {
        CLibraryWindow& window = OpenGlobalPage();
        Write(Global(window), kShowing, kProgram);
        List(window).RedrawAll();
        const std::vector<std::uint32_t> before = Cell(window, kChanged);
        (this->*c.putTheProgramInTheSlot)(window);
        Tick();
        input::TakeShownMessageBoxes();
        ASSERT_EQ(Read(Global(window), kChanged), kProgram) << c.what;
        EXPECT_NE(Cell(window, kChanged), before) << c.what;
        EXPECT_EQ(Cell(window, kChanged), Cell(window, kShowing)) << c.what << ": the cell shows another program";
    }
}

// Each library shows its own favourites: a change of another's is not drawn.
TEST_F(FavouriteGridTest, AnotherLibrarysChangeLeavesTheGridAsItIs)
{
    CLibraryWindow& window = OpenGlobalPage();
    CLibraryWindow& other = OpenGlobalPage();
    const std::vector<std::uint32_t> before = Cell(window, kChanged);
    input::QueuePopupMenuAnswers({kProgram + 1});
    Press(Field(other, kChanged), 2, 2);
    Release(Field(other, kChanged), 2, 2);
    Tick();
    EXPECT_EQ(Cell(window, kChanged), before);
    EXPECT_NE(Cell(other, kChanged), before);
}

}  // namespace
}  // namespace library_test
