#include "PlanDocument.h"
#include "PlanFileController.h"

#include <DeviceGroupBuilder.h>
#include <Fenwork/SafeFileWriter.h>
#include <data/PlanFile.h>
#include <data/PlanRecovery.h>
#include <edit/PlanEditor.h>

#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

// The recovery file as something found on disk, not something this program
// necessarily wrote: a link at its place, broken JSON, a plan that names
// somebody else's file, a folder where it cannot be written. The plan's file
// handling is driven without a window; every question and notice is
// answered and kept here.
class tst_RecoveryFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void linksAreNeitherWrittenNorReadThrough();
    void unreadableFilesAreKeptAsideNotDeleted();
    void theFileItBelongsToIsNamedAndOnlyThenWritten();
    void aFolderThatTakesNoFileIsShown();

private:
    // A program start with the recovery file at path: the plan's file
    // handling is made anew, as a restart makes it.
    void start(const QString& path);
    void addGroup(int number);
    QString inData(const QString& name) const { return m_folder->filePath(QStringLiteral("data/") + name); }
    QStringList setAside() const
    {
        return QDir(m_folder->filePath(QStringLiteral("data")))
            .entryList({ QStringLiteral("recovery-unreadable-*") }, QDir::Files | QDir::System | QDir::Hidden);
    }
    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    QWidget m_host;
    std::unique_ptr<PlanDocument> m_document;
    PlanEditor* m_editor = nullptr;
    std::unique_ptr<PlanFileController> m_files;
    QStringList m_notices;
    QStringList m_questions;
    QStringList m_savePathsAsked;
    QString m_nextPath;
};

void tst_RecoveryFile::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(m_folder->filePath(QStringLiteral("data"))));
    start(inData(QStringLiteral("recovery.vantrel")));
}

void tst_RecoveryFile::cleanup()
{
    m_files.reset();
    m_document.reset();
    m_editor = nullptr;
    m_folder.reset();
    m_notices.clear();
    m_questions.clear();
    m_savePathsAsked.clear();
}

void tst_RecoveryFile::start(const QString& path)
{
    m_files.reset();
    m_document = std::make_unique<PlanDocument>(path);
    m_editor = m_document->editor();
    m_files = std::make_unique<PlanFileController>(m_document.get(), &m_host);
    PlanFileController::Prompts prompts;
    prompts.openPath = [](const QString&) { return QString(); };
    prompts.savePath = [this](const QString& start) {
        m_savePathsAsked << start;
        return m_nextPath;
    };
    prompts.saveChoice = [](const QString&) { return PlanFileController::SaveChoice::Discard; };
    prompts.confirm = [this](const QString& question) {
        m_questions << question;
        return true;
    };
    prompts.notice = [this](const QString& text) { m_notices << text; };
    m_files->setPrompts(prompts);
}

void tst_RecoveryFile::addGroup(int number)
{
    m_editor->addGroup(PlanGroup{ DeviceGroupBuilder("IPC", "Gate", number).channels(2), RecordingSettings() });
}

void tst_RecoveryFile::linksAreNeitherWrittenNorReadThrough()
{
    const QString recovery = inData(QStringLiteral("recovery.vantrel"));
    const QString target = m_folder->filePath(QStringLiteral("someone-elses.vantrel"));
    PlanData theirs;
    theirs.siteName = QStringLiteral("Theirs");
    theirs.groups = { PlanGroup{ DeviceGroupBuilder("DVR", "Yard", 1), RecordingSettings() } };
    QVERIFY(PlanFile::write(target, theirs, nullptr));
    const QByteArray before = contents(target);

    // A snapshot replaces the link with a file of its own.
    QVERIFY(QFile::link(target, recovery));
    addGroup(1);
    addGroup(2);
    m_files->recovery()->flush();
    QCOMPARE(contents(target), before);
    QVERIFY(!QFileInfo(recovery).isSymLink());
    QCOMPARE(PlanFile::read(recovery).plan.groups.size(), 2);

    // At start a link is not taken for the plan that was being worked on:
    // it is kept aside, still a link, and the file it names is untouched.
    QVERIFY(QFile::remove(recovery));
    QVERIFY(QFile::link(target, recovery));
    start(recovery);
    QVERIFY(!m_files->offerRecovery());
    QVERIFY2(m_questions.isEmpty(), qPrintable(m_questions.join('\n')));
    QCOMPARE(m_editor->plan()->groupCount(), 0);
    QCOMPARE(setAside().size(), 1);
    QCOMPARE(m_notices.size(), 1);
    QVERIFY2(m_notices.at(0).contains(setAside().at(0)), qPrintable(m_notices.at(0)));
    QVERIFY(QFileInfo(inData(setAside().at(0))).isSymLink());
    m_files->closeCleanly();
    QCOMPARE(contents(target), before);
    QCOMPARE(setAside().size(), 1);
}

