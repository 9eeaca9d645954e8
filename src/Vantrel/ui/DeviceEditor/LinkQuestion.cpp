#include "LinkQuestion.h"

#include "ui_LinkQuestion.h"

#include "FieldMark.h"

#include <Fenwork/ShareTools.h>
#include <data/BandwidthTotal.h>
#include <data/DataName.h>
#include <data/DeviceConfigStore.h>
#include <data/DeviceKind.h>

#include <QLocale>
#include <QStandardItemModel>

#include <optional>

namespace {

// The link boxes show translated names; the data files' own names, by which
// the bandwidths are looked up, ride along as item data.
constexpr int kLinkKeyRole = Qt::UserRole;
constexpr int kBandwidthMbpsRole = Qt::UserRole;
constexpr int kBandwidthKeyRole = Qt::UserRole + 1;

// Digits (0 to 9 only) with at most one point and at least one digit.
// Checked by hand: the editor reads its link at start, and a pattern would
// be compiled for this alone.
bool isPlainDecimal(const QString& text)
{
    bool digit = false;
    bool point = false;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digit = true;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

// A custom bandwidth as people type it: digits with one decimal separator,
// the locale's or a point. Anything else (a thousands separator, an
// exponent) is refused rather than guessed at.
std::optional<double> readBandwidth(const QString& typed)
{
    QString text = typed.trimmed();
    const QString separator = QLocale().decimalPoint();
    if (separator != QLatin1String("."))
        text.replace(separator, QLatin1String("."));
    if (!isPlainDecimal(text))
        return std::nullopt;
    return QLocale::c().toDouble(text.endsWith(QLatin1Char('.')) ? text.chopped(1) : text);
}

} // namespace

LinkQuestion::LinkQuestion(const DeviceConfigStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
{
}

LinkQuestion::~LinkQuestion() = default;

void LinkQuestion::fill(const QStringList& encodingTypes)
{
    m_encodingTypes = encodingTypes;
    m_store.getConnectionTypes(m_unmade.linkTypes);
    // The third type, as the form starts (none when there are fewer).
    m_unmade.link.type = m_unmade.linkTypes.value(2);
    m_unmade.link.bandwidth = firstBandwidthOf(m_unmade.link.type);
    m_unmade.link.customMbps = QStringLiteral("0");
    if (m_ui)
        fillForm();
}

void LinkQuestion::makeForm(QWidget* page)
{
    if (m_ui)
        return;
    const Choice standing = choice();
    m_ui = std::make_unique<Ui::LinkQuestion>();
    m_ui->setupUi(page);
    fillForm();
    // Connected before the link is shown: a type chosen refills its
    // bandwidths, as it does for a person.
    connectFields();
    showChoice(standing);
    followCustomChoice();
    report();
}

bool LinkQuestion::hasForm() const
{
    return m_ui != nullptr;
}

QList<QWidget*> LinkQuestion::fields() const
{
    if (!m_ui)
        return {};
    return { m_ui->deviceTypeCombox_2, m_ui->customBandCheckbox_2, m_ui->customBandEdit,
             m_ui->netLinkCombox_2,    m_ui->selectBandCombox_2,   m_ui->sSystemCombox_2,
             m_ui->encodingTypeCombox_2, m_ui->streamTypeCombox_2, m_ui->streamCountSpinBox_2 };
}

void LinkQuestion::fillForm()
{
    m_ui->deviceTypeCombox_2->clear();
    m_ui->deviceTypeCombox_2->addItem(tr("IPC"));
    m_ui->deviceTypeCombox_2->addItem(tr("DVR"));

    m_ui->customBandEdit->setText(QStringLiteral("0"));
    m_ui->customBandEdit->setEnabled(false);

    m_ui->netLinkCombox_2->clear();
    for (const QString& type : std::as_const(m_unmade.linkTypes))
        m_ui->netLinkCombox_2->addItem(DataName::shown(type), type);
    m_ui->netLinkCombox_2->setCurrentIndex(2);
    fillBandwidths();

    m_ui->sSystemCombox_2->clear();
    m_ui->sSystemCombox_2->addItem(tr("PAL"));
    m_ui->sSystemCombox_2->addItem(tr("NTSC"));

    m_ui->encodingTypeCombox_2->clear();
    m_ui->encodingTypeCombox_2->addItems(m_encodingTypes);
    m_ui->encodingTypeCombox_2->setCurrentIndex(1);

    m_ui->streamTypeCombox_2->clear();
    m_ui->streamTypeCombox_2->addItem(tr("Main stream"));
    m_ui->streamTypeCombox_2->addItem(tr("Sub stream"));
    m_ui->streamTypeCombox_2->setCurrentIndex(0);

    // No streams have no resolution to fit.
    m_ui->streamCountSpinBox_2->setMinimum(1);
    m_ui->streamCountSpinBox_2->setValue(1);
    FieldMark::showFrameOf(m_ui->customBandEdit, "QLineEdit");
}

void LinkQuestion::connectFields()
{
    static const char* const kFunction = "LinkQuestion::connectFields";
    // The order matters where one signal feeds two slots: the question is
    // reported before a box that follows it is refilled.
    for (QComboBox* box : { m_ui->deviceTypeCombox_2, m_ui->netLinkCombox_2, m_ui->selectBandCombox_2,
                            m_ui->sSystemCombox_2, m_ui->encodingTypeCombox_2, m_ui->streamTypeCombox_2 }) {
        ShareTools::checkConnection(connect(box, &QComboBox::currentIndexChanged, this, &LinkQuestion::report),
                                    __FILE__, __LINE__, kFunction);
    }
    ShareTools::checkConnection(connect(m_ui->streamCountSpinBox_2, &QSpinBox::textChanged, this, &LinkQuestion::report),
                                __FILE__, __LINE__, kFunction);
    ShareTools::checkConnection(connect(m_ui->customBandEdit, &QLineEdit::textChanged, this, &LinkQuestion::report),
                                __FILE__, __LINE__, kFunction);
    ShareTools::checkConnection(connect(m_ui->customBandCheckbox_2, &QCheckBox::stateChanged, this, &LinkQuestion::report),
                                __FILE__, __LINE__, kFunction);
    ShareTools::checkConnection(connect(m_ui->customBandCheckbox_2, &QCheckBox::stateChanged, this,
                                        &LinkQuestion::followCustomChoice),
                                __FILE__, __LINE__, kFunction);
    ShareTools::checkConnection(connect(m_ui->netLinkCombox_2, &QComboBox::currentIndexChanged, this,
                                        &LinkQuestion::fillBandwidths),
                                __FILE__, __LINE__, kFunction);
}

void LinkQuestion::followCustomChoice()
{
    if (!m_ui)
        return;
    const bool custom = m_ui->customBandCheckbox_2->isChecked();
    m_ui->customBandEdit->setEnabled(custom);
    m_ui->netLinkCombox_2->setEnabled(!custom);
    m_ui->selectBandCombox_2->setEnabled(!custom);
}

QString LinkQuestion::firstBandwidthOf(const QString& linkType) const
{
    const QVector<ShowValueItem> bandwidths = m_store.getConnectionBandwidths(linkType);
    return bandwidths.isEmpty() ? QString() : bandwidths.first().show;
}

void LinkQuestion::fillBandwidths()
{
    if (!m_ui) {
        m_unmade.link.bandwidth = firstBandwidthOf(m_unmade.link.type);
        return;
    }
    const QString connectionType = m_ui->netLinkCombox_2->currentData(kLinkKeyRole).toString();
    // Refilled with the box connected: the encoding question is reported for
    // the emptied box and again for the first bandwidth.
    m_ui->selectBandCombox_2->clear();
    const QVector<ShowValueItem> bandwidths = m_store.getConnectionBandwidths(connectionType);
    auto* model = qobject_cast<QStandardItemModel*>(m_ui->selectBandCombox_2->model());
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
    if (!m_ui)
        return m_unmade.link;
    Choice choice;
    choice.type = m_ui->netLinkCombox_2->currentData(kLinkKeyRole).toString();
    choice.bandwidth = m_ui->selectBandCombox_2->currentData(kBandwidthKeyRole).toString();
    choice.custom = m_ui->customBandCheckbox_2->isChecked();
    choice.customMbps = m_ui->customBandEdit->text();
    return choice;
}

void LinkQuestion::showChoice(const Choice& choice)
{
    if (!m_ui) {
        // As the boxes would take it: a known type refills the bandwidths,
        // then a bandwidth that type offers is chosen.
        Choice& link = m_unmade.link;
        if (m_unmade.linkTypes.contains(choice.type) && choice.type != link.type) {
            link.type = choice.type;
            link.bandwidth = firstBandwidthOf(choice.type);
        }
        for (const ShowValueItem& bandwidth : m_store.getConnectionBandwidths(link.type)) {
            if (bandwidth.show == choice.bandwidth)
                link.bandwidth = choice.bandwidth;
        }
        if (!choice.customMbps.isEmpty())
            link.customMbps = choice.customMbps;
        link.custom = choice.custom;
        report();
        return;
    }
    // Each step refills the boxes after it, as a person's choice would.
    const int type = m_ui->netLinkCombox_2->findData(choice.type, kLinkKeyRole);
    if (type >= 0)
        m_ui->netLinkCombox_2->setCurrentIndex(type);
    const int bandwidth = m_ui->selectBandCombox_2->findData(choice.bandwidth, kBandwidthKeyRole);
    if (bandwidth >= 0)
        m_ui->selectBandCombox_2->setCurrentIndex(bandwidth);
    if (!choice.customMbps.isEmpty())
        m_ui->customBandEdit->setText(choice.customMbps);
    m_ui->customBandCheckbox_2->setChecked(choice.custom);
}

void LinkQuestion::report()
{
    CodeParameter parameter;
    const Choice link = choice();
    // An unreadable custom bandwidth counts as none, and the field says so.
    const std::optional<double> custom = readBandwidth(link.customMbps);
    if (m_ui) {
        FieldMark::mark(m_ui->customBandEdit, !custom && !link.customMbps.trimmed().isEmpty(),
                        tr("Enter the bandwidth in Mbps as a plain number, such as 2.5."));
    }
    if (link.custom)
        parameter.bandwidth = custom.value_or(0.0) * BandwidthTotal::kKbpsPerMbps;
    else
        parameter.bandwidth = m_store.getConnectionBandwidth(link.type, link.bandwidth) * BandwidthTotal::kKbpsPerMbps;
    if (!m_ui) {
        // The form's start: one IPC main stream in PAL, the second encoding.
        parameter.streamCount = 1;
        parameter.deviceType = encodingCode(DeviceKind::Ipc);
        parameter.videoStandard = 0;
        parameter.encodingType = m_encodingTypes.value(1);
        parameter.streamType = 0;
        Q_EMIT changed(parameter);
        return;
    }
    parameter.streamCount = m_ui->streamCountSpinBox_2->text().toInt(nullptr, 10);
    // The boxes hold translations, but the words compared are the source
    // texts.
    parameter.deviceType =
        encodingCode(deviceKindFromText(m_ui->deviceTypeCombox_2->currentText()).value_or(DeviceKind::Dvr));
    parameter.videoStandard = m_ui->sSystemCombox_2->currentText() == QLatin1String("PAL") ? 0 : 1;
    parameter.encodingType = m_ui->encodingTypeCombox_2->currentText();
    parameter.streamType = m_ui->streamTypeCombox_2->currentIndex() == 0 ? 0 : 1;
    Q_EMIT changed(parameter);
}
