#include "StoragePage.h"

#include <data/DataName.h>
#include <data/Plan.h>
#include <data/SiteCheck.h>
#include <data/StorageCalculator.h>
#include <edit/PlanEditor.h>

#include "SkinColours/SkinColours.h"

#include <Fenwork/PlainText.h>
#include <Fenwork/SpinBox.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

enum Column { kGroupColumn, kRateColumn, kHoursColumn, kRetentionColumn, kBytesColumn, kTbColumn, kShareColumn, kColumns };

// Paints a group's share of the plan's storage as a bar and its figure. The
// bar is the share of the whole, as the figure says: a plan of thousands of
// small groups shows thousands of short bars, not full ones reading "0.0 %".
class ShareBarDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const double share = index.data(Qt::UserRole).toDouble();
        // The figure has its own room right of the bar, as wide as the
        // widest figure, so "100.0 %" never runs over a full bar.
        const int figureRoom = option.fontMetrics.horizontalAdvance(StoragePage::shareText(1.0)) + 8;
        const QRect area = option.rect.adjusted(4, 6, -figureRoom - 4, -6);
        painter->save();
        if (area.width() > 0) {
            painter->fillRect(area, QColor(0xee, 0xf0, 0xf8));
            QRect bar = area;
            bar.setWidth(static_cast<int>(std::lround(area.width() * std::clamp(share, 0.0, 1.0))));
            painter->fillRect(bar, QColor(0x5e, 0x6f, 0xec));
        }
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawText(option.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                          StoragePage::shareText(share));
        painter->restore();
    }
};

QString hoursText(long double seconds)
{
    return QLocale().toString(static_cast<double>(seconds / StorageCalculator::kSecondsPerHour), 'g', 4);
}

QString rateText(double kbps)
{
    return QLocale::c().toString(kbps, 'f', std::floor(kbps) == kbps ? 0 : 1);
}

QString bytesText(long double bytes)
{
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.0Lf", bytes);
    return QString::fromLatin1(digits);
}

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
        "QLabel#m_labelDiskCounts{font-size:14px;color:@text-secondary;}"
        "QLabel#m_labelUsableDisk{font-size:12px;color:@text-secondary;}"
        "QLabel#m_labelDiskDays{font-size:13px;color:@text;}"
        "QLabel#m_labelDiskDays[short=\"true\"]{color:#d03030;font-weight:bold;}"
        "QLabel#m_labelSiteProblems{font-size:12px;color:#d03030;}")));

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
    m_disksAvailable = new aptui::SpinBox(this);
    m_disksAvailable->setObjectName(QStringLiteral("m_spinDisksAvailable"));
    m_disksAvailable->setRange(0, StorageSettings::kMaxDisksAvailable);
    m_disksAvailable->setSpecialValueText(tr("not given"));
    m_disksAvailable->setToolTip(tr("The disks the site has: the days each group keeps on them are shown"));
    settings->addRow(tr("Disks available :"), m_disksAvailable);
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

    m_usableDisk = new QLabel(this);
    m_usableDisk->setObjectName(QStringLiteral("m_labelUsableDisk"));
    layout->addWidget(m_usableDisk);

    m_diskDays = new QLabel(this);
    m_diskDays->setObjectName(QStringLiteral("m_labelDiskDays"));
    m_diskDays->setTextFormat(Qt::PlainText);
    m_diskDays->setWordWrap(true);
    m_diskDays->hide();
    layout->addWidget(m_diskDays);

    m_problems = new QLabel(this);
    m_problems->setObjectName(QStringLiteral("m_labelSiteProblems"));
    m_problems->setTextFormat(Qt::PlainText);
    m_problems->setWordWrap(true);
    m_problems->hide();
    layout->addWidget(m_problems);

    m_groups = new QTableWidget(0, kColumns, this);
    m_groups->setObjectName(QStringLiteral("m_tableStorageGroups"));
    m_groups->setHorizontalHeaderLabels({ tr("Group"), tr("Rate"), tr("Recorded a day"), tr("Retention"),
                                          tr("Bytes"), tr("Storage (TB)"), tr("Share") });
    m_groups->horizontalHeaderItem(kBytesColumn)->setToolTip(tr("Rate (kbps) × 125 bytes a second × recorded hours × 3600 × days"));
    m_groups->verticalHeader()->hide();
    m_groups->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_groups->setSelectionMode(QAbstractItemView::NoSelection);
    m_groups->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_groups->horizontalHeader()->setSectionResizeMode(kGroupColumn, QHeaderView::Interactive);
    // "30 days asked, 41 kept" reads on one line, and the columns beside it
    // keep their headings whole rather than give it the room.
    for (const int column : { kRateColumn, kHoursColumn, kRetentionColumn })
        m_groups->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
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
    connect(m_disksAvailable, &QSpinBox::valueChanged, this, &StoragePage::applySettings);
}

