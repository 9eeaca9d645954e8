#include "PlanNameCheck.h"

#include "DeviceConfigStore.h"
#include "DeviceKind.h"
#include "KnownNames.h"
#include "PlanFile.h"
#include "ShownText.h"

#include <QVector>

#include <algorithm>

namespace {

int editDistance(const QString& a, const QString& b)
{
    QVector<int> row(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            const int substitute = diagonal + (a.at(i - 1).toCaseFolded() == b.at(j - 1).toCaseFolded() ? 0 : 1);
            row[j] = std::min({ above + 1, row[j - 1] + 1, substitute });
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

QStringList PlanNameCheck::nearest(const QString& name, const QStringList& known, int count)
{
    QVector<QPair<int, QString>> ranked;
    ranked.reserve(known.size());
    for (const QString& candidate : known)
        ranked.append({ editDistance(name, candidate), candidate });
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList out;
    for (int i = 0; i < ranked.size() && i < count; ++i)
        out << ranked.at(i).second;
    return out;
}

QString PlanNameCheck::firstUnknown(const PlanData& plan, const DeviceConfigStore& store, const QString& fileName)
{
    KnownNames known(store);
    for (int i = 0; i < plan.groups.size(); ++i) {
        const StructDeviceItem& group = plan.groups.at(i).device;
        const auto refuse = [&](const char* key, const QString& value, const QStringList& names) {
            const QStringList close = nearest(value, names);
            const QString where = tr("%1: group %2 (%3):")
                                      .arg(fileName)
                                      .arg(i + 1)
                                      .arg(ShownText::abbreviated(PlanFile::nameWithoutNumber(group)));
            return tr("%1 key \"%2\" is \"%3\", which the data tables do not list; nearest: %4.")
                .arg(where, QLatin1String(key), ShownText::abbreviated(value),
                     close.isEmpty() ? tr("none") : close.join(QStringLiteral(", ")));
        };
        if (const UnknownName unknown = unknownName(group, plan.videoStandard, known); unknown.key)
            return refuse(unknown.key, unknown.value, unknown.known);
    }
    return QString();
}

PlanNameCheck::UnknownName PlanNameCheck::unknownName(const StructDeviceItem& group, VideoStandard standard,
                                                      KnownNames& known)
{
    // A scene group's rate is its own and its names are the scene
    // table's, which the user replaces by importing another: a plan made
    // with the shipped scenes still opens after such an import (the
    // editor says so when such a group is changed).
    if (!group.sceneName.isEmpty())
        return {};
    const DeviceKind kind = group.deviceType == QLatin1String("DVR") ? DeviceKind::Dvr : DeviceKind::Ipc;
    if (!known.resolutions(kind).contains(group.resolution))
        return {"resolution", group.resolution, known.resolutions(kind)};
    if (!known.frameRates(standard).contains(group.frameRate))
        return {"frameRate", group.frameRate, known.frameRates(standard)};
    if (!known.encodings().contains(group.encodingType))
        return {"encoding", group.encodingType, known.encodings()};
    return {};
}
