#include "StoragePage.h"

#include <data/DataName.h>
#include <data/Plan.h>
#include <data/StorageCalculator.h>
#include <edit/PlanEditor.h>

#include "SkinColours/SkinColours.h"

#include <Fenwork/SpinBox.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

constexpr int kShareColumn = 3;

// Paints a group's share of the plan's storage as a bar.
class ShareBarDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const double share = index.data(Qt::UserRole).toDouble();
        // Bars are drawn against the largest share, so small groups still
        // differ visibly; the figure beside them is the share itself.
        const double largest = index.data(Qt::UserRole + 1).toDouble();
        const QRect area = option.rect.adjusted(4, 6, -48, -6);
        painter->save();
        painter->fillRect(area, QColor(0xee, 0xf0, 0xf8));
        QRect bar = area;
        const double length = largest > 0 ? share / largest : 0.0;
        bar.setWidth(static_cast<int>(std::lround(area.width() * std::clamp(length, 0.0, 1.0))));
        painter->fillRect(bar, QColor(0x5e, 0x6f, 0xec));
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawText(option.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                          QString::number(share * 100.0, 'f', 1) + QStringLiteral(" %"));
        painter->restore();
    }
};

int clampedCount(qint64 count)
{
    return static_cast<int>(std::min<qint64>(count, std::numeric_limits<int>::max()));
}

} // namespace

StoragePage::StoragePage(PlanEditor* editor, QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("StoragePage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);

    auto* title = new QLabel(tr("Storage :"), this);
    title->setObjectName(QStringLiteral("m_labelStorageTitle"));
    layout->addWidget(title);
    setStyleSheet(SkinColours::resolve(QStringLiteral(
        "QLabel#m_labelStorageTitle{font-size:14px;font-weight:bold;color:@text;}"
        "QLabel#m_labelStorageTotal{font-size:28px;font-weight:600;color:@accent;}"
        "QLabel#m_labelDiskCounts{font-size:14px;color:@text-secondary;}")));

    auto* settings = new QFormLayout;
    settings->setHorizontalSpacing(12);
    m_diskSize = new QComboBox(this);
    m_diskSize->setObjectName(QStringLiteral("m_comboDiskSize"));
    for (const ShowValueItem& size : m_options.diskSizes())
        m_diskSize->addItem(DataName::shown(size.show), size.value);
    m_diskSize->addItem(tr("Custom"), 0.0);
    m_customDisk = new QDoubleSpinBox(this);
    m_customDisk->setObjectName(QStringLiteral("m_spinCustomDisk"));
    m_customDisk->setRange(StorageSettings::kMinDiskTB, StorageSettings::kMaxDiskTB);
    m_customDisk->setDecimals(1);
    m_customDisk->setSuffix(QStringLiteral(" TB"));
    m_customDisk->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    // A size is taken when it is typed in full (Enter or leaving the field):
    // "12.5" passes through 1 and 12 on the way, and neither is the user's.
    m_customDisk->setKeyboardTracking(false);
    auto* diskRow = new QHBoxLayout;
    diskRow->addWidget(m_diskSize);
    diskRow->addWidget(m_customDisk);
    diskRow->addStretch(1);
    settings->addRow(tr("Disk size :"), diskRow);
    m_raid = new QComboBox(this);
    m_raid->setObjectName(QStringLiteral("m_comboRaid"));
    for (const StorageOptions::RaidChoice& level : m_options.raidLevels())
        m_raid->addItem(DataName::shown(level.show), static_cast<int>(level.raid));
    settings->addRow(tr("RAID :"), m_raid);
    m_hotSpares = new aptui::SpinBox(this);
    m_hotSpares->setObjectName(QStringLiteral("m_spinHotSpares"));
    m_hotSpares->setRange(0, StorageSettings::kMaxHotSpares);
    settings->addRow(tr("Hot spares :"), m_hotSpares);
    m_overhead = new aptui::SpinBox(this);
    m_overhead->setObjectName(QStringLiteral("m_spinFsOverhead"));
    m_overhead->setRange(0, static_cast<int>(StorageSettings::kMaxFsOverhead * 100));
    m_overhead->setSuffix(QStringLiteral(" %"));
    settings->addRow(tr("File system overhead :"), m_overhead);
    auto* settingsRow = new QHBoxLayout;
    settingsRow->addLayout(settings);
    settingsRow->addStretch(1);
    layout->addLayout(settingsRow);

    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("m_labelStorageTotal"));
    m_diskCounts = new QLabel(this);
    m_diskCounts->setObjectName(QStringLiteral("m_labelDiskCounts"));
    for (QLabel* label : {title, m_total, m_diskCounts})
        label->setTextFormat(Qt::PlainText);
    layout->addWidget(m_total);
    layout->addWidget(m_diskCounts);

    m_groups = new QTableWidget(0, 4, this);
    m_groups->setObjectName(QStringLiteral("m_tableStorageGroups"));
    m_groups->setHorizontalHeaderLabels({ tr("Group"), tr("Retention"), tr("Storage (TB)"), tr("Share") });
    m_groups->verticalHeader()->hide();
    m_groups->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_groups->setSelectionMode(QAbstractItemView::NoSelection);
    m_groups->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_groups->setItemDelegateForColumn(kShareColumn, new ShareBarDelegate(m_groups));
    layout->addWidget(m_groups, 1);

    showSettings();
    const Plan* plan = editor->plan();
    connect(plan, &Plan::settingsChanged, this, &StoragePage::showSettings);
    connect(plan, &Plan::changed, this, &StoragePage::planChanged);
    connect(m_diskSize, &QComboBox::currentIndexChanged, this, &StoragePage::applySettings);
    connect(m_customDisk, &QDoubleSpinBox::valueChanged, this, &StoragePage::applySettings);
    connect(m_raid, &QComboBox::currentIndexChanged, this, &StoragePage::applySettings);
    connect(m_hotSpares, &QSpinBox::valueChanged, this, &StoragePage::applySettings);
    connect(m_overhead, &QSpinBox::valueChanged, this, &StoragePage::applySettings);
}

