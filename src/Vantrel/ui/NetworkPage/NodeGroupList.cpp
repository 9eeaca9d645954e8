#include "NodeGroupList.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

const char* NodeGroupList::mimeType()
{
    return "application/x-vantrel-group-numbers";
}

NodeGroupList::NodeGroupList(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::MoveAction);
}

QStringList NodeGroupList::mimeTypes() const
{
    return { QString::fromLatin1(mimeType()) };
}

QMimeData* NodeGroupList::mimeData(const QList<QListWidgetItem*>& items) const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    for (const QListWidgetItem* item : items)
        stream << qint32(item->data(kGroupNumberRole).toInt());
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(mimeType()), bytes);
    return data;
}

QVector<int> NodeGroupList::groupNumbers(const QMimeData* data)
{
    QVector<int> numbers;
    if (!data)
        return numbers;
    const QByteArray bytes = data->data(QString::fromLatin1(mimeType()));
    QDataStream stream(bytes);
    while (!stream.atEnd()) {
        qint32 number = 0;
        stream >> number;
        if (stream.status() != QDataStream::Ok)
            break;
        numbers.append(number);
    }
    return numbers;
}
