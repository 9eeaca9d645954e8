#pragma once

#include <QString>

#include <optional>

// The two kinds of video device a group or a link question is about. The
// interfaces that carry a kind number it each in their own way, fixed by the
// data files and the signals that already cross the widgets; these
// converters are the one place that knows all of them.
enum class DeviceKind { Ipc, Dvr };

// 0 IPC, 1 DVR: CodeParameter::deviceType, the calculator's device type, the
// encoding tables and the editor's device-type boxes (by index).
constexpr int encodingCode(DeviceKind kind)
{
    return kind == DeviceKind::Dvr ? 1 : 0;
}

constexpr std::optional<DeviceKind> deviceKindFromEncodingCode(int code)
{
    if (code == 0)
        return DeviceKind::Ipc;
    if (code == 1)
        return DeviceKind::Dvr;
    return std::nullopt;
}

// 1 IPC, 2 DVR: the resolution lists of DeviceInfoManager.
constexpr int resolutionListCode(DeviceKind kind)
{
    return kind == DeviceKind::Dvr ? 2 : 1;
}

// 1 IPC, any other DVR: the store's default-table lookups.
constexpr int defaultTableCode(DeviceKind kind)
{
    return kind == DeviceKind::Dvr ? 2 : 1;
}

constexpr DeviceKind deviceKindFromDefaultTableCode(int code)
{
    return code == 1 ? DeviceKind::Ipc : DeviceKind::Dvr;
}

// "IPC" / "DVR": StructDeviceItem::deviceType. The comparison is exact; the
// texts are the source texts, never their translations.
inline std::optional<DeviceKind> deviceKindFromText(const QString& text)
{
    if (text == QLatin1String("IPC"))
        return DeviceKind::Ipc;
    if (text == QLatin1String("DVR"))
        return DeviceKind::Dvr;
    return std::nullopt;
}

inline QString deviceKindText(DeviceKind kind)
{
    return kind == DeviceKind::Dvr ? QStringLiteral("DVR") : QStringLiteral("IPC");
}
