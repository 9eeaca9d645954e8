#include "NetworkTreeModel.h"

#include "NodeGroupList.h"
#include "SkinColours/SkinColours.h"

#include <data/UplinkCheck.h>

#include <Fenwork/PlainText.h>

#include <QColor>
#include <QHash>

#include <cmath>

namespace {

constexpr quintptr kNoParent = 0;

QString percentText(double utilisation)
{
    // Rounded up to a tenth, as the site gauge does, so a figure never
    // looks greener than its colour.
    return QStringLiteral("%1 %").arg(std::ceil(utilisation * 1000.0 - 1e-9) / 10.0);
}

QString wattsText(double watts)
{
    return QString::number(std::round(watts * 10.0) / 10.0);
}

QVariant stateColour(CheckState state)
{
    switch (state) {
    case CheckState::Warn:
        return QColor(SkinColours::value("warning"));
    case CheckState::Over:
        return QColor(SkinColours::value("danger"));
    case CheckState::Ok:
        break;
    }
    return {};
}

} // namespace

NetworkTreeModel::NetworkTreeModel(QObject* parent)
    : QAbstractItemModel(parent)
{
}

NetworkTreeModel::~NetworkTreeModel() = default;

bool NetworkTreeModel::sameTree(const PlanNetwork& network) const
{
    if (network.switches.size() != m_network.switches.size()
        || network.recorders.size() != m_network.recorders.size())
        return false;
    for (int i = 0; i < network.switches.size(); ++i) {
        if (network.switches.at(i).id != m_network.switches.at(i).id
            || network.switches.at(i).parent != m_network.switches.at(i).parent)
            return false;
    }
    for (int i = 0; i < network.recorders.size(); ++i) {
        if (network.recorders.at(i).id != m_network.recorders.at(i).id
            || network.recorders.at(i).switchId != m_network.recorders.at(i).switchId)
            return false;
    }
    return true;
}

void NetworkTreeModel::setNetwork(const PlanNetwork& network, const QVector<SwitchFigures>& switches,
                                  const QVector<RecorderFigures>& recorders)
{
    const bool same = sameTree(network);
    if (!same)
        beginResetModel();
    m_network = network;
    m_switchFigures = switches;
    m_recorderFigures = recorders;
    if (!same) {
        buildTree();
        endResetModel();
        return;
    }
    // The same tree with new figures: the rows stay, with their selection
    // and what is open, and only their cells are asked again.
    announceFigures(-1);
}

void NetworkTreeModel::announceFigures(int parentNode)
{
    const QVector<int>& children = parentNode < 0 ? m_roots : m_nodes.at(parentNode).children;
    if (children.isEmpty())
        return;
    const QModelIndex parentIndex = parentNode < 0 ? QModelIndex()
                                                   : createIndex(m_nodes.at(parentNode).row, 0, quintptr(parentNode + 1));
    Q_EMIT dataChanged(index(0, 0, parentIndex), index(children.size() - 1, ColumnCount - 1, parentIndex));
    for (int child : children)
        announceFigures(child);
}

void NetworkTreeModel::buildTree()
{
    m_nodes.clear();
    m_roots.clear();
    QHash<QString, int> switchNode;
    for (int i = 0; i < m_network.switches.size(); ++i) {
        Node node;
        node.index = i;
        switchNode.insert(m_network.switches.at(i).id, m_nodes.size());
        m_nodes.append(node);
    }
    for (int i = 0; i < m_network.recorders.size(); ++i) {
        Node node;
        node.recorder = true;
        node.index = i;
        m_nodes.append(node);
    }
    for (int n = 0; n < m_nodes.size(); ++n) {
        Node& node = m_nodes[n];
        const QString parentId = node.recorder ? m_network.recorders.at(node.index).switchId
                                               : m_network.switches.at(node.index).parent;
        node.parent = switchNode.value(parentId, -1);
        QVector<int>& siblings = node.parent < 0 ? m_roots : m_nodes[node.parent].children;
        node.row = siblings.size();
        siblings.append(n);
    }
}

QModelIndex NetworkTreeModel::indexOfId(const QString& id, int column) const
{
    for (int n = 0; n < m_nodes.size(); ++n) {
        const Node& node = m_nodes.at(n);
        const QString& nodeId = node.recorder ? m_network.recorders.at(node.index).id
                                              : m_network.switches.at(node.index).id;
        if (nodeId == id)
            return createIndex(node.row, column, quintptr(n + 1));
    }
    return {};
}

QModelIndex NetworkTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column < 0 || column >= ColumnCount || row < 0)
        return {};
    const QVector<int>& children = parent.isValid() ? m_nodes.at(int(parent.internalId() - 1)).children : m_roots;
    if (row >= children.size())
        return {};
    return createIndex(row, column, quintptr(children.at(row) + 1));
}

QModelIndex NetworkTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == kNoParent)
        return {};
    const int parentNode = m_nodes.at(int(child.internalId() - 1)).parent;
    if (parentNode < 0)
        return {};
    return createIndex(m_nodes.at(parentNode).row, 0, quintptr(parentNode + 1));
}

int NetworkTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return m_roots.size();
    if (parent.column() != 0)
        return 0;
    return m_nodes.at(int(parent.internalId() - 1)).children.size();
}

int NetworkTreeModel::columnCount(const QModelIndex&) const
{
    return ColumnCount;
}

