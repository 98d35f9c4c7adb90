#include "program_list_fixture.h"

#include "framework/ui/HfcCtrlCharStaticText.h"

#include <cstring>

namespace program_list_test {

void ProgramListTest::SetUp()
{
    LibraryWindowTest::SetUp();
    window = &NewWindow();
    list = dynamic_cast<CProgramListLayer*>(window->GetProgramListLayer());
    ASSERT_NE(list, nullptr);
}

POINT ProgramListTest::RowPoint(int program) const
{
    const POINT corner = program_list::RowCorner(list->GetGeometry(), program);
    return {corner.x + 30, corner.y + 5};
}

POINT ProgramListTest::FavouritePoint(int slot) const
{
    const POINT corner = program_list::FavouriteCorner(slot);
    return {corner.x + 5, corner.y + 5};
}

void ProgramListTest::Press(int program, int modifiers)
{
    const POINT at = RowPoint(program);
    list->OnHfcMouseLButtonDown(nullptr, at.x, at.y, modifiers);
}

void ProgramListTest::Release(int program)
{
    const POINT at = RowPoint(program);
    list->OnHfcMouseLButtonUp(nullptr, at.x, at.y, 0);
}

void ProgramListTest::Click(int program, int modifiers)
{
    Press(program, modifiers);
    Release(program);
}

void ProgramListTest::Key(int code)
{
    list->OnHfcKeyInput(nullptr, code, 0);
}

std::vector<int> ProgramListTest::Selected() const
{
    std::vector<int> selected;
    for (int program = 0; program < kProgramBankSize; ++program) {
        if ((list->GetProgramFlags(program) & CProgramListLayer::kSelected) != 0)
            selected.push_back(program);
    }
    return selected;
}

std::vector<int> ProgramListTest::Highlighted() const
{
    std::vector<int> highlighted;
    for (int program = 0; program < kProgramBankSize; ++program) {
        if ((list->GetProgramFlags(program) & CProgramListLayer::kHighlighted) != 0)
            highlighted.push_back(program);
    }
    return highlighted;
}

CProgram& ProgramListTest::Program(int program)
{
    return (*window->GetLibraryData()->GetProgramBank())[static_cast<std::size_t>(program)];
}

std::string ProgramListTest::Name(int program)
{
    return ProgramName(*window->GetLibraryData(), program);
}

std::string ProgramListTest::FieldText(CHfcCtrlCharStaticText* field) const
{
    if (field == nullptr || field->GetText() == nullptr)
        return "<none>";
    const auto columns = static_cast<std::size_t>(field->GetWord(kHfcStaticTextColumns));
    return std::string(field->GetText(), strnlen(field->GetText(), columns));
}

void ProgramListTest::SelectThreeFailingDuringTheSecond(DeviceSimulator::Fault fault)
{
    Click(3);
    Click(5, kCtrl);
    Click(7, kCtrl);
    shell->host.onProgress = [this, fault, reports = 0](std::int32_t) mutable {
        if (++reports == 3)
            shell->device->SetFault(fault);
    };
}

void ProgramListTest::ClearRedrawMarks()
{
    for (int program = 0; program < kProgramBankSize; ++program)
        list->SetProgramFlags(program, list->GetProgramFlags(program) & ~CProgramListLayer::kNeedsRedraw);
}

}  // namespace program_list_test
