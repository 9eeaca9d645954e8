#include "ToolTipRule.h"

#include <QEvent>
#include <QHelpEvent>
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

bool showTip(const QVariant& value, QEvent* event)
{
    if (isNullProperty(value))
        return false;
    auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), value.toString());
    return true;
}
} // namespace

bool ToolTipRule::handle(QObject* receiver, QEvent* event)
{
    if (!receiver || !event || event->type() != QEvent::ToolTip)
        return false;
    if (isNullProperty(receiver->property("toolTip")) || receiver->inherits("QLineEdit"))
        return false;
    if (showTip(receiver->property("text"), event))
        return true;
    return showTip(receiver->property("currentText"), event);
}

} // namespace apt
