#include "DeviceAddPage.h"

#include "ui_DeviceAddPage.h"

#include "CardSelection.h"

#include "BandWidthPage/BandWidthPage.h"
#include "BulkEditDialog/BulkEditDialog.h"
#include "DeviceItemWidget/DeviceItemWidget.h"
#include "DeviceListWidget/DeviceListWidget.h"
#include "PlanDocument.h"

#include <Fenwork/ShareTools.h>
#include <Fenwork/WindowSheets.h>

#include <data/EncodingCalculator.h>
#include <data/GroupBulkChange.h>
#include <data/PlanFile.h>
#include <data/PlanTotals.h>
#include <data/StandardSwitch.h>
#include <data/SiteCheck.h>
#include <data/StorageCalculator.h>
#include <edit/PlanEditor.h>

#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QSet>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <limits>

namespace {

int clampedToInt(qint64 value)
{
    return static_cast<int>(std::min<qint64>(value, std::numeric_limits<int>::max()));
}

// Whether a new group differs from the old one only by what a change of the
// video standard rewrites: the card then updates those two fields alone.
bool onlyRateChanged(const StructDeviceItem& a, const StructDeviceItem& b)
{
    return a.sceneName.isEmpty() && b.sceneName.isEmpty() && a.deviceType == b.deviceType
        && a.channelName == b.channelName && a.encodingType == b.encodingType && a.streamCount == b.streamCount
        && a.channelCount == b.channelCount && a.resolution == b.resolution && a.groupNumber == b.groupNumber;
}

} // namespace

DeviceAddPage::DeviceAddPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::DeviceAddWidget>())
    , m_calculator(std::make_unique<EncodingCalculator>())
{
    m_ui->setupUi(this);
}

DeviceAddPage::~DeviceAddPage()
{
    // The plan outlives the page; the cards go without a word to it.
    m_ui->deviceListWidget->clearRows();
}

void DeviceAddPage::setDocument(PlanDocument* document)
{
    Q_ASSERT(!m_document);
    m_document = document;
    m_planEditor = document->editor();
    const Plan* plan = document->plan();
    m_ui->deviceListWidget->setCellMaker([this, plan](int row) { return makeCard(plan->groupAt(row)); });
    m_ui->deviceListWidget->setCellBinder([this, plan](QWidget* cell, int row) {
        auto* card = static_cast<DeviceItemWidget*>(cell);
        card->setDeviceItem(plan->groupAt(row).device);
        showRecording(card, plan->groupAt(row));
        // A card bound to another row carries that row's mark.
        markEditing(card, plan->groupAt(row).device.groupNumber);
        markSelected(card);
        showSiteState(card, row);
    });
    m_selection = new CardSelection(plan, this);
    connect(m_selection, &CardSelection::changed, this, &DeviceAddPage::showSelection);
    connect(plan, &Plan::groupInserted, this, &DeviceAddPage::onGroupInserted);
    connect(plan, &Plan::groupRemoved, this, &DeviceAddPage::onGroupRemoved);
    connect(plan, &Plan::groupsReplaced, this, &DeviceAddPage::onGroupsReplaced);
    connect(plan, &Plan::groupsReset, this, &DeviceAddPage::onGroupsReset);
    connect(m_planEditor, &PlanEditor::groupAdded, this, &DeviceAddPage::onGroupAdded);
    connect(document, &PlanDocument::totalsChanged, this, &DeviceAddPage::publishTotals);
    connect(document, &PlanDocument::totalsChanged, this, &DeviceAddPage::showSiteStates);
    onGroupsReset();
}

DeviceItemWidget* DeviceAddPage::cardOf(int groupNumber) const
{
    return cardAt(m_planEditor->plan()->rowOfNumber(groupNumber));
}

void DeviceAddPage::onSetDeviceTypeData(QVector<StructDeviceItem> deviceItems)
{
    QUndoStack* history = m_planEditor->undoStack();
    history->beginMacro(tr("Replace all groups"));
    clearDeviceItems();
    for (const StructDeviceItem& deviceItem : std::as_const(deviceItems))
        onAddDeviceTypeItem(deviceItem);
    history->endMacro();
}

void DeviceAddPage::onAddDeviceTypeItem(StructDeviceItem deviceTypeItem)
{
    onAddGroup(PlanGroup{ deviceTypeItem, RecordingSettings() });
}

void DeviceAddPage::onAddGroup(const PlanGroup& group)
{
    m_planEditor->addGroup(group);
}

void DeviceAddPage::onAddGroupAfter(int groupNumber, const PlanGroup& group)
{
    const int original = m_planEditor->plan()->rowOfNumber(groupNumber);
    if (original < 0) {
        onAddGroup(group);
        return;
    }
    m_planEditor->insertGroup(original + 1, group);
}

