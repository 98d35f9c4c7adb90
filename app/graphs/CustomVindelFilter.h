#pragma once
// The model-A and model-B filter graphs as the edit layers place them: with
// the parameter binding mixed in, their control type, and the fixed event
// code under which they report cutoff and resonance.
#include "app/CustomControl.h"
#include "app/graphs/QBCtrlVindelFilterAGraph.h"
#include "app/graphs/QBCtrlVindelFilterBGraph.h"

#include <cstdint>

template <class Graph, int TypeCode, std::uint32_t ReportCode>
class CCustomVindelFilter : public Graph, public CCustomControl
{
public:
    static constexpr int kControlType = TypeCode;
    static constexpr std::uint32_t kEventCode = ReportCode;

    // Creates the graph under its own event code, to be drawn at once.
    bool Create(const QBFilterGraphDescriptor* descriptor, std::uint32_t id);
    int GetControlType() const override { return kControlType; }
    // A disabled graph draws at the dimmed opacity.
    void SetEnabled(bool enabled) override;
    // A read-only graph also ignores the mouse.
    void SetReadOnly(bool readOnly) override;
};

using CCustomVindelFilterA =
    CCustomVindelFilter<CQBCtrlVindelFilterAGraph, CCustomControl::kFilterGraphA, CCustomControl::kEventFilterGraphA>;
using CCustomVindelFilterB =
    CCustomVindelFilter<CQBCtrlVindelFilterBGraph, CCustomControl::kFilterGraphB, CCustomControl::kEventFilterGraphB>;

extern template class CCustomVindelFilter<CQBCtrlVindelFilterAGraph, CCustomControl::kFilterGraphA,
                                          CCustomControl::kEventFilterGraphA>;
extern template class CCustomVindelFilter<CQBCtrlVindelFilterBGraph, CCustomControl::kFilterGraphB,
                                          CCustomControl::kEventFilterGraphB>;
