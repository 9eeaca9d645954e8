#include "UplinkPicker.h"

#include "SkinColours/SkinColours.h"

#include <data/DataName.h>
#include <data/DeviceConfigStore.h>

#include <Fenwork/ShareTools.h>

#include <Fenwork/ComboBox.h>
#include <Fenwork/LineEdit.h>
#include <Fenwork/PlainText.h>

#include <QAbstractItemView>
#include <QDoubleValidator>
#include <QLocale>
#include <QPaintEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QVBoxLayout>

namespace {

// The item's figure in Mbps; 0 for "No uplink", -1 for the custom entry.
constexpr int kMbpsRole = Qt::UserRole;
// The link's name as plans store it: the data files' words, whatever the
// language shows.
constexpr int kKeyRole = Qt::UserRole + 1;
constexpr double kCustomMarker = -1.0;
const char kInvalidProperty[] = "invalid";

// The box of the narrow bandwidth column: a link's name that does not fit
// shows without its note in brackets ("Ethernet 100 Mbps" for "Ethernet
// 100 Mbps (100BASE-TX)"), and elided only if still too long; the list and
// the box's tooltip keep the whole name.
class LinkBox : public aptui::ComboBox
{
public:
    using aptui::ComboBox::ComboBox;

    QString shownText() const
    {
        QStyleOptionComboBox option;
        initStyleOption(&option);
        const int room = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this).width();
        const QFontMetrics metrics = fontMetrics();
        QString text = currentText();
        if (metrics.horizontalAdvance(text) > room)
            text = text.remove(QRegularExpression(QStringLiteral("\\s*\\([^)]*\\)$")));
        return metrics.elidedText(text, Qt::ElideRight, room);
    }

    // The list is as wide as its longest link, however narrow the box: a
    // link's name and its figures are read together. Measured when first
    // opened: the list is made for it, which the start need not wait for.
    void showPopup() override
    {
        QAbstractItemView* list = view();
        if (list->minimumWidth() == 0) {
            list->ensurePolished();
            list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width());
        }
        aptui::ComboBox::showPopup();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        option.currentText = shownText();
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }
};

} // namespace

UplinkPicker::UplinkPicker(const DeviceConfigStore& store, QWidget* parent)
    : QWidget(parent)
    , m_linkBox(new LinkBox(this))
    , m_customField(new aptui::LineEdit(this))
{
    // The figure of a custom link goes below the box, which keeps its width.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_linkBox);
    layout->addWidget(m_customField);

    m_linkBox->setObjectName(QStringLiteral("uplinkLinkBox"));
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
    m_linkBox->setToolTip(aptui::PlainText::toolTip(tr("The site's uplink: %1").arg(m_linkBox->currentText())));

    m_customField->setObjectName(QStringLiteral("uplinkCustomField"));
    m_customField->setPlaceholderText(tr("in Mbps"));
    auto* validator = new QDoubleValidator(0.0, UplinkSettings::kMaxMbps, 3, m_customField);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    m_customField->setValidator(validator);
    m_customField->setVisible(false);
    // A refused figure gets a red frame, as the editor's fields do.
    m_customField->setStyleSheet(SkinColours::resolve(
        QStringLiteral("QLineEdit#uplinkCustomField[invalid=\"true\"]{border: 1px solid @danger;}")));

    connect(m_linkBox, &QComboBox::currentIndexChanged, this, &UplinkPicker::onLinkChosen);
    // The whole name of a link the box shows shortened.
    connect(m_linkBox, &QComboBox::currentTextChanged, this,
            [this](const QString& link) { m_linkBox->setToolTip(aptui::PlainText::toolTip(tr("The site's uplink: %1").arg(link))); });
    connect(m_customField, &QLineEdit::editingFinished, this, &UplinkPicker::onCustomEdited);
    // Typing again takes the mark away until the new figure is finished.
    connect(m_customField, &QLineEdit::textEdited, this, [this] { markCustomInvalid(false); });
}

UplinkPicker::~UplinkPicker() = default;

QString UplinkPicker::shownLinkText() const
{
    return static_cast<const LinkBox*>(m_linkBox)->shownText();
}

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
    markCustomInvalid(false);
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
    if (m_linkBox->currentIndex() != customIndex())
        return;
    // A figure that is no link (0 Mbps) keeps the plan's link, and says so
    // rather than being dropped without a word.
    const bool taken = uplink().isSet();
    markCustomInvalid(!taken && !m_customField->text().trimmed().isEmpty());
    if (taken)
        Q_EMIT signalUplinkChosen(uplink());
}

void UplinkPicker::markCustomInvalid(bool invalid)
{
    if (m_customField->property(kInvalidProperty).toBool() == invalid)
        return;
    m_customField->setProperty(kInvalidProperty, invalid);
    m_customField->setToolTip(invalid ? tr("Not a link: enter a speed above 0 and up to %1 Mbps.")
                                            .arg(QLocale::c().toString(UplinkSettings::kMaxMbps, 'f', 0))
                                      : QString());
    ShareTools::reloadStyle(m_customField);
}
