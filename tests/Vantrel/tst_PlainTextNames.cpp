#include "Vantrel.h"
#include "PlanDocument.h"

#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "DeviceItemWidget/DeviceItemWidget.h"
#include "PlanFileController.h"
#include "ScenceSelector/ScenceSelector.h"
#include "UpdateDialog/UpdateDialog.h"

#include <DeviceGroupBuilder.h>
#include <TempProgramDir.h>
#include <WidgetLookup.h>
#include <data/PlanFile.h>
#include <data/PlanRecovery.h>
#include <edit/PlanEditor.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <algorithm>

namespace {

// What a person reads of a text that Qt may take for HTML.
QString rendered(const QString& text, bool asHtml)
{
    if (!asHtml)
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

QString shownByLabel(const QLabel* label)
{
    const Qt::TextFormat format = label->textFormat();
    return rendered(label->text(),
                    format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(label->text())));
}

QString shownByTip(const QString& tip)
{
    return rendered(tip, Qt::mightBeRichText(tip));
}

// A button's '&' marks its shortcut letter, "&&" is one '&'.
QString shownByButton(const QAbstractButton* button)
{
    const QString text = button->text();
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && ++i == text.size())
            break;
        shown.append(text.at(i));
    }
    return shown;
}

struct ShownText
{
    QString where;
    QString raw;
    QString shown;
};

// Every text a person sees in a window, and reads in its tips.
QVector<ShownText> shownTexts(const QWidget* window)
{
    QVector<ShownText> texts;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        const QString where =
            QStringLiteral("%1 %2").arg(QLatin1String(widget->metaObject()->className()), widget->objectName());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts.append({ where, label->text(), shownByLabel(label) });
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts.append({ where, button->text(), shownByButton(button) });
        if (!widget->toolTip().isEmpty())
            texts.append({ where + QStringLiteral(" (tip)"), widget->toolTip(), shownByTip(widget->toolTip()) });
    }
    return texts;
}

// A text that carries the name, as written or escaped for HTML or for a
// shortcut, must show it as written.
QStringList misread(const QVector<ShownText>& texts, const QString& name)
{
    const QStringList forms = { name, name.toHtmlEscaped(), QString(name).replace(QLatin1Char('&'), QLatin1String("&&")) };
    QStringList wrong;
    for (const ShownText& text : texts) {
        const bool carries = std::any_of(forms.cbegin(), forms.cend(),
                                         [&text](const QString& form) { return text.raw.contains(form); });
        if (carries && !text.shown.contains(name))
            wrong << QStringLiteral("%1 shows \"%2\" for \"%3\"").arg(text.where, text.shown, text.raw);
    }
    return wrong;
}

QStringList shownIn(const QVector<ShownText>& texts)
{
    QStringList shown;
    for (const ShownText& text : texts)
        shown << text.shown;
    return shown;
}

// Reads the next modal dialog as it opens, then answers it; made before
// the call that opens the dialog. Its polling ends with it.
class NextDialog : public QObject
{
public:
    explicit NextDialog(QDialog::DialogCode answer)
        : m_answer(answer)
    {
        QTimer::singleShot(0, this, &NextDialog::poll);
    }

    const QVector<ShownText>& texts() const { return m_texts; }

private:
    void poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(10, this, &NextDialog::poll);
            return;
        }
        m_texts = shownTexts(dialog);
        dialog->done(m_answer);
    }

    QDialog::DialogCode m_answer;
    QVector<ShownText> m_texts;
};

} // namespace

// Names come from files: a plan, the scene table, the file's own name. A
// name that looks like HTML is shown as written, never read as HTML (an
// "<img>" would load the file it names, "/dev/zero" until memory runs out):
// in the cards, their tips, the title, the scene picker and the messages.
class tst_PlainTextNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void namesShowAsWritten_data();
    void namesShowAsWritten();
    void refusedFilesAreQuotedAsWritten_data() { namesShowAsWritten_data(); }
    void refusedFilesAreQuotedAsWritten();

