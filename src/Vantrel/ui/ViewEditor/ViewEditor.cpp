#include "ViewEditor.h"

#include "DeviceEditor/FocusedWheelFilter.h"

#include <data/PixelDensity.h>
#include <data/SiteCheck.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

QDoubleSpinBox* numberBox(QWidget* parent, const char* name, double low, double high, int decimals,
                          const QString& suffix)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(decimals);
    box->setRange(low, high);
    box->setSuffix(suffix);
    // A value typed beyond the range is brought back to it, never taken.
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    return box;
}

// The open ends of the angle's range, at the field's one decimal.
constexpr double kAngleStep = 0.1;

} // namespace

ViewEditor::ViewEditor(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ViewEditor"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(4);
    m_header = new QToolButton(this);
    m_header->setObjectName(QStringLiteral("m_btnView"));
    m_header->setCheckable(true);
    m_header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_header->setArrowType(Qt::RightArrow);
    m_header->setAutoRaise(true);
    m_header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // As low as its text: with the recording's line and fields it has to
    // fit above "+ Add" at the window's smallest height.
    m_header->setMaximumHeight(m_header->fontMetrics().height() + 4);
    outer->addWidget(m_header);
    connect(m_header, &QToolButton::toggled, this, &ViewEditor::unfold);
    // The fields are made at the first unfold (or the first view handed in):
    // most starts never open them, and every widget made here is styled
    // with the window at its first show.
    showFigures();
}

