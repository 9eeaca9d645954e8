// The translation sources (translations/*.ts of this checkout) and the files
// the build compiled from them (<program folder>/translations/*.qm).
//
// The source texts of the code are keys, misspellings included; what the
// user reads comes from these files, in English as well as in Chinese. Some
// texts are data the program compares or writes (device and video-standard
// words, the scene CSV template), so their translation must be the text
// itself.

#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "DeviceEditor/DeviceEditor.h"
#include "DeviceItemWidget/DeviceItemWidget.h"
#include "ScenceSelector/ScenceSelector.h"
#include "SectionBar/SectionBar.h"
#include "UpdateDialog/UpdateDialog.h"
#include "Vantrel.h"
#include "PlanDocument.h"

#include <data/DeviceTypes.h>
#include <data/PlanFile.h>
#include <data/PlanRecovery.h>
#include <data/PlanReport.h>
#include <data/PlanTotals.h>
#include <edit/PlanEditor.h>
#include <report/ReportTexts.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

#ifndef VANTREL_TS_DIR
#error "VANTREL_TS_DIR names the folder of the .ts files (tests/translations/CMakeLists.txt)"
#endif

namespace {

// The texts of the code, one pair of files per part of the program.
const QStringList kCodePrefixes = { QStringLiteral("Vantrel"), QStringLiteral("Fenwork"), QStringLiteral("Sarnet") };
// And the names the data files show (tools/data_names.py).
const QString kDataNames = QStringLiteral("VantrelData");
const QStringList kPrefixes = kCodePrefixes + QStringList{ kDataNames };
const QStringList kLanguages = { QStringLiteral("en"), QStringLiteral("zh") };
// Compared as data by the program: the same word in every language.
const QStringList kDataWords = { QStringLiteral("IPC"), QStringLiteral("DVR"), QStringLiteral("PAL"),
                                 QStringLiteral("NTSC") };

struct Message
{
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

struct TsFile
{
    QString error;
    QString language;
    QList<Message> messages;
};

TsFile readTs(const QString& path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("cannot open ") + path;
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            ts.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{ context, QString(), QString(), false };
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            // Unfinished, vanished and obsolete entries carry a type.
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!numerus) {
                message.translation = xml.readElementText();
                ts.messages << message;
                continue;
            }
            // A text with a count has a form for each plural of the
            // language; each is checked as a translation of its own.
            bool anyForm = false;
            while (!xml.atEnd() && !(xml.isEndElement() && xml.name() == QLatin1String("translation"))) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    message.translation = xml.readElementText();
                    ts.messages << message;
                    anyForm = true;
                }
            }
            if (!anyForm) {
                message.translation.clear();
                ts.messages << message;
            }
        }
    }
    if (xml.hasError())
        ts.error = path + QStringLiteral(": ") + xml.errorString();
    return ts;
}

QString tsPath(const QString& prefix, const QString& language)
{
    return QStringLiteral(VANTREL_TS_DIR "/%1_%2.ts").arg(prefix, language);
}

QString qmFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations/");
}

QString describe(const Message& message)
{
    return QStringLiteral("[%1] \"%2\" -> \"%3\"").arg(message.context, message.source, message.translation);
}

QSet<QString> keys(const QList<Message>& messages)
{
    QSet<QString> result;
    for (const Message& message : messages)
        result.insert(message.context + QLatin1Char('\x1f') + message.source);
    return result;
}

QString listKeys(QSet<QString> set)
{
    QStringList list(set.begin(), set.end());
    list.sort();
    return list.join(QStringLiteral("; ")).replace(QLatin1Char('\x1f'), QLatin1String(" :: "));
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?\\d+"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

QStringList markup(const QString& text)
{
    static const QRegularExpression tag(QStringLiteral("<[^<>]*>"));
    QStringList found;
    for (auto it = tag.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    return found;
}

QString leadingBlanks(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return text.left(i);
}

QString trailingBlanks(const QString& text)
{
    qsizetype i = text.size();
    while (i > 0 && text.at(i - 1).isSpace())
        --i;
    return text.mid(i);
}

bool containsWord(const QString& text, const QString& word)
{
    return text.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(word)));
}

