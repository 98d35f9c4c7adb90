#pragma once
// The framework drop area bound to the part of the program it stands for.
#include "app/controls/BoundControl.h"
#include "framework/ui/HfcCtrlDragReceiver.h"

class CCustomDragReceiver : public CBoundControl<CHfcCtrlDragReceiver, CCustomControl::kDragReceiver>
{};
