#pragma once

#include <data/GroupBulkChange.h>
#include <data/PlanTypes.h>

#include <Fenwork/BaseDialog.h>

#include <QVector>

class DeviceConfigStore;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

// "Edit selected…": the fields of several groups at once. A field all the
// groups share shows its value; one they do not share shows "Various" and,
// left so, is not touched. OK hands over only the fields
// the user changed.
class BulkEditDialog : public aptui::BaseDialog
{
    Q_OBJECT

public:
    BulkEditDialog(const QVector<PlanGroup>& groups, VideoStandard standard, const DeviceConfigStore& store,
                   QWidget* parent = nullptr);
    ~BulkEditDialog() override;

    // What the user changed; every other field is empty.
    GroupBulkChange::Fields changes() const;

private:
    QComboBox* combo(const char* name, const QStringList& items, const std::optional<QString>& shared);
    QSpinBox* spinBox(const char* name, int minimum, int maximum, const std::optional<int>& shared);

    GroupBulkChange::Fields m_shown;
    QComboBox* m_encoding = nullptr;
    QComboBox* m_resolution = nullptr;
    QComboBox* m_frameRate = nullptr;
    QSpinBox* m_channels = nullptr;
    QSpinBox* m_streams = nullptr;
    QComboBox* m_mode = nullptr;
    QDoubleSpinBox* m_hours = nullptr;
    QSpinBox* m_retention = nullptr;
    QSpinBox* m_recordedStreams = nullptr;
};
