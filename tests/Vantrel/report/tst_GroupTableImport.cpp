#include <report/ReportWriter.h>

#include <TempProgramDir.h>
#include <data/DeviceConfigStore.h>
#include <data/FreeGroupNumbers.h>
#include <data/GroupTableReader.h>
#include <data/PlanFile.h>
#include <data/ZipLibrary.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <xlsxwriter.h>

// Tables of groups as a user brings them: the reports' own tables read
// back, tables typed in a spreadsheet with mistakes in them, and files that
// are no table at all.
class tst_GroupTableImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void examplesReadBackAsTheyWere_data();
    void examplesReadBackAsTheyWere();
    void badRowsAreRefusedWithWhereAndWhy_data();
    void badRowsAreRefusedWithWhereAndWhy();
    void workbookFormulaGivesItsShownValue();
    void workbookOfAnotherProgramReads();
    void workbookNumbersReadInTheirShortestForm();
    void filesThatAreNoTableAreRefusedWhole_data();
    void filesThatAreNoTableAreRefusedWhole();
    void controlCharactersInNamesReadBack_data();
    void controlCharactersInNamesReadBack();
    void nulCodeOfAnotherWorkbookReadsBack();
    void zipLibraryIsNamedWhenMissing();
    void aHundredThousandRowsReadAndCancel();

private:
    GroupTableReader::Result readBytes(const QByteArray& bytes, const QString& name, VideoStandard standard = PAL,
                                       const ProgressStep& progress = {});
    QString path(const QString& name) const { return m_folder->filePath(name); }

    std::unique_ptr<TempProgramDir> m_program;
    std::unique_ptr<QTemporaryDir> m_folder;
};

namespace {

const QDate kDate(2024, 5, 17);

QJsonArray groupsOf(const PlanData& plan)
{
    return QJsonDocument::fromJson(PlanFile::toJson(plan)).object().value(QStringLiteral("groups")).toArray();
}

// A heading and rows in the report's columns, joined by a separator.
QByteArray table(const QStringList& rows, QChar separator, bool byteOrderMark)
{
    QString text = rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    text.replace(QLatin1Char('|'), separator);
    return (byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8();
}

} // namespace

void tst_GroupTableImport::initTestCase()
{
    m_program = std::make_unique<TempProgramDir>(TempProgramDir::ShippedData);
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

GroupTableReader::Result tst_GroupTableImport::readBytes(const QByteArray& bytes, const QString& name,
                                                         VideoStandard standard, const ProgressStep& progress)
{
    const DeviceConfigStore store;
    return GroupTableReader::fromBytes(bytes, name, {store, standard, PlanNetwork()}, progress);
}

void tst_GroupTableImport::examplesReadBackAsTheyWere_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<bool>("workbook");
    const QStringList examples = QDir(QStringLiteral(EXAMPLES_DIR)).entryList({QStringLiteral("*.vantrel")});
    QVERIFY(!examples.isEmpty());
    for (const QString& example : examples) {
        QTest::newRow(qPrintable(example + QStringLiteral(" csv"))) << example << false;
        QTest::newRow(qPrintable(example + QStringLiteral(" xlsx"))) << example << true;
    }
}

void tst_GroupTableImport::examplesReadBackAsTheyWere()
{
    QFETCH(QString, example);
    QFETCH(bool, workbook);
    const PlanFile::ReadResult original = PlanFile::read(QDir(QStringLiteral(EXAMPLES_DIR)).filePath(example));
    QVERIFY2(original.ok, qPrintable(original.error));
    const QString tablePath = path(workbook ? QStringLiteral("groups.xlsx") : QStringLiteral("groups.csv"));
    QString error;
    QVERIFY2((workbook ? ReportWriter::writeXlsx : ReportWriter::writeCsv)(original.plan, tablePath, &error, kDate),
             qPrintable(error));

    // Into a plan with the same site but no groups yet.
    PlanData imported = original.plan;
    imported.groups.clear();
    const DeviceConfigStore store;
    const GroupTableReader::Result table =
        GroupTableReader::read(tablePath, {store, imported.videoStandard, imported.network});
    QVERIFY2(table.ok, qPrintable(table.error));
    QVERIFY2(table.refused.isEmpty(), qPrintable(table.refused.value(0).expected));
    imported.groups = table.groups;
    FreeGroupNumbers::assign(imported.groups, {});

    const QJsonArray expected = groupsOf(original.plan);
    const QJsonArray got = groupsOf(imported);
    QCOMPARE(got.size(), expected.size());
    for (int index = 0; index < expected.size(); ++index) {
        const QJsonObject want = expected.at(index).toObject();
        const QJsonObject have = got.at(index).toObject();
        QCOMPARE(have.keys(), want.keys());
        for (const QString& key : want.keys())
            QVERIFY2(have.value(key) == want.value(key),
                     qPrintable(QStringLiteral("group %1 key %2").arg(index + 1).arg(key)));
    }
}

void tst_GroupTableImport::badRowsAreRefusedWithWhereAndWhy_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("byteOrderMark");
    QTest::addColumn<bool>("chinese");
    QTest::newRow("comma, BOM, English") << QChar(QLatin1Char(',')) << true << false;
    QTest::newRow("semicolon, no BOM, English") << QChar(QLatin1Char(';')) << false << false;
    QTest::newRow("comma, no BOM, Chinese") << QChar(QLatin1Char(',')) << false << true;
    QTest::newRow("semicolon, BOM, Chinese") << QChar(QLatin1Char(';')) << true << true;
}

