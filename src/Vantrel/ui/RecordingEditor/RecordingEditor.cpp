#include "RecordingEditor.h"

#include "DeviceEditor/FocusedWheelFilter.h"

#include <Fenwork/SpinBox.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
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
    outer->setSpacing(0);
    m_header = new QToolButton(this);
    m_header->setObjectName(QStringLiteral("m_btnRecording"));
    m_header->setCheckable(true);
    m_header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_header->setArrowType(Qt::RightArrow);
    m_header->setAutoRaise(true);
    m_header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    outer->addWidget(m_header);
    connect(m_header, &QToolButton::toggled, this, &RecordingEditor::unfold);
    // The fields are made at the first unfold (or the first settings handed
    // in): most starts never open them, and every widget made here is
    // styled with the window at its first show.
    showSummary();
}

void RecordingEditor::makeFields()
{
    if (m_fields)
        return;
    m_fields = new QWidget(this);
    m_fields->setObjectName(QStringLiteral("m_widgetRecordingFields"));
    m_fields->hide();
    layout()->addWidget(m_fields);

    // Two label and field pairs a row, the wider fields on the left: four
    // rows in continuous mode, so that unfolded in either rate mode at the
    // window's smallest height the fields, the View line and "+ Add" fit.
    auto* layout = new QGridLayout(m_fields);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(0);
    layout->setColumnStretch(1, 2);
    layout->setColumnStretch(3, 1);
    const auto label = [this](const QString& text) {
        auto* made = new QLabel(text, m_fields);
        made->setTextFormat(Qt::PlainText);
        return made;
    };
    const auto pair = [layout](int row, int column, QLabel* name, QWidget* field) {
        layout->addWidget(name, row, 2 * column);
        layout->addWidget(field, row, 2 * column + 1);
    };

    m_mode = new QComboBox(m_fields);
    m_mode->setObjectName(QStringLiteral("m_comboRecordingMode"));
    m_mode->addItem(tr("Continuous"));
    m_mode->addItem(tr("Event"));
    m_mode->addItem(tr("Mixed"));
    m_mode->setToolTip(tr("Mixed: everything is kept the days kept, event clips on to their own days"));
    layout->addWidget(label(tr("Mode :")), 0, 0);
    layout->addWidget(m_mode, 0, 1, 1, 3);

    // The units are in the labels: the fields are too narrow to repeat them.
    m_hours = spinBox(m_fields, "m_spinHoursPerDay", 0, 24, QString());
    m_hours->setToolTip(tr("Hours recorded per day"));
    pair(1, 0, label(tr("Hours/day :")), m_hours);
    m_eventShare = spinBox(m_fields, "m_spinEventShare", 1, 100, QString());
    m_eventShare->setToolTip(tr("Share of the hours with events, in percent"));
    m_eventShareLabel = label(tr("Events % :"));
    pair(2, 0, m_eventShareLabel, m_eventShare);
    m_eventDays = spinBox(m_fields, "m_spinEventRetentionDays", 1, RecordingSettings::kMaxRetentionDays, QString());
    m_eventDays->setToolTip(tr("Days the event clips are kept, at least the days kept"));
    m_eventDaysLabel = label(tr("Events kept :"));
    pair(2, 1, m_eventDaysLabel, m_eventDays);
    m_recordedStreams = spinBox(m_fields, "m_spinRecordedStreams", 1, 1, QString());
    m_recordedStreams->setToolTip(tr("Recorded streams per channel"));
    pair(3, 0, label(tr("Streams :")), m_recordedStreams);
    m_retention = spinBox(m_fields, "m_spinRetentionDays", 1, RecordingSettings::kMaxRetentionDays, QString());
    m_retention->setToolTip(tr("Days the recordings are kept"));
    pair(1, 1, label(tr("Days kept :")), m_retention);
    // The night's hours and its rate share one field: "10 h  × 1.5".
    m_nightHours = spinBox(m_fields, "m_spinNightHours", 0, 24, tr(" h"));
    m_nightHours->setToolTip(tr("Of the hours recorded, those at night"));
    m_nightFactor = new QDoubleSpinBox(m_fields);
    m_nightFactor->setObjectName(QStringLiteral("m_spinNightFactor"));
    m_nightFactor->setDecimals(1);
    m_nightFactor->setSingleStep(0.1);
    m_nightFactor->setRange(RecordingSettings::kMinNightFactor, RecordingSettings::kMaxNightFactor);
    m_nightFactor->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    m_nightFactor->setPrefix(QStringLiteral("× "));
    m_nightFactor->setToolTip(tr("The rate at night over the rate by day (infrared noise raises it)"));
    auto* night = new QHBoxLayout;
    night->setContentsMargins(0, 0, 0, 0);
    night->setSpacing(2);
    night->addWidget(m_nightHours, 1);
    night->addWidget(m_nightFactor, 1);
    layout->addWidget(label(tr("Night :")), 4, 0);
    layout->addLayout(night, 4, 1);
    m_audio = spinBox(m_fields, "m_spinAudioKbps", 0, static_cast<int>(RecordingSettings::kMaxAudioKbps), QString());
    m_audio->setToolTip(tr("Audio recorded per channel, in kbps"));
    pair(3, 1, label(tr("Audio kbps :")), m_audio);
    // Without arrows: two pairs a row leave no room for them (keys and the
    // wheel of a focused field still step the values).
    for (QAbstractSpinBox* box : m_fields->findChildren<QAbstractSpinBox*>()) {
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("× 0.0")) + 12);
    }
    // The longest mode reads whole; the fields on the right give way.
    int longest = 0;
    for (int i = 0; i < m_mode->count(); ++i)
        longest = std::max(longest, m_mode->fontMetrics().horizontalAdvance(m_mode->itemText(i)));
    m_mode->setMinimumWidth(longest + 28);
    // Rows as low as the skin's text allows, in either language.
    for (QWidget* field : m_fields->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractSpinBox*>(field) || field == m_mode)
            field->setMaximumHeight(field->fontMetrics().height() + 6);
    }
    // The counts on the right need four digits at most.
    for (QSpinBox* box : { m_recordedStreams, m_retention, m_eventDays, m_audio })
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 24);

    m_recordedStreams->setMaximum(m_streamLimit);
    setSettings(RecordingSettings());

    connect(m_mode, &QComboBox::currentIndexChanged, this, &RecordingEditor::showEventShare);
    connect(m_mode, &QComboBox::currentIndexChanged, this, &RecordingEditor::settingsChanged);
    // The event clips are kept at least as long as everything else.
    connect(m_retention, &QSpinBox::valueChanged, m_eventDays, &QSpinBox::setMinimum);
    for (QSpinBox* box : { m_hours, m_eventShare, m_retention, m_recordedStreams, m_eventDays, m_nightHours, m_audio })
        connect(box, &QSpinBox::valueChanged, this, &RecordingEditor::settingsChanged);
    connect(m_nightFactor, &QDoubleSpinBox::valueChanged, this, &RecordingEditor::settingsChanged);
    connect(this, &RecordingEditor::settingsChanged, this, &RecordingEditor::showSummary);

    // In the Tab chain right after the line that unfolds them, as if they
    // had been made with it.
    QWidget* previous = m_header;
    for (QWidget* field : m_fields->findChildren<QWidget*>()) {
        // A combo box's list is a window of its own once it was made.
        if ((field->focusPolicy() & Qt::TabFocus) && field->window() == window()) {
            QWidget::setTabOrder(previous, field);
            previous = field;
        }
    }
    FocusedWheelFilter::guardFieldsOf(m_fields);
}

