#pragma once
// The standard controls that dialogs and message boxes are made of: BUTTON
// (push, default push, automatic check box, group box), STATIC and the
// progress bar. Each keeps its state in its window's extra bytes.
#include <platform/dialogs.h>

namespace platform::dialogs {

// Once per process; later calls do nothing.
void RegisterBasicControls();

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ProgressProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);

// How a button looks now.
struct ButtonLook
{
    bool checked = false;
    bool pushed = false;  // held down by the mouse or Space
    bool focused = false;
    bool enabled = true;
    bool marked = false;  // a push button that Enter would press: the dark frame
};
void PaintButton(HWND button, const ButtonLook& look);

}  // namespace platform::dialogs
