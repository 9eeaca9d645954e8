#include "RecordingEditor.h"

#include <Fenwork/SpinBox.h>

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

QSpinBox* spinBox(QWidget* parent, const char* name, int low, int high, const QString& suffix)
{
    // The toolkit box clamps what is typed beyond the range, with a hint.
    auto* box = new aptui::SpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(low, high);
    box->setSuffix(suffix);
    return box;
}

} // namespace

RecordingEditor::RecordingEditor(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RecordingEditor"));
    // Folded by default: one line with a summary, so the editor keeps its
    // height at the window's minimum size; a click shows the fields.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(4);
    m_header = new QToolButton(this);
    m_header->setObjectName(QStringLiteral("m_btnRecording"));
    m_header->setCheckable(true);
    m_header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_header->setArrowType(Qt::RightArrow);
    m_header->setAutoRaise(true);
    m_header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    outer->addWidget(m_header);
    m_fields = new QWidget(this);
    m_fields->setObjectName(QStringLiteral("m_widgetRecordingFields"));
    m_fields->hide();
    outer->addWidget(m_fields);
    connect(m_header, &QToolButton::toggled, this, &RecordingEditor::unfold);

    auto* layout = new QFormLayout(m_fields);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(8);
    // Tight rows: unfolded in scene mode at the window's smallest height,
    // the fields and "+ Add" below them still fit.
    layout->setVerticalSpacing(2);
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    m_mode = new QComboBox(m_fields);
    m_mode->setObjectName(QStringLiteral("m_comboRecordingMode"));
    m_mode->addItem(tr("Continuous"));
    m_mode->addItem(tr("Event"));
    layout->addRow(tr("Mode :"), m_mode);

    // The units are in the labels: the fields are too narrow to repeat them.
    m_hours = spinBox(m_fields, "m_spinHoursPerDay", 0, 24, QString());
    m_hours->setToolTip(tr("Hours recorded per day"));
    layout->addRow(tr("Hours/day :"), m_hours);
    m_eventShare = spinBox(m_fields, "m_spinEventShare", 1, 100, QString());
    m_eventShare->setToolTip(tr("Share of the hours with events, in percent"));
    m_eventShareLabel = new QLabel(tr("Events % :"), m_fields);
    m_eventShareLabel->setTextFormat(Qt::PlainText);
    layout->addRow(m_eventShareLabel, m_eventShare);
    m_retention = spinBox(m_fields, "m_spinRetentionDays", 1, RecordingSettings::kMaxRetentionDays, QString());
    m_retention->setToolTip(tr("Days the recordings are kept"));
    layout->addRow(tr("Days kept :"), m_retention);
    m_recordedStreams = spinBox(m_fields, "m_spinRecordedStreams", 1, 1, QString());
    m_recordedStreams->setToolTip(tr("Recorded streams per channel"));
    layout->addRow(tr("Streams :"), m_recordedStreams);

    setSettings(RecordingSettings());

    connect(m_mode, &QComboBox::currentIndexChanged, this, &RecordingEditor::showEventShare);
    connect(m_mode, &QComboBox::currentIndexChanged, this, &RecordingEditor::settingsChanged);
    for (QSpinBox* box : { m_hours, m_eventShare, m_retention, m_recordedStreams })
        connect(box, &QSpinBox::valueChanged, this, &RecordingEditor::settingsChanged);
    connect(this, &RecordingEditor::settingsChanged, this, &RecordingEditor::showSummary);
    showSummary();
}

RecordingEditor::~RecordingEditor() = default;

RecordingSettings RecordingEditor::settings() const
{
    RecordingSettings settings;
    settings.mode = m_mode->currentIndex() == 1 ? RecordingSettings::Mode::Event : RecordingSettings::Mode::Continuous;
    settings.hoursPerDay = m_hours->value();
    settings.eventShare = m_eventShare->value() / 100.0;
    settings.retentionDays = m_retention->value();
    settings.recordedStreams = m_recordedStreams->value();
    return settings;
}

void RecordingEditor::setSettings(const RecordingSettings& settings)
{
    const QSignalBlocker blockMode(m_mode);
    m_mode->setCurrentIndex(settings.mode == RecordingSettings::Mode::Event ? 1 : 0);
    // Plan files may hold half hours; the field shows whole ones.
    m_hours->setValue(static_cast<int>(std::lround(settings.hoursPerDay)));
    m_eventShare->setValue(static_cast<int>(std::lround(settings.eventShare * 100.0)));
    m_retention->setValue(settings.retentionDays);
    m_recordedStreams->setMaximum(std::max(m_recordedStreams->maximum(), settings.recordedStreams));
    m_recordedStreams->setValue(settings.recordedStreams);
    showEventShare();
    showSummary();
}

void RecordingEditor::setStreamLimit(int streams)
{
    m_recordedStreams->setMaximum(std::max(streams, 1));
}

void RecordingEditor::unfold(bool open)
{
    m_fields->setVisible(open);
    m_header->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
}

void RecordingEditor::showSummary()
{
    const RecordingSettings current = settings();
    const QString mode = current.mode == RecordingSettings::Mode::Event
        ? tr("events %1 %").arg(m_eventShare->value())
        : tr("continuous");
    m_header->setText(tr("Recording : %1, %2 h, %3 d").arg(mode).arg(m_hours->value()).arg(current.retentionDays));
}

void RecordingEditor::showEventShare()
{
    const bool event = m_mode->currentIndex() == 1;
    m_eventShareLabel->setVisible(event);
    m_eventShare->setVisible(event);
}
