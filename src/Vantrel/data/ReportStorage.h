#pragma once

#include "PlanTypes.h"

#include <QString>
#include <QVector>

// The storage part of a report: what the plan keeps on disk and the disks it
// takes, in the figures of the storage summary. Kept apart from the rest of
// the report so a report can leave it out and storage rules change in one
// place.
class ReportStorage
{
public:
    explicit ReportStorage(const PlanData& plan);

    // Decimal TB with one decimal, as the storage summary shows it.
    const QString& tbText() const { return m_tbText; }
    long double bytes() const { return m_bytes; }
    qint64 dataDisks() const { return m_dataDisks; }
    qint64 disks() const { return m_disks; }
    const StorageSettings& settings() const { return m_settings; }
    // Bytes the group at this position of the plan keeps; 0 outside the plan.
    long double groupBytes(int index) const { return m_groupBytes.value(index); }

    static constexpr long double kBytesPerTB = 1e12L;

private:
    QString m_tbText;
    long double m_bytes = 0;
    qint64 m_dataDisks = 0;
    qint64 m_disks = 0;
    StorageSettings m_settings;
    QVector<long double> m_groupBytes;
};
