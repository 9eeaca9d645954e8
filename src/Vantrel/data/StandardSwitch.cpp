#include "StandardSwitch.h"

#include "DeviceKind.h"
#include "EncodingCalculator.h"
#include "ShownRate.h"

QVector<StandardSwitch::RowChange> StandardSwitch::changedGroups(const QVector<PlanGroup>& groups,
                                                                 VideoStandard target, EncodingCalculator& calculator)
{
    QVector<RowChange> changed;
    if (target != PAL && target != NTSC)
        return changed;
    for (int row = 0; row < groups.size(); ++row) {
        PlanGroup group = groups.at(row);
        if (convert(group.device, target, calculator))
            changed.append({ row, group });
    }
    return changed;
}

QString StandardSwitch::convertedFrameRate(const QString& frameRate, VideoStandard target)
{
    if (target == PAL) {
        if (frameRate == QLatin1String("30"))
            return QStringLiteral("25");
        if (frameRate == QLatin1String("60"))
            return QStringLiteral("50");
    } else {
        if (frameRate == QLatin1String("25"))
            return QStringLiteral("30");
        if (frameRate == QLatin1String("50"))
            return QStringLiteral("60");
    }
    return QString();
}

bool StandardSwitch::convert(StructDeviceItem& group, VideoStandard target, EncodingCalculator& calculator)
{
    // Scene groups have no frame rate of their own.
    if (!group.sceneName.isEmpty())
        return false;
    const QString newFrameRate = convertedFrameRate(group.frameRate, target);
    if (newFrameRate.isEmpty())
        return false;
    const std::optional<DeviceKind> deviceKind = deviceKindFromText(group.deviceType);
    if (!deviceKind)
        return false;
    const int kind = encodingCode(*deviceKind);

    calculator.setEncodeType(group.encodingType);
    // The four convertible texts are all plain numbers.
    const double oldRecommended = calculator.calculateBitrate(kind, group.resolution, group.frameRate.toDouble());
    if (ShownRate::wholeKbps(oldRecommended) == ShownRate::wholeKbps(group.bitrate))
        group.bitrate = calculator.calculateBitrate(kind, group.resolution, newFrameRate.toDouble());
    group.frameRate = newFrameRate;
    return true;
}
