#include "NetworkPlaceEditor.h"

#include <data/NetworkCheck.h>

#include <Fenwork/PlainText.h>

#include <QComboBox>
#include <QFormLayout>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

void refill(QComboBox* box, const QVector<QPair<QString, QString>>& items)
{
    const QString kept = box->currentData().toString();
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItem(NetworkPlaceEditor::tr("None"), QString());
    for (const auto& item : items)
        box->addItem(item.second, item.first);
    box->setCurrentIndex(std::max(0, box->findData(kept)));
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
    m_fields = new QWidget(this);
    m_fields->setObjectName(QStringLiteral("m_widgetNetworkPlaceFields"));
    m_fields->hide();
    outer->addWidget(m_fields);
    connect(m_header, &QToolButton::toggled, this, &NetworkPlaceEditor::unfold);

    auto* layout = new QFormLayout(m_fields);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(2);
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_switch = new QComboBox(m_fields);
    m_switch->setObjectName(QStringLiteral("m_comboPlaceSwitch"));
    m_switch->addItem(tr("None"), QString());
    layout->addRow(tr("Switch :"), m_switch);
    m_recorder = new QComboBox(m_fields);
    m_recorder->setObjectName(QStringLiteral("m_comboPlaceRecorder"));
    m_recorder->addItem(tr("None"), QString());
    layout->addRow(tr("Recorder :"), m_recorder);
    m_poeClass = new QComboBox(m_fields);
    m_poeClass->setObjectName(QStringLiteral("m_comboPoeClass"));
    m_poeClass->addItem(tr("None (own supply)"), NetworkPlace::kNoPoe);
    for (int poeClass = 0; poeClass <= NetworkPlace::kMaxPoeClass; ++poeClass)
        m_poeClass->addItem(poeClassText(poeClass), poeClass);
    layout->addRow(tr("PoE class :"), m_poeClass);

    for (QComboBox* box : { m_switch, m_recorder, m_poeClass })
        connect(box, &QComboBox::currentIndexChanged, this, &NetworkPlaceEditor::placeChanged);
    connect(this, &NetworkPlaceEditor::placeChanged, this, &NetworkPlaceEditor::showSummary);
    showSummary();
    // Shown once the plan has a switch or a recorder to choose: a plan
    // without a network has nothing to place its groups on, and the line
    // would cost "+ Add" its room at the window's smallest height.
    hide();
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
    NetworkPlace place;
    place.switchId = m_switch->currentData().toString();
    place.recorderId = m_recorder->currentData().toString();
    place.poeClass = m_poeClass->currentData().toInt();
    return place;
}

void NetworkPlaceEditor::setPlace(const NetworkPlace& place)
{
    {
        const QSignalBlocker a(m_switch);
        const QSignalBlocker b(m_recorder);
        const QSignalBlocker c(m_poeClass);
        m_switch->setCurrentIndex(std::max(0, m_switch->findData(place.switchId)));
        m_recorder->setCurrentIndex(std::max(0, m_recorder->findData(place.recorderId)));
        m_poeClass->setCurrentIndex(std::max(0, m_poeClass->findData(place.poeClass)));
    }
    showSummary();
}

void NetworkPlaceEditor::setNetwork(const PlanNetwork& network)
{
    QVector<QPair<QString, QString>> switches;
    for (const NetworkSwitch& sw : network.switches)
        switches.append({ sw.id, sw.name });
    QVector<QPair<QString, QString>> recorders;
    for (const NetworkRecorder& recorder : network.recorders)
        recorders.append({ recorder.id, recorder.name });
    refill(m_switch, switches);
    refill(m_recorder, recorders);
    showSummary();
    setVisible(!network.isEmpty());
}

QString NetworkPlaceEditor::summaryText() const
{
    const NetworkPlace shown = place();
    if (!shown.isSet())
        return tr("none");
    // What is set, short enough for the folded line.
    QStringList parts;
    if (!shown.switchId.isEmpty())
        parts << m_switch->currentText();
    if (!shown.recorderId.isEmpty())
        parts << m_recorder->currentText();
    if (shown.poeClass != NetworkPlace::kNoPoe)
        parts << tr("PoE %1").arg(shown.poeClass);
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
    m_header->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
    m_fields->setVisible(open);
}
