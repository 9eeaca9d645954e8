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
    if (state == Intermediate && !input.isEmpty() && input != QLatin1String("-")) {
        bool ok = false;
        const qlonglong value = input.toLongLong(&ok);
        if (ok && value > top())
            return Invalid;
    }
    return state;
}

} // namespace aptui
