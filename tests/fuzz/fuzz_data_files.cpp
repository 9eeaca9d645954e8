// Feeds one data file at a time (the first byte picks which) to the store,
// then asks everything the two tabs ask of it: every table rate at every
// frame rate, both searches for every link, the totals and the storage.

#include "FuzzCheck.h"
#include "FuzzProgramDir.h"

#include <data/BitrateTableCheck.h>
#include <data/DeviceConfigStore.h>
#include <data/EncodingCalculator.h>
#include <data/ShownRate.h>

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

namespace {

const char* const kFiles[] = {"IPCBitrate/H.264.csv", "DVRBitrate/H.264.csv", "Frame.xml",
                              "NetworkConnection.xml", "IPCBitrateConfig.xml", "DVRBitrateConfig.xml"};

void checkTables(const DeviceConfigStore& store)
{
    for (int standard : {0, 1}) {
        for (const ShowValueItem& rate : store.getFrameRateTable(standard))
            FuzzCheck::require(std::isfinite(rate.value) && rate.value > 0, "frame rate taken");
    }
    for (int type : {0, 1}) {
        for (const BitrateEntry& row : store.getEncodingTable(QStringLiteral("H.264"), type))
            FuzzCheck::require(row.bitrate >= BitrateTableCheck::kMinRate && row.bitrate <= BitrateTableCheck::kMaxRate,
                               "table rate taken");
    }
}

void askEverything(EncodingCalculator& calculator)
{
    const DeviceConfigStore& store = calculator.store();
    QVector<PlanGroup> groups;
    for (int type : {0, 1}) {
        calculator.setEncodeType(QStringLiteral("H.264"));
        for (const BitrateEntry& row : store.getEncodingTable(QStringLiteral("H.264"), type)) {
            for (const ShowValueItem& rate : store.getFrameRateTable(0)) {
                const double bitrate = calculator.calculateBitrate(type, row.resolution, rate.value);
                FuzzCheck::shownFigure(bitrate, "stream bitrate");
                if (groups.size() < 64) {
                    PlanGroup group;
                    group.device.deviceType = type == 0 ? QStringLiteral("IPC") : QStringLiteral("DVR");
                    group.device.channelCount = 512;
                    group.device.streamCount = 2;
                    group.device.bitrate = bitrate;
                    groups.append(group);
                }
            }
        }
    }
    FuzzCheck::totalsAndStorage(groups, StorageSettings());

    QStringList links;
    store.getConnectionTypes(links);
    for (const QString& link : links) {
        for (const ShowValueItem& choice : store.getConnectionBandwidths(link)) {
            FuzzCheck::require(std::isfinite(choice.value) && choice.value > 0, "link bandwidth taken");
            for (int type : {0, 1}) {
                CodeParameter question;
                question.bandwidth = choice.value * 1024;
                question.deviceType = type;
                QString resolution = QStringLiteral("0");
                QString frameRate = QStringLiteral("0");
                if (calculator.calculateResolutionFirst(resolution, frameRate, question)) {
                    const double bitrate = calculator.calculateBitrate(type, resolution,
                                                                       store.getFrameRateValue(frameRate, 0));
                    FuzzCheck::shownFigure(bitrate, "answer bitrate");
                    FuzzCheck::require(ShownRate::wholeKbps(bitrate) >= 0, "shown answer");
                }
                calculator.calculateFrameRateFirst(resolution, frameRate, question);
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_data_files";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (size < 1)
        return 0;
    FuzzProgramDir& dir = FuzzProgramDir::instance();
    dir.replace(QString::fromLatin1(kFiles[data[0] % std::size(kFiles)]),
                QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<int>(size - 1)));
    {
        EncodingCalculator calculator;
        checkTables(calculator.store());
        askEverything(calculator);
    }
    dir.restore();
    return 0;
}
