#include "LinkQuestion.h"

#include "ui_DeviceEditor.h"

#include "FieldMark.h"

#include <Fenwork/ShareTools.h>
#include <data/BandwidthTotal.h>
#include <data/DataName.h>
#include <data/DeviceConfigStore.h>
#include <data/DeviceKind.h>

#include <QLocale>
#include <QRegularExpression>
#include <QStandardItemModel>

#include <optional>

namespace {

// The link boxes show translated names; the data files' own names, by which
// the bandwidths are looked up, ride along as item data.
constexpr int kLinkKeyRole = Qt::UserRole;
constexpr int kBandwidthMbpsRole = Qt::UserRole;
constexpr int kBandwidthKeyRole = Qt::UserRole + 1;

// A custom bandwidth as people type it: digits with one decimal separator,
// the locale's or a point. Anything else (a thousands separator, an
// exponent) is refused rather than guessed at.
std::optional<double> readBandwidth(const QString& typed)
{
    QString text = typed.trimmed();
    const QString separator = QLocale().decimalPoint();
    if (separator != QLatin1String("."))
        text.replace(separator, QLatin1String("."));
    static const QRegularExpression plainDecimal(QStringLiteral("^(?:[0-9]+[.]?[0-9]*|[.][0-9]+)$"));
    if (!plainDecimal.match(text).hasMatch())
        return std::nullopt;
    return QLocale::c().toDouble(text.endsWith(QLatin1Char('.')) ? text.chopped(1) : text);
}

} // namespace

LinkQuestion::LinkQuestion(Ui::DeviceEditor& ui, const DeviceConfigStore& store, QObject* parent)
    : QObject(parent)
    , m_ui(ui)
    , m_store(store)
{
}

void LinkQuestion::fill(const QStringList& encodingTypes)
{
    m_ui.deviceTypeCombox_2->addItem(tr("IPC"));
    m_ui.deviceTypeCombox_2->addItem(tr("DVR"));

    m_ui.customBandEdit->setText(QStringLiteral("0"));
    m_ui.customBandEdit->setEnabled(false);

    QStringList connectionTypes;
    m_store.getConnectionTypes(connectionTypes);
    for (const QString& type : std::as_const(connectionTypes))
        m_ui.netLinkCombox_2->addItem(DataName::shown(type), type);
    m_ui.netLinkCombox_2->setCurrentIndex(2);
    fillBandwidths();

    m_ui.sSystemCombox_2->addItem(tr("PAL"));
    m_ui.sSystemCombox_2->addItem(tr("NTSC"));

    m_ui.encodingTypeCombox_2->addItems(encodingTypes);
    m_ui.encodingTypeCombox_2->setCurrentIndex(1);

    m_ui.streamTypeCombox_2->addItem(tr("Main stream"));
    m_ui.streamTypeCombox_2->addItem(tr("Sub stream"));
    m_ui.streamTypeCombox_2->setCurrentIndex(0);

    // No streams have no resolution to fit.
    m_ui.streamCountSpinBox_2->setMinimum(1);
    m_ui.streamCountSpinBox_2->setValue(1);
    FieldMark::showFrameOf(m_ui.customBandEdit, "QLineEdit");
}

void LinkQuestion::connectFields()
{
    static const char* const kFunction = "LinkQuestion::connectFields";
    // The order matters where one signal feeds two slots: the question is
    // reported before a box that follows it is refilled.
    for (QComboBox* box : { m_ui.deviceTypeCombox_2, m_ui.netLinkCombox_2, m_ui.selectBandCombox_2,
                            m_ui.sSystemCombox_2, m_ui.encodingTypeCombox_2, m_ui.streamTypeCombox_2 }) {
        ShareTools::checkConnection(connect(box, &QComboBox::currentIndexChanged, this, &LinkQuestion::report),
                                    __FILE__, __LINE__, kFunction);
    }
    ShareTools::checkConnection(connect(m_ui.streamCountSpinBox_2, &QSpinBox::textChanged, this, &LinkQuestion::report),
                                __FILE__, __LINE__, kFunction);
    ShareTools::checkConnection(connect(m_ui.customBandEdit, &QLineEdit::textChanged, this, &LinkQuestion::report),
                                __FILE__, __LINE__, kFunction);
    ShareTools::checkConnection(connect(m_ui.customBandCheckbox_2, &QCheckBox::stateChanged, this, &LinkQuestion::report),
                                __FILE__, __LINE__, kFunction);
    ShareTools::checkConnection(connect(m_ui.customBandCheckbox_2, &QCheckBox::stateChanged, this,
                                        &LinkQuestion::followCustomChoice),
                                __FILE__, __LINE__, kFunction);
    ShareTools::checkConnection(connect(m_ui.netLinkCombox_2, &QComboBox::currentIndexChanged, this,
                                        &LinkQuestion::fillBandwidths),
                                __FILE__, __LINE__, kFunction);
}

