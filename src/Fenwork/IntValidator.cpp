#include "IntValidator.h"

namespace aptui {

IntValidator::IntValidator(int minimum, int maximum, QObject* parent)
    : QIntValidator(minimum, maximum, parent)
{
}

IntValidator::~IntValidator() = default;

QValidator::State IntValidator::validate(QString& input, int& pos) const
{
    const State state = QIntValidator::validate(input, pos);
    if (state == Acceptable || input.isEmpty() || input == QLatin1String("-"))
        return state;
    bool ok = false;
    const qlonglong value = input.toLongLong(&ok);
    if (!ok || value <= top())
        return state;
    if (!m_clamps)
        return Invalid;
    input = QString::number(top());
    pos = static_cast<int>(input.size());
    m_clamped = true;
    return Acceptable;
}

bool IntValidator::takeClamped() const
{
    const bool clamped = m_clamped;
    m_clamped = false;
    return clamped;
}

} // namespace aptui
