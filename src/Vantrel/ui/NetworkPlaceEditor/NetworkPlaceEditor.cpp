#include "NetworkPlaceEditor.h"

#include "DeviceEditor/FocusedWheelFilter.h"

#include <data/NetworkCheck.h>

#include <Fenwork/PlainText.h>

#include <QComboBox>
#include <QFormLayout>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

void fill(QComboBox* box, const QString& none, const QVector<QPair<QString, QString>>& items, const QString& chosen)
{
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItem(none, QString());
    for (const auto& item : items)
        box->addItem(item.second, item.first);
    box->setCurrentIndex(std::max(0, box->findData(chosen)));
}

QString nameOf(const QVector<QPair<QString, QString>>& items, const QString& id)
{
    for (const auto& item : items) {
        if (item.first == id)
            return item.second;
    }
    return QString();
}

bool holds(const QVector<QPair<QString, QString>>& items, const QString& id)
{
    return std::any_of(items.begin(), items.end(), [&id](const auto& item) { return item.first == id; });
}

} // namespace

NetworkPlaceEditor::NetworkPlaceEditor(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("NetworkPlaceEditor"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(4);
    m_header = new QToolButton(this);
    m_header->setObjectName(QStringLiteral("m_btnNetworkPlace"));
    m_header->setCheckable(true);
    m_header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_header->setArrowType(Qt::RightArrow);
    m_header->setAutoRaise(true);
    m_header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // As low as its text, as the View and Recording lines are.
    m_header->setMaximumHeight(m_header->fontMetrics().height() + 4);
    outer->addWidget(m_header);
    connect(m_header, &QToolButton::toggled, this, &NetworkPlaceEditor::unfold);
    connect(this, &NetworkPlaceEditor::placeChanged, this, &NetworkPlaceEditor::showSummary);
    showSummary();
    // Shown once the plan has a switch or a recorder to choose: a plan
    // without a network has nothing to place its groups on, and the line
    // would cost "+ Add" its room at the window's smallest height.
    hide();
}

void NetworkPlaceEditor::makeFields()
{
    if (m_fields)
        return;
    m_fields = new QWidget(this);
    m_fields->setObjectName(QStringLiteral("m_widgetNetworkPlaceFields"));
    m_fields->hide();
    layout()->addWidget(m_fields);

    auto* layout = new QFormLayout(m_fields);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(2);
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_switch = new QComboBox(m_fields);
    m_switch->setObjectName(QStringLiteral("m_comboPlaceSwitch"));
    layout->addRow(tr("Switch :"), m_switch);
    m_recorder = new QComboBox(m_fields);
    m_recorder->setObjectName(QStringLiteral("m_comboPlaceRecorder"));
    layout->addRow(tr("Recorder :"), m_recorder);
    m_poeClass = new QComboBox(m_fields);
    m_poeClass->setObjectName(QStringLiteral("m_comboPoeClass"));
    m_poeClass->addItem(tr("None (own supply)"), NetworkPlace::kNoPoe);
    for (int poeClass = 0; poeClass <= NetworkPlace::kMaxPoeClass; ++poeClass)
        m_poeClass->addItem(poeClassText(poeClass), poeClass);
    layout->addRow(tr("PoE class :"), m_poeClass);
    fillFields();

    for (QComboBox* box : { m_switch, m_recorder, m_poeClass })
        connect(box, &QComboBox::currentIndexChanged, this, &NetworkPlaceEditor::takeFieldChange);

    // In the Tab chain right after the line that unfolds them, as if they
    // had been made with it.
    QWidget* previous = m_header;
    for (QComboBox* box : { m_switch, m_recorder, m_poeClass }) {
        QWidget::setTabOrder(previous, box);
        previous = box;
    }
    FocusedWheelFilter::guardFieldsOf(m_fields);
}

void NetworkPlaceEditor::fillFields()
{
    if (!m_fields)
        return;
    fill(m_switch, tr("None"), m_switches, m_place.switchId);
    fill(m_recorder, tr("None"), m_recorders, m_place.recorderId);
    const QSignalBlocker quiet(m_poeClass);
    m_poeClass->setCurrentIndex(std::max(0, m_poeClass->findData(m_place.poeClass)));
}

void NetworkPlaceEditor::takeFieldChange()
{
    m_place.switchId = m_switch->currentData().toString();
    m_place.recorderId = m_recorder->currentData().toString();
    m_place.poeClass = m_poeClass->currentData().toInt();
    Q_EMIT placeChanged();
}

NetworkPlaceEditor::~NetworkPlaceEditor() = default;

QString NetworkPlaceEditor::poeClassText(int poeClass)
{
    if (poeClass < 0 || poeClass > NetworkPlace::kMaxPoeClass)
        return tr("None (own supply)");
    // The watts the site check reserves for the class at the switch.
    return tr("Class %1 (%2 W)").arg(poeClass).arg(NetworkCheck::poeTenthsOfWatt(poeClass) / 10.0);
}

NetworkPlace NetworkPlaceEditor::place() const
{
    return m_place;
}

void NetworkPlaceEditor::setPlace(const NetworkPlace& place)
{
    // A switch or recorder the plan no longer has reads as none, as a
    // list without it would choose.
    m_place = place;
    if (!holds(m_switches, m_place.switchId))
        m_place.switchId.clear();
    if (!holds(m_recorders, m_place.recorderId))
        m_place.recorderId.clear();
    if (m_place.poeClass < 0 || m_place.poeClass > NetworkPlace::kMaxPoeClass)
        m_place.poeClass = NetworkPlace::kNoPoe;
    fillFields();
    showSummary();
}

void NetworkPlaceEditor::setNetwork(const PlanNetwork& network)
{
    m_switches.clear();
    for (const NetworkSwitch& sw : network.switches)
        m_switches.append({ sw.id, sw.name });
    m_recorders.clear();
    for (const NetworkRecorder& recorder : network.recorders)
        m_recorders.append({ recorder.id, recorder.name });
    setPlace(m_place);
    setVisible(!network.isEmpty());
}

QString NetworkPlaceEditor::summaryText() const
{
    if (!m_place.isSet())
        return tr("none");
    // What is set, short enough for the folded line.
    QStringList parts;
    if (!m_place.switchId.isEmpty())
        parts << nameOf(m_switches, m_place.switchId);
    if (!m_place.recorderId.isEmpty())
        parts << nameOf(m_recorders, m_place.recorderId);
    if (m_place.poeClass != NetworkPlace::kNoPoe)
        parts << tr("PoE %1").arg(m_place.poeClass);
    return parts.join(QStringLiteral(", "));
}

void NetworkPlaceEditor::showSummary()
{
    m_header->setText(tr("Network : %1").arg(summaryText()));
    // Names come from files: the whole line shows in the tooltip when cut.
    m_header->setToolTip(aptui::PlainText::toolTip(m_header->text()));
}

void NetworkPlaceEditor::unfold(bool open)
{
    if (open)
        makeFields();
    m_header->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
    if (m_fields)
        m_fields->setVisible(open);
}
