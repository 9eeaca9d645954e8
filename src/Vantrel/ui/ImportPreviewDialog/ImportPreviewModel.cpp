#include "ImportPreviewModel.h"

#include <data/PlanFile.h>

#include <QBrush>
#include <QColor>

ImportPreviewModel::ImportPreviewModel(const GroupTableReader::Result& table, const QVector<PlanGroup>& groups,
                                       QObject* parent)
    : QAbstractTableModel(parent)
    , m_groups(groups)
    , m_refused(table.refused)
{
    // Both lists run in table order: merged, they read as the table does.
    m_entries.reserve(groups.size() + table.refused.size());
    int good = 0;
    int bad = 0;
    while (good < table.rows.size() || bad < m_refused.size()) {
        const bool takeRefused = good >= table.rows.size()
                              || (bad < m_refused.size() && m_refused.at(bad).row < table.rows.at(good));
        if (takeRefused) {
            m_entries.append({m_refused.at(bad).row, bad, true});
            ++bad;
        } else {
            m_entries.append({table.rows.at(good), good, false});
            ++good;
        }
    }
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

bool ImportPreviewModel::isRefused(int row) const
{
    return row >= 0 && row < m_entries.size() && m_entries.at(row).refused;
}

QString ImportPreviewModel::reason(const GroupTableReader::Refusal& refusal)
{
    if (refusal.column.isEmpty())
        return tr("Refused: %1").arg(refusal.expected);
    return tr("Refused: %1 is \"%2\", expected %3.").arg(refusal.column, refusal.value, refusal.expected);
}

QString ImportPreviewModel::text(const Entry& entry, int column) const
{
    if (column == Row)
        return QString::number(entry.row);
    if (entry.refused)
        return column == Result || column == Number ? reason(m_refused.at(entry.index)) : QString();
    const StructDeviceItem& device = m_groups.at(entry.index).device;
    switch (column) {
    case Number:
        return QString::number(device.groupNumber);
    case Name:
        return PlanFile::nameWithoutNumber(device);
    case Type:
        return device.deviceType;
    case Channels:
        return QString::number(device.channelCount);
    case Streams:
        return QString::number(device.streamCount);
    case Resolution:
        return device.resolution;
    case FrameRate:
        return device.sceneName.isEmpty() ? device.frameRate : tr("Scene: %1").arg(device.sceneName);
    case Encoding:
        return device.encodingType;
    case Rate:
        return QString::number(device.bitrate, 'g', 12);
    case Result:
        return tr("To add");
    default:
        return QString();
    }
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return QVariant();
    const Entry& entry = m_entries.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return text(entry, index.column());
    if (role == Qt::ForegroundRole && entry.refused)
        return QBrush(QColor(0xC6, 0x28, 0x28));
    if (role == Qt::TextAlignmentRole && !entry.refused && index.column() != Name && index.column() != Result)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Row:
        return tr("Row");
    case Number:
        return tr("No.");
    case Name:
        return tr("Name");
    case Type:
        return tr("Type");
    case Channels:
        return tr("Channels");
    case Streams:
        return tr("Streams");
    case Resolution:
        return tr("Resolution");
    case FrameRate:
        return tr("Frame rate");
    case Encoding:
        return tr("Encoding");
    case Rate:
        return tr("Rate (kbps)");
    case Result:
        return tr("Result");
    default:
        return QVariant();
    }
}
