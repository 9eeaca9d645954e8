#include "CompareDialog.h"

#include <data/DeviceConfigStore.h>
#include <data/EncodingCalculator.h>
#include <data/PlanVariant.h>

#include <Fenwork/PushButton.h>

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Choice { AnotherFile, AnotherEncoding, OtherDays, AnotherRaid };

const QVector<StorageSettings::Raid>& raids()
{
    static const QVector<StorageSettings::Raid> all = { StorageSettings::Raid::None, StorageSettings::Raid::Raid1,
                                                        StorageSettings::Raid::Raid5, StorageSettings::Raid::Raid6,
                                                        StorageSettings::Raid::Raid10 };
    return all;
}

QString numbersText(const QVector<int>& numbers)
{
    QStringList texts;
    for (const int number : numbers)
        texts.append(QString::number(number));
    return texts.join(QStringLiteral(", "));
}

QTableWidgetItem* item(const QString& text)
{
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled);
    return cell;
}

} // namespace

CompareDialog::CompareDialog(const PlanData& plan, const QString& planName, QWidget* parent)
    : aptui::BaseDialog(false, false, false, false, true, true, true, parent)
    , m_plan(plan)
    , m_planName(planName)
    , m_calculator(std::make_unique<EncodingCalculator>())
{
    setObjectName(QStringLiteral("CompareDialog"));
    setTitle(tr("Compare plans"));
    setButtonTexts(tr("Close"), QString());
    setCancelVisible(false);
    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("CompareDialog_m_contentWidget"));
    auto* layout = new QVBoxLayout(content);

    auto* choiceRow = new QHBoxLayout;
    auto* choiceLabel = new QLabel(tr("Compare with:"), content);
    m_choice = new QComboBox(content);
    m_choice->setObjectName(QStringLiteral("m_comboCompareWith"));
    m_choice->addItem(tr("Another plan file..."));
    m_choice->addItem(tr("This plan with another encoding"));
    m_choice->addItem(tr("This plan with other days kept"));
    m_choice->addItem(tr("This plan with another RAID"));
    m_values = new QStackedWidget(content);
    m_values->addWidget(new QWidget(m_values));
    m_encoding = new QComboBox(m_values);
    m_encoding->setObjectName(QStringLiteral("m_comboEncoding"));
    QStringList encodings = m_calculator->store().getEncodeTypes();
    encodings.sort(Qt::CaseSensitive);
    m_encoding->addItems(encodings);
    m_values->addWidget(m_encoding);
    m_days = new QSpinBox(m_values);
    m_days->setObjectName(QStringLiteral("m_spinRetentionDays"));
    m_days->setRange(1, RecordingSettings::kMaxRetentionDays);
    m_days->setValue(plan.groups.isEmpty() ? 30 : plan.groups.first().recording.retentionDays);
    m_values->addWidget(m_days);
    m_raid = new QComboBox(m_values);
    m_raid->setObjectName(QStringLiteral("m_comboRaid"));
    for (const StorageSettings::Raid raid : raids())
        m_raid->addItem(raid == StorageSettings::Raid::None ? tr("No RAID") : raidName(raid));
    m_raid->setCurrentIndex(int(raids().indexOf(plan.storage.raid)));
    m_values->addWidget(m_raid);
    m_compareButton = new aptui::PushButton(content);
    m_compareButton->setObjectName(QStringLiteral("m_buttonCompare"));
    m_compareButton->setText(tr("Compare"));
    choiceRow->addWidget(choiceLabel);
    choiceRow->addWidget(m_choice, 2);
    choiceRow->addWidget(m_values, 1);
    choiceRow->addWidget(m_compareButton);
    layout->addLayout(choiceRow);

    m_figures = new QTableWidget(5, 2, content);
    m_figures->setObjectName(QStringLiteral("m_tableFigures"));
    m_figures->setVerticalHeaderLabels({ tr("Bandwidth"), tr("Storage"), tr("Disks"), tr("Warnings"),
                                         tr("Over a limit") });
    m_figures->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_figures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_figures->setSelectionMode(QAbstractItemView::NoSelection);
    // Every figure in view: the table is as tall as its rows.
    m_figures->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_figures->setFixedHeight(m_figures->horizontalHeader()->sizeHint().height()
                              + m_figures->verticalHeader()->length() + 2 * m_figures->frameWidth());
    layout->addWidget(m_figures);
    auto* groupsLabel = new QLabel(tr("Groups that differ"), content);
    layout->addWidget(groupsLabel);
    m_groups = new QPlainTextEdit(content);
    m_groups->setObjectName(QStringLiteral("m_textGroups"));
    m_groups->setReadOnly(true);
    layout->addWidget(m_groups, 1);
    setCenterWidget(content);
    SetFixedSize(720, 520);

    connect(m_choice, &QComboBox::currentIndexChanged, m_values, &QStackedWidget::setCurrentIndex);
    connect(m_compareButton, &QPushButton::clicked, this, &CompareDialog::compare);
}