void ViewEditor::makeFields()
{
    if (m_fields)
        return;
    m_fields = new QWidget(this);
    m_fields->setObjectName(QStringLiteral("m_widgetViewFields"));
    m_fields->hide();
    layout()->addWidget(m_fields);

    m_layout = new QFormLayout(m_fields);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setHorizontalSpacing(8);
    m_layout->setVerticalSpacing(2);
    m_layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    m_kind = new QComboBox(m_fields);
    m_kind->setObjectName(QStringLiteral("m_comboViewKind"));
    m_kind->addItem(tr("None"));
    m_kind->addItem(tr("Angle"));
    m_kind->addItem(tr("Lens"));
    m_layout->addRow(tr("Given by :"), m_kind);

    m_angle = numberBox(m_fields, "m_spinViewAngle", ViewSettings::kMinHfovDeg + kAngleStep,
                        ViewSettings::kMaxHfovDeg - kAngleStep, 1, QStringLiteral(" °"));
    m_angle->setToolTip(tr("Horizontal angle of view, in degrees"));
    m_angle->setValue(90);
    m_layout->addRow(tr("Angle :"), m_angle);
    m_focal = numberBox(m_fields, "m_spinFocalLength", ViewSettings::kMinFocalMm, ViewSettings::kMaxFocalMm, 1,
                        QStringLiteral(" mm"));
    m_focal->setToolTip(tr("Focal length of the lens"));
    m_focal->setValue(2.8);
    m_layout->addRow(tr("Focal length :"), m_focal);
    m_sensor = new QComboBox(m_fields);
    m_sensor->setObjectName(QStringLiteral("m_comboSensor"));
    for (const PixelDensity::Sensor& sensor : PixelDensity::sensors())
        m_sensor->addItem(QString::fromUtf8(sensor.name), sensor.widthMm);
    m_sensor->addItem(tr("Other"), 0.0);
    m_sensorWidth = numberBox(m_fields, "m_spinSensorWidth", ViewSettings::kMinSensorWidthMm,
                              ViewSettings::kMaxSensorWidthMm, 2, QStringLiteral(" mm"));
    m_sensorWidth->setToolTip(tr("Width of the sensor"));
    auto* sensorRow = new QHBoxLayout;
    sensorRow->setSpacing(4);
    sensorRow->addWidget(m_sensor);
    sensorRow->addWidget(m_sensorWidth);
    m_sensorRow = m_layout->rowCount();
    m_layout->addRow(tr("Sensor :"), sensorRow);
    m_sensor->setCurrentIndex(1);
    m_sensorWidth->setValue(m_sensor->currentData().toDouble());

    m_distance = numberBox(m_fields, "m_spinViewDistance", 0.1, ViewSettings::kMaxDistanceM, 1, QStringLiteral(" m"));
    m_distance->setToolTip(tr("Distance to the target"));
    m_distance->setValue(10);
    m_layout->addRow(tr("Distance :"), m_distance);
    m_required = new QComboBox(m_fields);
    m_required->setObjectName(QStringLiteral("m_comboRequiredLevel"));
    m_required->addItem(tr("None"), -1);
    for (const DetailLevel level : PixelDensity::levels()) {
        if (level != DetailLevel::BelowMonitor)
            m_required->addItem(PixelDensity::shownLevel(level), static_cast<int>(level));
    }
    m_layout->addRow(tr("Required :"), m_required);

    m_figures = new QLabel(m_fields);
    m_figures->setObjectName(QStringLiteral("m_labelViewFigures"));
    m_figures->setTextFormat(Qt::PlainText);
    m_figures->setWordWrap(true);
    m_layout->addRow(m_figures);

    showKind();
    connect(m_kind, &QComboBox::currentIndexChanged, this, &ViewEditor::showKind);
    connect(m_sensor, &QComboBox::currentIndexChanged, this, &ViewEditor::sensorPicked);
    connect(m_sensorWidth, &QDoubleSpinBox::valueChanged, this, &ViewEditor::sensorTyped);
    for (QComboBox* box : { m_kind, m_required })
        connect(box, &QComboBox::currentIndexChanged, this, &ViewEditor::settingsChanged);
    for (QDoubleSpinBox* box : { m_angle, m_focal, m_sensorWidth, m_distance })
        connect(box, &QDoubleSpinBox::valueChanged, this, &ViewEditor::settingsChanged);
    connect(this, &ViewEditor::settingsChanged, this, &ViewEditor::showFigures);
    showFigures();

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

ViewEditor::~ViewEditor() = default;

ViewSettings ViewEditor::settings() const
{
    ViewSettings settings;
    // Fields not made yet give no view.
    if (!m_fields)
        return settings;
    const int kind = m_kind->currentIndex();
    if (kind == NoView)
        return settings;
    if (kind == ByAngle) {
        settings.hfovDeg = m_angle->value();
    } else {
        settings.focalMm = m_focal->value();
        settings.sensorWidthMm = m_sensorWidth->value();
    }
    settings.distanceM = m_distance->value();
    const int level = m_required->currentData().toInt();
    if (level >= 0)
        settings.required = static_cast<DetailLevel>(level);
    return settings;
}

void ViewEditor::setSettings(const ViewSettings& settings)
{
    if (!m_fields && !settings.isSet() && !settings.required)
        return;
    makeFields();
    const QSignalBlocker blockKind(m_kind);
    const QSignalBlocker blockAngle(m_angle);
    const QSignalBlocker blockFocal(m_focal);
    const QSignalBlocker blockSensor(m_sensor);
    const QSignalBlocker blockWidth(m_sensorWidth);
    const QSignalBlocker blockDistance(m_distance);
    const QSignalBlocker blockRequired(m_required);
    // A group without a view leaves the last figures in the fields, ready
    // for the next one that has one.
    m_kind->setCurrentIndex(!settings.isSet() ? NoView : settings.byLens() ? ByLens : ByAngle);
    if (settings.isSet()) {
        if (settings.byLens()) {
            m_focal->setValue(settings.focalMm);
            m_sensorWidth->setValue(settings.sensorWidthMm);
            const int known = m_sensor->findData(settings.sensorWidthMm);
            m_sensor->setCurrentIndex(known >= 0 ? known : m_sensor->count() - 1);
        } else {
            m_angle->setValue(settings.hfovDeg);
        }
        m_distance->setValue(settings.distanceM);
    }
    const int level = settings.required ? m_required->findData(static_cast<int>(*settings.required)) : 0;
    m_required->setCurrentIndex(std::max(level, 0));
    showKind();
    showFigures();
}

void ViewEditor::setResolution(const QString& resolution)
{
    if (resolution == m_resolution)
        return;
    m_resolution = resolution;
    showFigures();
}

void ViewEditor::unfold(bool open)
{
    if (open)
        makeFields();
    m_fields->setVisible(open);
    m_header->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
}

void ViewEditor::showKind()
{
    const int kind = m_kind->currentIndex();
    m_layout->setRowVisible(m_angle, kind == ByAngle);
    m_layout->setRowVisible(m_focal, kind == ByLens);
    m_layout->setRowVisible(m_sensorRow, kind == ByLens);
    for (QWidget* field : { static_cast<QWidget*>(m_distance), static_cast<QWidget*>(m_required),
                            static_cast<QWidget*>(m_figures) })
        m_layout->setRowVisible(field, kind != NoView);
}

void ViewEditor::sensorPicked()
{
    const double width = m_sensor->currentData().toDouble();
    if (width > 0) {
        const QSignalBlocker block(m_sensorWidth);
        m_sensorWidth->setValue(width);
        Q_EMIT settingsChanged();
    }
}

void ViewEditor::sensorTyped()
{
    const int known = m_sensor->findData(m_sensorWidth->value());
    const QSignalBlocker block(m_sensor);
    m_sensor->setCurrentIndex(known >= 0 ? known : m_sensor->count() - 1);
}

QString ViewEditor::figuresText() const
{
    const ViewSettings view = settings();
    if (!view.isSet())
        return QString();
    const std::optional<DetailFigures> figures = PixelDensity::figures(view, m_resolution);
    if (!figures)
        return tr("No detail figure: the resolution \"%1\" does not say its width (WxH).").arg(m_resolution);
    QString text = tr("%1 px/m: %2").arg(SiteCheck::pxPerMText(figures->pxPerM), PixelDensity::shownLevel(figures->level));
    const DetailLevel target = view.required.value_or(figures->level);
    if (figures->farthestM)
        text += tr(". %1 up to %2 m").arg(PixelDensity::shownLevel(target), SiteCheck::metresText(*figures->farthestM));
    if (figures->state == CheckState::Over)
        text += tr(" (below %1 here)").arg(PixelDensity::shownLevel(*view.required));
    return text;
}

void ViewEditor::showFigures()
{
    const ViewSettings view = settings();
    const std::optional<DetailFigures> figures = PixelDensity::figures(view, m_resolution);
    if (m_figures) {
        m_figures->setText(figuresText());
        const bool below = figures && figures->state == CheckState::Over;
        m_figures->setProperty("below", below);
        m_figures->setStyleSheet(below ? QStringLiteral("color:#d03030;") : QString());
    }
    QString summary;
    if (!view.isSet())
        summary = tr("none");
    else if (!figures)
        summary = tr("no width");
    else
        summary = tr("%1 px/m, %2").arg(SiteCheck::pxPerMText(figures->pxPerM), PixelDensity::shownLevel(figures->level));
    m_header->setText(tr("View : %1").arg(summary));
}
