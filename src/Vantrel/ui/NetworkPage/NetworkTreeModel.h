#pragma once

#include <data/NetworkFigures.h>
#include <data/PlanNetwork.h>

#include <QAbstractItemModel>
#include <QVector>

// The site's switches as a tree, recorders under their switches, with the
// checker's figures for each: groups, load, use of the link, ports (or
// channels) and power (or disks). A new set of figures for the same tree
// updates the rows in place; only a change of the tree itself resets it.
class NetworkTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column { NameColumn, GroupsColumn, LoadColumn, UseColumn, PortsColumn, PowerColumn, ColumnCount };
    enum Role {
        // The utilisation (load over capacity) as a number, for the bar.
        UtilisationRole = Qt::UserRole + 1,
        // The cell's CheckState as an int; none where it has no state.
        StateRole,
        IdRole,
        IsRecorderRole,
    };

    explicit NetworkTreeModel(QObject* parent = nullptr);
    ~NetworkTreeModel() override;

    void setNetwork(const PlanNetwork& network, const QVector<SwitchFigures>& switches,
                    const QVector<RecorderFigures>& recorders);

    // The node of a switch or recorder id; invalid when there is none.
    QModelIndex indexOfId(const QString& id, int column = 0) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Groups dragged from the page's list are dropped on a node; the model
    // only announces it (groupsDropped), the page makes the edit.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

Q_SIGNALS:
    void groupsDropped(const QVector<int>& groupNumbers, const QString& nodeId, bool recorder);

private:
    struct Node
    {
        bool recorder = false;
        // Its place in the network's switches or recorders.
        int index = -1;
        int parent = -1;
        int row = 0;
        QVector<int> children;
    };

    void buildTree();
    bool sameTree(const PlanNetwork& network) const;
    void announceFigures(int parentNode);
    QVariant figureCell(int column, int role, const QString& text, CheckState state) const;
    QVariant switchData(const NetworkSwitch& sw, const SwitchFigures* figures, int column, int role) const;
    QVariant recorderData(const NetworkRecorder& recorder, const RecorderFigures* figures, int column, int role) const;

    PlanNetwork m_network;
    QVector<SwitchFigures> m_switchFigures;
    QVector<RecorderFigures> m_recorderFigures;
    QVector<Node> m_nodes;
    QVector<int> m_roots;
};
