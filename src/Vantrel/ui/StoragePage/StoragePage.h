#pragma once

#include <data/PlanTypes.h>
#include <data/StorageOptions.h>

#include <QWidget>

class PlanEditor;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTableWidget;

// The Storage section: the plan's disks (size, RAID, hot spares, file-system
// overhead) and what the plan needs of them for its retention: terabytes,
// data disks, disks to buy, and per group the figures its bytes come from
// (rate, hours, days) with the formulas in tooltips, and its share. Settings are plan edits
// (undoable); the figures follow every change of the plan.
class StoragePage : public QWidget
{
    Q_OBJECT

public:
    StoragePage(PlanEditor* editor, QWidget* parent = nullptr);
    ~StoragePage() override;

    QString totalText() const;
    // A group's share as its bar shows it: "12.5 %", "< 0.1 %".
    static QString shareText(double share);
    int dataDisks() const { return m_dataDisks; }
    int disks() const { return m_disks; }
    // The days on the disks available, as the tab says them; empty when no
    // disks are given.
    QString diskDaysText() const;
    QString problemsText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showSettings();
    void applySettings();
    // Recomputes now when shown, else on the next show: a long plan's table
    // is not refilled for a page nobody looks at.
    void planChanged();
    void refresh();

    PlanEditor* m_editor;
    StorageOptions m_options;
    QComboBox* m_diskSize = nullptr;
    QDoubleSpinBox* m_customDisk = nullptr;
    QComboBox* m_raid = nullptr;
    QSpinBox* m_hotSpares = nullptr;
    QSpinBox* m_overhead = nullptr;
    QSpinBox* m_disksAvailable = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_diskCounts = nullptr;
    QLabel* m_usableDisk = nullptr;
    QLabel* m_diskDays = nullptr;
    QLabel* m_problems = nullptr;
    QTableWidget* m_groups = nullptr;
    bool m_stale = true;
    int m_dataDisks = 0;
    int m_disks = 0;
};
