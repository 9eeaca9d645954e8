#include "UplinkPicker.h"

#include <data/DataName.h>
#include <data/DeviceConfigStore.h>

#include <Fenwork/ComboBox.h>
#include <Fenwork/LineEdit.h>

#include <QAbstractItemView>
#include <QDoubleValidator>
#include <QHBoxLayout>
#include <QLocale>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

// The item's figure in Mbps; 0 for "No uplink", -1 for the custom entry.
constexpr int kMbpsRole = Qt::UserRole;
// The link's name as plans store it: the data files' words, whatever the
// language shows.
constexpr int kKeyRole = Qt::UserRole + 1;
constexpr double kCustomMarker = -1.0;

} // namespace

UplinkPicker::UplinkPicker(const DeviceConfigStore& store, QWidget* parent)
    : QWidget(parent)
    , m_linkBox(new aptui::ComboBox(this))
    , m_customField(new aptui::LineEdit(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_linkBox, 1);
    layout->addWidget(m_customField, 0);

    m_linkBox->setObjectName(QStringLiteral("uplinkLinkBox"));
    m_linkBox->setToolTip(tr("The site's uplink"));
    m_linkBox->addItem(tr("No uplink"), 0.0);
    QStringList types;
    store.getConnectionTypes(types);
    for (const QString& type : std::as_const(types)) {
        for (const ShowValueItem& link : store.getConnectionBandwidths(type)) {
            m_linkBox->addItem(DataName::shown(type) + QLatin1Char(' ') + DataName::shown(link.show), link.value);
            m_linkBox->setItemData(m_linkBox->count() - 1, QString(type + QLatin1Char(' ') + link.show), kKeyRole);
        }
    }
    m_linkBox->addItem(tr("Custom (Mbps)"), kCustomMarker);
    // The list is as wide as its longest link, however narrow the box: a
    // link's name and its figures are read together.
    QAbstractItemView* list = m_linkBox->view();
    list->ensurePolished();
    list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width());

    m_customField->setObjectName(QStringLiteral("uplinkCustomField"));
    m_customField->setPlaceholderText(tr("in Mbps"));
    m_customField->setFixedWidth(64);
    auto* validator = new QDoubleValidator(0.0, UplinkSettings::kMaxMbps, 3, m_customField);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    m_customField->setValidator(validator);
    m_customField->setVisible(false);

    connect(m_linkBox, &QComboBox::currentIndexChanged, this, &UplinkPicker::onLinkChosen);
    connect(m_customField, &QLineEdit::editingFinished, this, &UplinkPicker::onCustomEdited);
}

UplinkPicker::~UplinkPicker() = default;

int UplinkPicker::customIndex() const
{
    return m_linkBox->count() - 1;
}

void UplinkPicker::showUplink(const UplinkSettings& uplink)
{
    const QSignalBlocker blockBox(m_linkBox);
    const QSignalBlocker blockField(m_customField);
    int index = 0;
    if (uplink.isSet()) {
        index = customIndex();
        for (int i = 1; i < customIndex(); ++i) {
            if (m_linkBox->itemData(i, kKeyRole).toString() == uplink.name
                && m_linkBox->itemData(i, kMbpsRole).toDouble() == uplink.mbps)
                index = i;
        }
    }
    m_linkBox->setCurrentIndex(index);
    const bool custom = index == customIndex();
    m_customField->setVisible(custom);
    m_customField->setText(custom ? QString::number(uplink.mbps, 'g', 10) : QString());
}

UplinkSettings UplinkPicker::uplink() const
{
    const int index = m_linkBox->currentIndex();
    UplinkSettings uplink;
    if (index == customIndex()) {
        bool ok = false;
        const double mbps = QLocale::c().toDouble(m_customField->text(), &ok);
        if (ok && mbps > 0.0 && mbps <= UplinkSettings::kMaxMbps)
            uplink.mbps = mbps;
    } else if (index > 0) {
        uplink.name = m_linkBox->itemData(index, kKeyRole).toString();
        uplink.mbps = m_linkBox->itemData(index, kMbpsRole).toDouble();
    }
    return uplink;
}

void UplinkPicker::onLinkChosen(int index)
{
    const bool custom = index == customIndex();
    m_customField->setVisible(custom);
    if (custom) {
        // The figure is the choice; until one is typed the plan keeps its link.
        m_customField->setFocus();
        if (!uplink().isSet())
            return;
    }
    Q_EMIT signalUplinkChosen(uplink());
}

void UplinkPicker::onCustomEdited()
{
    if (m_linkBox->currentIndex() == customIndex() && uplink().isSet())
        Q_EMIT signalUplinkChosen(uplink());
}