void LinkQuestion::followCustomChoice()
{
    const bool custom = m_ui.customBandCheckbox_2->isChecked();
    m_ui.customBandEdit->setEnabled(custom);
    m_ui.netLinkCombox_2->setEnabled(!custom);
    m_ui.selectBandCombox_2->setEnabled(!custom);
}

void LinkQuestion::fillBandwidths()
{
    const QString connectionType = m_ui.netLinkCombox_2->currentData(kLinkKeyRole).toString();
    // Refilled with the box connected: the encoding question is reported for
    // the emptied box and again for the first bandwidth.
    m_ui.selectBandCombox_2->clear();
    const QVector<ShowValueItem> bandwidths = m_store.getConnectionBandwidths(connectionType);
    auto* model = qobject_cast<QStandardItemModel*>(m_ui.selectBandCombox_2->model());
    for (const ShowValueItem& bandwidth : bandwidths) {
        // Whole before it goes in: the first item becomes the current one at
        // once, and the question reported then needs its key.
        auto* item = new QStandardItem(DataName::shown(bandwidth.show));
        item->setData(bandwidth.value, kBandwidthMbpsRole);
        item->setData(bandwidth.show, kBandwidthKeyRole);
        model->appendRow(item); // the model owns its items
    }
}

LinkQuestion::Choice LinkQuestion::choice() const
{
    Choice choice;
    choice.type = m_ui.netLinkCombox_2->currentData(kLinkKeyRole).toString();
    choice.bandwidth = m_ui.selectBandCombox_2->currentData(kBandwidthKeyRole).toString();
    choice.custom = m_ui.customBandCheckbox_2->isChecked();
    choice.customMbps = m_ui.customBandEdit->text();
    return choice;
}

void LinkQuestion::showChoice(const Choice& choice)
{
    // Each step refills the boxes after it, as a person's choice would.
    const int type = m_ui.netLinkCombox_2->findData(choice.type, kLinkKeyRole);
    if (type >= 0)
        m_ui.netLinkCombox_2->setCurrentIndex(type);
    const int bandwidth = m_ui.selectBandCombox_2->findData(choice.bandwidth, kBandwidthKeyRole);
    if (bandwidth >= 0)
        m_ui.selectBandCombox_2->setCurrentIndex(bandwidth);
    if (!choice.customMbps.isEmpty())
        m_ui.customBandEdit->setText(choice.customMbps);
    m_ui.customBandCheckbox_2->setChecked(choice.custom);
}

void LinkQuestion::report()
{
    CodeParameter parameter;
    // An unreadable custom bandwidth counts as none, and the field says so.
    const std::optional<double> custom = readBandwidth(m_ui.customBandEdit->text());
    FieldMark::mark(m_ui.customBandEdit, !custom && !m_ui.customBandEdit->text().trimmed().isEmpty(),
                    tr("Enter the bandwidth in Mbps as a plain number, such as 2.5."));
    if (m_ui.customBandCheckbox_2->isChecked()) {
        parameter.bandwidth = custom.value_or(0.0) * BandwidthTotal::kKbpsPerMbps;
    } else {
        parameter.bandwidth =
            m_store.getConnectionBandwidth(m_ui.netLinkCombox_2->currentData(kLinkKeyRole).toString(),
                                           m_ui.selectBandCombox_2->currentData(kBandwidthKeyRole).toString())
            * BandwidthTotal::kKbpsPerMbps;
    }
    parameter.streamCount = m_ui.streamCountSpinBox_2->text().toInt(nullptr, 10);
    // The boxes hold translations, but the words compared are the source
    // texts.
    parameter.deviceType =
        encodingCode(deviceKindFromText(m_ui.deviceTypeCombox_2->currentText()).value_or(DeviceKind::Dvr));
    parameter.videoStandard = m_ui.sSystemCombox_2->currentText() == QLatin1String("PAL") ? 0 : 1;
    parameter.encodingType = m_ui.encodingTypeCombox_2->currentText();
    parameter.streamType = m_ui.streamTypeCombox_2->currentIndex() == 0 ? 0 : 1;
    Q_EMIT changed(parameter);
}
