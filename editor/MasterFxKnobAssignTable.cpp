#include "editor/MasterFxKnobAssignTable.h"

#include "editor/MasterFxAddresses.h"
#include "model/Q3917ProgramAccessor.h"

namespace {

constexpr const char* kAssignOff = "\"Assign Off\"";
constexpr const char* kNull = "(null)";

const CQ3917ProgramAccessor* Accessor()
{
    return CQ3917ProgramAccessor::PeekInstance();
}

}  // namespace

CMasterFxKnobAssignTable::CMasterFxKnobAssignTable(const CVpProgramData* program, int effect)
    : m_pProgram(program), m_effect(effect)
{
    const CQ3917ProgramAccessor* accessor = Accessor();
    if (accessor == nullptr || program == nullptr)
        return;
    m_type = accessor->GetValue(program, GetMasterFxAddress(master_fx::RowOf(effect, master_fx::kTypeRow)));
    const auto parameters =
        static_cast<int>(accessor->GetFxParameterTable().GetParametersPerType(static_cast<std::uint32_t>(m_type)));
    for (int k = 0; k < parameters && m_iCount < kMaxEntries; ++k) {
        const int row = master_fx::ParameterRow(effect, k);
        if (row < master_fx::kRows && accessor->IsAvailable(program, GetMasterFxAddress(row)))
            m_list[static_cast<std::size_t>(m_iCount++)] = k;
    }
}

std::int32_t CMasterFxKnobAssignTable::ParameterAt(int position) const
{
    if (position == 0)
        return master_fx::kNoAssignment;
    if (position < 0 || position > m_iCount)
        return -1;
    return m_list[static_cast<std::size_t>(position - 1)];
}

int CMasterFxKnobAssignTable::PositionOf(std::int32_t parameter) const
{
    if (parameter == master_fx::kNoAssignment)
        return 0;
    for (int index = m_iCount - 1; index >= 0; --index) {
        if (m_list[static_cast<std::size_t>(index)] == parameter)
            return index + 1;
    }
    return 0;
}

std::string CMasterFxKnobAssignTable::GetAssignText(std::int32_t parameter) const
{
    if (parameter == master_fx::kNoAssignment)
        return kAssignOff;
    if (parameter < 0 || parameter >= master_fx::kParameters)
        return kNull;
    const CQ3917ProgramAccessor* accessor = Accessor();
    const ParameterAddress address = GetMasterFxAddress(master_fx::ParameterRow(m_effect, parameter));
    if (accessor == nullptr || m_pProgram == nullptr || !accessor->IsAvailable(m_pProgram, address))
        return kAssignOff;
    const char* name = accessor->GetName(m_pProgram, address);
    return name != nullptr ? name : kNull;
}

std::string CMasterFxKnobAssignTable::GetItemText(int position) const
{
    const std::int32_t parameter = ParameterAt(position);
    return parameter == -1 ? kNull : GetAssignText(parameter);
}