StoragePage::~StoragePage() = default;

QString StoragePage::shareText(double share)
{
    // A share too small for a tenth still says it is there.
    if (share > 0.0 && share < 0.0005)
        return tr("< 0.1 %");
    return QString::number(share * 100.0, 'f', 1) + QStringLiteral(" %");
}

QString StoragePage::totalText() const
{
    return m_total->text();
}

QString StoragePage::problemsText() const
{
    return m_problems->text();
}

QString StoragePage::diskDaysText() const
{
    return m_diskDays->isVisibleTo(const_cast<StoragePage*>(this)) ? m_diskDays->text() : QString();
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
    const QSignalBlocker blockDisks(m_disksAvailable);
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
    m_disksAvailable->setValue(storage.disksAvailable);
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
    storage.disksAvailable = m_disksAvailable->value();
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
    const StorageSettings& storage = plan->storage();
    const long double usable = StorageCalculator::usableDiskBytes(storage);
    m_usableDisk->setText(tr("One disk holds %1 TB of recordings (%2 bytes)")
                              .arg(StorageCalculator::tbText(usable), bytesText(usable)));
    m_usableDisk->setToolTip(tr("%1 TB × (1 − %2 % file system overhead) = %3 bytes\n"
                                "Data disks = total bytes ÷ %3, rounded up")
                                 .arg(QLocale().toString(storage.diskTB, 'g', 6))
                                 .arg(QLocale().toString(storage.fsOverhead * 100.0, 'g', 4))
                                 .arg(bytesText(usable)));

    // The days on the disks available, from the same check as the command
    // line's.
    const SiteCheck check(plan->data());
    const std::optional<DiskDays>& days = check.days();
    m_diskDays->setVisible(days.has_value());
    if (days) {
        const SiteProblem* problem = check.siteProblem();
        QString text;
        if (problem) {
            text = problem->text;
        } else if (days->factor) {
            text = tr("On the %1 disks available every group keeps its days, with %2 TB to spare.")
                       .arg(days->disks)
                       .arg(StorageCalculator::tbText(days->spareBytes()));
        } else {
            text = tr("On the %1 disks available: nothing is recorded.").arg(days->disks);
        }
        m_diskDays->setText(text);
        m_diskDays->setProperty("short", problem != nullptr);
        m_diskDays->style()->unpolish(m_diskDays);
        m_diskDays->style()->polish(m_diskDays);
    }

    // The groups' problems, the site's being said above; a long list is
    // cut, the command line's check has it whole.
    constexpr int kProblemsShown = 4;
    QStringList problemLines;
    int groupProblems = 0;
    for (const SiteProblem& problem : check.problems()) {
        if (problem.row < 0)
            continue;
        if (++groupProblems <= kProblemsShown)
            problemLines.append(problem.text);
    }
    if (groupProblems > kProblemsShown)
        problemLines.append(tr("and %1 more groups below their required level.").arg(groupProblems - kProblemsShown));
    m_problems->setText(problemLines.join(QLatin1Char('\n')));
    m_problems->setVisible(!problemLines.isEmpty());

    const QVector<PlanGroup>& groups = plan->groups();
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
        const RecordingSettings& recording = group.recording;
        // The rate the bytes come from, a fraction included (a rate converted
        // between video standards may keep one), so the product checks out.
        const double streamRate = std::isfinite(group.device.bitrate) ? std::max(group.device.bitrate, 0.0) : 0.0;
        const QString rate = rateText(double(std::max(group.device.channelCount, 0))
                                      * std::max(recording.recordedStreams, 0) * streamRate);
        const QString rateTip = tr("%1 channels × %2 recorded streams × %3 kbps")
                                    .arg(group.device.channelCount)
                                    .arg(recording.recordedStreams)
                                    .arg(rateText(streamRate));
        const long double seconds = StorageCalculator::recordedSecondsPerDay(recording);
        QString hoursTip = recording.mode == RecordingSettings::Mode::Event
            ? tr("%1 h a day × %2 % on events").arg(QLocale().toString(recording.hoursPerDay, 'g', 4),
                                                    QLocale().toString(recording.eventShare * 100.0, 'g', 4))
            : tr("%1 h a day, continuously").arg(QLocale().toString(recording.hoursPerDay, 'g', 4));
        if (recording.nightHours > 0)
            hoursTip += QLatin1Char('\n') + tr("%1 h of them at night, at × %2 the rate")
                                               .arg(QLocale().toString(recording.nightHours, 'g', 4),
                                                    QLocale().toString(recording.nightFactor, 'g', 3));
        if (recording.audioKbps > 0)
            hoursTip += QLatin1Char('\n') + tr("with %1 kbps of audio a channel")
                                               .arg(QLocale().toString(recording.audioKbps, 'g', 6));
        if (recording.mode == RecordingSettings::Mode::Mixed)
            hoursTip += QLatin1Char('\n') + tr("mixed: all of it kept %1 days, %2 % on events kept %3 days")
                                               .arg(recording.retentionDays)
                                               .arg(QLocale().toString(recording.eventShare * 100.0, 'g', 4))
                                               .arg(recording.keptEventDays());
        const QString bytesTip = tr("%1 kbps × 125 bytes a second × %2 h × 3600 × %3 days = %4 bytes")
                                     .arg(rate)
                                     .arg(hoursText(seconds))
                                     .arg(recording.retentionDays)
                                     .arg(bytesText(figures.bytes));
        setText(kGroupColumn, group.device.channelName)->setToolTip(aptui::PlainText::toolTip(group.device.channelName));
        setText(kRateColumn, QStringLiteral("%1 kbps").arg(rate))->setToolTip(rateTip);
        setText(kHoursColumn, tr("%1 h").arg(hoursText(seconds)))->setToolTip(hoursTip);
        QString retention = tr("%1 days").arg(recording.retentionDays);
        QString retentionTip;
        if (days && row < days->groups.size()) {
            const DiskDays::Group& kept = days->groups.at(row);
            retention = tr("%1 days asked, %2 kept").arg(kept.askedDays).arg(kept.days);
            if (kept.askedEventDays != kept.askedDays)
                retentionTip = tr("Event clips: %1 days asked, %2 kept").arg(kept.askedEventDays).arg(kept.eventDays);
        }
        QTableWidgetItem* retentionItem = setText(kRetentionColumn, retention);
        retentionItem->setToolTip(retentionTip);
        retentionItem->setForeground(days && row < days->groups.size()
                                             && days->groups.at(row).days < days->groups.at(row).askedDays
                                         ? QBrush(QColor(0xd0, 0x30, 0x30))
                                         : QBrush());
        setText(kBytesColumn, bytesText(figures.bytes))->setToolTip(bytesTip);
        setText(kTbColumn, StorageCalculator::tbText(figures.bytes))->setToolTip(tr("%1 bytes ÷ 10¹²").arg(bytesText(figures.bytes)));
        QTableWidgetItem* share = setText(kShareColumn, QString());
        share->setToolTip(tr("%1 of %2 bytes").arg(bytesText(figures.bytes), bytesText(sizing.bytes)));
        share->setData(Qt::UserRole, figures.share);
    }
    // A byte count is read digit by digit, so its column is as wide as the
    // largest one rather than a share of the table that cuts it. The largest
    // count has the most digits; measuring it alone keeps a city plan quick.
    long double largest = 0;
    for (const StorageSizing::Group& figures : sizing.groups)
        largest = std::max(largest, figures.bytes);
    QHeaderView* header = m_groups->horizontalHeader();
    const int padding = 2 * m_groups->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_groups) + 12;
    header->setSectionResizeMode(kBytesColumn, QHeaderView::Fixed);
    const int title = header->fontMetrics().horizontalAdvance(m_groups->horizontalHeaderItem(kBytesColumn)->text());
    header->resizeSection(kBytesColumn,
                          std::max(m_groups->fontMetrics().horizontalAdvance(bytesText(largest)), title) + padding);
    m_groups->setUpdatesEnabled(true);
}