private:
    // A program folder whose scene table has a scene of this name too.
    void makeProgramWithScene(const QString& scene);
    QString planPath(const QString& name) const;
    void openWindow();
    const Plan* plan() const { return m_window->document()->editor()->plan(); }
    DeviceItemWidget* card(int groupNumber) const
    {
        return m_window->capacityCalculation()->deviceAddPage()->cardOf(groupNumber);
    }

    std::unique_ptr<TempProgramDir> m_program;
    std::unique_ptr<QTemporaryDir> m_plans;
    std::unique_ptr<Vantrel> m_window;
};

void tst_PlainTextNames::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VantrelTests"));
    QFile::remove(PlanRecovery::defaultPath());
}

void tst_PlainTextNames::cleanup()
{
    m_window.reset();
    m_plans.reset();
    m_program.reset();
    QFile::remove(PlanRecovery::defaultPath());
}

void tst_PlainTextNames::makeProgramWithScene(const QString& scene)
{
    m_program = std::make_unique<TempProgramDir>(TempProgramDir::ShippedData);
    QFile table(m_program->filePath(QStringLiteral("Scene.csv")));
    QVERIFY(table.open(QIODevice::Append));
    table.write(QStringLiteral("\n%1,H.264,4K(3840x2160),9830,office_4k.png\n").arg(scene).toUtf8());
    table.close();
    m_plans = std::make_unique<QTemporaryDir>();
    QVERIFY(m_plans->isValid());
}

QString tst_PlainTextNames::planPath(const QString& name) const
{
    // The file is named after the plan too, as far as a file name can be.
    return m_plans->filePath(QString(name).replace(QLatin1Char('/'), QLatin1Char('_')) + QStringLiteral(".vantrel"));
}

void tst_PlainTextNames::openWindow()
{
    m_window = std::make_unique<Vantrel>();
    m_window->resize(1200, 750);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_PlainTextNames::namesShowAsWritten_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("image of an endless file") << QStringLiteral("<img src=/dev/zero>");
    QTest::newRow("link") << QStringLiteral("<a href=\"x\">link</a>");
    QTest::newRow("bold") << QStringLiteral("<b>bold</b>");
    QTest::newRow("table") << QStringLiteral("<table><tr><td>x</td></tr></table>");
    QTest::newRow("entity") << QStringLiteral("&lt;");
    QTest::newRow("ampersand and unsaved mark") << QStringLiteral("R&D [*]");
}

