#include "app/graphs/CustomVindelFilter.h"

template <class Graph, int TypeCode, std::uint32_t ReportCode>
bool CCustomVindelFilter<Graph, TypeCode, ReportCode>::Create(const QBFilterGraphDescriptor* descriptor,
                                                              std::uint32_t id)
{
    // The graph marks itself for drawing once created.
    return Graph::Create(descriptor, id, kEventCode);
}

template <class Graph, int TypeCode, std::uint32_t ReportCode>
void CCustomVindelFilter<Graph, TypeCode, ReportCode>::SetEnabled(bool enabled)
{
    CCustomControl::SetEnabled(enabled);
    Graph::SetEnabled(enabled);
}

template <class Graph, int TypeCode, std::uint32_t ReportCode>
void CCustomVindelFilter<Graph, TypeCode, ReportCode>::SetReadOnly(bool readOnly)
{
    CCustomControl::SetReadOnly(readOnly);
    Graph::SetReadOnly(readOnly);
}

template class CCustomVindelFilter<CQBCtrlVindelFilterAGraph, CCustomControl::kFilterGraphA,
                                   CCustomControl::kEventFilterGraphA>;
template class CCustomVindelFilter<CQBCtrlVindelFilterBGraph, CCustomControl::kFilterGraphB,
                                   CCustomControl::kEventFilterGraphB>;
