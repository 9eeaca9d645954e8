#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class PlanFileController;
class QWidget;

// Plans a later start of the program handed to this one (a double-click on
// a plan while the window is open). They open as if named at start: unsaved
// work is asked about first. While a dialog is open they wait for it to
// close, so no question is stacked on another and no plan changes under an
// export or an import.
class HandedPlans : public QObject
{
    Q_OBJECT

public:
    HandedPlans(PlanFileController* files, QObject* parent);

    // The paths of one start, absolute.
    void receive(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openWaiting();
    void waitFor(QWidget* dialog);

    PlanFileController* m_files;
    QList<QStringList> m_waiting;
    bool m_opening = false;
    QPointer<QWidget> m_dialog;
};