StoragePage::~StoragePage() = default;

QString StoragePage::totalText() const
{
    return m_total->text();
}

void StoragePage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}

void StoragePage::showSettings()
{
    const StorageSettings storage = m_editor->plan()->storage();
    const QSignalBlocker blockSize(m_diskSize);
    const QSignalBlocker blockCustom(m_customDisk);
    const QSignalBlocker blockRaid(m_raid);
    const QSignalBlocker blockSpares(m_hotSpares);
    const QSignalBlocker blockOverhead(m_overhead);
    const int customIndex = m_diskSize->count() - 1;
    // A size typed under Custom stays there even when it equals a preset.
    const bool keepCustom = m_diskSize->currentIndex() == customIndex && m_customDisk->value() == storage.diskTB;
    int sizeIndex = keepCustom ? customIndex : m_diskSize->findData(storage.diskTB);
    if (sizeIndex < 0)
        sizeIndex = customIndex;
    m_diskSize->setCurrentIndex(sizeIndex);
    m_customDisk->setValue(storage.diskTB);
    m_customDisk->setVisible(sizeIndex == customIndex);
    m_raid->setCurrentIndex(std::max(0, m_raid->findData(static_cast<int>(storage.raid))));
    m_hotSpares->setValue(storage.hotSpares);
    m_overhead->setValue(static_cast<int>(std::lround(storage.fsOverhead * 100.0)));
    planChanged();
}

void StoragePage::applySettings()
{
    const bool custom = m_diskSize->currentIndex() == m_diskSize->count() - 1;
    m_customDisk->setVisible(custom);
    StorageSettings storage;
    storage.diskTB = custom ? m_customDisk->value() : m_diskSize->currentData().toDouble();
    storage.raid = static_cast<StorageSettings::Raid>(m_raid->currentData().toInt());
    storage.hotSpares = m_hotSpares->value();
    storage.fsOverhead = m_overhead->value() / 100.0;
    const Plan* plan = m_editor->plan();
    m_editor->setSettings(plan->siteName(), plan->notes(), storage);
}

void StoragePage::planChanged()
{
    m_stale = true;
    if (isVisible())
        refresh();
}

void StoragePage::refresh()
{
    m_stale = false;
    const Plan* plan = m_editor->plan();
    const StorageSizing sizing = StorageCalculator::size(plan->groups(), plan->storage());
    m_total->setText(tr("Total storage: %1 TB").arg(sizing.tbText));
    m_dataDisks = clampedCount(sizing.dataDisks);
    m_disks = clampedCount(sizing.disks);
    m_diskCounts->setText(tr("Data disks: %1    Disks to buy: %2").arg(sizing.dataDisks).arg(sizing.disks));

    const QVector<PlanGroup>& groups = plan->groups();
    double largestShare = 0;
    for (const StorageSizing::Group& figures : sizing.groups)
        largestShare = std::max(largestShare, figures.share);
    m_groups->setUpdatesEnabled(false);
    m_groups->setRowCount(groups.size());
    for (int row = 0; row < groups.size() && row < sizing.groups.size(); ++row) {
        const PlanGroup& group = groups.at(row);
        const StorageSizing::Group& figures = sizing.groups.at(row);
        auto setText = [this, row](int column, const QString& text) {
            QTableWidgetItem* item = m_groups->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                m_groups->setItem(row, column, item); // the table owns it
            }
            item->setText(text);
            return item;
        };
        setText(0, group.device.channelName);
        setText(1, tr("%1 days").arg(group.recording.retentionDays));
        setText(2, StorageCalculator::tbText(figures.bytes));
        QTableWidgetItem* share = setText(kShareColumn, QString());
        share->setData(Qt::UserRole, figures.share);
        share->setData(Qt::UserRole + 1, largestShare);
    }
    m_groups->setUpdatesEnabled(true);
}