void tst_RecoveryFile::unreadableFilesAreKeptAsideNotDeleted()
{
    const QString recovery = inData(QStringLiteral("recovery.vantrel"));
    const QList<QByteArray> broken{ "{\"format\": \"vantrel-plan\", \"groups\": [",
                                    "{\"format\":\"csv\",\"version\":1}" };
    for (const QByteArray& json : broken) {
        QVERIFY(aptui::SafeFileWriter::writeFile(recovery, json));
        start(recovery);
        QVERIFY(!m_files->offerRecovery());
        // A clean exit takes nothing of what was kept.
        m_files->closeCleanly();
    }
    QVERIFY(m_questions.isEmpty());
    QCOMPARE(m_notices.size(), 2);
    // Each kept under a name of its own, and the notice says which.
    const QStringList kept = setAside();
    QCOMPARE(kept.size(), 2);
    QList<QByteArray> keptContents;
    for (int i = 0; i < kept.size(); ++i) {
        keptContents << contents(inData(kept.at(i)));
        QVERIFY2(m_notices.join('\n').contains(QDir::toNativeSeparators(inData(kept.at(i)))),
                 qPrintable(m_notices.join('\n')));
    }
    QVERIFY(keptContents.contains(broken.at(0)) && keptContents.contains(broken.at(1)));
    QVERIFY(!QFile::exists(recovery));
}

void tst_RecoveryFile::theFileItBelongsToIsNamedAndOnlyThenWritten()
{
    const QString recovery = inData(QStringLiteral("recovery.vantrel"));
    PlanData work;
    work.groups = { PlanGroup{ DeviceGroupBuilder("IPC", "Gate", 1), RecordingSettings() },
                    PlanGroup{ DeviceGroupBuilder("IPC", "Hall", 2), RecordingSettings() } };

    // It names a file that is not a plan: the offer says so, and Save asks
    // where instead of writing over that file.
    const QString notes = m_folder->filePath(QStringLiteral("notes.txt"));
    QVERIFY(aptui::SafeFileWriter::writeFile(notes, "Not a plan, and not to be written over.\n"));
    QVERIFY(aptui::SafeFileWriter::writeFile(recovery, PlanFile::toJson(work, notes)));
    start(recovery);
    QVERIFY(m_files->offerRecovery());
    QCOMPARE(m_questions.size(), 1);
    QVERIFY2(m_questions.at(0).contains(QDir::toNativeSeparators(notes)), qPrintable(m_questions.at(0)));
    QVERIFY2(m_questions.at(0).contains(QStringLiteral("2 groups")), qPrintable(m_questions.at(0)));
    const QString savedAt = QLocale().toString(QFileInfo(recovery).lastModified(), QLocale::ShortFormat);
    QVERIFY2(m_questions.at(0).contains(savedAt), qPrintable(m_questions.at(0)));
    QCOMPARE(m_editor->plan()->groupCount(), 2);
    QVERIFY(m_files->filePath().isEmpty());
    m_nextPath = m_folder->filePath(QStringLiteral("restored.vantrel"));
    QVERIFY(m_files->save());
    QCOMPARE(m_savePathsAsked.size(), 1);
    QCOMPARE(contents(notes), QByteArray("Not a plan, and not to be written over.\n"));
    QCOMPARE(PlanFile::read(m_nextPath).plan.groups.size(), 2);

    // It names a plan that reads: the offer names it, and Save writes there.
    const QString site = m_folder->filePath(QStringLiteral("site.vantrel"));
    QVERIFY(PlanFile::write(site, PlanData(), nullptr));
    QVERIFY(aptui::SafeFileWriter::writeFile(recovery, PlanFile::toJson(work, site)));
    start(recovery);
    QVERIFY(m_files->offerRecovery());
    QCOMPARE(m_questions.size(), 2);
    QVERIFY2(m_questions.at(1).contains(QDir::toNativeSeparators(site)), qPrintable(m_questions.at(1)));
    QCOMPARE(m_files->filePath(), site);
    QVERIFY(m_files->save());
    QCOMPARE(m_savePathsAsked.size(), 1);
    QCOMPARE(PlanFile::read(site).plan.groups.size(), 2);
    QVERIFY(m_notices.isEmpty());
}

void tst_RecoveryFile::aFolderThatTakesNoFileIsShown()
{
    // The data folder's place is taken by a file: no recovery file can be
    // written there, for any user, root included.
    const QString blocked = m_folder->filePath(QStringLiteral("blocked"));
    QVERIFY(aptui::SafeFileWriter::writeFile(blocked, "a file, not a folder"));
    start(blocked + QStringLiteral("/recovery.vantrel"));
    addGroup(1);
    m_files->recovery()->flush();
    QCOMPARE(m_notices.size(), 1);
    QVERIFY2(m_notices.at(0).contains(QDir::toNativeSeparators(blocked + QStringLiteral("/recovery.vantrel"))),
             qPrintable(m_notices.at(0)));
    QVERIFY2(m_files->titleText().endsWith(QStringLiteral(" (not backed up)")), qPrintable(m_files->titleText()));
    // Once a notice, not once a change.
    addGroup(2);
    m_files->recovery()->flush();
    QCOMPARE(m_notices.size(), 1);
    QCOMPARE(contents(blocked), QByteArray("a file, not a folder"));
}

QTEST_MAIN(tst_RecoveryFile)
#include "tst_RecoveryFile.moc"
