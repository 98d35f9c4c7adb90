#pragma once
// The framework's LFO graph and envelope curve bound to the parameters
// they show.
#include "app/controls/BoundControl.h"
#include "framework/ui/HfcCtrlEnvelopeCurve.h"
#include "framework/ui/HfcCtrlLfoGraph.h"

class CCustomLfoGraph : public CBoundControl<CHfcCtrlLfoGraph, CCustomControl::kLfoGraph>
{};

class CCustomEnvelopeCurve : public CBoundControl<CHfcCtrlEnvelopeCurve, CCustomControl::kEnvelopeCurve>
{};