void tst_GroupTableImport::badRowsAreRefusedWithWhereAndWhy()
{
    QFETCH(QChar, separator);
    QFETCH(bool, byteOrderMark);
    QFETCH(bool, chinese);
    // A title above the table and a column the program does not know are
    // both passed over; missing columns take the editor's values.
    const QString heading = chinese ? QStringLiteral("编号|名称|类型|通道数|分辨率|帧率|码率 (kbps)|备注|录像方式")
                                    : QStringLiteral("No.|Name|Type|Channels|Resolution|Frame rate|Rate (kbps)|Remark|Recording");
    const QByteArray bytes = table({QStringLiteral("Cameras of the east wing"),
                                    QString(),
                                    heading,
                                    QStringLiteral("7|\"Gate|north\"\"s\"|IPC|4|1080P(1920x1080)|25|4096|x|event"),
                                    QStringLiteral("|Yard|DVR|0|1080P(1920x1080)|25|2048||"),
                                    QStringLiteral("2|Hall|IPC|2|1080P(1920x1081)|25|2048||"),
                                    QStringLiteral("3|'=Cash desk|ipc|1|720P(1280x720)|25|||continuous"),
                                    QStringLiteral("4|Dock|IPC|1|720P(1280x720)|25|1024||weekly"),
                                    QString(),
                                    QStringLiteral("Totals|99")},
                                   separator, byteOrderMark);
    const GroupTableReader::Result result = readBytes(bytes, QStringLiteral("east.csv"));
    QVERIFY2(result.ok, qPrintable(result.error));

    QCOMPARE(result.rows, (QVector<int>{4, 7}));
    const StructDeviceItem& gate = result.groups.at(0).device;
    QCOMPARE(gate.groupNumber, 7);
    QCOMPARE(PlanFile::nameWithoutNumber(gate), QStringLiteral("Gate%1north\"s").arg(separator));
    QCOMPARE(gate.channelCount, 4);
    QCOMPARE(gate.streamCount, 1);
    QCOMPARE(gate.encodingType, QStringLiteral("H.264"));
    QCOMPARE(gate.bitrate, 4096.0);
    QCOMPARE(result.groups.at(0).recording.mode, RecordingSettings::Mode::Event);
    // The report's formula guard is taken off; a rate left empty is the
    // tables' rate, as the editor would show it.
    const StructDeviceItem& cash = result.groups.at(1).device;
    QCOMPARE(PlanFile::nameWithoutNumber(cash), QStringLiteral("=Cash desk"));
    QCOMPARE(cash.deviceType, QStringLiteral("IPC"));
    QVERIFY(cash.bitrate > 0);
    QCOMPARE(cash.groupNumber, 3);

    QCOMPARE(result.refused.size(), 3);
    const GroupTableReader::Refusal& channels = result.refused.at(0);
    QCOMPARE(channels.row, 5);
    QCOMPARE(channels.column, chinese ? QStringLiteral("通道数") : QStringLiteral("Channels"));
    QCOMPARE(channels.value, QStringLiteral("0"));
    QCOMPARE(channels.expected, QStringLiteral("a whole number from 1 to 512"));
    const GroupTableReader::Refusal& resolution = result.refused.at(1);
    QCOMPARE(resolution.row, 6);
    QCOMPARE(resolution.value, QStringLiteral("1080P(1920x1081)"));
    QVERIFY2(resolution.expected.startsWith(QStringLiteral("a name the data tables list; nearest: 1080P(1920x1080)")),
             qPrintable(resolution.expected));
    const GroupTableReader::Refusal& mode = result.refused.at(2);
    QCOMPARE(mode.row, 8);
    QCOMPARE(mode.value, QStringLiteral("weekly"));
    QCOMPARE(mode.expected, QStringLiteral("one of continuous, event, mixed"));

    // Joining a plan that holds 1 and 3: 7 is free and kept, 3 is not and
    // takes the lowest free one.
    PlanGroup held;
    held.device.groupNumber = 1;
    QVector<PlanGroup> plan{held, held};
    plan[1].device.groupNumber = 3;
    QVector<PlanGroup> joining = result.groups;
    FreeGroupNumbers::assign(joining, plan);
    QCOMPARE(joining.at(0).device.groupNumber, 7);
    QCOMPARE(joining.at(1).device.groupNumber, 2);
    QCOMPARE(joining.at(1).device.channelName, QStringLiteral("=Cash desk(2)"));
}

