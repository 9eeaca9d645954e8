#pragma once

#include <data/PlanNetwork.h>

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

// A recorder's name, the switch it is plugged into, its channels, input and
// drive bays, each within its range.
class RecorderDialog : public QDialog
{
    Q_OBJECT

public:
    // The network has at least one switch.
    RecorderDialog(const PlanNetwork& network, const NetworkRecorder& shown, QWidget* parent = nullptr);
    ~RecorderDialog() override;

    NetworkRecorder result() const;

private:
    void followName();

    NetworkRecorder m_shown;
    QLineEdit* m_name = nullptr;
    QComboBox* m_switch = nullptr;
    QSpinBox* m_channels = nullptr;
    QDoubleSpinBox* m_input = nullptr;
    QSpinBox* m_bays = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
