// The preview a user meets after File > Import groups... of a small table
// (six rows to add, two refused with their reasons) into the shop example,
// drawn through the window's own importer, in the language setup.xml
// chooses ("-zh" names for Chinese).

#include "Parts.h"
#include "RenderSupport.h"
#include "GroupImporter.h"
#include "PlanFileController.h"
#include "Vantrel.h"
#include "ui/ImportPreviewDialog/ImportPreviewDialog.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

// The table as a user would have typed it in a spreadsheet, headed in the
// language the program speaks: row 5 asks for a resolution the tables do not
// list, row 8 for a group without channels.
QByteArray groupTable(bool chinese)
{
    const QString heading = chinese ? QStringLiteral("编号,名称,类型,通道数,分辨率,帧率,编码,码率 (kbps),录像方式")
                                    : QStringLiteral("No.,Name,Type,Channels,Resolution,Frame rate,Encoding,"
                                                     "Rate (kbps),Recording");
    const QStringList names = chinese ? QStringList{QStringLiteral("正门"), QStringLiteral("装卸区"),
                                                    QStringLiteral("停车场"), QStringLiteral("后勤办公室"),
                                                    QStringLiteral("楼梯"), QStringLiteral("围墙"),
                                                    QStringLiteral("屋顶"), QStringLiteral("前台")}
                                      : QStringList{QStringLiteral("Main gate"), QStringLiteral("Loading dock"),
                                                    QStringLiteral("Car park"), QStringLiteral("Back office"),
                                                    QStringLiteral("Stairs"), QStringLiteral("Fence line"),
                                                    QStringLiteral("Roof"), QStringLiteral("Reception")};
    const QStringList settings = {
        QStringLiteral("IPC,2,1080P(1920x1080),25,H.265,2048,continuous"),
        QStringLiteral("IPC,4,4MP(2560x1440),25,H.265,4096,continuous"),
        QStringLiteral("IPC,6,1080P(1920x1080),15,H.264,,event"),
        QStringLiteral("IPC,1,5MP(2592x1945),25,H.265,,continuous"),
        QStringLiteral("IPC,3,720P(1280x720),25,H.264,1024,event"),
        QStringLiteral("DVR,8,1080P(1920x1080),25,H.264,2048,continuous"),
        QStringLiteral("IPC,0,1080P(1920x1080),25,H.265,2048,continuous"),
        QStringLiteral("IPC,2,4MP(2560x1440),25,H.265,,mixed"),
    };
    QStringList rows = {heading};
    for (int i = 0; i < settings.size(); ++i)
        rows << QStringLiteral("%1,%2,%3").arg(i + 1).arg(names.at(i), settings.at(i));
    return (rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

} // namespace

bool renderImport(int& argc, char** argv, const QDir& outDir)
{
    const QString suffix = startLikeTheProgram(argc, argv);

    Vantrel window;
    window.resize(1200, 750);
    window.show();
    settle();
    const QList<QAction*> examples = window.planFiles()->examplesMenu()->actions();
    if (!examples.isEmpty())
        examples.constFirst()->trigger();
    settle();

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("cameras.csv"));
    QFile file(path);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly) || file.write(groupTable(!suffix.isEmpty())) < 0) {
        QTextStream(stderr) << "render_window: cannot write " << path << "\n";
        return false;
    }
    file.close();

    // The importer waits in the preview's own loop: the picture is taken
    // from there, then the preview is cancelled so the plan stays as it was.
    bool ok = false;
    bool seen = false;
    int ticks = 0;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, &window, [&] {
        auto* preview = window.findChild<ImportPreviewDialog*>(QStringLiteral("importPreviewDialog"));
        if (!preview || !preview->isVisible()) {
            // A notice in its place (the table refused whole) would wait
            // for a click that never comes.
            if (++ticks > 200) {
                poll.stop();
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                    dialog->reject();
            }
            return;
        }
        poll.stop();
        seen = true;
        ok = saveShot(*preview, outDir, QStringLiteral("import-preview%1.png").arg(suffix));
        preview->reject();
    });
    poll.start();
    window.groupImporter()->importFile(path);
    poll.stop();
    if (!seen)
        QTextStream(stderr) << "render_window: the import showed no preview\n";
    return ok;
}
