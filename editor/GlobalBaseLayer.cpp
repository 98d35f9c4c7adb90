#include "editor/GlobalBaseLayer.h"

#include "editor/LibraryWindow.h"
#include "model/Global.h"
#include "model/Q3917GlobalAccessor.h"

namespace {

ParameterAddress Address(int group, int index)
{
    return {static_cast<std::uint32_t>(group), static_cast<std::uint32_t>(index), 0};
}

}  // namespace

std::int32_t CGlobalBaseLayer::GetGlobalValue(int group, int index) const
{
    const CQ3917GlobalAccessor* accessor = Reader();
    return accessor != nullptr ? accessor->GetValue(GetGlobalData(), Address(group, index)) : 0;
}

std::int32_t CGlobalBaseLayer::GetStoredGlobalValue(int group, int index) const
{
    const CQ3917GlobalAccessor* accessor = Reader();
    return accessor != nullptr ? accessor->GetRawValue(GetGlobalData(), Address(group, index)) : 0;
}

void CGlobalBaseLayer::SetGlobalValue(int group, int index, std::int32_t value)
{
    const CQ3917GlobalAccessor* accessor = Reader();
    if (accessor != nullptr && IsEditable())
        accessor->SetValue(GetGlobalData(), Address(group, index), value);
}

bool CGlobalBaseLayer::IsGlobalEnabled(int group, int index) const
{
    const CQ3917GlobalAccessor* accessor = Reader();
    return accessor != nullptr && accessor->IsEnabled(GetGlobalData(), Address(group, index));
}

std::int32_t CGlobalBaseLayer::GetGlobalControlKind(int group, int index) const
{
    const CQ3917GlobalAccessor* accessor = Reader();
    return accessor != nullptr ? accessor->GetControlKind(GetGlobalData(), Address(group, index)) : 0;
}

std::int32_t CGlobalBaseLayer::GetGlobalMinimum(int group, int index) const
{
    const CQ3917GlobalAccessor* accessor = Reader();
    return accessor != nullptr ? accessor->GetMinimum(GetGlobalData(), Address(group, index)) : 0;
}

std::int32_t CGlobalBaseLayer::GetGlobalMaximum(int group, int index) const
{
    const CQ3917GlobalAccessor* accessor = Reader();
    return accessor != nullptr ? accessor->GetMaximum(GetGlobalData(), Address(group, index)) : 0;
}

std::string CGlobalBaseLayer::GetGlobalName(int group, int index) const
{
    const CQ3917GlobalAccessor* accessor = Reader();
    const char* name = accessor != nullptr ? accessor->GetName(GetGlobalData(), Address(group, index)) : nullptr;
    return name != nullptr ? name : "";
}

std::string CGlobalBaseLayer::GetGlobalValueText(int group, int index) const
{
    return GetGlobalValueText(group, index, GetGlobalValue(group, index));
}

std::string CGlobalBaseLayer::GetGlobalValueText(int group, int index, std::int32_t value) const
{
    const CQ3917GlobalAccessor* accessor = Reader();
    if (accessor == nullptr)
        return {};
    char text[kTextLimit + 1] = {};
    accessor->ValueToText(GetGlobalData(), Address(group, index), value, text, sizeof text);
    return text;
}

void CGlobalBaseLayer::PostGlobalChanged()
{
    PostMessageToAll(kEventGlobalChanged, GetDocumentId(), -1, -1, 0);
}

CLibraryWindow* CGlobalBaseLayer::GetLibraryWindow() const
{
    return dynamic_cast<CLibraryWindow*>(GetWindow());
}

const CQ3917GlobalAccessor* CGlobalBaseLayer::Reader() const
{
    return GetGlobalData() != nullptr ? CQ3917GlobalAccessor::PeekInstance() : nullptr;
}
