#pragma once
// The shell's dialogs on the headless display: an owner window, the
// localised texts in English, scripted users, and reading what a dialog
// shows.
#include "framework/services/QRVResource.h"

#include <platform/dialogs.h>
#include <platform/display.h>
#include <platform/testing.h>
#include <platform/timer.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class DialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        platform::testing::SetUserLocale("en_US.UTF-8");
        strings = std::make_unique<CQRVResource>();
        static const ATOM registered = [] {
            WNDCLASSEXA windowClass{};
            windowClass.cbSize = sizeof windowClass;
            windowClass.lpfnWndProc = DefWindowProcA;
            windowClass.lpszClassName = "DialogTestOwner";
            return RegisterClassExA(&windowClass);
        }();
        ASSERT_NE(registered, 0);
        owner = CreateWindowExA(0, "DialogTestOwner", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 700, 500,
                                nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(owner, nullptr);
        platform::testing::PumpMessages();
    }

    void TearDown() override
    {
        EXPECT_EQ(platform::testing::DiscardDialogScripts(), 0u) << "a dialog that should have run did not";
        platform::testing::TakeShownMessageBoxes();
        platform::testing::TakeShownPopupMenus();
        if (IsWindow(owner))
            DestroyWindow(owner);
        platform::testing::PumpMessages();
        strings.reset();
        platform::testing::SetUserLocale(nullptr);
    }

    // Runs a dialog on its record, the user's part played by the script.
    template <class Dialog, class Record>
    int RunOn(Record& record, const std::function<void(HWND)>& user)
    {
        platform::testing::QueueDialogScript(user);
        return Dialog().DoModal(owner, record);
    }

    static std::vector<std::string> ComboEntries(HWND dialog, int id)
    {
        std::vector<std::string> entries;
        const int count = static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            std::string text(static_cast<std::size_t>(SendDlgItemMessageA(dialog, id, CB_GETLBTEXTLEN, i, 0)), '\0');
            SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            entries.push_back(text);
        }
        return entries;
    }
    static int ComboSelection(HWND dialog, int id)
    {
        return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
    }
    static void Choose(HWND dialog, int id, int index)
    {
        SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    static std::string ItemText(HWND dialog, int id)
    {
        char text[512] = {};
        GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }
    static std::string Title(HWND dialog)
    {
        char text[512] = {};
        GetWindowTextA(dialog, text, sizeof text);
        return text;
    }
    static bool ItemEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
    static bool ItemChecked(HWND dialog, int id)
    {
        return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // The command a button click or a key of the dialog manager sends.
    static void Command(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    // A click at the middle of an item, as the user gives it.
    static void ClickItem(HWND dialog, int id)
    {
        RECT rect{};
        GetWindowRect(GetDlgItem(dialog, id), &rect);
        platform::testing::Click(platform::testing::MouseButton::Left, (rect.left + rect.right) / 2,
                                 (rect.top + rect.bottom) / 2);
    }

    std::unique_ptr<CQRVResource> strings;
    HWND owner = nullptr;
};
