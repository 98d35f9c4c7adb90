#pragma once
// The program page of a library window: the bank's 200 programs as numbered
// rows in pages, the 40 favourite slots of the global data above them, the
// selected program's category and name, and the buttons and switches of
// the page. It keeps the selection of programs, follows what other windows
// change, sends a newly selected program to the device when automatic dump
// is on, and runs the page's commands and menus.
// Its members are defined by concern in:
//   ProgramListLayer.cpp     the controls, the selection, modes, pages and messages
//   ProgramListDraw.cpp      drawing rows, favourite cells, page tabs and the header
//   ProgramListInput.cpp     the mouse, the keys, the controls and drag events
//   ProgramListCommands.cpp  clipboard, initialising, transfers, program files and export
//   ProgramListMenus.cpp     the right-click and view menus, program info, edit windows
#include "app/BaseLayer.h"
#include "editor/ProgramListGeometry.h"
#include "editor/ProgramListPage.h"
#include "model/LibraryData.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class CHfcCtrlButton;
class CHfcCtrlCharStaticText;
class CHfcCtrlOldSwitch;
class CHfcDrawContext;
class CLibraryWindow;
class CProgramListDragHandler;

class CProgramListLayer : public CBaseLayer, public CProgramListPage
{
public:
    // Bits of the program and favourite flags.
    static constexpr std::uint32_t kSelected = 1;
    static constexpr std::uint32_t kDropTarget = 2;
    static constexpr std::uint32_t kHighlighted = 4;
    static constexpr std::uint32_t kNeedsRedraw = 8;
    // Pointer travel (|dx| + |dy|) from a press that starts a drag.
    static constexpr int kDragThreshold = 4;
    // The four view words of the library data.
    enum ViewWord
    {
        kViewListMode = 0,
        kViewHighlightMode = 1,
        kViewMaskMode1 = 2,
        kViewMaskMode0 = 3,
    };
    // Highlight modes 2 and 3 mark the programs whose key equals the
    // selected one's: the voice assign bits, or the programmer.
    enum HighlightMode
    {
        kHighlightOff = 0,
        kHighlightAssign = 2,
        kHighlightProgrammer = 3,
    };
    // Control ids, in the order of the page's layout.
    enum ControlId
    {
        kViewMenuButton = 0,
        kInfoButton = 1,
        kEditButton = 2,
        kAutoDumpSwitch = 3,
        kListModeSwitch = 4,
        kNameField = 5,
        kCategoryField = 6,
    };
    static constexpr const char* kClipboardFormat = "q47300DragProgram";

    CProgramListLayer();
    ~CProgramListLayer() override;

    // Registers with the window manager once it is made.
    bool Create(int x, int y, int width, int height, CHfcWindow* window) override;
    bool OnCreate() override;
    bool OnDestroy() override;

    // The drag and drop of the page; the layer owns it.
    void SetDragHandler(std::unique_ptr<CProgramListDragHandler> handler);

    // Drawing.
    void RedrawAll();
    // The program's row when it is on the current page and forced or marked.
    void DrawRow(int program, bool force);
    // Every marked row of the current page.
    void DrawRows();
    void DrawFavourite(int slot, bool force);
    void DrawFavourites();
    void DrawPageTabs(bool flush);
    // A row as it looks with those flags, at (x, y) of any context.
    void PaintRow(CHfcDrawContext& context, int x, int y, int program, std::uint32_t flags);
    void PaintFavourite(CHfcDrawContext& context, int x, int y, int slot, std::uint32_t flags);

    // Selection.
    void UpdateHeaderFields();
    void UpdateHighlight();
    // Clears the selection, selects the program, then header, highlight and rows.
    void SelectProgram(int program);
    // The lowest selected program, or -1.
    int FirstSelected() const;
    int SelectedCount() const;
    void ClearSelection();
    void ClearFavouriteSelection();
    // Switches the page, redraws the tabs and marks every row.
    void SetPage(int page);
    void SetListMode(int mode);
    void ToggleInfoColumn(int column);
    void SetHighlightMode(int mode);
    // Automatic dump: the program alone selected and sent to the device's
    // current program, when both ports are open; whether it was sent.
    bool SendSelectedProgramToDevice(int program);

    // The commands of the page.
    void Copy() override;
    void Paste() override;
    void Initialize(int flag) override { InitializeSelected(flag != 0); }
    void Cut();
    void InitializeSelected(bool ask);
    bool ReceiveSelectedProgram();
    bool WriteSelectedProgram();
    void OpenProgramFile();
    void SaveProgramFile();
    void RestoreProgram();
    bool ReceiveAllPrograms();
    bool WriteAllPrograms();
    void ReceiveProgram();
    void TransmitProgram();
    void ReceiveFromCurrent() override;
    void TransmitToCurrent() override;
    void ExportListText();
    void OpenEditWindow(int program);
    void EditProgramInfo();
    void ShowPopupMenu(int x, int y);
    void ShowViewMenu();
    // The commands the base window forwards.
    void OnSaveReport() override { ExportListText(); }
    void OnReceiveProgram() override { ReceiveProgram(); }
    void OnTransmitProgram() override { TransmitProgram(); }
    void OnReceiveAll() override { ReceiveAllPrograms(); }
    void OnTransmitAll() override { WriteAllPrograms(); }
    void OnRevertToSaved() override { RestoreProgram(); }

