#include "RenderSupport.h"

#include <QApplication>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>

void settle()
{
    for (int round = 0; round < 8; ++round)
        QApplication::processEvents();
}

bool saveShot(QWidget& widget, const QDir& folder, const QString& name)
{
    settle();
    const QString path = folder.filePath(name);
    const bool saved = widget.grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "FAILED ") << path << '\n';
    return saved;
}
