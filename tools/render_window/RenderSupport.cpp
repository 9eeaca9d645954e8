#include "RenderSupport.h"

#include "ExamplePlans.h"
#include "PlanDocument.h"

#include <data/PlanFile.h>
#include <edit/PlanEditor.h>

#include <QStyleFactory>
#include <QStyle>
#include <QIcon>
#include <QFont>
#include <Sarnet/StyleSheetBuilder.h>
#include <Sarnet/ToolApplicationHull.h>
#include <Sarnet/SkinLoader.h>
#include <Fenwork/TargetPath.h>

#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QTranslator>
#include <QXmlStreamReader>
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
    apt::StyleSheetBuilder::apply(QStringLiteral("Vantrel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/CommonSkin/Vantrel/Images/Vantrel/Vantrel.png")));
}

QString installLanguageOfSetup()
{
    int language = 0;
    QFile setup(aptui::GetTargetPath() + QStringLiteral("setup.xml"));
    if (setup.open(QIODevice::ReadOnly)) {
        QXmlStreamReader xml(&setup);
        bool inTranslator = false;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("Translator")) {
                inTranslator = true;
            } else if (inTranslator && xml.name() == QLatin1String("Value")) {
                language = xml.readElementText().trimmed().toInt();
                break;
            }
        }
    }
    const QString code = language == 1 ? QStringLiteral("zh") : QStringLiteral("en");
    for (const char* prefix : {"Vantrel", "VantrelData", "Fenwork", "Sarnet"}) {
        auto* translator = new QTranslator(qApp);
        if (translator->load(QLatin1String(prefix) + QLatin1Char('_') + code,
                             aptui::GetTargetPath() + QStringLiteral("translations")))
            QCoreApplication::installTranslator(translator);
    }
    return language == 1 ? QStringLiteral("-zh") : QString();
}

bool loadFirstExample(PlanDocument& document)
{
    const QVector<ExamplePlans::Entry> examples = ExamplePlans::available();
    if (examples.isEmpty())
        return false;
    const PlanFile::ReadResult read = PlanFile::read(examples.first().path);
    if (!read.ok)
        return false;
    document.editor()->load(read.plan);
    return true;
}

QString startLikeTheProgram(int& argc, char** argv)
{
    apt::ToolApplicationHull* hull = apt::ToolApplicationHull::instance();
    hull->addTranslationCatalogue(QStringLiteral("VantrelData")); // as the program does
    hull->initialize(argc, argv, QStringLiteral("setup.xml"), QStringLiteral("Vantrel"));
    hull->setAppName(QObject::tr("Vantrel"));
    dressLikeTheShell();
    return hull->language() == 1 ? QStringLiteral("-zh") : QString();
}
