// The program page's right-click and view menus, its information dialog
// and the opening of a program's edit window.
#include "app/DialogRefCount.h"
#include "app/MessageBoxes.h"
#include "app/PopupMenu.h"
#include "app/ProgramInfoDialog.h"
#include "app/WindowEvents.h"
#include "editor/EditWindows.h"
#include "editor/LibraryWindow.h"
#include "editor/ProgramListInfo.h"
#include "editor/ProgramListLayer.h"
#include "framework/services/FixedStrings.h"
#include "framework/ui/HfcCtrlButtons.h"
#include "model/LocalizedText.h"
#include "model/Q3917ProgramAccessor.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kPopupItems = 9;
// The view menu opens this far below its button.
constexpr int kViewMenuDrop = 37;
constexpr ParameterAddress kCategory{0, 53, 0};

std::string MenuKey(const char* prefix, int item)
{
    char key[32];
    std::snprintf(key, sizeof key, "%s%02d", prefix, item);
    return key;
}

template <std::size_t N>
void CopyText(char (&field)[N], const char* text, std::size_t length)
{
    std::memset(field, 0, N);
    std::memcpy(field, text, std::min(length, N - 1));
}

}  // namespace

void CProgramListLayer::ShowPopupMenu(int x, int y)
{
    if (IsBusy() || m_menuOpen || LocalizedText(MenuKey("ProgListPopupMenu", 0)).empty() || GetOwner() == nullptr)
        return;
    m_menuOpen = true;
    if (const int program = program_list::ProgramAt(m_geometry, m_page, x, y);
        program >= 0 && (GetProgramFlags(program) & kSelected) == 0)
        SelectProgram(program);
    CPopupMenu menu;
    int chosen = -1;
    if (menu.Create()) {
        for (int item = 0; item < kPopupItems; ++item)
            menu.AppendIndexedItem(LocalizedText(MenuKey("ProgListPopupMenu", item)), item);
        chosen = menu.TrackPopup(GetOwner()->GetHandle(), x + GetRect().left, y + GetRect().top);
    }
    RunPopupCommand(chosen);
    m_menuOpen = false;
}

void CProgramListLayer::RunPopupCommand(int index)
{
    switch (index) {
    case 0: Cut(); break;
    case 1: Copy(); break;
    case 2: Paste(); break;
    case 3: InitializeSelected(true); break;
    case 4: ReceiveSelectedProgram(); break;
    case 5: WriteSelectedProgram(); break;
    case 6: OpenProgramFile(); break;
    case 7: SaveProgramFile(); break;
    case 8: RestoreProgram(); break;
    default: break;
    }
}

void CProgramListLayer::ShowViewMenu()
{
    if (GetOwner() == nullptr || m_viewMenuButton == nullptr)
        return;
    CPopupMenu menu;
    if (!menu.Create())
        return;
    for (int item = 0; item < program_list::kInfoMenuColumns; ++item) {
        menu.AppendIndexedItem(LocalizedText(MenuKey("ProgListViewMenu", item)), item);
        menu.CheckItem(item, (m_infoMask & (1u << item)) != 0);
    }
    const RECT& button = m_viewMenuButton->GetRect();
    const int chosen = menu.TrackPopup(GetOwner()->GetHandle(), button.left + GetRect().left,
                                       button.top + GetRect().top + kViewMenuDrop);
    if (chosen >= 0 && chosen < program_list::kInfoMenuColumns)
        ToggleInfoColumn(chosen);
}

void CProgramListLayer::EditProgramInfo()
{
    ProgramBank* bank = GetBank();
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    if (IsBusy() || GetDialogRefCount() > 0 || bank == nullptr || accessor == nullptr)
        return;
    const int program = ReselectFirst();
    const ProgramRegion& shown = (*bank)[static_cast<std::size_t>(program)].GetRegion();
    ProgramInfoRecord record{};
    CopyPaddedString(record.name, shown.name, ProgramInfoRecord::kNameLength);
    record.category = accessor->GetValue(&(*bank)[static_cast<std::size_t>(program)], kCategory);
    CopyText(record.programmer, shown.programmerName, strnlen(shown.programmerName, sizeof shown.programmerName));
    CopyText(record.comment, shown.comment, strnlen(shown.comment, sizeof shown.comment));
    CProgramInfoDialog dialog;
    const int result = dialog.DoModal(GetOwner() != nullptr ? GetOwner()->GetHandle() : nullptr, record);
    if (result == CProgramInfoDialog::kResultMultiByte) {
        ShowSimpleMessageBox(LocalizedText("ErrorDialogTitle").c_str(),
                             LocalizedText("ErrorCannotUseMultiByteChar").c_str());
        return;
    }
    if (result != 1)
        return;
    for (int selected : SelectedPrograms()) {
        CProgram& target = (*bank)[static_cast<std::size_t>(selected)];
        const ProgramRegion before = target.GetRegion();
        char name[ProgramInfoRecord::kNameLength + 1] = {};
        std::memcpy(name, record.name, ProgramInfoRecord::kNameLength);
        SetProgramRecordName(target, name);
        accessor->SetValue(&target, kCategory, record.category);
        target.GetRegion().category = record.category;
        CopyText(target.GetRegion().programmerName, record.programmer, sizeof record.programmer);
        CopyText(target.GetRegion().comment, record.comment, sizeof record.comment);
        if (target.GetRegion() == before)
            continue;
        SetProgramFlags(selected, GetProgramFlags(selected) | kNeedsRedraw);
        PostMessageToAll(kEventProgramDataChanged, selected, -1, GetDocumentId(), 0);
    }
    RefreshSelection();
    MarkModified();
}

void CProgramListLayer::OpenEditWindow(int program)
{
    CLibraryWindow* window = GetLibraryWindow();
    if (window == nullptr || program < 0 || program >= kProgramBankSize)
        return;
    CBaseWindow* edit = window->GetProgramEditWindow(program);
    if (edit == nullptr) {
        CEditWindowFactory* factory = GetEditWindowFactory();
        if (factory == nullptr)
            return;
        EditWindowContext context;
        context.documentId = GetDocumentId();
        context.owner = window;
        context.dataContainer = GetContainer();
        context.documentList = GetDocumentList();
        context.menuBar = window->GetMenuBar();
        context.frame = window->GetFrame();
        const POINT at = window->GetRestoredPosition();
        edit = factory->CreateEditWindow(CEditWindowFactory::kProgramEdit, context, at.x, at.y, program, -1);
        if (edit == nullptr)
            return;
        window->SetProgramEditWindow(program, edit);
    }
    edit->Show();
    edit->Activate();
}
