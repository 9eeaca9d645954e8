#pragma once

#include <QObject>
#include <QSet>
#include <QVector>

class Plan;

// The groups chosen on the Bandwidth tab, by number, so a choice outlives
// the rows moving under it and the cards being bound to other rows. A click
// chooses one group, Ctrl+click adds or drops one, Shift+click the rows
// from the last plain or Ctrl click to this one; Ctrl+A chooses all and
// Escape none. Groups that leave the plan leave the choice, and another plan
// opened starts with nothing chosen.
class CardSelection : public QObject
{
    Q_OBJECT

public:
    explicit CardSelection(const Plan* plan, QObject* parent = nullptr);

    void click(int groupNumber, Qt::KeyboardModifiers modifiers);
    void selectAll();
    void clear();
    // Chooses this group alone, unless it is already chosen (a menu on one
    // of several chosen cards acts on all of them).
    void keepOrSelect(int groupNumber);

    bool contains(int groupNumber) const { return m_numbers.contains(groupNumber); }
    int count() const { return int(m_numbers.size()); }
    // The chosen groups' numbers and rows, in the plan's order.
    QVector<int> numbers() const;
    QVector<int> rows() const;

Q_SIGNALS:
    void changed();

private:
    void dropMissing();
    void setNumbers(QSet<int> numbers);

    const Plan* m_plan;
    QSet<int> m_numbers;
    int m_anchor = 0;
};