void DeviceAddPage::onDuplicateGroup(int groupNumber)
{
    const Plan* plan = m_planEditor->plan();
    const int row = plan->rowOfNumber(groupNumber);
    if (row < 0)
        return;
    PlanGroup copy = plan->groupAt(row);
    Q_EMIT signalDuplicateDevice(copy.device);
    const QString name = PlanFile::nameWithoutNumber(copy.device);
    copy.device.groupNumber = plan->lowestFreeGroupNumber();
    copy.device.channelName = PlanFile::numberedName(name, copy.device.groupNumber);
    onAddGroupAfter(groupNumber, copy);
}

void DeviceAddPage::editGroup(int groupNumber)
{
    const Plan* plan = m_planEditor->plan();
    const int row = plan->rowOfNumber(groupNumber);
    if (row < 0)
        return;
    Q_EMIT signalEditDevice(plan->groupAt(row).device);
    Q_EMIT signalEditGroup(plan->groupAt(row));
}

void DeviceAddPage::setEditedGroup(int groupNumber)
{
    const int previous = m_editedGroupNumber;
    m_editedGroupNumber = groupNumber;
    for (int number : { previous, groupNumber }) {
        if (DeviceItemWidget* card = number > 0 ? cardOf(number) : nullptr)
            markEditing(card, number);
    }
}

void DeviceAddPage::markEditing(DeviceItemWidget* card, int groupNumber) const
{
    const bool editing = groupNumber > 0 && groupNumber == m_editedGroupNumber;
    if (card->property("editing").toBool() == editing)
        return;
    card->setProperty("editing", editing);
    ShareTools::reloadStyle(card);
}

void DeviceAddPage::markSelected(DeviceItemWidget* card) const
{
    const bool selected = m_selection->contains(card->groupNumber());
    if (card->property("selected").toBool() == selected)
        return;
    card->setProperty("selected", selected);
    ShareTools::reloadStyle(card);
}

void DeviceAddPage::showSelection()
{
    // Only the cards that exist: the others get their mark when bound.
    for (QWidget* cell : m_ui->deviceListWidget->cellList())
        markSelected(static_cast<DeviceItemWidget*>(cell));
}

void DeviceAddPage::onDeleteDeviceItem(QWidget* cell, int deviceGroupNumber)
{
    // A card that is no longer listed (a second click before it went away, a
    // stale pointer) must not free a group number a second time: the number
    // may already belong to a new group.
    if (!cell || m_ui->deviceListWidget->rowOf(cell) < 0)
        return;
    // The delete button of one of several chosen cards deletes them all.
    if (m_selection->count() > 1 && m_selection->contains(deviceGroupNumber)) {
        deleteSelected();
        return;
    }
    m_planEditor->removeGroup(deviceGroupNumber);
}

void DeviceAddPage::deleteSelected()
{
    m_planEditor->removeGroups(m_selection->numbers());
}

void DeviceAddPage::duplicateSelected()
{
    const Plan* plan = m_planEditor->plan();
    const QVector<int> rows = m_selection->rows();
    if (rows.size() == 1) {
        onDuplicateGroup(plan->groupAt(rows.first()).device.groupNumber);
        return;
    }
    if (rows.isEmpty())
        return;
    QSet<int> taken;
    for (const PlanGroup& group : plan->groups())
        taken.insert(group.device.groupNumber);
    int next = 1;
    QVector<PlanEditor::RowChange> copies;
    copies.reserve(rows.size());
    for (const int row : rows) {
        PlanGroup copy = plan->groupAt(row);
        Q_EMIT signalDuplicateDevice(copy.device);
        // The lowest numbers free, as one copy after another would take them.
        while (taken.contains(next))
            ++next;
        taken.insert(next);
        const QString name = PlanFile::nameWithoutNumber(copy.device);
        copy.device.groupNumber = next;
        copy.device.channelName = PlanFile::numberedName(name, next);
        copies.append({ row + 1, copy });
    }
    m_planEditor->insertGroups(copies, tr("Duplicate %n groups", nullptr, int(copies.size())));
}

