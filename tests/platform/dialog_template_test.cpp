// Our dialog text format: what a template holds and which texts are refused.
#include "platform/src/dialogs/dialog_template.h"

#include <platform/dialogs.h>

#include <gtest/gtest.h>

#include <climits>

namespace {

using namespace platform::dialogs;

TEST(DialogTemplate, ReadsTitleSizeAndControlsInOrder)
{
    ParsedDialog parsed = ParseDialogText("# comment\n"
                                          "dialog 322 148 \"Pre\\\"fs\\\\\" visible\n"
                                          "\n"
                                          "control BUTTON 500 \"OK\" 260 10 50 14 tabstop default  # the default\r\n"
                                          "control STATIC -1 \"a\\tb\\nc\" 1 2 3 4 hidden\n"
                                          "control COMBOBOX 2000 \"\" 10 20 100 80 tabstop group 0x0003\n"
                                          "control BUTTON 2002 \"Auto scan\" 0 0 10 10 checkbox disabled\n");
    ASSERT_EQ(parsed.error, "");
    const DialogTemplate& d = parsed.dialog;
    EXPECT_EQ(d.title, "Pre\"fs\\");
    EXPECT_EQ(d.width, 322);
    EXPECT_EQ(d.height, 148);
    EXPECT_TRUE(d.visible);
    ASSERT_EQ(d.controls.size(), 4u);

    const ControlTemplate& ok = d.controls[0];
    EXPECT_EQ(ok.className, "BUTTON");
    EXPECT_EQ(ok.id, 500);
    EXPECT_EQ(ok.text, "OK");
    EXPECT_EQ(ok.rect.left, 260);
    EXPECT_EQ(ok.rect.top, 10);
    EXPECT_EQ(ok.rect.right, 310);
    EXPECT_EQ(ok.rect.bottom, 24);
    EXPECT_EQ(ok.style, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON);

    EXPECT_EQ(d.controls[1].id, -1);
    EXPECT_EQ(d.controls[1].text, "a\tb\nc");
    EXPECT_EQ(d.controls[1].style, DWORD(WS_CHILD));
    EXPECT_EQ(d.controls[2].style, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | 3u);
    EXPECT_EQ(d.controls[3].style, WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_AUTOCHECKBOX);
}

TEST(DialogTemplate, RefusesDamagedTextsNamingTheLine)
{
    struct Case
    {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"", "no dialog statement"},
        {"# only a comment\n", "no dialog statement"},
        {"control BUTTON 1 \"OK\" 0 0 1 1\n", "line 1: a control before the dialog statement"},
        {"dialog 10 10 \"A\"\ndialog 10 10 \"B\"\n", "line 2: a second dialog statement"},
        {"dialog 10 \"A\"\n", "line 1: expected: dialog WIDTH HEIGHT \"TITLE\""},
        {"dialog 0 10 \"A\"\n", "line 1: the size must be two numbers from 1 to 32767"},
        {"dialog 1 222222220\"\"", "line 1: the size must be two numbers from 1 to 32767"},
        {"dialog 32768 1 \"A\"\n", "line 1: the size must be two numbers from 1 to 32767"},
        {"dialog\"883488345\"4\"\"", "line 1: the size must be two numbers from 1 to 32767"},
        {"dialog 10 10 \"A\" \"visible\"\n", "line 1: unknown dialog flag 'visible'"},
        {"dialog 10 10 \"A\" modal\n", "line 1: unknown dialog flag 'modal'"},
        {"dialog 10 10 \"A\n", "line 1: unterminated text"},
        {"dialog 10 10 \"A\"\ncontrol BUTTON 1 \"OK\" 5 5 40\n",
         "line 2: expected: control CLASS ID \"TEXT\" X Y WIDTH HEIGHT"},
        {"dialog 10 10 \"A\"\ncontrol BUTTON x1 \"OK\" 0 0 1 1\n", "line 2: 'x1' is not a number"},
        {"dialog 10 10 \"A\"\ncontrol BUTTON 70000 \"OK\" 0 0 1 1\n", "line 2: the id must be -1 or 0..65535"},
        {"dialog 10 10 \"A\"\ncontrol BUTTON 1 \"OK\" 0 0 -1 1\n", "line 2: a control's size must lie within 0..32767"},
        {"dialog 10 10 \"A\"\ncontrol B 1 \"\" 0 0 1 32768\n", "line 2: a control's size must lie within 0..32767"},
        {"dialog 10 10 \"A\"\ncontrol B 1 \"\" 2147483647 0 1 0\n",
         "line 2: a control's position must lie within -32768..32767"},
        {"dialog 10 10 \"A\"\ncontrol B 1 \"\" 0 -32769 1 0\n",
         "line 2: a control's position must lie within -32768..32767"},
        {"dialog 10 10 \"A\"\ncontrol B 1 \"\" 0 0 1 99999999999\n", "line 2: '99999999999' is not a number"},
        {"dialog 10 10 \"A\"\ncontrol B \"1\" \"\" 0 0 1 1\n", "line 2: '1' is not a number"},
        {"dialog 10 10 \"A\"\ncontrol B 1 \"\" 0 0 1 1 \"hidden\"\n", "line 2: unknown control flag 'hidden'"},
        {"dialog 10 10 \"A\"\ncontrol BUTTON 1 \"OK\" 0 0 1 1 shiny\n", "line 2: unknown control flag 'shiny'"},
        {"dialog 10 10 \"A\"\ncontrol BUTTON 1 \"OK\" 0 0 1 1 0xZZ\n", "line 2: unknown control flag '0xZZ'"},
        {"dialog 10 10 \"A\"\nbutton 1\n", "line 2: unknown statement 'button'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseDialogText(c.text).error, c.error) << c.text;
}

TEST(DialogTemplate, TheLargestNumbersAreReadAndConvertedToPixels)
{
    ParsedDialog parsed = ParseDialogText("dialog 32767 32767 \"A\"\n"
                                          "control B 65535 \"\" 32767 -32768 32767 32767\n");
    ASSERT_EQ(parsed.error, "");
    const RECT& rect = parsed.dialog.controls[0].rect;
    EXPECT_EQ(rect.right, 65534);
    EXPECT_EQ(rect.bottom, -1);
    EXPECT_EQ(DialogUnitsToPixelsX(rect.right), 98301);
    EXPECT_EQ(DialogUnitsToPixelsY(rect.top), -53248);
    EXPECT_EQ(DialogUnitsToPixelsY(INT_MAX), INT_MAX) << "out of reach of a template, but no overflow";
    EXPECT_EQ(DialogUnitsToPixelsX(INT_MIN), INT_MIN);
}

}  // namespace
