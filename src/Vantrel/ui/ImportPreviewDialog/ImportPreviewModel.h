#pragma once

#include <data/GroupTableReader.h>

#include <QAbstractTableModel>
#include <QVector>

// The rows of an imported table as the preview lists them, in the table's
// order: each group to add with its number in the plan, and each refused
// row with why. A model rather than a filled table, so a table of a
// hundred thousand rows shows at once.
class ImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Row, Number, Name, Type, Channels, Streams, Resolution, FrameRate, Encoding, Rate, Result, ColumnCount };

    // groups are numbered as they will join the plan.
    ImportPreviewModel(const GroupTableReader::Result& table, const QVector<PlanGroup>& groups,
                       QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Whether the row at this place of the list was refused. Its reason
    // reads in the Result column and, as the row has no group to show, in
    // its No. column too, which the preview spans across the row.
    bool isRefused(int row) const;

    // Why a refused row was refused, in one sentence.
    static QString reason(const GroupTableReader::Refusal& refusal);

private:
    struct Entry
    {
        int row = 0;
        // Into the groups, or (when refused) into the refusals.
        int index = 0;
        bool refused = false;
    };

    QString text(const Entry& entry, int column) const;

    QVector<PlanGroup> m_groups;
    QVector<GroupTableReader::Refusal> m_refused;
    QVector<Entry> m_entries;
};