void tst_GroupTableImport::workbookFormulaGivesItsShownValue()
{
    // A formula is never worked out: the workbook's shown value is read.
    const QString file = path(QStringLiteral("formula.xlsx"));
    lxw_workbook* book = workbook_new(file.toUtf8().constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    const char* heading[] = {"名称", "Channels", "Resolution", "Frame rate", "Rate (kbps)"};
    for (int column = 0; column < 5; ++column)
        worksheet_write_string(sheet, 0, lxw_col_t(column), heading[column], nullptr);
    worksheet_write_string(sheet, 1, 0, "Lobby", nullptr);
    worksheet_write_formula_num(sheet, 1, 1, "=2*3", nullptr, 6);
    worksheet_write_string(sheet, 1, 2, "1080P(1920x1080)", nullptr);
    worksheet_write_number(sheet, 1, 3, 25, nullptr);
    worksheet_write_number(sheet, 1, 4, 2048.5, nullptr);
    QCOMPARE(workbook_close(book), LXW_NO_ERROR);

    const DeviceConfigStore store;
    const GroupTableReader::Result result = GroupTableReader::read(file, {store, PAL, PlanNetwork()});
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.groups.size(), 1);
    const StructDeviceItem& lobby = result.groups.at(0).device;
    QCOMPARE(PlanFile::nameWithoutNumber(lobby), QStringLiteral("Lobby"));
    QCOMPARE(lobby.channelCount, 6);
    QCOMPARE(lobby.frameRate, QStringLiteral("25"));
    QCOMPARE(lobby.bitrate, 2048.5);
}

void tst_GroupTableImport::workbookOfAnotherProgramReads()
{
    // Prefixed names, a sheet found through its relationship, inline and
    // rich texts, entities, CDATA, a phonetic run, formulas with their
    // shown values, and an empty row that ends the table.
    const DeviceConfigStore store;
    const GroupTableReader::Result result =
        GroupTableReader::read(QStringLiteral(OTHER_PROGRAM_XLSX), {store, PAL, PlanNetwork()});
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.refused.size(), 0);
    QCOMPARE(result.rows, QVector<int>{4});
    const StructDeviceItem& gate = result.groups.at(0).device;
    QCOMPARE(PlanFile::nameWithoutNumber(gate), QStringLiteral("Gate <north> \u4E2D"));
    QCOMPARE(gate.channelCount, 3);
    QCOMPARE(gate.frameRate, QStringLiteral("25"));
    QCOMPARE(gate.bitrate, 2048.0);

    // A text with a character XML has no place for is a damaged sheet, not a
    // name no CSV could carry back.
    const GroupTableReader::Result damaged =
        GroupTableReader::read(QStringLiteral(CONTROL_CHARACTER_XLSX), {store, PAL, PlanNetwork()});
    QVERIFY(!damaged.ok);
    QCOMPARE(damaged.error, QStringLiteral("control-character.xlsx: its first sheet is damaged."));
}

