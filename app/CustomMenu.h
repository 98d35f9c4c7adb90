#pragma once
// The main menu bar's texts and enabled states, kept in line with the kind
// of the active window, and the check mark of Show Values.
#include <platform/menus.h>
#include <platform/window.h>

#include <string>

enum MenuCommand
{
    kCommandNew = 51000,
    kCommandOpen = 51001,
    kCommandSave = 51002,
    kCommandSaveAs = 51003,
    kCommandSaveReport = 51004,
    kCommandImportN6 = 51005,
    kCommandExit = 51006,
    kCommandImportQT = 51007,
    kCommandImportQTP = 51008,
    kCommandFirstPreset = 51101,
    kCommandLastPreset = 51106,
    kCommandCut = 52000,
    kCommandCopy = 52001,
    kCommandPaste = 52002,
    kCommandInitialize = 52003,
    kCommandRevert = 52004,
    kCommandReceiveAllData = 53000,
    kCommandWriteAllData = 53001,
    kCommandReceiveAll = 53002,
    kCommandTransmitAll = 53003,
    kCommandReceiveCurrent = 53004,
    kCommandTransmitCurrent = 53005,
    kCommandShowValues = 54000,
    kCommandPreferences = 54001,
    kCommandMidiMonitor = 55000,
    kCommandStatusLog = 55001,
    kCommandPrevProgram = 55002,
    kCommandNextProgram = 55003,
    kCommandCloseWindow = 55004,
    kCommandVersion = 56000,
};

class CCustomMenu
{
public:
    static constexpr int kInitialKind = 15;

    // menu may be null (the menu bar did not load): then every operation
    // does nothing but keep the kind.
    explicit CCustomMenu(HMENU menu) : m_hMenu(menu) {}

    // Enabled clears the grey and disabled bits; disabled sets both.
    void EnableItem(UINT id, bool enable);
    void SetShowValuesCheck(bool on);
    // The texts of the transfer and Prev/Next items and the enabled states
    // of a kind; then the window that refreshes the menu is asked to.
    void SetEditMenuTexts(int kind);
    // The MDI client of the frame whose menu this is; null for none.
    void SetRefreshWindow(HWND window) { m_refreshWindow = window; }

    int GetKind() const { return m_kind; }
    HMENU GetMenu() const { return m_hMenu; }

private:
    void SetItemText(UINT id, const std::string& text);
    void SetItemState(UINT id, UINT set, UINT clear);

    HMENU m_hMenu;
    HWND m_refreshWindow = nullptr;
    int m_kind = kInitialKind;
};
