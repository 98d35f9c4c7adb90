#pragma once
// The framework tab strip bound to a parameter: the selected tab is the
// value.
#include "app/controls/BoundControl.h"
#include "framework/ui/HfcCtrlPageButton.h"

class CCustomPageButton : public CBoundControl<CHfcCtrlPageButton, CCustomControl::kPageButton>
{};
