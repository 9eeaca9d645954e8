#include "BulkEditDialog.h"

#include <data/DeviceConfigStore.h>
#include <data/DeviceKind.h>
#include <data/GroupRule.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

#include <cmath>

namespace {

// A blank first entry stands for values the groups do not share.
constexpr int kVariousIndex = 0;

QString modeText(RecordingSettings::Mode mode)
{
    switch (mode) {
    case RecordingSettings::Mode::Event:
        return BulkEditDialog::tr("Event");
    case RecordingSettings::Mode::Mixed:
        return BulkEditDialog::tr("Mixed");
    case RecordingSettings::Mode::Continuous:
        break;
    }
    return BulkEditDialog::tr("Continuous");
}

const QVector<RecordingSettings::Mode>& modes()
{
    static const QVector<RecordingSettings::Mode> all = { RecordingSettings::Mode::Continuous,
                                                          RecordingSettings::Mode::Event,
                                                          RecordingSettings::Mode::Mixed };
    return all;
}

// A combo's text unless it still shows the groups' own values.
std::optional<QString> changedText(const QComboBox* box, const std::optional<QString>& shown)
{
    if (!box->isEnabled() || box->currentIndex() < 0)
        return std::nullopt;
    if (!shown && box->currentIndex() == kVariousIndex)
        return std::nullopt;
    const QString text = box->currentData().toString();
    if (shown && *shown == text)
        return std::nullopt;
    return text;
}

std::optional<int> changedValue(const QSpinBox* box, const std::optional<int>& shown)
{
    const int value = box->value();
    if (value == box->minimum() && !box->specialValueText().isEmpty())
        return std::nullopt;
    if (shown && *shown == value)
        return std::nullopt;
    return value;
}

} // namespace

BulkEditDialog::BulkEditDialog(const QVector<PlanGroup>& groups, VideoStandard standard,
                               const DeviceConfigStore& store, QWidget* parent)
    : aptui::BaseDialog(false, false, false, false, true, true, true, parent)
    , m_shown(GroupBulkChange::shared(groups))
{
    setObjectName(QStringLiteral("BulkEditDialog"));
    setTitle(tr("Edit %n groups", nullptr, int(groups.size())));
    auto* form = new QWidget(this);
    form->setObjectName(QStringLiteral("BulkEditDialog_m_formWidget"));
    auto* layout = new QFormLayout(form);

    QStringList encodings = store.getEncodeTypes();
    encodings.sort(Qt::CaseSensitive);
    m_encoding = combo("m_comboEncoding", encodings, m_shown.encoding);
    // Resolutions belong to a device type: offered when the groups share one.
    QStringList resolutions;
    const std::optional<DeviceKind> kind =
        m_shown.deviceType ? deviceKindFromText(*m_shown.deviceType) : std::nullopt;
    if (kind)
        store.getResolutions(resolutions, defaultTableCode(*kind));
    m_resolution = combo("m_comboResolution", resolutions, m_shown.resolution);
    m_resolution->setEnabled(kind.has_value());
    m_frameRate = combo("m_comboFrameRate", store.getFrameRateTexts(standard), m_shown.frameRate);
    m_channels = spinBox("m_spinChannels", 1, GroupRule::kMaxCount, m_shown.channels);
    m_streams = spinBox("m_spinStreams", 1, GroupRule::kMaxCount, m_shown.streams);

    m_mode = new QComboBox(form);
    m_mode->setObjectName(QStringLiteral("m_comboRecordingMode"));
    m_mode->addItem(tr("Various"), -1);
    for (const RecordingSettings::Mode mode : modes())
        m_mode->addItem(modeText(mode), int(mode));
    m_mode->setCurrentIndex(m_shown.mode ? int(modes().indexOf(*m_shown.mode)) + 1 : kVariousIndex);
    m_hours = new QDoubleSpinBox(form);
    m_hours->setObjectName(QStringLiteral("m_spinHoursPerDay"));
    m_hours->setDecimals(1);
    // One step below 0 reads "Various".
    m_hours->setRange(-0.1, RecordingSettings::kMaxHoursPerDay);
    m_hours->setSpecialValueText(tr("Various"));
    m_hours->setValue(m_shown.hoursPerDay.value_or(-0.1));
    m_retention = spinBox("m_spinRetentionDays", 1, RecordingSettings::kMaxRetentionDays, m_shown.retentionDays);
    m_recordedStreams = spinBox("m_spinRecordedStreams", 1, GroupRule::kMaxCount, m_shown.recordedStreams);

    layout->addRow(tr("Encoding"), m_encoding);
    layout->addRow(tr("Resolution"), m_resolution);
    layout->addRow(tr("Frame rate"), m_frameRate);
    layout->addRow(tr("Channels"), m_channels);
    layout->addRow(tr("Streams"), m_streams);
    layout->addRow(tr("Recording"), m_mode);
    layout->addRow(tr("Hours/day"), m_hours);
    layout->addRow(tr("Days kept"), m_retention);
    layout->addRow(tr("Recorded streams"), m_recordedStreams);
    auto* note = new QLabel(tr("A field that shows \"Various\" keeps each group's own value."), form);
    note->setObjectName(QStringLiteral("m_labelNote"));
    note->setWordWrap(true);
    layout->addRow(note);
    setCenterWidget(form);
    SetFixedSize(420, 390);
}

BulkEditDialog::~BulkEditDialog() = default;

QComboBox* BulkEditDialog::combo(const char* name, const QStringList& items, const std::optional<QString>& shared)
{
    auto* box = new QComboBox(this);
    box->setObjectName(QLatin1String(name));
    box->addItem(tr("Various"), QString());
    for (const QString& item : items)
        box->addItem(item, item);
    if (shared) {
        // A value the lists no longer hold is still shown as the groups'.
        int index = box->findData(*shared);
        if (index < 0) {
            box->addItem(*shared, *shared);
            index = box->count() - 1;
        }
        box->setCurrentIndex(index);
    } else {
        box->setCurrentIndex(kVariousIndex);
    }
    return box;
}

QSpinBox* BulkEditDialog::spinBox(const char* name, int minimum, int maximum, const std::optional<int>& shared)
{
    auto* box = new QSpinBox(this);
    box->setObjectName(QLatin1String(name));
    box->setRange(minimum - 1, maximum);
    box->setSpecialValueText(tr("Various"));
    box->setValue(shared.value_or(minimum - 1));
    return box;
}

GroupBulkChange::Fields BulkEditDialog::changes() const
{
    GroupBulkChange::Fields fields;
    fields.encoding = changedText(m_encoding, m_shown.encoding);
    fields.resolution = changedText(m_resolution, m_shown.resolution);
    fields.frameRate = changedText(m_frameRate, m_shown.frameRate);
    fields.channels = changedValue(m_channels, m_shown.channels);
    fields.streams = changedValue(m_streams, m_shown.streams);
    const int mode = m_mode->currentData().toInt();
    if (mode >= 0 && (!m_shown.mode || int(*m_shown.mode) != mode))
        fields.mode = static_cast<RecordingSettings::Mode>(mode);
    // The box rounds to its decimals: a shared value it shows is no change.
    if (m_hours->value() >= 0.0
        && (!m_shown.hoursPerDay || std::abs(*m_shown.hoursPerDay - m_hours->value()) >= 0.05))
        fields.hoursPerDay = m_hours->value();
    fields.retentionDays = changedValue(m_retention, m_shown.retentionDays);
    fields.recordedStreams = changedValue(m_recordedStreams, m_shown.recordedStreams);
    return fields;
}
