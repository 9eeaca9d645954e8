#pragma once

#include <data/PlanTypes.h>

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QToolButton;

// The "View" section of the device editor: what the group's cameras look
// at (an angle, or a lens on a sensor; a distance; the level of detail
// required there) and, at once, the pixel density that gives, the level met
// and how far the required level holds. Folded like the Recording section,
// to one line that sums it up. Every field has its range, so nothing out of
// range can be entered. The fields are made when first unfolded.
class ViewEditor : public QWidget
{
    Q_OBJECT

public:
    explicit ViewEditor(QWidget* parent = nullptr);
    ~ViewEditor() override;

    ViewSettings settings() const;
    void setSettings(const ViewSettings& settings);
    // The group's resolution, whose "(WxH)" gives the pixels across.
    void setResolution(const QString& resolution);
    // What the section shows under its fields and in its folded line.
    QString figuresText() const;

Q_SIGNALS:
    void settingsChanged();

private:
    enum Kind { NoView, ByAngle, ByLens };

    void showKind();
    void sensorPicked();
    void sensorTyped();
    void showFigures();
    void unfold(bool open);
    void makeFields();

    QToolButton* m_header = nullptr;
    QWidget* m_fields = nullptr;
    QFormLayout* m_layout = nullptr;
    QComboBox* m_kind = nullptr;
    QDoubleSpinBox* m_angle = nullptr;
    QDoubleSpinBox* m_focal = nullptr;
    QComboBox* m_sensor = nullptr;
    QDoubleSpinBox* m_sensorWidth = nullptr;
    QDoubleSpinBox* m_distance = nullptr;
    QComboBox* m_required = nullptr;
    QLabel* m_figures = nullptr;
    QString m_resolution;
    int m_sensorRow = 0;
};