void tst_GroupTableImport::workbookNumbersReadInTheirShortestForm()
{
    // A number in a text column reads as the workbook shows it at its
    // shortest, whether it is a plain whole number, one that takes an
    // exponent, or a fraction the writer spelled with more digits.
    const QString file = path(QStringLiteral("numbers.xlsx"));
    const double names[] = {12345, -7, 0, 100000, 1230000, 2048.5, 0.1, 1.0 / 3, 2.5e-7, 123456789012345678.0};
    const QStringList expected = {QStringLiteral("12345"), QStringLiteral("-7"), QStringLiteral("0"),
                                  QStringLiteral("1e+05"), QStringLiteral("1230000"), QStringLiteral("2048.5"),
                                  QStringLiteral("0.1"), QStringLiteral("0.3333333333333333"),
                                  QStringLiteral("2.5e-07"), QStringLiteral("123456789012345700")};
    lxw_workbook* book = workbook_new(file.toUtf8().constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    const char* heading[] = {"Name", "Channels", "Resolution", "Frame rate", "Rate (kbps)"};
    for (int column = 0; column < 5; ++column)
        worksheet_write_string(sheet, 0, lxw_col_t(column), heading[column], nullptr);
    for (int row = 1; row <= int(std::size(names)); ++row) {
        worksheet_write_number(sheet, lxw_row_t(row), 0, names[row - 1], nullptr);
        worksheet_write_number(sheet, lxw_row_t(row), 1, 1, nullptr);
        worksheet_write_string(sheet, lxw_row_t(row), 2, "1080P(1920x1080)", nullptr);
        worksheet_write_number(sheet, lxw_row_t(row), 3, 25, nullptr);
        worksheet_write_number(sheet, lxw_row_t(row), 4, 2048, nullptr);
    }
    QCOMPARE(workbook_close(book), LXW_NO_ERROR);

    const DeviceConfigStore store;
    const GroupTableReader::Result result = GroupTableReader::read(file, {store, PAL, PlanNetwork()});
    QVERIFY2(result.ok, qPrintable(result.error));
    QStringList read;
    for (const PlanGroup& group : result.groups)
        read.append(PlanFile::nameWithoutNumber(group.device));
    QCOMPARE(read, expected);
}

void tst_GroupTableImport::filesThatAreNoTableAreRefusedWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("bad.csv: the file is empty.");
    QTest::newRow("only a BOM and a line break") << QByteArray("\xEF\xBB\xBF\r\n")
                                                 << QStringLiteral("bad.csv: the file is empty.");
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                               << QStringLiteral("bad.csv: not a table: neither CSV text (UTF-8) nor an Excel "
                                                 "workbook (.xlsx).");
    QTest::newRow("a zip that is no workbook") << QByteArray("PK\x03\x04 broken")
                                               << QStringLiteral("bad.csv: not an Excel workbook (.xlsx).");
    QTest::newRow("no known heading") << QByteArray("Camera;Where\nA;Gate\n")
                                      << QStringLiteral("bad.csv: no heading of a group table was found (the first "
                                                        "rows should name columns such as Name, Type, Channels and "
                                                        "Resolution).");
}

void tst_GroupTableImport::filesThatAreNoTableAreRefusedWhole()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const GroupTableReader::Result result = readBytes(bytes, QStringLiteral("bad.csv"));
    QVERIFY(!result.ok);
    QCOMPARE(result.error, message);
    QVERIFY(result.groups.isEmpty());
}

void tst_GroupTableImport::controlCharactersInNamesReadBack_data()
{
    QTest::addColumn<bool>("workbook");
    QTest::newRow("csv") << false;
    QTest::newRow("xlsx") << true;
}

void tst_GroupTableImport::controlCharactersInNamesReadBack()
{
    // A plan file may name a group with any character; its report must
    // still import, a NUL showing as the replacement character.
    QFETCH(bool, workbook);
    PlanFile::ReadResult plan = PlanFile::read(QDir(QStringLiteral(EXAMPLES_DIR)).filePath("small-shop.vantrel"));
    QVERIFY2(plan.ok, qPrintable(plan.error));
    StructDeviceItem& device = plan.plan.groups[0].device;
    device.channelName =
        PlanFile::numberedName(QStringLiteral("Gate") + QChar(0) + QStringLiteral("North\x01\x1f_x0041_"), device.groupNumber);
    const QString tablePath = path(workbook ? QStringLiteral("names.xlsx") : QStringLiteral("names.csv"));
    QString error;
    QVERIFY2((workbook ? ReportWriter::writeXlsx : ReportWriter::writeCsv)(plan.plan, tablePath, &error, kDate),
             qPrintable(error));
    const DeviceConfigStore store;
    const GroupTableReader::Result table = GroupTableReader::read(tablePath, {store, plan.plan.videoStandard, {}});
    QVERIFY2(table.ok, qPrintable(table.error));
    QVERIFY(table.refused.isEmpty());
    QCOMPARE(table.groups.at(0).device.channelName,
             PlanFile::numberedName(QStringLiteral("Gate") + QChar(0xFFFD) + QStringLiteral("North\x01\x1f_x0041_"),
                                    device.groupNumber));
}

