#include "SwitchDialog.h"

#include "NetworkEdits.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kMaxNameLength = 100;
} // namespace

SwitchDialog::SwitchDialog(const PlanNetwork& network, const NetworkSwitch& shown, QWidget* parent)
    : QDialog(parent)
    , m_shown(shown)
{
    setObjectName(QStringLiteral("SwitchDialog"));
    setWindowTitle(network.switchIndex(shown.id) < 0 ? tr("Add switch") : tr("Edit switch"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    m_name = new QLineEdit(shown.name, this);
    m_name->setObjectName(QStringLiteral("m_editSwitchName"));
    m_name->setMaxLength(kMaxNameLength);
    form->addRow(tr("Name :"), m_name);

    m_parent = new QComboBox(this);
    m_parent->setObjectName(QStringLiteral("m_comboSwitchParent"));
    m_parent->addItem(tr("None (site uplink)"), QString());
    for (int i : NetworkEdits::possibleParents(network, shown.id)) {
        const NetworkSwitch& sw = network.switches.at(i);
        m_parent->addItem(sw.name, sw.id);
    }
    m_parent->setCurrentIndex(std::max(0, m_parent->findData(shown.parent)));
    form->addRow(tr("Hangs from :"), m_parent);

    m_ports = new QSpinBox(this);
    m_ports->setObjectName(QStringLiteral("m_spinSwitchPorts"));
    m_ports->setRange(1, NetworkSwitch::kMaxPorts);
    m_ports->setValue(shown.ports);
    form->addRow(tr("Ports :"), m_ports);

    m_uplink = new QDoubleSpinBox(this);
    m_uplink->setObjectName(QStringLiteral("m_spinSwitchUplink"));
    m_uplink->setDecimals(1);
    m_uplink->setRange(0.1, NetworkSwitch::kMaxUplinkMbps);
    m_uplink->setSuffix(QStringLiteral(" Mbps"));
    m_uplink->setValue(shown.uplinkMbps);
    form->addRow(tr("Uplink :"), m_uplink);

    m_poe = new QDoubleSpinBox(this);
    m_poe->setObjectName(QStringLiteral("m_spinSwitchPoe"));
    m_poe->setDecimals(1);
    m_poe->setRange(0.0, NetworkSwitch::kMaxPoeBudgetW);
    m_poe->setSuffix(QStringLiteral(" W"));
    m_poe->setValue(shown.poeBudgetW);
    form->addRow(tr("PoE budget :"), m_poe);

    for (QAbstractSpinBox* box : { static_cast<QAbstractSpinBox*>(m_ports), static_cast<QAbstractSpinBox*>(m_uplink),
                                   static_cast<QAbstractSpinBox*>(m_poe) })
        box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_name, &QLineEdit::textChanged, this, &SwitchDialog::followName);
    followName();
}

SwitchDialog::~SwitchDialog() = default;

void SwitchDialog::followName()
{
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_name->text().trimmed().isEmpty());
}

NetworkSwitch SwitchDialog::result() const
{
    NetworkSwitch sw = m_shown;
    sw.name = m_name->text().trimmed();
    sw.parent = m_parent->currentData().toString();
    sw.ports = m_ports->value();
    sw.uplinkMbps = m_uplink->value();
    sw.poeBudgetW = m_poe->value();
    return sw;
}