CompareDialog::~CompareDialog() = default;

void CompareDialog::compare()
{
    switch (m_choice->currentIndex()) {
    case AnotherFile: {
        const QString path = m_askFile ? m_askFile() : QString();
        if (path.isEmpty() || !m_readPlan)
            return;
        if (const std::optional<PlanData> other = m_readPlan(path))
            compareWith(*other, QFileInfo(path).fileName());
        return;
    }
    case AnotherEncoding:
        compareWith(PlanVariant::withEncoding(m_plan, m_encoding->currentText(), *m_calculator),
                    tr("With %1").arg(m_encoding->currentText()));
        return;
    case OtherDays:
        compareWith(PlanVariant::withRetentionDays(m_plan, m_days->value(), *m_calculator),
                    tr("Kept %n days", nullptr, m_days->value()));
        return;
    case AnotherRaid:
        compareWith(PlanVariant::withRaid(m_plan, raids().value(m_raid->currentIndex())),
                    tr("With %1").arg(m_raid->currentText()));
        return;
    default:
        return;
    }
}

void CompareDialog::compareWith(const PlanData& other, const QString& otherName)
{
    m_comparison.emplace(m_plan, other);
    showComparison(otherName);
}

void CompareDialog::showComparison(const QString& otherName)
{
    // Header items are plain text: a file name is never read as markup.
    m_figures->setHorizontalHeaderItem(0, new QTableWidgetItem(m_planName));
    m_figures->setHorizontalHeaderItem(1, new QTableWidgetItem(otherName));
    const PlanComparison::Figures* columns[] = { &m_comparison->a(), &m_comparison->b() };
    for (int column = 0; column < 2; ++column) {
        const PlanComparison::Figures& figures = *columns[column];
        m_figures->setItem(0, column, item(QStringLiteral("%1 %2").arg(figures.bandwidthText, figures.bandwidthUnit)));
        m_figures->setItem(1, column, item(QStringLiteral("%1 TB").arg(figures.storageTBText)));
        m_figures->setItem(2, column, item(QString::number(figures.disks)));
        m_figures->setItem(3, column, item(QString::number(figures.warnings)));
        m_figures->setItem(4, column, item(QString::number(figures.overs)));
    }
    QStringList lines;
    lines.append(tr("%1 changed, %2 added, %3 removed")
                     .arg(m_comparison->changed().size())
                     .arg(m_comparison->added().size())
                     .arg(m_comparison->removed().size()));
    if (!m_comparison->added().isEmpty())
        lines.append(tr("Added: %1").arg(numbersText(m_comparison->added())));
    if (!m_comparison->removed().isEmpty())
        lines.append(tr("Removed: %1").arg(numbersText(m_comparison->removed())));
    for (const PlanComparison::ChangedGroup& group : m_comparison->changed())
        lines.append(tr("Group %1: %2").arg(group.number).arg(group.fields.join(QStringLiteral(", "))));
    if (lines.size() == 1)
        lines.append(tr("The groups are the same."));
    m_groups->setPlainText(lines.join(QLatin1Char('\n')));
}
