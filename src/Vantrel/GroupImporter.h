#pragma once

#include <QObject>
#include <QString>

class PlanDocument;
class PlanFileController;
class QAction;
class QWidget;

// File → Import groups…: a table of groups (the reports' group table, as
// CSV or a workbook) is read with progress and Cancel, shown in a preview
// with every refused row and its reason, and its good rows join the plan
// as one undoable step. A file that is no such table is refused whole and
// the plan stays as it was.
class GroupImporter : public QObject
{
    Q_OBJECT

public:
    // Notices and progress go through the plan files' prompts, as opening a
    // plan's do.
    GroupImporter(PlanDocument* document, PlanFileController* planFiles, QWidget* window);

    QAction* action() const { return m_action; }

public Q_SLOTS:
    // True when groups were added.
    bool importGroups();
    bool importFile(const QString& path);

private:
    QString askForTable() const;

    PlanDocument* m_document;
    PlanFileController* m_planFiles;
    QWidget* m_window;
    QAction* m_action;
};
