#pragma once

#include <data/GroupTableReader.h>

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;

// What an import of groups would do, before it does it: every row to add
// and every row refused with its reason. "Add N groups" accepts; Cancel
// leaves the plan as it was.
class ImportPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    // groups are numbered as they will join the plan.
    ImportPreviewDialog(const QString& fileName, const GroupTableReader::Result& table,
                        const QVector<PlanGroup>& groups, QWidget* parent = nullptr);

private:
    QLabel* m_summary;
    QTableView* m_table;
    QPushButton* m_addButton;
    QPushButton* m_cancelButton;
};
