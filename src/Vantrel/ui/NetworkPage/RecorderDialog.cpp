#include "RecorderDialog.h"

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

RecorderDialog::RecorderDialog(const PlanNetwork& network, const NetworkRecorder& shown, QWidget* parent)
    : QDialog(parent)
    , m_shown(shown)
{
    setObjectName(QStringLiteral("RecorderDialog"));
    setWindowTitle(network.recorderIndex(shown.id) < 0 ? tr("Add recorder") : tr("Edit recorder"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    m_name = new QLineEdit(shown.name, this);
    m_name->setObjectName(QStringLiteral("m_editRecorderName"));
    m_name->setMaxLength(kMaxNameLength);
    form->addRow(tr("Name :"), m_name);

    m_switch = new QComboBox(this);
    m_switch->setObjectName(QStringLiteral("m_comboRecorderSwitch"));
    for (const NetworkSwitch& sw : network.switches)
        m_switch->addItem(sw.name, sw.id);
    m_switch->setCurrentIndex(std::max(0, m_switch->findData(shown.switchId)));
    form->addRow(tr("Switch :"), m_switch);

    m_channels = new QSpinBox(this);
    m_channels->setObjectName(QStringLiteral("m_spinRecorderChannels"));
    m_channels->setRange(1, NetworkRecorder::kMaxChannels);
    m_channels->setValue(shown.channels);
    form->addRow(tr("Channels :"), m_channels);

    m_input = new QDoubleSpinBox(this);
    m_input->setObjectName(QStringLiteral("m_spinRecorderInput"));
    m_input->setDecimals(1);
    m_input->setRange(0.1, NetworkRecorder::kMaxInputMbps);
    m_input->setSuffix(QStringLiteral(" Mbps"));
    m_input->setValue(shown.inputMbps);
    form->addRow(tr("Input :"), m_input);

    m_bays = new QSpinBox(this);
    m_bays->setObjectName(QStringLiteral("m_spinRecorderBays"));
    m_bays->setRange(0, NetworkRecorder::kMaxBays);
    m_bays->setSpecialValueText(tr("Not counted"));
    m_bays->setValue(shown.bays);
    form->addRow(tr("Drive bays :"), m_bays);

    for (QAbstractSpinBox* box : { static_cast<QAbstractSpinBox*>(m_channels), static_cast<QAbstractSpinBox*>(m_input),
                                   static_cast<QAbstractSpinBox*>(m_bays) })
        box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_name, &QLineEdit::textChanged, this, &RecorderDialog::followName);
    followName();
}

RecorderDialog::~RecorderDialog() = default;

void RecorderDialog::followName()
{
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_name->text().trimmed().isEmpty()
                                                        && m_switch->count() > 0);
}

NetworkRecorder RecorderDialog::result() const
{
    NetworkRecorder recorder = m_shown;
    recorder.name = m_name->text().trimmed();
    recorder.switchId = m_switch->currentData().toString();
    recorder.channels = m_channels->value();
    recorder.inputMbps = m_input->value();
    recorder.bays = m_bays->value();
    return recorder;
}
