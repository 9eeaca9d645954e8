#include "ShareTools.h"

#include <QLayout>
#include <QStyle>
#include <QWidget>
#include <QtDebug>

namespace ShareTools {

void debugMessage(const QString& text)
{
    qDebug().noquote() << text;
}

bool checkConnection(const QMetaObject::Connection& connection, const char* file, int line, const char* function)
{
    if (connection)
        return true;
    debugMessage(QStringLiteral("connect failure! ") + QString::fromUtf8(file) + QLatin1Char(':')
                 + QString::number(line) + QStringLiteral(" in ") + QString::fromLatin1(function));
    return false;
}

void reloadStyle(QWidget* widget)
{
    if (!widget)
        return;
    QStyle* style = widget->style();
    style->unpolish(widget);
    style->polish(widget);
    widget->update();
}

void clearLayout(QLayout* layout)
{
    if (!layout)
        return;
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QLayout* child = item->layout())
            clearLayout(child);
        delete item; // the item only, never the widget it held
    }
}

} // namespace ShareTools
