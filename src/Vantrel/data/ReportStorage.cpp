#include "ReportStorage.h"

#include "StorageCalculator.h"

ReportStorage::ReportStorage(const PlanData& plan)
    : m_settings(plan.storage)
{
    const StorageSizing sizing = StorageCalculator::size(plan.groups, plan.storage);
    m_tbText = sizing.tbText;
    m_bytes = sizing.bytes;
    m_dataDisks = sizing.dataDisks;
    m_disks = sizing.disks;
    m_groupBytes.reserve(sizing.groups.size());
    for (const StorageSizing::Group& group : sizing.groups)
        m_groupBytes.append(group.bytes);
}
