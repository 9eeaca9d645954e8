#include "PlanNameCheck.h"

#include "DeviceConfigStore.h"
#include "DeviceKind.h"
#include "PlanFile.h"
#include "ShownText.h"

#include <QHash>
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

// Lists are asked once per plan, not once per group: a city plan has
// thousands of groups and only a handful of distinct names.
class KnownNames
{
public:
    explicit KnownNames(const DeviceConfigStore& store)
        : m_store(store)
    {
    }

    const QStringList& resolutions(DeviceKind kind)
    {
        QStringList& list = kind == DeviceKind::Ipc ? m_ipcResolutions : m_dvrResolutions;
        if (list.isEmpty())
            m_store.getResolutions(list, defaultTableCode(kind));
        return list;
    }
    const QStringList& frameRates(VideoStandard standard)
    {
        QStringList& list = standard == NTSC ? m_ntscFrames : m_palFrames;
        if (list.isEmpty())
            list = m_store.getFrameRateTexts(standard);
        return list;
    }
    const QStringList& encodings()
    {
        if (m_encodings.isEmpty())
            m_encodings = m_store.getEncodeTypes();
        return m_encodings;
    }
    const QStringList& scenes()
    {
        if (m_scenes.isEmpty())
            m_store.getScenceNames(m_scenes);
        return m_scenes;
    }
    const QStringList& sceneResolutions(const QString& scene)
    {
        auto it = m_sceneResolutions.find(scene);
        if (it == m_sceneResolutions.end()) {
            QStringList list;
            m_store.getScenceResolutions(scene, list);
            it = m_sceneResolutions.insert(scene, list);
        }
        return *it;
    }
    const QStringList& sceneEncodings(const QString& scene, const QString& resolution)
    {
        const QString key = scene + QChar(0) + resolution;
        auto it = m_sceneEncodings.find(key);
        if (it == m_sceneEncodings.end()) {
            QStringList list;
            m_store.getScenceEncodeTypes(scene, resolution, list);
            it = m_sceneEncodings.insert(key, list);
        }
        return *it;
    }

private:
    const DeviceConfigStore& m_store;
    QStringList m_ipcResolutions;
    QStringList m_dvrResolutions;
    QStringList m_palFrames;
    QStringList m_ntscFrames;
    QStringList m_encodings;
    QStringList m_scenes;
    QHash<QString, QStringList> m_sceneResolutions;
    QHash<QString, QStringList> m_sceneEncodings;
};

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
        const DeviceKind kind = group.deviceType == QLatin1String("DVR") ? DeviceKind::Dvr : DeviceKind::Ipc;
        if (group.sceneName.isEmpty()) {
            if (!known.resolutions(kind).contains(group.resolution))
                return refuse("resolution", group.resolution, known.resolutions(kind));
            if (!known.frameRates(plan.videoStandard).contains(group.frameRate))
                return refuse("frameRate", group.frameRate, known.frameRates(plan.videoStandard));
            if (!known.encodings().contains(group.encodingType))
                return refuse("encoding", group.encodingType, known.encodings());
        } else {
            if (!known.scenes().contains(group.sceneName))
                return refuse("scene", group.sceneName, known.scenes());
            const QStringList& resolutions = known.sceneResolutions(group.sceneName);
            if (!resolutions.contains(group.resolution))
                return refuse("resolution", group.resolution, resolutions);
            const QStringList& encodings = known.sceneEncodings(group.sceneName, group.resolution);
            if (!encodings.contains(group.encodingType))
                return refuse("encoding", group.encodingType, encodings);
        }
    }
    return QString();
}
