#include "NetworkPage.h"

#include "NetworkDeleteQuestion.h"
#include "NetworkEdits.h"
#include "NetworkTreeModel.h"
#include "NodeGroupList.h"
#include "RecorderDialog.h"
#include "SwitchDialog.h"
#include "UtilisationDelegate.h"

#include "SkinColours/SkinColours.h"

#include "PlanDocument.h"

#include <data/Plan.h>
#include <Fenwork/PlainText.h>
#include <edit/PlanEditor.h>

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

enum ProblemData { ObjectData = Qt::UserRole, IdData, RowData };
constexpr int kGroupNumberData = NodeGroupList::kGroupNumberRole;

} // namespace

NetworkPage::NetworkPage(PlanDocument* document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
{
    setObjectName(QStringLiteral("NetworkPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);

    auto* buttons = new QHBoxLayout;
    m_addSwitch = new QPushButton(tr("Add switch"), this);
    m_addSwitch->setObjectName(QStringLiteral("m_btnAddSwitch"));
    m_addRecorder = new QPushButton(tr("Add recorder"), this);
    m_addRecorder->setObjectName(QStringLiteral("m_btnAddRecorder"));
    m_edit = new QPushButton(tr("Edit..."), this);
    m_edit->setObjectName(QStringLiteral("m_btnEditNode"));
    m_delete = new QPushButton(tr("Delete"), this);
    m_delete->setObjectName(QStringLiteral("m_btnDeleteNode"));
    for (QPushButton* button : { m_addSwitch, m_addRecorder, m_edit, m_delete })
        buttons->addWidget(button);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("m_splitterNetwork"));
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter, 1);

    m_model = new NetworkTreeModel(this);
    m_tree = new QTreeView(splitter);
    m_tree->setObjectName(QStringLiteral("m_treeNetwork"));
    m_tree->setModel(m_model);
    m_tree->setItemDelegateForColumn(NetworkTreeModel::UseColumn, new UtilisationDelegate(m_tree));
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setUniformRowHeights(true);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    // The figures' columns are as wide as their longest usual text, set once:
    // fitting them to their contents would measure every row on each edit.
    QHeaderView* header = m_tree->header();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(40);
    header->setSectionResizeMode(NetworkTreeModel::NameColumn, QHeaderView::Stretch);
    const QFontMetrics metrics = m_tree->fontMetrics();
    const int padding = 3 * metrics.averageCharWidth();
    const QList<QPair<int, QString>> widest = {
        { NetworkTreeModel::GroupsColumn, tr("Groups") },
        { NetworkTreeModel::LoadColumn, QStringLiteral("999.9 Mbps") },
        { NetworkTreeModel::UseColumn, QStringLiteral("999.9 % 999") },
        { NetworkTreeModel::PortsColumn, tr("Ports / channels") },
        { NetworkTreeModel::PowerColumn, QStringLiteral("999.9 / 999.9 W") },
    };
    for (const auto& column : widest) {
        header->setSectionResizeMode(column.first, QHeaderView::Interactive);
        header->resizeSection(column.first, metrics.horizontalAdvance(column.second) + padding);
    }
    m_tree->setMinimumHeight(120);
    // The groups of the list below can be dropped on another node.
    m_tree->setDragDropMode(QAbstractItemView::DropOnly);
    m_tree->setDropIndicatorShown(true);
    m_tree->viewport()->setAcceptDrops(true);

    auto* lower = new QWidget(splitter);
    auto* lowerLayout = new QHBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    auto* groupColumn = new QVBoxLayout;
    m_groupsTitle = new QLabel(lower);
    m_groupsTitle->setObjectName(QStringLiteral("m_labelNodeGroups"));
    m_groupsTitle->setTextFormat(Qt::PlainText);
    m_groups = new NodeGroupList(lower);
    m_groups->setObjectName(QStringLiteral("m_listNodeGroups"));
    m_groups->setUniformItemSizes(true);
    groupColumn->addWidget(m_groupsTitle);
    groupColumn->addWidget(m_groups);
    auto* problemColumn = new QVBoxLayout;
    m_problemsTitle = new QLabel(lower);
    m_problemsTitle->setObjectName(QStringLiteral("m_labelProblems"));
    m_problemsTitle->setTextFormat(Qt::PlainText);
    m_problems = new QListWidget(lower);
    m_problems->setObjectName(QStringLiteral("m_listProblems"));
    m_problems->setWordWrap(true);
    problemColumn->addWidget(m_problemsTitle);
    problemColumn->addWidget(m_problems);
    lowerLayout->addLayout(groupColumn, 1);
    lowerLayout->addLayout(problemColumn, 2);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    // The tree's own keys: F2 changes the chosen node, Delete deletes it.
    for (const auto& key : { qMakePair(QKeySequence(Qt::Key_F2), &NetworkPage::editCurrent),
                             qMakePair(QKeySequence(QKeySequence::Delete), &NetworkPage::deleteCurrent) }) {
        auto* action = new QAction(m_tree);
        action->setShortcut(key.first);
        action->setShortcutContext(Qt::WidgetShortcut);
        m_tree->addAction(action);
        connect(action, &QAction::triggered, this, key.second);
    }
    connect(m_addSwitch, &QPushButton::clicked, this, &NetworkPage::addSwitch);
    connect(m_addRecorder, &QPushButton::clicked, this, &NetworkPage::addRecorder);
    connect(m_edit, &QPushButton::clicked, this, &NetworkPage::editCurrent);
    connect(m_delete, &QPushButton::clicked, this, &NetworkPage::deleteCurrent);
    connect(m_tree, &QTreeView::doubleClicked, this, &NetworkPage::editCurrent);
    connect(m_tree, &QTreeView::customContextMenuRequested, this, &NetworkPage::showNodeMenu);
    connect(m_model, &NetworkTreeModel::groupsDropped, this, &NetworkPage::placeGroups);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, &NetworkPage::followCurrent);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        m_tree->expandAll();
        followCurrent();
    });
    connect(m_problems, &QListWidget::itemClicked, this, &NetworkPage::problemClicked);
    connect(m_problems, &QListWidget::itemActivated, this, &NetworkPage::problemClicked);
    connect(m_groups, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        Q_EMIT groupRequested(item->data(kGroupNumberData).toInt());
    });
    connect(m_document, &PlanDocument::totalsChanged, this, &NetworkPage::planChanged);
    refresh();
}