void tst_GroupTableImport::nulCodeOfAnotherWorkbookReadsBack()
{
    // Another program's workbook may write a NUL as "_x0000_": it reads as
    // the replacement character, so the group's own report imports the same.
    const QString file = path(QStringLiteral("nul-code.xlsx"));
    lxw_workbook* book = workbook_new(file.toUtf8().constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    const char* row[2][4] = {{"Name", "Resolution", "Frame rate", "Rate (kbps)"},
                             {"Gate_x0000_North", "1080P(1920x1080)", "25", "2048"}};
    for (int line = 0; line < 2; ++line) {
        for (int column = 0; column < 4; ++column)
            worksheet_write_string(sheet, lxw_row_t(line), lxw_col_t(column), row[line][column], nullptr);
    }
    QCOMPARE(workbook_close(book), LXW_NO_ERROR);

    const DeviceConfigStore store;
    const GroupTableReader::Result first = GroupTableReader::read(file, {store, PAL, PlanNetwork()});
    QVERIFY2(first.ok, qPrintable(first.error));
    QCOMPARE(first.groups.size(), 1);
    QCOMPARE(PlanFile::nameWithoutNumber(first.groups.at(0).device), QStringLiteral("Gate\uFFFDNorth"));

    PlanData plan;
    plan.groups = first.groups;
    FreeGroupNumbers::assign(plan.groups, {});
    QString error;
    const QString csv = path(QStringLiteral("nul-code.csv"));
    QVERIFY2(ReportWriter::writeCsv(plan, csv, &error, kDate), qPrintable(error));
    const GroupTableReader::Result again = GroupTableReader::read(csv, {store, PAL, PlanNetwork()});
    QVERIFY2(again.ok, qPrintable(again.error));
    QCOMPARE(again.groups.size(), 1);
    QCOMPARE(again.groups.at(0).device.channelName, plan.groups.at(0).device.channelName);
}

void tst_GroupTableImport::zipLibraryIsNamedWhenMissing()
{
    // The zip library is opened at the first workbook imported, not at
    // start: a system without it says which file it looked for.
    QString reason;
    ZipLibrary missing(QStringLiteral("libzip-not-here.so.0"));
    QVERIFY(!missing.load(&reason));
    QVERIFY2(reason.contains(QStringLiteral("libzip-not-here.so.0")), qPrintable(reason));
    QString none;
    QVERIFY(ZipLibrary::shared(&none));
    QVERIFY(none.isEmpty());
}

void tst_GroupTableImport::aHundredThousandRowsReadAndCancel()
{
    QByteArray bytes("No.,Name,Type,Channels,Streams,Resolution,Frame rate,Encoding,Rate (kbps)\r\n");
    constexpr int kRows = 100000;
    for (int row = 1; row <= kRows; ++row)
        bytes += "," + QByteArray::number(row) + ",IPC,4,2,1080P(1920x1080),25,H.265,4096\r\n";
    qint64 lastDone = 0;
    qint64 lastTotal = 0;
    const GroupTableReader::Result result =
        readBytes(bytes, QStringLiteral("many.csv"), PAL, [&](qint64 done, qint64 total) {
            lastDone = done;
            lastTotal = total;
            return true;
        });
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.groups.size(), kRows);
    QVERIFY(result.refused.isEmpty());
    QVERIFY(lastDone > lastTotal / 2 && lastDone <= lastTotal);

    const GroupTableReader::Result cancelled =
        readBytes(bytes, QStringLiteral("many.csv"), PAL, [](qint64 done, qint64 total) { return done < total / 2; });
    QVERIFY(cancelled.cancelled);
    QVERIFY(!cancelled.ok);
    QVERIFY(cancelled.groups.isEmpty());
}

QTEST_GUILESS_MAIN(tst_GroupTableImport)
#include "tst_GroupTableImport.moc"
