#pragma once

#include <QListWidget>
#include <QVector>

// The groups of the chosen switch or recorder, each item a group by its
// number. The chosen items can be dragged onto another node of the tree,
// carrying their numbers.
class NodeGroupList : public QListWidget
{
    Q_OBJECT

public:
    static constexpr int kGroupNumberRole = Qt::UserRole;
    static const char* mimeType();
    // The group numbers a drag carries; empty for anything else.
    static QVector<int> groupNumbers(const QMimeData* data);

    explicit NodeGroupList(QWidget* parent = nullptr);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
};