NetworkPage::~NetworkPage() = default;

void NetworkPage::showEvent(QShowEvent* event)
{
    if (m_stale)
        refresh();
    QWidget::showEvent(event);
}

void NetworkPage::planChanged()
{
    // A page nobody looks at catches up when it is shown again.
    if (isVisible())
        refresh();
    else
        m_stale = true;
}

void NetworkPage::refresh()
{
    m_stale = false;
    const SiteCheck& check = m_document->siteCheck();
    const QString current = currentId();
    m_model->setNetwork(m_document->plan()->network(), check.switches(), check.recorders());
    if (!current.isEmpty() && currentId() != current)
        selectNode(current);
    showProblems();
    showNodeGroups();
    m_addRecorder->setEnabled(!m_document->plan()->network().switches.isEmpty());
    m_addRecorder->setToolTip(m_addRecorder->isEnabled() ? QString() : tr("A recorder is plugged into a switch: add a switch first."));
}

void NetworkPage::showProblems()
{
    const QVector<SiteProblem>& problems = m_document->siteCheck().problems();
    m_problemsTitle->setText(tr("Problems: %1").arg(problems.size()));
    const QSignalBlocker quiet(m_problems);
    m_problems->clear();
    for (const SiteProblem& problem : problems) {
        // QListWidgetItem shows its text as it is: names from files are
        // never read as markup.
        auto* item = new QListWidgetItem(problem.text, m_problems);
        item->setToolTip(aptui::PlainText::toolTip(problem.text));
        item->setData(ObjectData, problem.object);
        item->setData(IdData, problem.id);
        item->setData(RowData, problem.row);
        item->setForeground(QColor(SkinColours::value(problem.state == CheckState::Over ? "danger" : "warning")));
    }
}

QString NetworkPage::currentId() const
{
    const QModelIndex current = m_tree->currentIndex();
    return current.isValid() ? current.data(NetworkTreeModel::IdRole).toString() : QString();
}

void NetworkPage::selectNode(const QString& id)
{
    const QModelIndex index = m_model->indexOfId(id);
    if (!index.isValid())
        return;
    m_tree->setCurrentIndex(index);
    m_tree->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_tree->scrollTo(index);
}

void NetworkPage::followCurrent()
{
    const bool chosen = m_tree->currentIndex().isValid();
    m_edit->setEnabled(chosen);
    m_delete->setEnabled(chosen);
    showNodeGroups();
}

