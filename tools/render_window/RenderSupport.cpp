#include "RenderSupport.h"
#include <QStyleFactory>
#include <QStyle>
#include <QIcon>
#include <QFont>
#include <Sarnet/StyleSheetBuilder.h>
#include <Sarnet/SkinLoader.h>
#include <Fenwork/TargetPath.h>

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

void dressLikeTheShell()
{
    QFont font(QStringLiteral("Microsoft YaHei"), 9);
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    QApplication::setFont(font);
    apt::SkinLoader::load(aptui::GetTargetPath() + QStringLiteral("plugins/skins/"), QStringLiteral("CommonSkin"));
    if (QStyle* style = QStyleFactory::create(QStringLiteral("CommonStyle")))
        QApplication::setStyle(style);
    qApp->setStyleSheet(apt::StyleSheetBuilder::build(QStringLiteral("Vantrel")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/CommonSkin/Vantrel/Images/Vantrel/Vantrel.png")));
}
