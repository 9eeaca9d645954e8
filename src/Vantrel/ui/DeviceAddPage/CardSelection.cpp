#include "CardSelection.h"

#include <data/Plan.h>

#include <algorithm>

CardSelection::CardSelection(const Plan* plan, QObject* parent)
    : QObject(parent)
    , m_plan(plan)
{
    connect(plan, &Plan::groupRemoved, this, [this](int, const PlanGroup& group) {
        if (m_numbers.remove(group.device.groupNumber))
            Q_EMIT changed();
    });
    connect(plan, &Plan::groupsReset, this, &CardSelection::dropMissing);
    // Numbers of another plan name other groups.
    connect(plan, &Plan::wholePlanReplaced, this, [this] {
        m_anchor = 0;
        clear();
    });
}

void CardSelection::click(int groupNumber, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ShiftModifier) {
        const int from = m_plan->rowOfNumber(m_anchor);
        const int to = m_plan->rowOfNumber(groupNumber);
        if (from >= 0 && to >= 0) {
            QSet<int> numbers = (modifiers & Qt::ControlModifier) ? m_numbers : QSet<int>();
            for (int row = std::min(from, to); row <= std::max(from, to); ++row)
                numbers.insert(m_plan->groupAt(row).device.groupNumber);
            setNumbers(std::move(numbers));
            return;
        }
    }
    m_anchor = groupNumber;
    if (modifiers & Qt::ControlModifier) {
        QSet<int> numbers = m_numbers;
        if (!numbers.remove(groupNumber))
            numbers.insert(groupNumber);
        setNumbers(std::move(numbers));
        return;
    }
    setNumbers({ groupNumber });
}

void CardSelection::selectAll()
{
    QSet<int> numbers;
    numbers.reserve(m_plan->groupCount());
    for (const PlanGroup& group : m_plan->groups())
        numbers.insert(group.device.groupNumber);
    setNumbers(std::move(numbers));
}

void CardSelection::clear()
{
    setNumbers({});
}

void CardSelection::keepOrSelect(int groupNumber)
{
    if (!contains(groupNumber))
        click(groupNumber, Qt::NoModifier);
}

QVector<int> CardSelection::rows() const
{
    QVector<int> rows;
    if (m_numbers.isEmpty())
        return rows;
    rows.reserve(m_numbers.size());
    const QVector<PlanGroup>& groups = m_plan->groups();
    for (int row = 0; row < groups.size(); ++row) {
        if (m_numbers.contains(groups.at(row).device.groupNumber))
            rows.append(row);
    }
    return rows;
}

QVector<int> CardSelection::numbers() const
{
    QVector<int> numbers;
    for (const int row : rows())
        numbers.append(m_plan->groupAt(row).device.groupNumber);
    return numbers;
}

void CardSelection::dropMissing()
{
    QSet<int> kept;
    for (const PlanGroup& group : m_plan->groups()) {
        if (m_numbers.contains(group.device.groupNumber))
            kept.insert(group.device.groupNumber);
    }
    setNumbers(std::move(kept));
}

void CardSelection::setNumbers(QSet<int> numbers)
{
    if (numbers == m_numbers)
        return;
    m_numbers = std::move(numbers);
    Q_EMIT changed();
}