void NetworkPage::showNodeGroups()
{
    const QModelIndex current = m_tree->currentIndex();
    const QSignalBlocker quiet(m_groups);
    m_groups->clear();
    if (!current.isValid()) {
        m_groupsTitle->setText(tr("Choose a switch or recorder to see its groups."));
        return;
    }
    const QString id = current.data(NetworkTreeModel::IdRole).toString();
    const bool recorder = current.data(NetworkTreeModel::IsRecorderRole).toBool();
    const QString name = m_model->index(current.row(), NetworkTreeModel::NameColumn, current.parent()).data().toString();
    const QVector<PlanGroup>& groups = m_document->plan()->groups();
    for (const PlanGroup& group : groups) {
        const QString& place = recorder ? group.network.recorderId : group.network.switchId;
        if (place != id)
            continue;
        auto* item = new QListWidgetItem(group.device.channelName, m_groups);
        item->setData(kGroupNumberData, group.device.groupNumber);
    }
    m_groupsTitle->setText(recorder ? tr("Groups recording to %1: %2").arg(name).arg(m_groups->count())
                                    : tr("Groups on %1: %2").arg(name).arg(m_groups->count()));
}

void NetworkPage::problemClicked(QListWidgetItem* item)
{
    const QString object = item->data(ObjectData).toString();
    if (object == QLatin1String("switch") || object == QLatin1String("recorder")) {
        selectNode(item->data(IdData).toString());
        return;
    }
    if (object == QLatin1String("group")) {
        const int row = item->data(RowData).toInt();
        if (row >= 0 && row < m_document->plan()->groupCount())
            Q_EMIT groupRequested(m_document->plan()->groupAt(row).device.groupNumber);
    }
}

void NetworkPage::showNodeMenu(const QPoint& pos)
{
    QMenu menu(this);
    menu.addAction(m_addSwitch->text(), this, &NetworkPage::addSwitch);
    QAction* recorder = menu.addAction(m_addRecorder->text(), this, &NetworkPage::addRecorder);
    recorder->setEnabled(m_addRecorder->isEnabled());
    if (m_tree->indexAt(pos).isValid()) {
        menu.addSeparator();
        menu.addAction(m_edit->text(), this, &NetworkPage::editCurrent);
        menu.addAction(m_delete->text(), this, &NetworkPage::deleteCurrent);
    }
    menu.exec(m_tree->viewport()->mapToGlobal(pos));
}

