#pragma once

#include <data/PlanTypes.h>

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QToolButton;

// The compact "Recording" section of the device editor: how a group
// records, which is what its storage is computed from. It folds to one line
// that sums the settings up. Every field has its range, so nothing out of
// range can be entered. The fields are made when first unfolded.
class RecordingEditor : public QWidget
{
    Q_OBJECT

public:
    explicit RecordingEditor(QWidget* parent = nullptr);
    ~RecordingEditor() override;

    RecordingSettings settings() const;
    void setSettings(const RecordingSettings& settings);
    // The group's streams per channel: the most that can be recorded.
    void setStreamLimit(int streams);

Q_SIGNALS:
    void settingsChanged();

private:
    void showEventShare();
    void showSummary();
    void unfold(bool open);
    void makeFields();

    QToolButton* m_header = nullptr;
    QWidget* m_fields = nullptr;
    QComboBox* m_mode = nullptr;
    QSpinBox* m_hours = nullptr;
    QLabel* m_eventShareLabel = nullptr;
    QSpinBox* m_eventShare = nullptr;
    QSpinBox* m_retention = nullptr;
    QSpinBox* m_recordedStreams = nullptr;
    QLabel* m_eventDaysLabel = nullptr;
    QSpinBox* m_eventDays = nullptr;
    QSpinBox* m_nightHours = nullptr;
    QDoubleSpinBox* m_nightFactor = nullptr;
    QSpinBox* m_audio = nullptr;
    int m_streamLimit = 1;
};
