#include "ImportPreviewDialog.h"

#include "ImportPreviewModel.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ImportPreviewDialog::ImportPreviewDialog(const QString& fileName, const GroupTableReader::Result& table,
                                         const QVector<PlanGroup>& groups, QWidget* parent)
    : QDialog(parent)
    , m_summary(new QLabel(this))
    , m_table(new QTableView(this))
    , m_addButton(new QPushButton(this))
    , m_cancelButton(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("importPreviewDialog"));
    setWindowTitle(tr("Import groups"));
    m_summary->setObjectName(QStringLiteral("importSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    const QString added = tr("%n groups to add", nullptr, int(groups.size()));
    m_summary->setText(table.refused.isEmpty()
                           ? tr("%1: %2.").arg(fileName, added)
                           : tr("%1: %2; %3 left out (see their reasons below).")
                                 .arg(fileName, added, tr("%n rows refused", nullptr, int(table.refused.size()))));

    m_table->setObjectName(QStringLiteral("importPreviewTable"));
    auto* model = new ImportPreviewModel(table, groups, m_table);
    m_table->setModel(model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    // Fixed row heights: a view of many rows never measures them all.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // A refused row has no group to show: its reason runs across the row
    // from the No. column, so it reads whole without a scroll to the side.
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->isRefused(row))
            m_table->setSpan(row, ImportPreviewModel::Number, 1,
                             ImportPreviewModel::ColumnCount - ImportPreviewModel::Number);
    }
    // Measured on the first rows only: the groups' columns fit their
    // values, nothing cut, and Result takes what is left.
    m_table->resizeColumnsToContents();

    m_addButton->setObjectName(QStringLiteral("addGroupsButton"));
    m_addButton->setText(tr("Add %n groups", nullptr, int(groups.size())));
    m_addButton->setEnabled(!groups.isEmpty());
    m_addButton->setDefault(true);
    m_cancelButton->setObjectName(QStringLiteral("cancelImportButton"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_addButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_cancelButton, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(900, 520);
}
