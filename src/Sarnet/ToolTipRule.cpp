#include "ToolTipRule.h"

#include <Fenwork/PlainText.h>

#include <QAbstractButton>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <QVariant>

namespace apt {

namespace {
// A property that is absent or holds a text never set. Qt 6's
// QVariant::isNull() no longer looks into the string, so check it here.
bool isNullProperty(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return true;
    if (value.metaType().id() == QMetaType::QString)
        return value.toString().isNull();
    return false;
}

// The tip shows the text as the widget does: a rich label's markup as
// markup, anything else as written, so a name from a file never turns into
// HTML in its tip.
QString tipText(const QObject* receiver, const QString& text)
{
    if (const auto* label = qobject_cast<const QLabel*>(receiver)) {
        if (label->textFormat() != Qt::PlainText)
            return text;
    }
    if (qobject_cast<const QAbstractButton*>(receiver))
        return aptui::PlainText::toolTip(aptui::PlainText::withoutMnemonics(text));
    return aptui::PlainText::toolTip(text);
}

bool showTip(const QObject* receiver, const QVariant& value, QEvent* event)
{
    if (isNullProperty(value))
        return false;
    auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), tipText(receiver, value.toString()));
    return true;
}
} // namespace

bool ToolTipRule::handle(QObject* receiver, QEvent* event)
{
    if (!receiver || !event || event->type() != QEvent::ToolTip)
        return false;
    if (isNullProperty(receiver->property("toolTip")) || receiver->inherits("QLineEdit"))
        return false;
    if (showTip(receiver, receiver->property("text"), event))
        return true;
    return showTip(receiver, receiver->property("currentText"), event);
}

} // namespace apt
