#pragma once

#include <data/PlanNetwork.h>

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

// A switch's name, the switch it hangs from, its ports, uplink and PoE
// budget. The parent list leaves out the switch itself and those below it,
// and every field has its range, so what the dialog gives is always a
// switch the plan can take.
class SwitchDialog : public QDialog
{
    Q_OBJECT

public:
    SwitchDialog(const PlanNetwork& network, const NetworkSwitch& shown, QWidget* parent = nullptr);
    ~SwitchDialog() override;

    NetworkSwitch result() const;

private:
    void followName();

    NetworkSwitch m_shown;
    QLineEdit* m_name = nullptr;
    QComboBox* m_parent = nullptr;
    QSpinBox* m_ports = nullptr;
    QDoubleSpinBox* m_uplink = nullptr;
    QDoubleSpinBox* m_poe = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
