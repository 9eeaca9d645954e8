#include "EncodingCalculator.h"

#include "DeviceConfigStore.h"


#include <QHash>

#include <cmath>

namespace {

// A sub stream never gets the main-stream resolutions at the top of the
// tables. A camera's frame-rate-first search starts lower than its
// resolution-first one: it was tuned to offer more frames at a smaller
// picture before it ever gave up a sub-stream resolution.
constexpr int kDvrSubStreamRow = 6;
constexpr int kIpcSubStreamRowFrameRateFirst = 8;
constexpr int kIpcSubStreamRowResolutionFirst = 18;

int startRow(const CodeParameter& parameter, bool frameRateFirst)
{
    if (parameter.streamType == 0)
        return 0;
    if (deviceKindFromEncodingCode(parameter.deviceType) == DeviceKind::Dvr)
        return kDvrSubStreamRow;
    return frameRateFirst ? kIpcSubStreamRowFrameRateFirst : kIpcSubStreamRowResolutionFirst;
}

} // namespace

EncodingCalculator::EncodingCalculator()
    : m_encodingType(QStringLiteral("H.264"))
    , m_store(std::make_unique<DeviceConfigStore>())
{
}

EncodingCalculator::~EncodingCalculator() = default;

void EncodingCalculator::setEncodeType(const QString& encodingType)
{
    m_encodingType = encodingType;
}

double EncodingCalculator::calculateBitrate(int deviceType, const QString& resolution, double frameRate)
{
    m_store->setCurrentEncoding(m_encodingType);
    // Any code but the recorder's is computed as a camera.
    const DeviceKind kind = deviceKindFromEncodingCode(deviceType).value_or(DeviceKind::Ipc);
    const double d = m_store->getDefaultEncodingBitrate(resolution, defaultTableCode(kind));
    return bitrateFromTableRate(deviceType, d, frameRate);
}

double EncodingCalculator::bitrateFromTableRate(int deviceType, double d, double frameRate)
{
    return bitrateFromTableRate(deviceType, d, frameRate, slowRateDecay(frameRate));
}

double EncodingCalculator::slowRateDecay(double frameRate)
{
    // Below 10 fps a camera's rate decays by 0.9 per frame, flat below 1 fps.
    if (frameRate >= 10.0)
        return 1.0;
    const double steps = frameRate >= 1.0 ? 10.0 - frameRate : 9.0;
    return std::pow(0.9, steps);
}

double EncodingCalculator::bitrateFromTableRate(int deviceType, double d, double frameRate, double decay)
{
    const double F = kReferenceFrameRate;
    const DeviceKind kind = deviceKindFromEncodingCode(deviceType).value_or(DeviceKind::Ipc);
    if (kind == DeviceKind::Dvr) {
        // A recorder keeps a fifth of the table rate at any frame rate.
        return d / 5.0 + (frameRate * 4.0 * d) / (5.0 * F);
    }
    if (frameRate >= 10.0)
        return d * frameRate / F;
    return (d * 10.0 / F) * decay;
}

double EncodingCalculator::calculateBandwidth(double bitrate, int channelCount, int streamCount) const
{
    return static_cast<double>(channelCount) * bitrate * static_cast<double>(streamCount);
}

std::optional<EncodingFit> EncodingCalculator::resolutionFirst(const CodeParameter& parameter)
{
    return search(parameter, SearchOrder::ResolutionFirst);
}

std::optional<EncodingFit> EncodingCalculator::frameRateFirst(const CodeParameter& parameter)
{
    return search(parameter, SearchOrder::FrameRateFirst);
}

bool EncodingCalculator::calculateResolutionFirst(QString& resolution, QString& frameRate, const CodeParameter& parameter)
{
    return copyTexts(resolutionFirst(parameter), resolution, frameRate);
}

bool EncodingCalculator::calculateFrameRateFirst(QString& resolution, QString& frameRate, const CodeParameter& parameter)
{
    return copyTexts(frameRateFirst(parameter), resolution, frameRate);
}

bool EncodingCalculator::copyTexts(const std::optional<EncodingFit>& fit, QString& resolution, QString& frameRate)
{
    if (!fit)
        return false;
    resolution = fit->resolution;
    frameRate = fit->frameRateText;
    return true;
}

std::optional<EncodingFit> EncodingCalculator::search(const CodeParameter& parameter, SearchOrder order)
{
    if (parameter.streamCount < 1)
        return std::nullopt;
    const double budget = parameter.bandwidth / parameter.streamCount * kLinkUsage;
    const QVector<ShowValueItem> rates = m_store->getFrameRateTable(parameter.videoStandard);
    const QVector<BitrateEntry> rows = m_store->getEncodingTable(parameter.encodingType, parameter.deviceType);
    setEncodeType(parameter.encodingType);
    m_store->setCurrentEncoding(m_encodingType);
    const QVector<double>& tableRates = tableRatesOf(rows);
    const QVector<double>& decays = decaysOf(rates);

    const bool frameRateFirst = order == SearchOrder::FrameRateFirst;
    const int first = startRow(parameter, frameRateFirst);
    const int rowCount = rows.size();
    const int rateCount = rates.size();
    const int outerCount = frameRateFirst ? rateCount : rowCount;
    const int innerCount = frameRateFirst ? rowCount : rateCount;
    const int outerStart = frameRateFirst ? 0 : first;
    const int innerStart = frameRateFirst ? first : 0;

    for (int outer = outerStart; outer < outerCount; ++outer) {
        for (int inner = innerStart; inner < innerCount; ++inner) {
            const BitrateEntry& row = rows.at(frameRateFirst ? inner : outer);
            const ShowValueItem& rate = rates.at(frameRateFirst ? outer : inner);
            const double bitrate = bitrateFromTableRate(parameter.deviceType,
                                                        tableRates.at(frameRateFirst ? inner : outer), rate.value,
                                                        decays.at(frameRateFirst ? outer : inner));
            if (budget - bitrate >= 0)
                return EncodingFit{row.resolution, rate.show, rate.value, bitrate};
        }
    }
    return std::nullopt;
}

const QVector<double>& EncodingCalculator::tableRatesOf(const QVector<BitrateEntry>& rows)
{
    if (rows.constData() == m_resolvedRows.constData() && rows.size() == m_resolvedRows.size())
        return m_tableRates;
    QHash<QString, int> firstRateByName;
    firstRateByName.reserve(rows.size());
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        firstRateByName.insert(row->resolution, row->bitrate); // the first row wins, inserted last
    m_tableRates.resize(rows.size());
    for (int row = 0; row < rows.size(); ++row)
        m_tableRates[row] = firstRateByName.value(rows.at(row).resolution);
    m_resolvedRows = rows; // held, so its data stays the table's
    return m_tableRates;
}

const QVector<double>& EncodingCalculator::decaysOf(const QVector<ShowValueItem>& rates)
{
    if (rates.constData() == m_resolvedRates.constData() && rates.size() == m_resolvedRates.size())
        return m_decays;
    m_decays.resize(rates.size());
    for (int rate = 0; rate < rates.size(); ++rate)
        m_decays[rate] = slowRateDecay(rates.at(rate).value);
    m_resolvedRates = rates;
    return m_decays;
}