QVariant NetworkTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return tr("Name");
    case GroupsColumn:
        return tr("Groups");
    case LoadColumn:
        return tr("Load");
    case UseColumn:
        return tr("Use");
    case PortsColumn:
        return tr("Ports / channels");
    case PowerColumn:
        return tr("PoE / disks");
    default:
        break;
    }
    return {};
}

Qt::ItemFlags NetworkTreeModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags base = QAbstractItemModel::flags(index);
    return index.isValid() ? base | Qt::ItemIsDropEnabled : base;
}

QStringList NetworkTreeModel::mimeTypes() const
{
    return { QString::fromLatin1(NodeGroupList::mimeType()) };
}

Qt::DropActions NetworkTreeModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

bool NetworkTreeModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int row, int,
                                       const QModelIndex& parent) const
{
    // On a node itself (no row), not between nodes.
    return parent.isValid() && row < 0 && !NodeGroupList::groupNumbers(data).isEmpty();
}

bool NetworkTreeModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                    const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    const QModelIndex node = index(parent.row(), NameColumn, parent.parent());
    Q_EMIT groupsDropped(NodeGroupList::groupNumbers(data), node.data(IdRole).toString(),
                         node.data(IsRecorderRole).toBool());
    // The view removes nothing: the groups stay in the plan, only their
    // place changes.
    return false;
}

QVariant NetworkTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Node& node = m_nodes.at(int(index.internalId() - 1));
    if (node.recorder) {
        const RecorderFigures* figures = node.index < m_recorderFigures.size() ? &m_recorderFigures.at(node.index) : nullptr;
        return recorderData(m_network.recorders.at(node.index), figures, index.column(), role);
    }
    const SwitchFigures* figures = node.index < m_switchFigures.size() ? &m_switchFigures.at(node.index) : nullptr;
    return switchData(m_network.switches.at(node.index), figures, index.column(), role);
}

// A figure's cell, the same for switches and recorders.
QVariant NetworkTreeModel::figureCell(int column, int role, const QString& text, CheckState state) const
{
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return text;
    case StateRole:
        return static_cast<int>(state);
    case Qt::ForegroundRole:
        return column == UseColumn ? QVariant() : stateColour(state);
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        break;
    }
    return {};
}

QVariant NetworkTreeModel::switchData(const NetworkSwitch& sw, const SwitchFigures* figures, int column, int role) const
{
    if (role == IdRole)
        return sw.id;
    if (role == IsRecorderRole)
        return false;
    if (column == NameColumn) {
        if (role == Qt::DisplayRole)
            return sw.name;
        if (role == Qt::ToolTipRole)
            return aptui::PlainText::toolTip(tr("%1 (switch %2)").arg(sw.name, sw.id));
        return {};
    }
    if (!figures)
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("–")) : QVariant();
    CheckState state = CheckState::Ok;
    QString text;
    switch (column) {
    case GroupsColumn:
        text = QString::number(figures->groupCount);
        break;
    case LoadColumn:
        text = UplinkCheck::rateText(figures->loadKbps);
        if (role == Qt::ToolTipRole)
            return tr("%1 of %2").arg(text, UplinkCheck::rateText(figures->capacityKbps));
        state = figures->uplinkState;
        break;
    case UseColumn:
        if (role == UtilisationRole)
            return figures->utilisation;
        text = percentText(figures->utilisation);
        state = figures->uplinkState;
        break;
    case PortsColumn:
        text = QStringLiteral("%1 / %2").arg(figures->portsUsed).arg(figures->ports);
        state = figures->portsState;
        break;
    case PowerColumn:
        text = QStringLiteral("%1 / %2 W").arg(wattsText(figures->poeW), wattsText(figures->poeBudgetW));
        state = figures->poeState;
        break;
    default:
        return {};
    }
    return figureCell(column, role, text, state);
}

QVariant NetworkTreeModel::recorderData(const NetworkRecorder& recorder, const RecorderFigures* figures, int column,
                                        int role) const
{
    if (role == IdRole)
        return recorder.id;
    if (role == IsRecorderRole)
        return true;
    if (column == NameColumn) {
        if (role == Qt::DisplayRole)
            return recorder.name;
        if (role == Qt::ToolTipRole)
            return aptui::PlainText::toolTip(tr("%1 (recorder %2)").arg(recorder.name, recorder.id));
        return {};
    }
    if (!figures)
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("–")) : QVariant();
    CheckState state = CheckState::Ok;
    QString text;
    switch (column) {
    case GroupsColumn:
        text = QString::number(figures->groupCount);
        break;
    case LoadColumn:
        text = UplinkCheck::rateText(figures->inputKbps);
        if (role == Qt::ToolTipRole)
            return tr("%1 of %2").arg(text, UplinkCheck::rateText(figures->capacityKbps));
        state = figures->inputState;
        break;
    case UseColumn:
        if (role == UtilisationRole)
            return figures->utilisation;
        text = percentText(figures->utilisation);
        state = figures->inputState;
        break;
    case PortsColumn:
        text = tr("%1 / %2 ch").arg(figures->channelsUsed).arg(figures->channels);
        state = figures->channelsState;
        break;
    case PowerColumn:
        if (!figures->disks)
            text = QStringLiteral("–");
        else if (figures->bays > 0)
            text = tr("%1 / %2 disks").arg(*figures->disks).arg(figures->bays);
        else
            text = tr("%1 disks").arg(*figures->disks);
        state = figures->disksState.value_or(CheckState::Ok);
        break;
    default:
        return {};
    }
    return figureCell(column, role, text, state);
}
