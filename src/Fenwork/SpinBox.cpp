#include "SpinBox.h"

#include "ShareTools.h"

#include <QLineEdit>

namespace aptui {

namespace {
const char kInvalidProperty[] = "invalid";

// The typed number without prefix and suffix, if it is a whole number.
bool typedNumber(const QSpinBox& box, const QString& input, qlonglong& value)
{
    QString text = input;
    if (!box.prefix().isEmpty() && text.startsWith(box.prefix()))
        text.remove(0, box.prefix().size());
    if (!box.suffix().isEmpty() && text.endsWith(box.suffix()))
        text.chop(box.suffix().size());
    bool ok = false;
    value = box.locale().toLongLong(text.trimmed(), &ok);
    return ok;
}
} // namespace

SpinBox::SpinBox(QWidget* parent)
    : QSpinBox(parent)
{
    connect(this, &QSpinBox::textChanged, this, &SpinBox::onTextChanged);
}

SpinBox::~SpinBox() = default;

void SpinBox::setClampHint(const QString& aboveMaximum, const QString& belowMinimum)
{
    m_aboveHint = aboveMaximum;
    m_belowHint = belowMinimum;
}

QValidator::State SpinBox::validate(QString& input, int& pos) const
{
    const QValidator::State state = QSpinBox::validate(input, pos);
    qlonglong value = 0;
    // More digits can only make a number above the maximum larger still.
    if (state == QValidator::Invalid && typedNumber(*this, input, value) && value > maximum()) {
        input = prefix() + locale().toString(maximum()) + suffix();
        pos = static_cast<int>(input.size() - suffix().size());
        m_clampPending = true;
        m_clampLimit = maximum();
        return QValidator::Acceptable;
    }
    return state;
}

void SpinBox::fixup(QString& input) const
{
    qlonglong value = 0;
    if (typedNumber(*this, input, value) && (value < minimum() || value > maximum())) {
        const int limit = value < minimum() ? minimum() : maximum();
        input = prefix() + locale().toString(limit) + suffix();
        m_clampPending = true;
        m_clampLimit = limit;
        return;
    }
    QSpinBox::fixup(input);
}

void SpinBox::commitText()
{
    interpretText();
    showPendingClamp();
}

void SpinBox::focusOutEvent(QFocusEvent* event)
{
    QSpinBox::focusOutEvent(event);
    // A clamp to the value the box already held changes no text.
    showPendingClamp();
}

void SpinBox::onTextChanged()
{
    if (m_clampPending)
        showPendingClamp();
    else if (m_clampShown)
        setClampShown(false, 0);
}

void SpinBox::showPendingClamp()
{
    if (!m_clampPending)
        return;
    m_clampPending = false;
    setClampShown(true, m_clampLimit);
    Q_EMIT signalClamped(m_clampLimit);
}

void SpinBox::setClampShown(bool shown, int limit)
{
    m_clampShown = shown;
    setProperty(kInvalidProperty, shown);
    if (!shown) {
        setToolTip(QString());
    } else if (limit == maximum()) {
        setToolTip((m_aboveHint.isEmpty() ? tr("The largest value is %1.") : m_aboveHint).arg(limit));
    } else {
        setToolTip((m_belowHint.isEmpty() ? tr("The smallest value is %1.") : m_belowHint).arg(limit));
    }
    ShareTools::reloadStyle(this);
}

} // namespace aptui
