#pragma once
// One entry of a list control: its label, its states and an optional icon.
// The list owns its items; changing what an item shows marks it dirty so
// that the list repaints only the cells that changed.
#include "framework/ui/HfcControl.h"

#include <string>

class CHfcCtrlListItem
{
public:
    // Labels longer than this are cut.
    static constexpr std::size_t kMaxText = 256;

    explicit CHfcCtrlListItem(int index) : m_iIndex(index) {}

    // Dirty only when the first 256 characters differ.
    void SetText(const char* text);
    const std::string& GetText() const { return m_text; }
    // At most size - 1 characters and a terminator; nothing when size < 1.
    void GetText(char* buffer, int size) const;
    void SetSelected(bool selected);
    bool IsSelected() const { return m_bSelected; }
    void SetEnabled(bool enabled);
    bool IsEnabled() const { return m_bEnabled; }
    void SetVisible(bool visible);
    bool IsVisible() const { return m_bVisible; }
    void SetMarked(bool marked);
    bool IsMarked() const { return m_bMarked; }
    void SetFramed(bool framed);
    bool IsFramed() const { return m_bFramed; }
    // Drawn before the label when the list shows icons.
    void SetIcon(CHfcBmp* icon);
    CHfcBmp* GetIcon() const { return m_pIcon; }
    void SetUserWord(HfcWord word) { m_userWord = word; }
    HfcWord GetUserWord() const { return m_userWord; }

    void SetDirty(bool dirty) { m_bDirty = dirty; }
    bool IsDirty() const { return m_bDirty; }
    int GetIndex() const { return m_iIndex; }
    void SetIndex(int index) { m_iIndex = index; }

private:
    // Marks the item dirty when the flag changes.
    void Change(bool& flag, bool value);

    bool m_bEnabled = true;
    bool m_bVisible = true;
    std::string m_text;
    bool m_bSelected = false;
    CHfcBmp* m_pIcon = nullptr;
    bool m_bDirty = true;
    int m_iIndex = 0;
    bool m_bMarked = false;
    bool m_bFramed = false;
    HfcWord m_userWord = 0;
};