void NetworkPage::addSwitch()
{
    const PlanNetwork& network = m_document->plan()->network();
    NetworkSwitch sw;
    sw.id = NetworkEdits::freeId(network, QStringLiteral("sw"));
    sw.name = tr("Switch %1").arg(network.switches.size() + 1);
    // A new switch hangs from the chosen one, as one adds a floor's switch
    // under its distribution switch.
    const QModelIndex current = m_tree->currentIndex();
    if (current.isValid() && !current.data(NetworkTreeModel::IsRecorderRole).toBool())
        sw.parent = current.data(NetworkTreeModel::IdRole).toString();
    SwitchDialog dialog(network, sw, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PlanNetwork changed = network;
    changed.switches.append(dialog.result());
    m_document->editor()->setNetwork(changed, {}, tr("Add switch"));
    selectNode(sw.id);
}

void NetworkPage::addRecorder()
{
    const PlanNetwork& network = m_document->plan()->network();
    if (network.switches.isEmpty())
        return;
    NetworkRecorder recorder;
    recorder.id = NetworkEdits::freeId(network, QStringLiteral("nvr"));
    recorder.name = tr("Recorder %1").arg(network.recorders.size() + 1);
    const QModelIndex current = m_tree->currentIndex();
    if (current.isValid()) {
        const bool onRecorder = current.data(NetworkTreeModel::IsRecorderRole).toBool();
        const QString id = current.data(NetworkTreeModel::IdRole).toString();
        recorder.switchId = onRecorder ? network.recorders.at(network.recorderIndex(id)).switchId : id;
    }
    RecorderDialog dialog(network, recorder, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PlanNetwork changed = network;
    changed.recorders.append(dialog.result());
    m_document->editor()->setNetwork(changed, {}, tr("Add recorder"));
    selectNode(recorder.id);
}

void NetworkPage::editCurrent()
{
    const QString id = currentId();
    if (id.isEmpty())
        return;
    const PlanNetwork& network = m_document->plan()->network();
    PlanNetwork changed = network;
    QString text;
    if (const int index = network.switchIndex(id); index >= 0) {
        SwitchDialog dialog(network, network.switches.at(index), this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        changed.switches[index] = dialog.result();
        text = tr("Edit switch");
    } else if (const int index = network.recorderIndex(id); index >= 0) {
        RecorderDialog dialog(network, network.recorders.at(index), this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        changed.recorders[index] = dialog.result();
        text = tr("Edit recorder");
    }
    if (changed == m_document->plan()->network())
        return;
    m_document->editor()->setNetwork(changed, {}, text);
    selectNode(id);
}

void NetworkPage::deleteCurrent()
{
    const QString id = currentId();
    if (m_document->plan()->network().switchIndex(id) >= 0)
        deleteSwitch(id);
    else if (m_document->plan()->network().recorderIndex(id) >= 0)
        deleteRecorder(id);
}

void NetworkPage::deleteSwitch(const QString& id)
{
    const PlanData& plan = m_document->plan()->data();
    const PlanNetwork& network = plan.network;
    const NetworkSwitch& sw = network.switches.at(network.switchIndex(id));
    const int groups = NetworkEdits::groupsOnSwitch(plan, id);
    const int nodes = NetworkEdits::nodesUnder(network, id);
    QString destination;
    if (groups > 0 || nodes > 0) {
        QVector<NetworkDeleteQuestion::Choice> choices;
        const int parent = network.switchIndex(sw.parent);
        if (parent >= 0)
            choices.append({ tr("Its parent, %1").arg(network.switches.at(parent).name), sw.parent });
        for (int i : NetworkEdits::possibleParents(network, id)) {
            if (i != parent)
                choices.append({ network.switches.at(i).name, network.switches.at(i).id });
        }
        const bool recorders = NetworkEdits::hasRecorders(network, id);
        if (!recorders)
            choices.append({ tr("None (site uplink)"), QString() });
        const QString question = choices.isEmpty()
            ? tr("%1 holds recorders, and there is no other switch they could be plugged into. "
                 "Add a switch or move its recorders first.").arg(sw.name)
            : nodes == 0 ? tr("%1 holds %n group(s). Where do they go?", nullptr, groups).arg(sw.name)
                         : tr("%1 holds %2 groups and %3 switches or recorders. Where do they go?")
                               .arg(sw.name).arg(groups).arg(nodes);
        NetworkDeleteQuestion ask(tr("Delete switch"), question, choices, this);
        if (ask.exec() != QDialog::Accepted)
            return;
        destination = ask.chosenId();
    }
    const NetworkEdits::Result result = NetworkEdits::removeSwitch(plan, id, destination);
    m_document->editor()->setNetwork(result.network, result.moved, tr("Delete switch"));
}

void NetworkPage::deleteRecorder(const QString& id)
{
    const PlanData& plan = m_document->plan()->data();
    const PlanNetwork& network = plan.network;
    const NetworkRecorder& recorder = network.recorders.at(network.recorderIndex(id));
    const int groups = NetworkEdits::groupsOnRecorder(plan, id);
    QString destination;
    if (groups > 0) {
        QVector<NetworkDeleteQuestion::Choice> choices;
        for (const NetworkRecorder& other : network.recorders) {
            if (other.id != id)
                choices.append({ other.name, other.id });
        }
        choices.append({ tr("None (site uplink)"), QString() });
        NetworkDeleteQuestion ask(tr("Delete recorder"),
                                  tr("%1 records %2 groups. Where do they record now?").arg(recorder.name).arg(groups),
                                  choices, this);
        if (ask.exec() != QDialog::Accepted)
            return;
        destination = ask.chosenId();
    }
    const NetworkEdits::Result result = NetworkEdits::removeRecorder(plan, id, destination);
    m_document->editor()->setNetwork(result.network, result.moved, tr("Delete recorder"));
}

void NetworkPage::placeGroups(const QVector<int>& groupNumbers, const QString& nodeId, bool recorder)
{
    const Plan* plan = m_document->plan();
    QVector<PlanEditor::RowChange> moved;
    for (int number : groupNumbers) {
        const int row = plan->rowOfNumber(number);
        if (row < 0)
            continue;
        PlanGroup group = plan->groupAt(row);
        QString& place = recorder ? group.network.recorderId : group.network.switchId;
        if (place == nodeId)
            continue;
        place = nodeId;
        moved.append({ row, group });
    }
    if (moved.isEmpty())
        return;
    const PlanNetwork& network = plan->network();
    const QString name = recorder ? network.recorders.value(network.recorderIndex(nodeId)).name
                                  : network.switches.value(network.switchIndex(nodeId)).name;
    m_document->editor()->setNetwork(network, moved,
                                     recorder ? tr("Record groups to %1").arg(name) : tr("Move groups to %1").arg(name));
}
