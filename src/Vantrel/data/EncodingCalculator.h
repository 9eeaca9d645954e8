#pragma once

#include "DeviceKind.h"
#include "DeviceTypes.h"
#include "EncodingFit.h"

#include <QString>

#include <memory>
#include <optional>

class DeviceConfigStore;

// The bitrate formula of one stream, and the two searches that find the
// resolution and frame rate fitting a link.
class EncodingCalculator
{
public:
    // The frame rate at which a table bitrate holds exactly.
    static constexpr double kReferenceFrameRate = 25.0;
    // A stream may use this share of its even part of the link.
    static constexpr double kLinkUsage = 0.7;

    EncodingCalculator();
    ~EncodingCalculator();
    EncodingCalculator(const EncodingCalculator&) = delete;
    EncodingCalculator& operator=(const EncodingCalculator&) = delete;

    void setEncodeType(const QString& encodingType);
    QString encodeType() const { return m_encodingType; }

    // kbps of one stream; deviceType 0 = IPC, 1 = DVR.
    double calculateBitrate(int deviceType, const QString& resolution, double frameRate);
    // The same formula for a table rate already looked up.
    static double bitrateFromTableRate(int deviceType, double tableRate, double frameRate);
    // The same with the slow-rate decay of frameRate already worked out.
    static double bitrateFromTableRate(int deviceType, double tableRate, double frameRate, double decay);
    static double slowRateDecay(double frameRate);
    double calculateBandwidth(double bitrate, int channelCount, int streamCount) const;

    // The first resolution (from the top of the table) that fits at some
    // frame rate, and the first frame rate that fits with it.
    std::optional<EncodingFit> resolutionFirst(const CodeParameter& parameter);
    // The first frame rate that fits with some resolution, and the first
    // resolution that fits at it.
    std::optional<EncodingFit> frameRateFirst(const CodeParameter& parameter);

    // The same searches for callers that want the two texts only; on false
    // both outputs are left as they were.
    bool calculateResolutionFirst(QString& resolution, QString& frameRate, const CodeParameter& parameter);
    bool calculateFrameRateFirst(QString& resolution, QString& frameRate, const CodeParameter& parameter);

    const DeviceConfigStore& store() const { return *m_store; }

private:
    enum class SearchOrder { ResolutionFirst, FrameRateFirst };
    std::optional<EncodingFit> search(const CodeParameter& parameter, SearchOrder order);
    static bool copyTexts(const std::optional<EncodingFit>& fit, QString& resolution, QString& frameRate);
    // The rate calculateBitrate() looks up for each row (that of the first
    // row of the same name), and the slow-rate decay of each frame rate.
    // The tables never change once read, so each is worked out when a table
    // is first asked about and kept while the next questions use it too.
    const QVector<double>& tableRatesOf(const QVector<BitrateEntry>& rows);
    const QVector<double>& decaysOf(const QVector<ShowValueItem>& rates);

    QString m_encodingType;
    std::unique_ptr<DeviceConfigStore> m_store;
    QVector<BitrateEntry> m_resolvedRows;
    QVector<double> m_tableRates;
    QVector<ShowValueItem> m_resolvedRates;
    QVector<double> m_decays;
};
