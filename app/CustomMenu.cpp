#include "app/CustomMenu.h"

#include "framework/services/EfTrace.h"
#include "model/LocalizedText.h"

#include <platform/mdi.h>
#include <platform/messaging.h>

#include <string>
#include <vector>

namespace {

struct KindTexts
{
    const char* receiveAll;
    const char* transmitAll;
    const char* receiveCurrent;
    const char* transmitCurrent;
    const char* previous;
    const char* next;
};

KindTexts TextsOf(int kind)
{
    switch (kind) {
    case 1:
        return {"MenuItemReceiveAllPrograms", "MenuItemWriteAllPrograms", "MenuItemReceiveProgram",
                "MenuItemTransmitProgram",    "MenuItemPrevItem",         "MenuItemNextItem"};
    case 2:
        return {"MenuItemReceiveAllItems", "MenuItemTransmitAllItems", "MenuItemReceiveCurrent",
                "MenuItemTransmitCurrent", "MenuItemPrevProgram",      "MenuItemNextProgram"};
    case 12:
        return {"MenuItemReceiveGlobal",   "MenuItemWriteGlobal", "MenuItemReceiveCurrent",
                "MenuItemTransmitCurrent", "MenuItemPrevItem",    "MenuItemNextItem"};
    default:
        return {"MenuItemReceiveAllItems", "MenuItemTransmitAllItems", "MenuItemReceiveCurrent",
                "MenuItemTransmitCurrent", "MenuItemPrevItem",         "MenuItemNextItem"};
    }
}

// Which groups of items a kind enables.
struct KindStates
{
    bool newOpen, save, edit, revert, allData, all, receiveCurrent, transmitCurrent, prevNext;
};

KindStates StatesOf(int kind)
{
    switch (kind) {
    case 1:
    case 3: return {true, true, true, true, true, true, true, true, false};
    case 11: return {true, true, true, true, true, true, false, true, false};
    case 12: return {true, true, false, false, true, true, false, false, false};
    case 13: return {true, false, false, false, false, false, false, false, false};
    case 14: return {true, true, true, false, true, true, true, true, false};
    case 15: return {false, false, true, false, false, false, false, false, false};
    default: return {true, true, false, false, false, false, true, true, true};
    }
}

}  // namespace

void CCustomMenu::SetItemState(UINT id, UINT set, UINT clear)
{
    if (m_hMenu == nullptr) {
        EfTrace("HMENU = 0");
        return;
    }
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    if (!GetMenuItemInfoA(m_hMenu, id, FALSE, &info)) {
        EfTrace("Failed to call GetMenuItemInfo().");
        return;
    }
    info.fState = (info.fState & ~clear) | set;
    if (!SetMenuItemInfoA(m_hMenu, id, FALSE, &info))
        EfTrace("Failed to call SetMenuItemInfo().");
}

void CCustomMenu::EnableItem(UINT id, bool enable)
{
    if (enable)
        SetItemState(id, 0, MFS_GRAYED | MFS_DISABLED);
    else
        SetItemState(id, MFS_GRAYED | MFS_DISABLED, 0);
}

void CCustomMenu::SetShowValuesCheck(bool on)
{
    if (on)
        SetItemState(kCommandShowValues, MFS_CHECKED, 0);
    else
        SetItemState(kCommandShowValues, 0, MFS_CHECKED);
}

void CCustomMenu::SetItemText(UINT id, const std::string& text)
{
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE;
    info.fType = MFT_STRING;
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    info.dwTypeData = buffer.data();
    info.cch = static_cast<UINT>(text.size());
    if (!SetMenuItemInfoA(m_hMenu, id, FALSE, &info))
        EfTrace("Failed to call SetMenuItemInfo().");
}

void CCustomMenu::SetEditMenuTexts(int kind)
{
    m_kind = kind;
    if (m_hMenu != nullptr) {
        const KindTexts texts = TextsOf(kind);
        SetItemText(kCommandReceiveAll, LocalizedText(texts.receiveAll));
        SetItemText(kCommandTransmitAll, LocalizedText(texts.transmitAll));
        SetItemText(kCommandReceiveCurrent, LocalizedText(texts.receiveCurrent));
        SetItemText(kCommandTransmitCurrent, LocalizedText(texts.transmitCurrent));
        SetItemText(kCommandPrevProgram, LocalizedText(texts.previous) + "\tCtrl+1");
        SetItemText(kCommandNextProgram, LocalizedText(texts.next) + "\tCtrl+2");
    }
    const KindStates states = StatesOf(kind);
    const struct
    {
        UINT first, last;
        bool enable;
    } groups[] = {
        {kCommandNew, kCommandOpen, states.newOpen},
        {kCommandSave, kCommandSaveAs, states.save},
        {kCommandCut, kCommandInitialize, states.edit},
        {kCommandRevert, kCommandRevert, states.revert},
        {kCommandReceiveAllData, kCommandWriteAllData, states.allData},
        {kCommandReceiveAll, kCommandTransmitAll, states.all},
        {kCommandReceiveCurrent, kCommandReceiveCurrent, states.receiveCurrent},
        {kCommandTransmitCurrent, kCommandTransmitCurrent, states.transmitCurrent},
        {kCommandPrevProgram, kCommandNextProgram, states.prevNext},
    };
    for (const auto& group : groups)
        for (UINT id = group.first; id <= group.last; ++id)
            EnableItem(id, group.enable);
    if (m_refreshWindow != nullptr)
        SendMessageA(m_refreshWindow, WM_MDIREFRESHMENU, 0, 0);
}