void DeviceAddPage::editSelected()
{
    const Plan* plan = m_planEditor->plan();
    const QVector<int> rows = m_selection->rows();
    if (rows.size() == 1) {
        editGroup(plan->groupAt(rows.first()).device.groupNumber);
        return;
    }
    if (rows.isEmpty())
        return;
    QVector<PlanGroup> groups;
    groups.reserve(rows.size());
    for (const int row : rows)
        groups.append(plan->groupAt(row));
    BulkEditDialog dialog(groups, plan->videoStandard(), m_calculator->store(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    changeSelected(dialog.changes());
}

void DeviceAddPage::changeSelected(const GroupBulkChange::Fields& fields)
{
    if (fields.isEmpty())
        return;
    const Plan* plan = m_planEditor->plan();
    const QVector<int> rows = m_selection->rows();
    m_planEditor->replaceGroups(GroupBulkChange(fields).changedRows(plan->groups(), rows, plan->videoStandard(),
                                                                    *m_calculator),
                                tr("Edit %n groups", nullptr, int(rows.size())));
}

void DeviceAddPage::keyPressEvent(QKeyEvent* event)
{
    // Keys the cards and the list leave alone come here while one of them
    // has the focus.
    if (event->matches(QKeySequence::SelectAll)) {
        m_selection->selectAll();
        return;
    }
    if (event->matches(QKeySequence::Delete) && m_selection->count() > 0) {
        deleteSelected();
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && m_selection->count() > 0) {
        m_selection->clear();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DeviceAddPage::onReplaceDeviceItem(const StructDeviceItem& item)
{
    const Plan* plan = m_planEditor->plan();
    const int row = plan->rowOfNumber(item.groupNumber);
    PlanGroup group = row >= 0 ? plan->groupAt(row) : PlanGroup();
    group.device = item;
    onReplaceGroup(group);
}

void DeviceAddPage::onReplaceGroup(const PlanGroup& group)
{
    if (!m_planEditor->replaceGroup(group))
        m_planEditor->addGroup(group); // deleted meanwhile: nothing is lost
}

int DeviceAddPage::getDeviceGroupNumber() const
{
    return m_planEditor->plan()->groupCount();
}

int DeviceAddPage::getAllDeviceCount() const
{
    return clampedToInt(m_document->totals().channels());
}

int DeviceAddPage::getIPCCount() const
{
    return clampedToInt(m_document->totals().ipcChannels());
}

int DeviceAddPage::getDVRCount() const
{
    return clampedToInt(m_document->totals().dvrChannels());
}

void DeviceAddPage::clearDeviceItems()
{
    if (m_planEditor->plan()->groupCount() > 0) {
        m_planEditor->clearGroups(); // the reset reports totals and numbers
        return;
    }
    Q_EMIT signalDeviceDelete(0);
    publishTotals();
}

void DeviceAddPage::onFrametareStandardChanged(VideoStandard videoStandardValue)
{
    if (videoStandardValue != PAL && videoStandardValue != NTSC)
        return;
    m_planEditor->switchStandard(
        videoStandardValue,
        StandardSwitch::changedGroups(m_planEditor->plan()->groups(), videoStandardValue, *m_calculator));
}

void DeviceAddPage::onGroupInserted(int row)
{
    const PlanGroup& group = m_planEditor->plan()->groupAt(row);
    DeviceListWidget* list = m_ui->deviceListWidget;
    list->insertRow(row);
    // The card of a group just added or brought back is there at once.
    list->ensureCell(row);
    Q_EMIT signalGroupNumberInUse(group.device.groupNumber);
}

void DeviceAddPage::onGroupAdded(int row)
{
    // The group the user just added is the one to see; an undo or an opened
    // plan leaves the view where it is.
    m_ui->deviceListWidget->scrollToRow(row);
}

void DeviceAddPage::onGroupRemoved(int row, const PlanGroup& group)
{
    m_ui->deviceListWidget->removeRow(row);
    Q_EMIT signalDeviceDelete(group.device.groupNumber);
}

void DeviceAddPage::onGroupsReplaced(const QVector<int>& rows)
{
    const Plan* plan = m_planEditor->plan();
    for (const int row : rows) {
        DeviceItemWidget* card = cardAt(row);
        if (!card)
            continue;
        const StructDeviceItem& item = plan->groupAt(row).device;
        if (onlyRateChanged(card->deviceItemRef(), item))
            card->setFrameRateAndBitRate(item.frameRate, item.bitrate);
        else
            card->setDeviceItem(item);
        showRecording(card, plan->groupAt(row));
    }
}

void DeviceAddPage::onGroupsReset()
{
    const QVector<PlanGroup>& groups = m_planEditor->plan()->groups();
    m_ui->deviceListWidget->resetRows(int(groups.size()));
    Q_EMIT signalDeviceDelete(0);
    // Ten thousand emits cost a city's reset time even when nobody listens.
    if (!isSignalConnected(QMetaMethod::fromSignal(&DeviceAddPage::signalGroupNumberInUse)))
        return;
    for (const PlanGroup& group : groups)
        Q_EMIT signalGroupNumberInUse(group.device.groupNumber);
}

void DeviceAddPage::showRecording(DeviceItemWidget* card, const PlanGroup& group)
{
    card->setRecordingSummary(tr("%1 days, %2 TB")
                                  .arg(group.recording.retentionDays)
                                  .arg(StorageCalculator::tbText(StorageCalculator::groupBytes(group))));
    std::optional<SiteProblem> problem;
    const SiteCheck::Group check = SiteCheck::checkGroup(group, -1, &problem);
    QString detail;
    if (check.detail) {
        detail = tr("%1 px/m, %2").arg(SiteCheck::pxPerMText(check.detail->pxPerM),
                                       PixelDensity::shownLevel(check.detail->level));
        if (problem)
            detail = tr("%1: below %2").arg(detail, PixelDensity::shownLevel(*group.view.required));
    }
    card->setDetail(detail, problem ? problem->text : QString());
}

DeviceItemWidget* DeviceAddPage::makeCard(const PlanGroup& group)
{
    auto* card = new DeviceItemWidget(m_ui->deviceListWidget, group.device); // the list owns its cells
    showRecording(card, group);
    markEditing(card, group.device.groupNumber);
    markSelected(card);
    connect(card, &DeviceItemWidget::signalDeleteClicked, this, &DeviceAddPage::onDeleteDeviceItem);
    // The card's number is read at the press: the card may stand for
    // another group by then.
    connect(card, &DeviceItemWidget::signalPressed, m_selection, &CardSelection::click);
    connect(card, &DeviceItemWidget::signalEditClicked, this, &DeviceAddPage::editGroup);
    card->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(card, &QWidget::customContextMenuRequested, this,
            [this, card](const QPoint& pos) { showCardMenu(card, card->mapToGlobal(pos)); });
    return card;
}

void DeviceAddPage::showCardMenu(DeviceItemWidget* card, const QPoint& globalPos)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("DeviceAddPage_cardMenu"));
    aptui::WindowSheets::dress(&menu, QStringLiteral("Menus"));
    const int groupNumber = card->groupNumber();
    // A menu on one of several chosen cards acts on all of them.
    m_selection->keepOrSelect(groupNumber);
    const bool several = m_selection->count() > 1;
    const QAction* edit = menu.addAction(several ? tr("Edit selected...") : tr("Edit"));
    const QAction* duplicate = menu.addAction(tr("Duplicate"));
    const QAction* remove = menu.addAction(tr("Delete"));
    const QAction* chosen = menu.exec(globalPos);
    if (chosen == edit)
        several ? editSelected() : editGroup(groupNumber);
    else if (chosen == duplicate)
        several ? duplicateSelected() : onDuplicateGroup(groupNumber);
    else if (chosen == remove)
        several ? deleteSelected() : m_planEditor->removeGroup(groupNumber);
}

void DeviceAddPage::showGroup(int groupNumber)
{
    const int row = m_planEditor->plan()->rowOfNumber(groupNumber);
    if (row < 0)
        return;
    m_ui->deviceListWidget->scrollToRow(row, QAbstractItemView::PositionAtCenter);
    QWidget* card = m_ui->deviceListWidget->ensureCell(row);
    if (!card)
        return;
    card->setFocus(Qt::OtherFocusReason);
    // A list that was hidden places its cards once it is laid out again;
    // the card takes the focus then.
    if (!card->hasFocus())
        QTimer::singleShot(0, card, [card] { card->setFocus(Qt::OtherFocusReason); });
}

void DeviceAddPage::showSiteStates()
{
    // Only the cards that exist: a card made or bound later reads its state
    // then.
    for (QWidget* cell : m_ui->deviceListWidget->cellList()) {
        auto* card = static_cast<DeviceItemWidget*>(cell);
        showSiteState(card, m_ui->deviceListWidget->rowOf(card));
    }
}

void DeviceAddPage::showSiteState(DeviceItemWidget* card, int row) const
{
    const SiteCheck& check = m_document->siteCheck();
    const CheckState state = check.groupState(row);
    QStringList why;
    if (state != CheckState::Ok) {
        const NetworkPlace& place = m_planEditor->plan()->groupAt(row).network;
        for (const SiteProblem& problem : check.problems()) {
            const bool ownSwitch = problem.object == QLatin1String("switch") && problem.id == place.switchId;
            const bool ownRecorder = problem.object == QLatin1String("recorder") && problem.id == place.recorderId;
            if (problem.row == row || ownSwitch || ownRecorder)
                why << problem.text;
        }
    }
    card->setSiteState(state, why.join(QLatin1Char('\n')));
}

DeviceItemWidget* DeviceAddPage::cardAt(int row) const
{
    return qobject_cast<DeviceItemWidget*>(m_ui->deviceListWidget->cellAt(row));
}

void DeviceAddPage::publishTotals()
{
    const PlanTotals& totals = m_document->totals();
    const BandwidthTotal& total = totals.bandwidth();
    Q_EMIT signalDeviceChanged(QString::number(totals.channels()), QString::number(totals.ipcChannels()),
                               QString::number(totals.dvrChannels()), total.windowText(),
                               BandWidthPage::unitText(total.unit()));
}
