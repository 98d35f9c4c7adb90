#pragma once
// The program page of a new library window on the headless display, with
// the mouse and keys handed to it as the window would, in layer
// coordinates.
#include "editor/ProgramListLayer.h"
#include "library_window_fixture.h"

#include <string>
#include <vector>

namespace program_list_test {

// The Ctrl bit of a press's modifier word.
inline constexpr int kCtrl = 2;

class ProgramListTest : public library_test::LibraryWindowTest
{
protected:
    void SetUp() override;

    // A point inside the program's row; the program must be on the page shown.
    POINT RowPoint(int program) const;
    POINT FavouritePoint(int slot) const;
    // Press and release on the program's row.
    void Click(int program, int modifiers = 0);
    void Press(int program, int modifiers = 0);
    void Release(int program);
    void Key(int code);
    std::vector<int> Selected() const;
    std::vector<int> Highlighted() const;
    CProgram& Program(int program);
    std::string Name(int program);
    std::string FieldText(CHfcCtrlCharStaticText* field) const;
    // Every program whose flags lack the redraw mark, drawn or not.
    void ClearRedrawMarks();
    // Programs 3, 5 and 7 selected, and the device turning to the fault at
    // the transfer's third progress report: during the second program.
    void SelectThreeFailingDuringTheSecond(DeviceSimulator::Fault fault);

    CLibraryWindow* window = nullptr;
    CProgramListLayer* list = nullptr;
};

}  // namespace program_list_test
