// Renders the program's screens offscreen into PNG files, so a change of a
// layout or a style sheet can be looked at, and compared, without a desktop.
// Run from the program's folder (setup.xml, plug-ins, data):
//   QT_QPA_PLATFORM=offscreen ./render_window [--part <part>] [--geometry] [output folder]
// Parts:
//   window    the whole main window dressed by the shell's skin: both tabs
//             with device groups, the editor's other states, the about popup,
//             the scene data update dialog and a question under the cover
//             (the default)
//   min-size  the window at 1024 x 720, empty and with ten groups, both tabs, in the
//             language of setup.xml, and forced below that size
//   add-page  the device add page with three cards at three widths
//             (--geometry also prints where each card's widgets ended up)
//   capacity  the capacity page, the bandwidth figures and the section bar
//   editor    the device editor in its states
//   frame     the toolkit's frame, about popup and cover with the skin
//   gauge     the bandwidth column's uplink gauge in each of its states
//   report    the PDF report of a 20-group plan (report.pdf, report-zh.pdf)
//   compare   the warehouse example compared with a copy in H.264, and three
//             of its cards chosen and edited together (compare-dialog.png,
//             cards-selected.png, bulk-edit.png)
//   network   the Network tab of the campus example, and its problems list
//             on an example with problems
//   import    the preview of File > Import groups... of an eight-row table,
//             two of its rows refused (import-preview.png)
// The parts that do not start the shell still speak the language of
// setup.xml.
// The output folder defaults to /tmp/render_window.

#include "Parts.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <QTextStream>

#include <cstring>

namespace {

struct Options
{
    QString part = QStringLiteral("window");
    QString outDir = QStringLiteral("/tmp/render_window");
    bool geometry = false;
    bool valid = true;
};

// Read before any application object exists: the window part lets the shell
// create it.
Options parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--part") == 0 && i + 1 < argc)
            options.part = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--geometry") == 0)
            options.geometry = true;
        else if (argv[i][0] == '-')
            options.valid = false;
        else
            options.outDir = QString::fromLocal8Bit(argv[i]);
    }
    return options;
}

// The 9 point font the shell gives the program. The family falls back to the
// system's sans, or stays the platform's when the figures' own "Arial" should
// find its metric twin.
void shellFontSize(bool shellFamily)
{
    QFont font = QApplication::font();
    if (shellFamily) {
        font = QFont(QStringLiteral("Microsoft YaHei"));
        font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    }
    font.setPointSize(9);
    QApplication::setFont(font);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const Options options = parse(argc, argv);
    const QStringList parts = {QStringLiteral("window"), QStringLiteral("min-size"), QStringLiteral("add-page"),
                               QStringLiteral("capacity"), QStringLiteral("editor"), QStringLiteral("frame"),
                               QStringLiteral("gauge"), QStringLiteral("report"), QStringLiteral("detail"),
                               QStringLiteral("compare"), QStringLiteral("network"),
                               QStringLiteral("import")};
    if (!options.valid || !parts.contains(options.part)) {
        QTextStream(stderr) << "usage: render_window [--part " << parts.join(QLatin1Char('|'))
                            << "] [--geometry] [output folder]\n";
        return 2;
    }
    const QDir outDir(options.outDir);
    outDir.mkpath(QStringLiteral("."));

    if (options.part == QLatin1String("window"))
        return renderWindow(argc, argv, outDir) ? 0 : 1;
    if (options.part == QLatin1String("min-size"))
        return renderMinSize(argc, argv, outDir) ? 0 : 1;
    if (options.part == QLatin1String("detail"))
        return renderDetail(argc, argv, outDir) ? 0 : 1;
    if (options.part == QLatin1String("compare"))
        return renderCompare(argc, argv, outDir) ? 0 : 1;
    if (options.part == QLatin1String("network"))
        return renderNetwork(argc, argv, outDir) ? 0 : 1;
    if (options.part == QLatin1String("import"))
        return renderImport(argc, argv, outDir) ? 0 : 1;

    QApplication app(argc, argv);
    bool ok = false;
    if (options.part == QLatin1String("frame")) {
        ok = renderFrame(outDir);
    } else if (options.part == QLatin1String("gauge")) {
        ok = renderGauge(outDir);
    } else if (options.part == QLatin1String("report")) {
        ok = renderReport(outDir);
    } else {
        // The widgets alone, without the skin.
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        if (options.part == QLatin1String("add-page")) {
            ok = renderAddPage(outDir, options.geometry);
        } else if (options.part == QLatin1String("capacity")) {
            shellFontSize(false);
            ok = renderCapacity(outDir);
        } else {
            shellFontSize(true);
            ok = renderEditor(outDir);
        }
    }
    return ok ? 0 : 1;
}