void tst_PlainTextNames::namesShowAsWritten()
{
    QFETCH(QString, name);
    makeProgramWithScene(name);
    const QString longName = name + QStringLiteral(" and the loading bay by the north gate").repeated(4);
    PlanData data;
    data.siteName = name;
    data.notes = name;
    data.uplink = { name, 100.0 };
    data.groups = {
        { DeviceGroupBuilder(QStringLiteral("IPC"), name, 1).channels(2).rate(4096), {} },
        { DeviceGroupBuilder(QStringLiteral("IPC"), name, 2)
              .resolution(QStringLiteral("4K(3840x2160)"))
              .scene(name)
              .rate(9830),
          {} },
        { DeviceGroupBuilder(QStringLiteral("DVR"), longName, 3).rate(1024), {} },
    };
    const QString path = planPath(name);
    QString error;
    QVERIFY2(PlanFile::write(path, data, &error), qPrintable(error));

    openWindow();
    QVERIFY(m_window->planFiles()->openFile(path));
    QCOMPARE(plan()->groupCount(), 3);
    QTRY_VERIFY(card(3) && card(3)->isVisible());
    QVector<ShownText> texts = shownTexts(m_window.get());
    QStringList wrong = misread(texts, name);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));

    // Where the name is, it reads as written.
    const auto nameLabel = [this](int group) { return childNamed<QLabel>(card(group), "m_labelChannelGroupName"); };
    QCOMPARE(shownByLabel(nameLabel(1)), PlanFile::numberedName(name, 1));
    QCOMPARE(shownByLabel(childNamed<QLabel>(card(2), "m_labelScenceName")), QStringLiteral("Scene Type : ") + name);
    // A name too long for its card is cut short there and whole in its tip.
    QCOMPARE(shownByTip(nameLabel(3)->toolTip()), PlanFile::numberedName(longName, 3));
    const QString title = QFileInfo(path).fileName() + QStringLiteral(" - Vantrel");
    QCOMPARE(shownByLabel(childNamed<QLabel>(m_window.get(), "TitleBar_title")), title);
    QCOMPARE(m_window->windowHandle()->title(), title);

    // The scene group opened in the editor: the scene picker lists the
    // imported scene under its name.
    QTest::mouseDClick(card(2), Qt::LeftButton);
    auto* scenes = m_window->findChild<ScenceSelector*>();
    QVERIFY(scenes);
    QTRY_VERIFY(scenes->isVisible());
    texts = shownTexts(m_window.get());
    wrong = misread(texts, name);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    QStringList sceneButtons;
    for (const QAbstractButton* button : scenes->findChildren<QAbstractButton*>())
        sceneButtons << shownByButton(button);
    QVERIFY2(sceneButtons.contains(name), qPrintable(sceneButtons.join(QLatin1String(" | "))));
}

void tst_PlainTextNames::refusedFilesAreQuotedAsWritten()
{
    QFETCH(QString, name);
    makeProgramWithScene(QStringLiteral("Office"));
    openWindow();
    const auto quotes = [](const QVector<ShownText>& texts, const QString& part, const char* about) {
        const QStringList shown = shownIn(texts);
        return std::any_of(shown.cbegin(), shown.cend(), [&part, about](const QString& text) {
            return text.contains(part) && text.contains(QLatin1String(about));
        });
    };

    // A plan with a group of no channels: the message names the file and
    // the group.
    PlanData data;
    data.groups = { { DeviceGroupBuilder(QStringLiteral("IPC"), name, 1), {} } };
    QByteArray json = PlanFile::toJson(data);
    json.replace("\"channels\": 1", "\"channels\": 0");
    const QString path = planPath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(json);
    file.close();
    QVector<ShownText> texts;
    {
        NextDialog notice(QDialog::Accepted);
        QVERIFY(!m_window->planFiles()->openFile(path));
        texts = notice.texts();
    }
    QVERIFY2(quotes(texts, QStringLiteral("(%1)").arg(name), "channels"), qPrintable(shownIn(texts).join(" | ")));
    QVERIFY2(quotes(texts, QFileInfo(path).fileName(), "channels"), qPrintable(shownIn(texts).join(" | ")));
    QStringList wrong = misread(texts, name);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));

    // A scene table with a row of an unknown encoding: the question before
    // the import quotes the row.
    const QString table = m_plans->filePath(QStringLiteral("scenes.csv"));
    QFile csv(table);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write(QStringLiteral("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n"
                             "Office,H.264,4K(3840x2160),9830,office_4k.png\n"
                             "Office,%1,4K(3840x2160),9830,office_4k.png\n")
                  .arg(name)
                  .toUtf8());
    csv.close();
    UpdateDialog update(m_window.get());
    update.setOpenFileAsker([table](QWidget*, const QString&, const QString&, const QString&) { return table; });
    update.show();
    {
        NextDialog question(QDialog::Rejected);
        QTest::mouseClick(childNamed<QPushButton>(&update, "m_btnImport"), Qt::LeftButton);
        texts = question.texts();
    }
    QVERIFY2(quotes(texts, QStringLiteral("'%1'").arg(name), "encoding"), qPrintable(shownIn(texts).join(" | ")));
    wrong = misread(texts, name);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_PlainTextNames)
#include "tst_PlainTextNames.moc"