bool hasHan(const QString& text)
{
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Han)
            return true;
    }
    return false;
}

// The texts that must reach the user unchanged because they are data.
bool mustStayItself(const Message& message)
{
    if (kDataWords.contains(message.source))
        return true;
    if (message.context == QLatin1String("UpdateDialog") && message.source.endsWith(QLatin1Char('\n')))
        return true; // a line of the scene CSV template
    // A style sheet in a form: translating it would change the look.
    return message.source.contains(QLatin1Char('{')) && message.source.contains(QLatin1Char('}'));
}

// Installs one compiled file for the life of the object.
class InstalledTranslation
{
public:
    explicit InstalledTranslation(const QString& fileName)
    {
        m_loaded = m_translator.load(fileName, qmFolder());
        if (m_loaded)
            QCoreApplication::installTranslator(&m_translator);
    }
    ~InstalledTranslation() { QCoreApplication::removeTranslator(&m_translator); }
    bool loaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private:
    QMap<QString, TsFile> m_files; // "Vantrel_zh" -> its messages

    const TsFile& file(const QString& prefix, const QString& language) const
    {
        return *m_files.find(prefix + QLatin1Char('_') + language);
    }

    void addFileRows()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("language");
        for (const QString& prefix : kPrefixes) {
            for (const QString& language : kLanguages)
                QTest::newRow(qPrintable(prefix + QLatin1Char('_') + language)) << prefix << language;
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString& prefix : kPrefixes) {
            for (const QString& language : kLanguages)
                m_files.insert(prefix + QLatin1Char('_') + language, readTs(tsPath(prefix, language)));
        }
    }

    // --- The translation sources -------------------------------------------

    void sourcesParse_data() { addFileRows(); }
    void sourcesParse()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, language);
        const TsFile& ts = file(prefix, language);
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        QVERIFY(!ts.messages.isEmpty());
        QCOMPARE(ts.language, language == QLatin1String("en") ? QStringLiteral("en_US") : QStringLiteral("zh_CN"));
    }

    void everyTextTranslated_data() { addFileRows(); }
    void everyTextTranslated()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, language);
        QStringList faults;
        for (const Message& message : file(prefix, language).messages) {
            // lupdate skips tr("") (the card's channel-count pattern, empty
            // unless a translation supplies one); should it ever be listed,
            // an empty or a %1 pattern is what the card expects.
            if (message.source.isEmpty()) {
                if (message.context != QLatin1String("DeviceItemWidget"))
                    faults << QStringLiteral("empty source text: ") + describe(message);
                else if (!message.translation.isEmpty() && !message.translation.contains(QLatin1String("%1")))
                    faults << QStringLiteral("count pattern without %1: ") + describe(message);
                continue;
            }
            if (!message.finished || message.translation.isEmpty())
                faults << QStringLiteral("unfinished: ") + describe(message);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void bothLanguagesHoldTheSameTexts_data()
    {
        QTest::addColumn<QString>("prefix");
        for (const QString& prefix : kPrefixes)
            QTest::newRow(qPrintable(prefix)) << prefix;
    }
    void bothLanguagesHoldTheSameTexts()
    {
        QFETCH(QString, prefix);
        const QSet<QString> english = keys(file(prefix, QStringLiteral("en")).messages);
        const QSet<QString> chinese = keys(file(prefix, QStringLiteral("zh")).messages);
        QVERIFY2(english == chinese, qPrintable(QStringLiteral("only English: %1\nonly Chinese: %2")
                                                    .arg(listKeys(english - chinese), listKeys(chinese - english))));
    }

    // The files hold exactly the texts the code asks for: what
    // tools/update_translations.sh would extract today.
    void sourcesMatchTheCode_data()
    {
        QTest::addColumn<QString>("prefix");
        for (const QString& prefix : kCodePrefixes)
            QTest::newRow(qPrintable(prefix)) << prefix;
    }
    void sourcesMatchTheCode()
    {
        QFETCH(QString, prefix);
        const QString lupdate = QStringLiteral(VANTREL_LUPDATE);
        if (!QFileInfo(lupdate).isExecutable())
            QSKIP("lupdate is not installed");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString extracted = dir.filePath(QStringLiteral("extracted.ts"));
        QProcess process;
        process.start(lupdate, { QStringLiteral("-silent"), QStringLiteral("-no-obsolete"),
                                 QStringLiteral("-locations"), QStringLiteral("none"),
                                 QStringLiteral(VANTREL_SOURCE_DIR "/") + prefix, QStringLiteral("-ts"), extracted });
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const TsFile fresh = readTs(extracted);
        QVERIFY2(fresh.error.isEmpty(), qPrintable(fresh.error));

        const QSet<QString> inCode = keys(fresh.messages);
        const QSet<QString> inFile = keys(file(prefix, QStringLiteral("en")).messages);
        QVERIFY2(inCode == inFile,
                 qPrintable(QStringLiteral("run tools/update_translations.sh and translate.\nnew in the code: %1\n"
                                           "gone from the code: %2")
                                .arg(listKeys(inCode - inFile), listKeys(inFile - inCode))));
    }

    // The data names are what tools/update_translations.sh would take from
    // the shipped data files today, and English shows them as they are.
    void dataNamesMatchTheData()
    {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            QSKIP("python3 is not installed");
        QProcess process;
        process.start(python, { QStringLiteral(VANTREL_DATA_NAMES_TOOL), QStringLiteral("--check"),
                                QStringLiteral(VANTREL_DATA_DIR), tsPath(kDataNames, QStringLiteral("en")),
                                tsPath(kDataNames, QStringLiteral("zh")) });
        QVERIFY(process.waitForFinished(60000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardOutput().constData());

        const QList<Message>& english = file(kDataNames, QStringLiteral("en")).messages;
        QVERIFY(!english.isEmpty());
        for (const Message& message : english) {
            QCOMPARE(message.context, QStringLiteral("DataNames"));
            QCOMPARE(message.translation, message.source);
        }
    }

    // A tr() through a name lupdate cannot resolve lands in an empty context,
    // which no class asks for at run time: the text stays untranslated.
    void everyTextBelongsToAClass()
    {
        QStringList orphans;
        for (const QString& prefix : kPrefixes) {
            for (const Message& message : file(prefix, QStringLiteral("en")).messages) {
                if (message.context.isEmpty())
                    orphans << prefix + QStringLiteral(": ") + message.source;
            }
        }
        QVERIFY2(orphans.isEmpty(), qPrintable(orphans.join(QStringLiteral(", "))));
    }

    void dataTextsStayThemselves_data() { addFileRows(); }
    void dataTextsStayThemselves()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, language);
        QStringList faults;
        int templateLines = 0;
        for (const Message& message : file(prefix, language).messages) {
            if (mustStayItself(message) && message.translation != message.source)
                faults << QStringLiteral("must translate to itself: ") + describe(message);
            if (message.context == QLatin1String("UpdateDialog") && message.source.endsWith(QLatin1Char('\n')))
                ++templateLines;
            // "IPC Counts" may become "IPC 数量", never "网络摄像机数量".
            for (const QString& word : kDataWords) {
                if (containsWord(message.source, word) && !containsWord(message.translation, word))
                    faults << QStringLiteral("lost the word ") + word + QStringLiteral(": ") + describe(message);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        if (prefix == QLatin1String("Vantrel"))
            QCOMPARE(templateLines, 3); // header and two example rows
    }

    void markersMarkupAndBlanksKept_data() { addFileRows(); }
    void markersMarkupAndBlanksKept()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, language);
        QStringList faults;
        for (const Message& message : file(prefix, language).messages) {
            if (placeholders(message.source) != placeholders(message.translation))
                faults << QStringLiteral("placeholders differ: ") + describe(message);
            if (markup(message.source) != markup(message.translation))
                faults << QStringLiteral("markup differs: ") + describe(message);
            // The blanks around a text space it from its neighbours in the
            // forms (" Priority Calculate Result 1", "   Screenshot").
            if (leadingBlanks(message.source) != leadingBlanks(message.translation)
                || trailingBlanks(message.source) != trailingBlanks(message.translation))
                faults << QStringLiteral("surrounding blanks differ: ") + describe(message);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void chineseFilesAreChinese()
    {
        // Only the texts that are data, names or format words may stay Latin.
        const QSet<QString> latinAllowed = {
            QStringLiteral("Vantrel"), QStringLiteral("%1 - Vantrel"), QStringLiteral("v3.0.0.1build"), QStringLiteral("Gpbs"),
            QStringLiteral("Mpbs"), QStringLiteral("Kpbs"), QStringLiteral("   PDF"), QStringLiteral("   EXCEL"),
            QStringLiteral("/help.pdf"),
        };
        QStringList faults;
        for (const QString& prefix : kPrefixes) {
            for (const Message& message : file(prefix, QStringLiteral("zh")).messages) {
                if (mustStayItself(message) || latinAllowed.contains(message.source) || message.source.isEmpty())
                    continue;
                if (!hasHan(message.translation))
                    faults << describe(message);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void englishFilesAreEnglish()
    {
        QStringList faults;
        for (const QString& prefix : kPrefixes) {
            for (const Message& message : file(prefix, QStringLiteral("en")).messages) {
                if (hasHan(message.translation))
                    faults << describe(message);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // EncodeingPage tells its two titles apart by comparing the caption it
    // is given (CapacityCalculation's) with its own translation.
    void sharedCaptionsAgree_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("source");
        for (const QString& language : kLanguages) {
            for (const char* source : { "Frame Rate", "Resolution" })
                QTest::newRow(qPrintable(language + QLatin1Char(' ') + QLatin1String(source)))
                    << language << QString::fromLatin1(source);
        }
    }
    void sharedCaptionsAgree()
    {
        QFETCH(QString, language);
        QFETCH(QString, source);
        QStringList translations;
        for (const Message& message : file(QStringLiteral("Vantrel"), language).messages) {
            if (message.source == source
                && (message.context == QLatin1String("CapacityCalculation")
                    || message.context == QLatin1String("EncodeingPage")))
                translations << message.translation;
        }
        QCOMPARE(translations.size(), 2);
        QCOMPARE(translations.at(0), translations.at(1));
    }

    // --- The compiled files ------------------------------------------------

    void compiledFilesLoad_data()
    {
        QTest::addColumn<QString>("fileName");
        for (const QString& prefix : kPrefixes) {
            for (const QString& language : kLanguages) {
                const QString name = prefix + QLatin1Char('_') + language + QStringLiteral(".qm");
                QTest::newRow(qPrintable(name)) << name;
            }
        }
    }
    void compiledFilesLoad()
    {
        QFETCH(QString, fileName);
        QTranslator translator;
        QVERIFY2(translator.load(fileName, qmFolder()), qPrintable(qmFolder() + fileName));
        QVERIFY(!translator.isEmpty());
    }

    void compiledTranslations_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expected");

        const auto row = [](const char* name, const char* file, const char* context, const char* source,
                            const QString& expected) {
            QTest::newRow(name) << QString::fromLatin1(file) << QString::fromLatin1(context)
                                << QString::fromUtf8(source) << expected;
        };
        row("en Encoidng", "Vantrel_en.qm", "SectionBar", "Encoidng", QStringLiteral("Encoding"));
        row("zh Encoidng", "Vantrel_zh.qm", "SectionBar", "Encoidng", QStringLiteral("编码"));
        row("en Scence", "Vantrel_en.qm", "ScenceSelector", "Scence:", QStringLiteral("Scene:"));
        row("en Fixted", "Vantrel_en.qm", "DeviceItemWidget", "Fixted Rate : %1 kbps",
            QStringLiteral("Fixed Rate : %1 kbps"));
        row("en exit", "Vantrel_en.qm", "Vantrel", "Exit the Morvane software?", QStringLiteral("Exit Vantrel?"));
        for (const char* file : { "Vantrel_en.qm", "Vantrel_zh.qm" }) {
            const QString language = QString::fromLatin1(file).mid(8, 2);
            const auto name = [&](const char* what) { return (language + QLatin1Char(' ') + QLatin1String(what)).toUtf8(); };
            row(name("Kpbs").constData(), file, "BandWidthPage", "Kpbs", QStringLiteral("Kbps"));
            row(name("Mpbs").constData(), file, "BandWidthPage", "Mpbs", QStringLiteral("Mbps"));
            row(name("Gpbs").constData(), file, "BandWidthPage", "Gpbs", QStringLiteral("Gbps"));
            row(name("IPC").constData(), file, "DeviceEditor", "IPC", QStringLiteral("IPC"));
            row(name("NTSC").constData(), file, "DeviceEditor", "NTSC", QStringLiteral("NTSC"));
            row(name("template").constData(), file, "UpdateDialog",
                "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n",
                QStringLiteral("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n"));
        }
        // The about box opens the manual of the user's language.
        row("en manual", "Vantrel_en.qm", "AboutDialog", "/help.pdf", QStringLiteral("/help.pdf"));
        row("zh manual", "Vantrel_zh.qm", "AboutDialog", "/help.pdf", QStringLiteral("/help_zh.pdf"));
        row("zh OK", "Fenwork_zh.qm", "aptui::BaseDialog", "OK", QStringLiteral("确定"));
        row("zh Parking Lot", "VantrelData_zh.qm", "DataNames", "Parking Lot", QStringLiteral("停车场"));
        row("en Fibre", "VantrelData_en.qm", "DataNames", "Fibre", QStringLiteral("Fibre"));
        row("zh running", "Sarnet_zh.qm", "apt::ToolApplicationHull::ToolApplicationPrivate",
            " is already running.", QStringLiteral(" 已在运行。"));
    }
    void compiledTranslations()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, expected);
        InstalledTranslation installed(fileName);
        QVERIFY(installed.loaded());
        QCOMPARE(QCoreApplication::translate(context.toUtf8().constData(), source.toUtf8().constData()), expected);
    }

    // --- The program with its translations ---------------------------------

    // The editor fills its boxes with translated words and compares the
    // chosen text with the source word: in Chinese the link question still
    // names an IPC on PAL, and an added group is still an "IPC" or a "DVR".
    void editorKeepsComparingInChinese()
    {
        InstalledTranslation installed(QStringLiteral("Vantrel_zh.qm"));
        QVERIFY(installed.loaded());
        DeviceEditor editor;
        QCOMPARE(editor.findChild<QLabel*>(QStringLiteral("label"))->text(), QStringLiteral("码率类型：        "));

        editor.setCurrentPage(1);
        auto* deviceType = editor.findChild<QComboBox*>(QStringLiteral("deviceTypeCombox_2"));
        auto* standard = editor.findChild<QComboBox*>(QStringLiteral("sSystemCombox_2"));
        QVERIFY(deviceType && standard);
        QSignalSpy spy(&editor, &DeviceEditor::signalCodeParameterChanged);
        standard->setCurrentIndex(1);
        deviceType->setCurrentIndex(1);
        QVERIFY(!spy.isEmpty());
        CodeParameter parameter = spy.last().at(0).value<CodeParameter>();
        QCOMPARE(parameter.deviceType, 1);
        QCOMPARE(parameter.videoStandard, 1);
        standard->setCurrentIndex(0);
        deviceType->setCurrentIndex(0);
        parameter = spy.last().at(0).value<CodeParameter>();
        QCOMPARE(parameter.deviceType, 0);
        QCOMPARE(parameter.videoStandard, 0);

        auto* groupType = editor.findChild<QComboBox*>(QStringLiteral("m_comboBoxDeviceType"));
        QVERIFY(groupType);
        QCOMPARE(groupType->itemText(0), QStringLiteral("IPC"));
        QCOMPARE(groupType->itemText(1), QStringLiteral("DVR"));
    }

    // In Chinese the scene and link names read in Chinese, while the plan
    // keeps the data files' names: it opens in English with the same figures.
    void dataNamesShownTranslatedPlansKeepKeys()
    {
        QStandardPaths::setTestModeEnabled(true); // recent plans, recovery file
        QByteArray saved;
        double total = 0;
        {
            InstalledTranslation program(QStringLiteral("Vantrel_zh.qm"));
            InstalledTranslation names(QStringLiteral("VantrelData_zh.qm"));
            QVERIFY(program.loaded() && names.loaded());
            Vantrel window;
            window.resize(1200, 750);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));

            QTest::mouseClick(window.findChild<QRadioButton*>(QStringLiteral("m_radioButtonVarRate")), Qt::LeftButton);
            QPushButton* parking = nullptr;
            for (QPushButton* button : window.findChild<ScenceSelector*>()->findChildren<QPushButton*>()) {
                if (button->text() == QStringLiteral("停车场"))
                    parking = button;
            }
            QVERIFY(parking);
            QTest::mouseClick(parking, Qt::LeftButton);
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("m_btnAddDevice")), Qt::LeftButton);

            window.sectionBar()->switchEncodingTab();
            auto* link = window.findChild<QComboBox*>(QStringLiteral("netLinkCombox_2"));
            QCOMPARE(link->currentText(), QStringLiteral("以太网"));
            QSignalSpy question(window.deviceEditor(), &DeviceEditor::signalCodeParameterChanged);
            link->setCurrentIndex(link->findText(QStringLiteral("光纤")));
            QCOMPARE(question.last().at(0).value<CodeParameter>().bandwidth, 100 * 1024.0); // Fibre 100 Mbps
            auto* uplink = window.findChild<QComboBox*>(QStringLiteral("uplinkLinkBox"));
            uplink->setCurrentIndex(uplink->findText(QStringLiteral("光纤 100 Mbps")));

            const Plan* plan = window.document()->editor()->plan();
            QCOMPARE(plan->groupCount(), 1);
            const StructDeviceItem group = plan->groupAt(0).device;
            QCOMPARE(group.sceneName, QStringLiteral("Parking Lot"));
            QVERIFY(group.bitrate > 0);
            QCOMPARE(plan->uplink().name, QStringLiteral("Fibre 100 Mbps"));
            auto* card = window.capacityCalculation()->deviceAddPage()->cardOf(group.groupNumber);
            QVERIFY(card->findChild<QLabel*>(QStringLiteral("m_labelScenceName"))->text().contains(QStringLiteral("停车场")));
            const PlanReport report(plan->data(), QDate(2024, 1, 1));
            QVERIFY(ReportTexts::frameRateOrScene(report.groups().at(0)).contains(QStringLiteral("停车场")));

            saved = PlanFile::toJson(plan->data());
            total = PlanTotals(plan->groups()).bandwidth().total();
        }
        // The group's name is the user's text (here the editor's Chinese
        // default); the names from the data files are the keys.
        QVERIFY(saved.contains("\"Parking Lot\""));
        QVERIFY(!saved.contains("停车场") && !saved.contains("光纤"));
        const PlanFile::ReadResult reopened = PlanFile::fromJson(saved, QStringLiteral("plan.vantrel"));
        QVERIFY(reopened.ok);
        QCOMPARE(PlanTotals(reopened.plan.groups).bandwidth().total(), total);
        QCOMPARE(reopened.plan.uplink.name, QStringLiteral("Fibre 100 Mbps"));
        QFile::remove(PlanRecovery::defaultPath());
    }

    // The import and export answers stand on one line in a dialog of fixed
    // size: each must fit beside its icon.
    void updateDialogAnswersFit_data()
    {
        QTest::addColumn<QString>("fileName");
        for (const char* name : { "Vantrel_en.qm", "Vantrel_zh.qm" })
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void updateDialogAnswersFit()
    {
        QFETCH(QString, fileName);
        InstalledTranslation installed(fileName);
        QVERIFY(installed.loaded());
        UpdateDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* tip = dialog.findChild<QLabel*>(QStringLiteral("m_tipText"));
        QVERIFY(tip);
        // The form's margins (11 each side), the icon (16) and the spacing.
        const int room = tip->parentWidget()->width() - 2 * 11 - 16 - 6;
        for (const char* source :
             { "Export Success.", "Export Failure.", "Import Success, Restart Software to Work.", "Import Failure." }) {
            const QString text = UpdateDialog::tr(source);
            QVERIFY2(tip->fontMetrics().horizontalAdvance(text) <= room,
                     qPrintable(QStringLiteral("\"%1\" is %2 px wide, room %3")
                                    .arg(text)
                                    .arg(tip->fontMetrics().horizontalAdvance(text))
                                    .arg(room)));
        }
    }
};

QTEST_MAIN(tst_Translations)
#include "tst_Translations.moc"
