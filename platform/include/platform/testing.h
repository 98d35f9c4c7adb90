#pragma once
// Hooks that let tests drive the platform layer's in-memory behaviour, one
// header per module.
#include <platform/testing/clock.h>
#include <platform/testing/dialogs.h>
#include <platform/testing/display.h>
#include <platform/testing/dragdrop.h>
#include <platform/testing/file_dialogs.h>
#include <platform/testing/gdi.h>
#include <platform/testing/locale.h>
#include <platform/testing/midi.h>
#include <platform/testing/modal_scripts.h>
