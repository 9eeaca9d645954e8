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
