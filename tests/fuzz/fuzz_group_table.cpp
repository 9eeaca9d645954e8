// Reads a table of groups as File → Import groups… does, CSV or workbook.
// Every row it accepts must be a group a plan file can hold and the editor
// can show; accepted and refused rows together never outnumber the table;
// and the accepted groups, written as the report's table, read back the
// same.

#include "FuzzCheck.h"
#include "FuzzProgramDir.h"

#include <data/DeviceConfigStore.h>
#include <data/FreeGroupNumbers.h>
#include <data/GroupRule.h>
#include <data/GroupTableReader.h>
#include <data/KnownNames.h>
#include <data/PlanFile.h>
#include <data/PlanNameCheck.h>
#include <data/PlanReport.h>
#include <report/CsvReportWriter.h>

#include <QGuiApplication>

#include <zip.h>

#include <cstddef>
#include <cstdint>

namespace {

// An input that starts as XML is a sheet: it is packed as a workbook's only
// sheet, so the fuzzer reaches the sheet's reader without first having to
// forge a zip and its checksums.
QByteArray workbookWithSheet(const QByteArray& sheet)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* memory = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_error_fini(&error);
    if (!memory)
        return QByteArray();
    zip_source_keep(memory);
    zip_t* archive = zip_open_from_source(memory, ZIP_TRUNCATE, nullptr);
    if (!archive) {
        zip_source_free(memory);
        zip_source_free(memory);
        return QByteArray();
    }
    zip_source_t* part = zip_source_buffer(archive, sheet.constData(), zip_uint64_t(sheet.size()), 0);
    if (!part || zip_file_add(archive, "xl/worksheets/sheet1.xml", part, ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(part);
        zip_discard(archive);
        zip_source_free(memory);
        return QByteArray();
    }
    QByteArray bytes;
    if (zip_close(archive) == 0 && zip_source_open(memory) == 0) {
        char buffer[65536];
        zip_int64_t got = 0;
        while ((got = zip_source_read(memory, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, qsizetype(got));
        zip_source_close(memory);
    } else {
        zip_discard(archive);
    }
    zip_source_free(memory);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_group_table";
    static char* argv[] = {name, nullptr};
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    (void)offscreen;
    static QGuiApplication app(argc, argv);
    FuzzProgramDir::instance();
    static const DeviceConfigStore store;
    static KnownNames known(store);

    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (bytes.startsWith('<'))
        bytes = workbookWithSheet(bytes);
    PlanNetwork network;
    network.switches.append(NetworkSwitch{QStringLiteral("sw1"), QStringLiteral("Core"), QString(), 24, 1000, 0});
    const GroupTableReader::Result result =
        GroupTableReader::fromBytes(bytes, QStringLiteral("fuzz.csv"), {store, PAL, network});
    FuzzCheck::require(result.ok != !result.error.isEmpty(), "a refusal has its message");
    FuzzCheck::require(result.groups.size() == result.rows.size(), "each group has its row");
    if (!result.ok)
        return 0;
    for (const PlanGroup& group : result.groups) {
        FuzzCheck::require(GroupRule::problem(group).isEmpty(), "accepted group within the plan file's rules");
        FuzzCheck::require(!PlanNameCheck::unknownName(group.device, PAL, known).key, "accepted names are listed");
        FuzzCheck::require(group.network.switchId.isEmpty() || group.network.switchId == QLatin1String("sw1"),
                           "accepted switch is the plan's");
    }
    for (const GroupTableReader::Refusal& refusal : result.refused)
        FuzzCheck::require(refusal.row >= 1 && !refusal.expected.isEmpty(), "a refused row says where and why");

    if (result.groups.isEmpty() || result.groups.size() > 64)
        return 0;
    PlanData plan;
    plan.network = network;
    plan.groups = result.groups;
    FreeGroupNumbers::assign(plan.groups, {});
    const QByteArray csv = CsvReportWriter::toCsv(PlanReport(plan, QDate(2024, 1, 1)));
    const GroupTableReader::Result again =
        GroupTableReader::fromBytes(csv, QStringLiteral("again.csv"), {store, PAL, network});
    FuzzCheck::require(again.ok && again.refused.isEmpty(), "the report's table reads back");
    PlanData back = plan;
    back.groups = again.groups;
    FreeGroupNumbers::assign(back.groups, {});
    FuzzCheck::require(PlanFile::toJson(back) == PlanFile::toJson(plan), "the report's table reads back the same");
    return 0;
}