    // The window's data and services as the commands and the drag need them.
    ProgramBank* GetBank() const;
    CLibraryWindow* GetLibraryWindow() const;
    // True while a transfer, load or import holds the progress semaphore.
    static bool IsBusy();
    // Marks the window modified once the page has initialised.
    void MarkModified();
    void CloseEditWindow(int program);
    void CloseAllEditWindows();

    // The layer's state, as the drag and the tests read and set it.
    std::uint32_t GetProgramFlags(int program) const { return m_programFlags.at(static_cast<std::size_t>(program)); }
    void SetProgramFlags(int program, std::uint32_t flags)
    {
        m_programFlags.at(static_cast<std::size_t>(program)) = flags;
    }
    std::uint32_t GetFavouriteFlags(int slot) const { return m_favouriteFlags.at(static_cast<std::size_t>(slot)); }
    void SetFavouriteFlags(int slot, std::uint32_t flags)
    {
        m_favouriteFlags.at(static_cast<std::size_t>(slot)) = flags;
    }
    const program_list::ListGeometry& GetGeometry() const { return m_geometry; }
    int GetPage() const { return m_page; }
    int GetListMode() const { return m_listMode; }
    int GetHighlightMode() const { return m_highlightMode; }
    std::uint32_t GetInfoMask() const { return m_infoMask; }
    int GetPressIndex() const { return m_pressIndex; }
    bool IsPressOnFavourite() const { return m_pressOnFavourite; }
    POINT GetPressPoint() const { return m_pressPoint; }
    // The press is over: no drag, no release action.
    void EndPress();
    bool IsAutoDumpOn() const;
    CHfcCtrlCharStaticText* GetNameField() const { return m_nameField.get(); }
    CHfcCtrlCharStaticText* GetCategoryField() const { return m_categoryField.get(); }
    CHfcControl* GetControl(int id) const;

    void OnTimerTick() override;
    void NotifyProgramChanged(int flag, int program, int unused) override;
    void TakeFocus() override;
    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override;

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcKeyInput(CHfcKey* key, int code, int flags) override;
    bool OnHfcDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcDragLeave(CHfcOleToken* ole) override;
    bool OnHfcDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;

    void OnControlValueChanged(CHfcControl* control, int value) override;
    bool OnControlDoubleClick(CHfcControl* control, int x, int y, int modifiers) override;

private:
    enum PendingClick
    {
        kNoClick = 0,
        kPlainClick = 1,
        kCtrlClick = 2,
    };

    bool MakeControls();
    void StoreViewWord(int word, std::int32_t value);
    void StoreInfoMask();
    void SelectRange(int from, int to);
    // Header, highlight and rows after a change of the selection.
    void RefreshSelection();
    void MoveSelection(int code);
    // The selected programs, lowest first.
    std::vector<int> SelectedPrograms() const;
    // Reselects the lowest selected program (0 when none) and answers it.
    int ReselectFirst();
    // Whether the program's region was replaced by what the clipboard holds.
    bool PasteFromClipboard(int program);
    // After programs arrived from the device: their edit windows close,
    // every row is redrawn, the window is marked and the header updated.
    void ShowReceivedPrograms(const std::vector<int>& programs);
    void RunPopupCommand(int index);
    // "Title" + key over "Confirm" + key, OK and Cancel.
    static bool Confirm(const char* key);
    void DrawRowText(CHfcDrawContext& context, int x, int y, int program, std::uint32_t flags);

    LibraryData* m_library = nullptr;
    std::array<std::uint32_t, kProgramBankSize> m_programFlags{};
    std::array<std::uint32_t, program_list::kFavouriteCount> m_favouriteFlags{};
    program_list::ListGeometry m_geometry;
    int m_page = 0;
    int m_listMode = 0;
    std::uint32_t m_infoMask = 0;
    int m_highlightMode = kHighlightOff;
    int m_pendingClick = kNoClick;
    int m_pressIndex = -1;
    bool m_pressOnFavourite = false;
    POINT m_pressPoint{};
    bool m_pressHeld = false;
    bool m_clickedNew = false;
    bool m_initialised = false;
    bool m_fullRepaint = false;
    bool m_menuOpen = false;
    CHfcBmp* m_background = nullptr;
    CHfcBmp* m_darkFont = nullptr;
    std::unique_ptr<CHfcCtrlButton> m_viewMenuButton;
    std::unique_ptr<CHfcCtrlButton> m_infoButton;
    std::unique_ptr<CHfcCtrlButton> m_editButton;
    std::unique_ptr<CHfcCtrlOldSwitch> m_autoDumpSwitch;
    std::unique_ptr<CHfcCtrlOldSwitch> m_listModeSwitch;
    std::unique_ptr<CHfcCtrlCharStaticText> m_nameField;
    std::unique_ptr<CHfcCtrlCharStaticText> m_categoryField;
    std::unique_ptr<CProgramListDragHandler> m_drag;
};
