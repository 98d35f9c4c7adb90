#include "model/DeviceList.h"

std::int32_t CDeviceList::GetCount() const
{
    std::lock_guard lock(m_mutex);
    return static_cast<std::int32_t>(m_records.size());
}

bool CDeviceList::GetRecord(std::int32_t index, DeviceRecord& record) const
{
    std::lock_guard lock(m_mutex);
    if (index < 0 || index >= static_cast<std::int32_t>(m_records.size()))
        return false;
    record = m_records[static_cast<std::size_t>(index)];
    return true;
}

void CDeviceList::Append(const DeviceRecord& record)
{
    std::lock_guard lock(m_mutex);
    m_records.push_back(record);
}
