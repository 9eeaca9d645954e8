// Turns the Markdown user manual into the PDF that the program opens on F1:
//   make_manual <manual.md> <help.pdf>
// Pictures are taken relative to the Markdown file; missing ones are left
// out with a note, so the manual builds before its screenshots exist.

#include "ManualDocument.h"
#include "ManualPdfWriter.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Layout needs the font database of a GUI application; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: make_manual <manual.md> <output.pdf>\n");
        return 2;
    }

    ManualDocument manual;
    QString error;
    if (!manual.load(args.at(1), &error)) {
        std::fprintf(stderr, "make_manual: %s\n", qPrintable(error));
        return 1;
    }
    for (const QString& picture : manual.missingPictures())
        std::fprintf(stderr, "make_manual: note: picture %s not found, left out\n", qPrintable(picture));

    int pages = 0;
    if (!ManualPdfWriter::write(manual, args.at(2), &pages, &error)) {
        std::fprintf(stderr, "make_manual: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("make_manual: %s written, %d pages\n", qPrintable(QFileInfo(args.at(2)).absoluteFilePath()),
                pages);
    return 0;
}
