#pragma once

#include <QWidget>

class NetworkTreeModel;
class PlanDocument;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeView;

// The Network section: the site's switches as a tree with their recorders,
// each with the checker's figures; the groups on the chosen node; and every
// problem of the site in one list, a click on which shows its object. The
// switches and recorders are added, changed, moved and deleted here, each
// change one step of the plan's history. Every figure comes from the
// document's site check; the page only shows it.
class NetworkPage : public QWidget
{
    Q_OBJECT

public:
    explicit NetworkPage(PlanDocument* document, QWidget* parent = nullptr);
    ~NetworkPage() override;

    QTreeView* tree() const { return m_tree; }
    NetworkTreeModel* model() const { return m_model; }
    QListWidget* problemList() const { return m_problems; }
    QListWidget* groupList() const { return m_groups; }
    // Selects and shows the switch or recorder with this id.
    void selectNode(const QString& id);
    // The id of the chosen switch or recorder, empty when none is.
    QString currentId() const;

    void addSwitch();
    void addRecorder();
    void editCurrent();
    void deleteCurrent();

Q_SIGNALS:
    // The user asked to see a group's card.
    void groupRequested(int groupNumber);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void planChanged();
    void refresh();
    void showProblems();
    void showNodeGroups();
    void followCurrent();
    void problemClicked(QListWidgetItem* item);
    void showNodeMenu(const QPoint& pos);
    void deleteSwitch(const QString& id);
    void deleteRecorder(const QString& id);
    // Puts the groups on a switch, or has them record to a recorder.
    void placeGroups(const QVector<int>& groupNumbers, const QString& nodeId, bool recorder);

    PlanDocument* m_document;
    NetworkTreeModel* m_model = nullptr;
    QTreeView* m_tree = nullptr;
    QPushButton* m_addSwitch = nullptr;
    QPushButton* m_addRecorder = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
    QLabel* m_groupsTitle = nullptr;
    QListWidget* m_groups = nullptr; // a NodeGroupList
    QLabel* m_problemsTitle = nullptr;
    QListWidget* m_problems = nullptr;
    bool m_stale = true;
};
