#include "ShowValueListCheck.h"

#include <cmath>

ShowValueListCheck::ShowValueListCheck(const QString& file, double maxValue, DataProblems* problems)
    : m_file(file)
    , m_maxValue(maxValue)
    , m_problems(problems)
{
}

std::optional<double> ShowValueListCheck::parseValue(const QString& text, double maxValue)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value <= 0.0 || value > maxValue)
        return std::nullopt;
    return value;
}

void ShowValueListCheck::addItem(const QString& show, const QString& valueText, int line)
{
    const std::optional<double> value = parseValue(valueText, m_maxValue);
    if (!value) {
        reject(line, tr("the value \"%1\" of %2 is not a number above 0 and at most %3")
                         .arg(valueText.trimmed(), show).arg(m_maxValue));
        return;
    }
    if (m_labels.contains(show)) {
        reject(line, tr("%1 is listed twice; the first one is kept").arg(show));
        return;
    }
    m_labels.insert(show);
    m_items.append({show, *value});
}

void ShowValueListCheck::reject(int line, const QString& reason)
{
    if (m_problems)
        m_problems->append({m_file, line, reason});
}
