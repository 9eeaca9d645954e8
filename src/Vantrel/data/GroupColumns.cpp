#include "GroupColumns.h"

#include <QHash>

#include <array>

namespace {

struct Names
{
    const char* english;
    const char* chinese;
};

// The English headings are the reports' own texts (ReportTexts) and the
// Chinese ones their translations.
const std::array<Names, GroupColumns::Count> kNames{{
    {"No.", "编号"},
    {"Name", "名称"},
    {"Type", "类型"},
    {"Channels", "通道数"},
    {"Streams", "码流数"},
    {"Resolution", "分辨率"},
    {"Frame rate", "帧率"},
    {"Encoding", "编码"},
    {"Rate (kbps)", "码率 (kbps)"},
    {"Bandwidth (kbps)", "带宽 (kbps)"},
    {"Share (%)", "占比 (%)"},
    {"Storage (TB)", "存储 (TB)"},
    {"Detail (px/m)", "细节（像素/米）"},
    {"Level met", "达到等级"},
    {"Level required", "要求等级"},
    {"Farthest (m)", "最远距离 (m)"},
    {"Scene", "场景"},
    {"Recording", "录像方式"},
    {"Hours per day", "每天录像小时数"},
    {"Event share", "事件占比"},
    {"Retention (days)", "保存天数"},
    {"Recorded streams", "录像码流数"},
    {"Night hours", "夜间小时数"},
    {"Night factor", "夜间码率系数"},
    {"Audio (kbps)", "音频 (kbps)"},
    {"Event retention (days)", "事件保存天数"},
    {"Field of view (°)", "水平视场角 (°)"},
    {"Focal length (mm)", "焦距 (mm)"},
    {"Sensor width (mm)", "传感器宽度 (mm)"},
    {"Distance (m)", "距离 (m)"},
    {"Switch", "交换机"},
    {"Recorder", "录像机"},
    {"PoE class", "PoE 等级"},
}};

// What headings are compared by: no spaces, no case, half-width brackets.
QString folded(const QString& heading)
{
    QString out;
    out.reserve(heading.size());
    for (const QChar c : heading) {
        if (c.isSpace())
            continue;
        if (c == QChar(0xFF08))
            out += QLatin1Char('(');
        else if (c == QChar(0xFF09))
            out += QLatin1Char(')');
        else
            out += c.toCaseFolded();
    }
    return out;
}

const QHash<QString, GroupColumns::Column>& byHeading()
{
    static const QHash<QString, GroupColumns::Column> table = [] {
        QHash<QString, GroupColumns::Column> made;
        for (int i = 0; i < GroupColumns::Count; ++i) {
            const auto column = static_cast<GroupColumns::Column>(i);
            made.insert(folded(GroupColumns::english(column)), column);
            made.insert(folded(GroupColumns::chinese(column)), column);
        }
        return made;
    }();
    return table;
}

} // namespace

QString GroupColumns::english(Column column)
{
    return column >= 0 && column < Count ? QString::fromUtf8(kNames[size_t(column)].english) : QString();
}

QString GroupColumns::chinese(Column column)
{
    return column >= 0 && column < Count ? QString::fromUtf8(kNames[size_t(column)].chinese) : QString();
}

GroupColumns::Column GroupColumns::fromHeading(const QString& heading)
{
    if (heading.isEmpty() || heading.size() > 64)
        return Unknown;
    return byHeading().value(folded(heading), Unknown);
}

bool GroupColumns::isRead(Column column)
{
    switch (column) {
    case Bandwidth:
    case Share:
    case Storage:
    case DetailPxPerM:
    case LevelMet:
    case Farthest:
    case Count:
    case Unknown:
        return false;
    default:
        return true;
    }
}

QList<GroupColumns::Column> GroupColumns::settingsColumns()
{
    QList<Column> columns;
    for (int i = Scene; i <= PoeClass; ++i)
        columns << static_cast<Column>(i);
    return columns;
}