RecordingEditor::~RecordingEditor() = default;

RecordingSettings RecordingEditor::settings() const
{
    // Fields not made yet hold the start values.
    if (!m_fields)
        return RecordingSettings();
    RecordingSettings settings;
    settings.mode = static_cast<RecordingSettings::Mode>(m_mode->currentIndex());
    settings.hoursPerDay = m_hours->value();
    settings.eventShare = m_eventShare->value() / 100.0;
    settings.retentionDays = m_retention->value();
    settings.recordedStreams = m_recordedStreams->value();
    settings.nightHours = m_nightHours->value();
    settings.nightFactor = m_nightFactor->value();
    settings.audioKbps = m_audio->value();
    if (settings.mode == RecordingSettings::Mode::Mixed)
        settings.eventRetentionDays = m_eventDays->value();
    return settings;
}

void RecordingEditor::setSettings(const RecordingSettings& settings)
{
    if (!m_fields && settings == RecordingSettings())
        return;
    makeFields();
    const QSignalBlocker blockMode(m_mode);
    m_mode->setCurrentIndex(static_cast<int>(settings.mode));
    // Plan files may hold half hours; the field shows whole ones.
    m_hours->setValue(static_cast<int>(std::lround(settings.hoursPerDay)));
    m_eventShare->setValue(static_cast<int>(std::lround(settings.eventShare * 100.0)));
    m_retention->setValue(settings.retentionDays);
    m_recordedStreams->setMaximum(std::max(m_recordedStreams->maximum(), settings.recordedStreams));
    m_recordedStreams->setValue(settings.recordedStreams);
    m_eventDays->setMinimum(settings.retentionDays);
    m_eventDays->setValue(settings.keptEventDays());
    m_nightHours->setValue(static_cast<int>(std::lround(settings.nightHours)));
    m_nightFactor->setValue(settings.nightFactor);
    m_audio->setValue(static_cast<int>(std::lround(settings.audioKbps)));
    showEventShare();
    showSummary();
}

void RecordingEditor::setStreamLimit(int streams)
{
    m_streamLimit = std::max(streams, 1);
    if (m_recordedStreams)
        m_recordedStreams->setMaximum(m_streamLimit);
}

void RecordingEditor::unfold(bool open)
{
    if (open)
        makeFields();
    m_fields->setVisible(open);
    m_header->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
}

void RecordingEditor::showSummary()
{
    const RecordingSettings current = settings();
    QString mode = tr("continuous");
    if (current.mode == RecordingSettings::Mode::Event)
        mode = tr("events %1 %").arg(std::lround(current.eventShare * 100.0));
    else if (current.mode == RecordingSettings::Mode::Mixed)
        mode = tr("mixed, events %1 % %2 d").arg(std::lround(current.eventShare * 100.0)).arg(current.keptEventDays());
    m_header->setText(tr("Recording : %1, %2 h, %3 d").arg(mode).arg(std::lround(current.hoursPerDay)).arg(current.retentionDays));
}

void RecordingEditor::showEventShare()
{
    const auto mode = static_cast<RecordingSettings::Mode>(m_mode->currentIndex());
    const bool event = mode != RecordingSettings::Mode::Continuous;
    m_eventShareLabel->setVisible(event);
    m_eventShare->setVisible(event);
    m_eventDaysLabel->setVisible(mode == RecordingSettings::Mode::Mixed);
    m_eventDays->setVisible(mode == RecordingSettings::Mode::Mixed);
}
