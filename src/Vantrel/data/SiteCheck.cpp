#include "SiteCheck.h"

#include "NetworkCheck.h"
#include "StorageCalculator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QLocale>

#include <cmath>

namespace {

// Figures are written with one decimal, as the window shows them.
QJsonValue tenth(double value)
{
    return std::isfinite(value) ? QJsonValue(std::round(value * 10.0) / 10.0) : QJsonValue(QJsonValue::Null);
}

QJsonValue hundredth(double value)
{
    return std::isfinite(value) ? QJsonValue(std::round(value * 100.0) / 100.0) : QJsonValue(QJsonValue::Null);
}

QByteArray valueText(const QJsonValue& value)
{
    // Numbers and nulls are most of a city's output and are written as the
    // JSON writer writes them, without a document for each.
    if (value.isNull())
        return QByteArrayLiteral("null");
    if (value.isDouble()) {
        const double x = value.toDouble();
        if (!std::isfinite(x))
            return QByteArrayLiteral("null");
        // Whole figures in full, as the writer gives them: 100000, not 1e+05.
        if (std::abs(x) < 9007199254740992.0 && std::trunc(x) == x)
            return QByteArray::number(static_cast<qint64>(x));
        return QByteArray::number(x, 'g', QLocale::FloatingPointShortest);
    }
    const QByteArray wrapped = QJsonDocument(QJsonArray{ value }).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

// Members joined in the order the command line promises.
class JsonObjectText
{
public:
    JsonObjectText& add(const char* key, const QByteArray& value)
    {
        m_text += m_text.size() > 1 ? ",\"" : "\"";
        m_text += key;
        m_text += "\":";
        m_text += value;
        return *this;
    }
    JsonObjectText& add(const char* key, const QJsonValue& value) { return add(key, valueText(value)); }
    QByteArray text() const { return m_text + '}'; }

private:
    QByteArray m_text = "{";
};

QByteArray list(const QVector<QByteArray>& items)
{
    QByteArray out = "[";
    for (int i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += ',';
        out += items.at(i);
    }
    return out + ']';
}

} // namespace

SiteCheck::SiteCheck(const PlanData& plan, std::optional<int> disks)
{
    const NetworkCheck network(plan);
    m_switches = network.switches();
    m_recorders = network.recorders();
    m_siteLoadKbps = network.siteLoadKbps();
    m_problems = network.problems();
    m_groups.reserve(plan.groups.size());
    m_groupStates.reserve(plan.groups.size());
    for (int row = 0; row < plan.groups.size(); ++row) {
        checkDetail(row, plan.groups.at(row));
        const std::optional<DetailFigures>& detail = m_groups.constLast().detail;
        const CheckState own = detail && detail->state ? *detail->state : CheckState::Ok;
        m_groupStates.append(std::max(own, network.placeState(row)));
    }
    const int available = disks.value_or(plan.storage.disksAvailable);
    if (disks || available > 0)
        checkDays(plan, available);
}

void SiteCheck::checkDetail(int row, const PlanGroup& group)
{
    std::optional<SiteProblem> problem;
    m_groups.append(checkGroup(group, row, &problem));
    if (problem)
        m_problems.append(*problem);
}

SiteCheck::Group SiteCheck::checkGroup(const PlanGroup& group, int row, std::optional<SiteProblem>* problem)
{
    Group entry;
    entry.number = group.device.groupNumber;
    entry.detail = PixelDensity::figures(group.view, group.device.resolution);
    if (!problem || !entry.detail || entry.detail->state != CheckState::Over)
        return entry;
    const DetailFigures& detail = *entry.detail;
    const DetailLevel required = *group.view.required;
    SiteProblem found;
    found.object = QStringLiteral("group");
    found.id = QString::number(entry.number);
    found.rule = QStringLiteral("detail");
    found.state = CheckState::Over;
    found.value = detail.pxPerM;
    found.limit = PixelDensity::levelPxPerM(required);
    found.unit = QStringLiteral("px/m");
    found.row = row;
    found.text = tr("%1 sees %2 px/m at %3 m, below %4 (%5 px/m): bring the target within %6 m, "
                    "or use a narrower lens or a higher resolution.")
                     .arg(group.device.channelName, pxPerMText(detail.pxPerM), metresText(group.view.distanceM),
                          PixelDensity::shownLevel(required), pxPerMText(found.limit),
                          metresText(detail.farthestM.value_or(0.0)));
    *problem = found;
    return entry;
}

void SiteCheck::checkDays(const PlanData& plan, int disks)
{
    m_days = StorageCalculator::daysOnDisks(plan.groups, plan.storage, disks);
    const DiskDays& days = *m_days;
    if (days.state == CheckState::Ok)
        return;
    SiteProblem problem;
    problem.object = QStringLiteral("site");
    problem.rule = QStringLiteral("days");
    problem.state = days.state;
    problem.value = static_cast<double>(days.usableBytes / StorageCalculator::kBytesPerTB);
    problem.limit = static_cast<double>(days.keptBytes / StorageCalculator::kBytesPerTB);
    problem.unit = QStringLiteral("TB");
    problem.text = tr("The %1 disks available hold %2 TB; the days asked need %3 TB: plan %4 disks, or keep fewer days.")
                       .arg(days.disks)
                       .arg(StorageCalculator::tbText(days.usableBytes), StorageCalculator::tbText(days.keptBytes))
                       .arg(std::max(days.disksNeeded, qint64(days.disks) + 1));
    m_problems.append(problem);
}

CheckState SiteCheck::groupState(int row) const
{
    return m_groupStates.value(row, CheckState::Ok);
}

bool SiteCheck::hasOver() const
{
    for (const SiteProblem& problem : m_problems) {
        if (problem.state == CheckState::Over)
            return true;
    }
    return false;
}

QVector<SiteProblem> SiteCheck::problemsOfRow(int row) const
{
    QVector<SiteProblem> found;
    for (const SiteProblem& problem : m_problems) {
        if (problem.row == row)
            found.append(problem);
    }
    return found;
}

const SiteProblem* SiteCheck::siteProblem() const
{
    for (const SiteProblem& problem : m_problems) {
        if (problem.object == QLatin1String("site") && problem.rule == QLatin1String("days"))
            return &problem;
    }
    return nullptr;
}

QString SiteCheck::pxPerMText(double pxPerM)
{
    return QString::number(std::round(pxPerM * 10.0) / 10.0, 'f', 1);
}

QString SiteCheck::metresText(double metres)
{
    return QString::number(std::round(metres * 10.0) / 10.0, 'f', 1);
}

QByteArray SiteCheck::toJson() const
{
    QVector<QByteArray> problems;
    for (const SiteProblem& problem : m_problems) {
        problems.append(JsonObjectText()
                            .add("object", QJsonValue(problem.object))
                            .add("id", QJsonValue(problem.id))
                            .add("rule", QJsonValue(problem.rule))
                            .add("state", QJsonValue(checkStateName(problem.state)))
                            .add("value", tenth(problem.value))
                            .add("limit", tenth(problem.limit))
                            .add("unit", QJsonValue(problem.unit))
                            .add("text", QJsonValue(problem.text))
                            .text());
    }
    QVector<QByteArray> groups;
    for (const Group& group : m_groups) {
        JsonObjectText entry;
        entry.add("number", QJsonValue(group.number));
        const QJsonValue null(QJsonValue::Null);
        if (group.detail) {
            const DetailFigures& detail = *group.detail;
            entry.add("pxPerM", tenth(detail.pxPerM))
                .add("level", QJsonValue(PixelDensity::levelName(detail.level)))
                .add("farthestM", detail.farthestM ? tenth(*detail.farthestM) : null)
                .add("state", detail.state ? QJsonValue(checkStateName(*detail.state)) : null);
        } else {
            entry.add("pxPerM", null).add("level", null).add("farthestM", null).add("state", null);
        }
        groups.append(entry.text());
    }
    QVector<QByteArray> switches;
    for (const SwitchFigures& sw : m_switches) {
        switches.append(JsonObjectText()
                            .add("id", QJsonValue(sw.id))
                            .add("uplinkMbps", tenth(sw.loadKbps / BandwidthTotal::kKbpsPerMbps))
                            .add("utilisation", hundredth(sw.utilisation))
                            .add("portsUsed", QJsonValue(sw.portsUsed))
                            .add("poeW", tenth(sw.poeW))
                            .add("state", QJsonValue(checkStateName(sw.state)))
                            .text());
    }
    QVector<QByteArray> recorders;
    for (const RecorderFigures& rec : m_recorders) {
        recorders.append(JsonObjectText()
                             .add("id", QJsonValue(rec.id))
                             .add("channels", QJsonValue(rec.channelsUsed))
                             .add("inputMbps", tenth(rec.inputKbps / BandwidthTotal::kKbpsPerMbps))
                             .add("disks", rec.disks ? QJsonValue(double(*rec.disks)) : QJsonValue(QJsonValue::Null))
                             .add("state", QJsonValue(checkStateName(rec.state)))
                             .text());
    }
    JsonObjectText out;
    out.add("problems", list(problems))
        .add("switches", list(switches))
        .add("recorders", list(recorders))
        .add("groups", list(groups));
    if (m_days) {
        out.add("disks", QJsonValue(m_days->disks));
        out.add("days", daysJson(*m_days));
        out.add("factor", m_days->factor ? QByteArray::number(*m_days->factor, 'g', QLocale::FloatingPointShortest) : QByteArray("null"));
    }
    return out.text();
}

QByteArray SiteCheck::daysJson(const DiskDays& days)
{
    QVector<QByteArray> entries;
    for (const DiskDays::Group& group : days.groups) {
        JsonObjectText entry;
        entry.add("number", QJsonValue(group.number)).add("retentionDays", QJsonValue(group.days));
        if (group.askedEventDays != group.askedDays)
            entry.add("eventRetentionDays", QJsonValue(group.eventDays));
        entries.append(entry.text());
    }
    return list(entries);
}
