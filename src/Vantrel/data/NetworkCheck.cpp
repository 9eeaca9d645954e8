#include "NetworkCheck.h"

#include "BandwidthTotal.h"
#include "DeviceKind.h"
#include "PlanTotals.h"
#include "StorageCalculator.h"
#include "UplinkCheck.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// IEEE 802.3af/at/bt, at the switch, in tenths of a watt; class 0 reserves
// what class 3 does.
constexpr int kPoeTenths[] = { 154, 40, 70, 154, 300, 450, 600, 750, 900 };

double plain(double load)
{
    return load > 0.0 && std::isfinite(load) ? load : 0.0;
}

QString nameOf(const QString& name, const QString& id)
{
    return name.isEmpty() ? id : name;
}

CheckState worst(CheckState a, CheckState b)
{
    return std::max(a, b);
}

double mbps(double kbps)
{
    return kbps / BandwidthTotal::kKbpsPerMbps;
}

// The tree the switches' parents make. A parent that is not there, or a
// loop of parents (a plan mid-edit; files refuse both), leaves the switch a
// root, so every switch is in exactly one tree.
struct SwitchTree
{
    explicit SwitchTree(const PlanNetwork& network, const QHash<QString, int>& index)
    {
        const int n = network.switches.size();
        parent.fill(-1, n);
        depth.fill(0, n);
        QVector<int> given(n, -1);
        QVector<int> childCount(n + 1, 0);
        for (int i = 0; i < n; ++i) {
            const QString& id = network.switches.at(i).parent;
            const int p = id.isEmpty() ? -1 : index.value(id, -1);
            if (p != i)
                given[i] = p;
            if (given[i] >= 0)
                ++childCount[given[i]];
        }
        // Children as one flat list, each switch's in a run of its own.
        QVector<int> start(n + 1, 0);
        for (int i = 0; i < n; ++i)
            start[i + 1] = start[i] + childCount[i];
        QVector<int> children(start[n]);
        QVector<int> fill = start;
        for (int i = 0; i < n; ++i) {
            if (given[i] >= 0)
                children[fill[given[i]]++] = i;
        }
        order.reserve(n);
        QVector<bool> seen(n, false);
        QVector<int> stack;
        const auto walkFrom = [&](int root) {
            seen[root] = true;
            stack.append(root);
            while (!stack.isEmpty()) {
                const int s = stack.takeLast();
                order.append(s);
                for (int c = start[s]; c < start[s + 1]; ++c) {
                    const int child = children[c];
                    if (seen[child])
                        continue;
                    seen[child] = true;
                    parent[child] = s;
                    depth[child] = depth[s] + 1;
                    stack.append(child);
                }
            }
        };
        for (int i = 0; i < n; ++i) {
            if (given[i] < 0)
                walkFrom(i);
        }
        // What is left hangs from a loop; its first switch becomes a root.
        for (int i = 0; i < n; ++i) {
            if (!seen[i])
                walkFrom(i);
        }
        childrenOf = std::move(childCount);
    }

    // The lowest switch above or at both; -1 when they are in different
    // trees.
    int lowestCommon(int a, int b) const
    {
        while (depth[a] > depth[b])
            a = parent[a];
        while (depth[b] > depth[a])
            b = parent[b];
        while (a != b && a >= 0) {
            a = parent[a];
            b = parent[b];
        }
        return a;
    }

    QVector<int> parent;
    QVector<int> depth;
    // Parents before their children.
    QVector<int> order;
    // The switches whose file names this one as parent.
    QVector<int> childrenOf;
};

} // namespace

NetworkCheck::NetworkCheck(const PlanData& plan)
{
    const PlanNetwork& network = plan.network;
    QHash<QString, int> switchIndex;
    switchIndex.reserve(network.switches.size());
    for (int i = network.switches.size() - 1; i >= 0; --i)
        switchIndex.insert(network.switches.at(i).id, i);
    QHash<QString, int> recorderIndex;
    recorderIndex.reserve(network.recorders.size());
    for (int i = network.recorders.size() - 1; i >= 0; --i)
        recorderIndex.insert(network.recorders.at(i).id, i);

    m_groupSwitch.fill(-1, plan.groups.size());
    m_groupRecorder.fill(-1, plan.groups.size());
    if (!network.isEmpty()) {
        for (int row = 0; row < plan.groups.size(); ++row) {
            const NetworkPlace& place = plan.groups.at(row).network;
            if (!place.switchId.isEmpty())
                m_groupSwitch[row] = switchIndex.value(place.switchId, -1);
            if (!place.recorderId.isEmpty())
                m_groupRecorder[row] = recorderIndex.value(place.recorderId, -1);
        }
    }
    addFlows(plan, switchIndex);
    addSwitchProblems(network);
    addRecorderProblems(network);
    addSiteProblem(plan.uplink);
}

void NetworkCheck::addFlows(const PlanData& plan, const QHash<QString, int>& switchIndex)
{
    const PlanNetwork& network = plan.network;
    const int switchCount = network.switches.size();
    const QVector<int>& groupSwitch = m_groupSwitch;
    const QVector<int>& groupRecorder = m_groupRecorder;
    const SwitchTree tree(network, switchIndex);

    QVector<int> recorderSwitch(network.recorders.size(), -1);
    for (int r = 0; r < network.recorders.size(); ++r)
        recorderSwitch[r] = switchIndex.value(network.recorders.at(r).switchId, -1);

    // Each flow is added at both its ends and taken off twice at their
    // lowest common switch; the sum over a switch's subtree is then what
    // crosses its uplink, the flows with exactly one end inside it.
    QVector<long double> crossing(switchCount, 0.0L);
    QVector<qint64> poeTenths(switchCount, 0);
    QVector<long double> keptBytes(network.recorders.size(), 0.0L);
    m_switches.resize(switchCount);
    m_recorders.resize(network.recorders.size());
    QHash<quint64, int> commonOf;
    BandwidthTotal site;

    for (int row = 0; row < plan.groups.size(); ++row) {
        const PlanGroup& group = plan.groups.at(row);
        const StructDeviceItem& device = group.device;
        const double load = plain(PlanTotals::groupLoad(device));
        const int from = groupSwitch.at(row);
        const int recorder = groupRecorder.at(row);
        const qint64 channels = std::max(device.channelCount, 0);
        const std::optional<DeviceKind> kind = deviceKindFromText(device.deviceType);

        if (from >= 0) {
            SwitchFigures& sw = m_switches[from];
            ++sw.groupCount;
            crossing[from] += load;
            if (kind == DeviceKind::Dvr) {
                ++sw.portsUsed;
            } else if (kind == DeviceKind::Ipc) {
                sw.portsUsed += int(std::min<qint64>(channels, 1 << 24));
                poeTenths[from] += channels * poeTenthsOfWatt(group.network.poeClass);
            }
        }
        if (recorder < 0) {
            site.add(load);
            continue;
        }
        RecorderFigures& rec = m_recorders[recorder];
        ++rec.groupCount;
        rec.channelsUsed += int(std::min<qint64>(channels, 1 << 24));
        rec.inputKbps += plain(static_cast<double>(channels) * std::max(group.recording.recordedStreams, 0) * device.bitrate);
        keptBytes[recorder] += StorageCalculator::groupBytes(group);
        const int to = recorderSwitch.at(recorder);
        if (to < 0)
            continue;
        crossing[to] += load;
        if (from < 0)
            continue;
        const quint64 key = (quint64(quint32(from)) << 32) | quint32(to);
        auto found = commonOf.constFind(key);
        if (found == commonOf.constEnd())
            found = commonOf.insert(key, tree.lowestCommon(from, to));
        if (*found >= 0)
            crossing[*found] -= 2.0L * load;
    }
    m_siteLoadKbps = site.sum();

    // Children before their parents: each subtree's sum is complete when it
    // is passed up.
    for (int i = tree.order.size() - 1; i >= 0; --i) {
        const int s = tree.order.at(i);
        if (tree.parent.at(s) >= 0)
            crossing[tree.parent.at(s)] += crossing.at(s);
    }

    for (int r = 0; r < network.recorders.size(); ++r) {
        if (recorderSwitch.at(r) >= 0)
            ++m_switches[recorderSwitch.at(r)].portsUsed;
    }
    for (int s = 0; s < switchCount; ++s) {
        const NetworkSwitch& given = network.switches.at(s);
        SwitchFigures& sw = m_switches[s];
        sw.id = given.id;
        sw.index = s;
        // Rounding of the sums can leave a trace below 0 where nothing crosses.
        sw.loadKbps = std::max(0.0, static_cast<double>(crossing.at(s)));
        sw.capacityKbps = given.uplinkMbps * BandwidthTotal::kKbpsPerMbps;
        sw.utilisation = sw.capacityKbps > 0.0 ? sw.loadKbps / sw.capacityKbps : 0.0;
        sw.uplinkState = UplinkCheck::stateOf(sw.loadKbps, sw.capacityKbps);
        sw.portsUsed += tree.childrenOf.at(s);
        sw.ports = given.ports;
        sw.portsState = sw.portsUsed <= sw.ports ? CheckState::Ok : CheckState::Over;
        const double reserved = static_cast<double>(poeTenths.at(s));
        sw.poeW = reserved / 10.0;
        sw.poeBudgetW = given.poeBudgetW;
        // In tenths of a watt: reserved <= 0.9 x budget is tenths <= 9 x budget.
        sw.poeState = reserved <= 9.0 * given.poeBudgetW ? CheckState::Ok
            : reserved <= 10.0 * given.poeBudgetW        ? CheckState::Warn
                                                         : CheckState::Over;
        sw.state = worst(sw.uplinkState, worst(sw.portsState, sw.poeState));
    }

    const long double diskBytes = StorageCalculator::usableDiskBytes(plan.storage);
    for (int r = 0; r < network.recorders.size(); ++r) {
        const NetworkRecorder& given = network.recorders.at(r);
        RecorderFigures& rec = m_recorders[r];
        rec.id = given.id;
        rec.index = r;
        rec.channels = given.channels;
        rec.channelsState = rec.channelsUsed <= rec.channels ? CheckState::Ok : CheckState::Over;
        rec.capacityKbps = given.inputMbps * BandwidthTotal::kKbpsPerMbps;
        rec.utilisation = rec.capacityKbps > 0.0 ? rec.inputKbps / rec.capacityKbps : 0.0;
        rec.inputState = UplinkCheck::stateOf(rec.inputKbps, rec.capacityKbps);
        // The same sizing as the Storage tab's, for this recorder's groups.
        if (diskBytes >= 1)
            rec.disks = StorageCalculator::disksToBuy(StorageCalculator::dataDisks(keptBytes.at(r), plan.storage), plan.storage);
        rec.bays = given.bays;
        if (rec.bays > 0)
            rec.disksState = rec.disks.value_or(0) <= rec.bays ? CheckState::Ok : CheckState::Over;
        rec.state = worst(rec.channelsState, worst(rec.inputState, rec.disksState.value_or(CheckState::Ok)));
    }
}

void NetworkCheck::addSwitchProblems(const PlanNetwork& network)
{
    for (const SwitchFigures& sw : std::as_const(m_switches)) {
        if (sw.state == CheckState::Ok)
            continue;
        const NetworkSwitch& given = network.switches.at(sw.index);
        const QString name = nameOf(given.name, given.id);
        SiteProblem problem;
        problem.object = QStringLiteral("switch");
        problem.id = sw.id;
        problem.index = sw.index;
        if (sw.uplinkState != CheckState::Ok) {
            problem.rule = QStringLiteral("uplink");
            problem.state = sw.uplinkState;
            problem.value = mbps(sw.loadKbps);
            problem.limit = given.uplinkMbps;
            problem.unit = QStringLiteral("Mbps");
            const QString text = sw.uplinkState == CheckState::Warn
                ? tr("%1's uplink carries %2 Mbps of %3 (%4 %): more than 70 %; move groups to another switch "
                     "or give it a faster uplink.")
                : tr("%1's uplink carries %2 Mbps of %3 (%4 %): more than it can carry; move groups to another "
                     "switch or give it a faster uplink.");
            problem.text = text.arg(name, figureText(problem.value), figureText(problem.limit),
                                    UplinkCheck::percentOf(sw.loadKbps, sw.capacityKbps));
            m_problems.append(problem);
        }
        if (sw.portsState != CheckState::Ok) {
            problem.rule = QStringLiteral("ports");
            problem.state = sw.portsState;
            problem.value = sw.portsUsed;
            problem.limit = sw.ports;
            problem.unit = QStringLiteral("ports");
            problem.text = tr("%1 needs %2 ports and has %3: use a switch with more ports, or move groups to "
                              "another switch.")
                               .arg(name)
                               .arg(sw.portsUsed)
                               .arg(sw.ports);
            m_problems.append(problem);
        }
        if (sw.poeState != CheckState::Ok) {
            problem.rule = QStringLiteral("poe");
            problem.state = sw.poeState;
            problem.value = sw.poeW;
            problem.limit = sw.poeBudgetW;
            problem.unit = QStringLiteral("W");
            if (sw.poeBudgetW <= 0.0) {
                problem.text = tr("%1 has no PoE budget and its cameras draw %2 W: use a PoE switch, or give the "
                                  "cameras their own supply.")
                                   .arg(name, figureText(sw.poeW));
            } else {
                const QString text = sw.poeState == CheckState::Warn
                    ? tr("%1's cameras draw %2 W of its %3 W PoE budget (%4 %): more than 90 %; give it a larger "
                         "PoE budget, or move cameras to another switch.")
                    : tr("%1's cameras draw %2 W of its %3 W PoE budget (%4 %): more than it gives; give it a "
                         "larger PoE budget, or move cameras to another switch.");
                problem.text = text.arg(name, figureText(sw.poeW), figureText(sw.poeBudgetW),
                                        UplinkCheck::percentOf(sw.poeW, sw.poeBudgetW));
            }
            m_problems.append(problem);
        }
    }
}

void NetworkCheck::addRecorderProblems(const PlanNetwork& network)
{
    for (const RecorderFigures& rec : std::as_const(m_recorders)) {
        if (rec.state == CheckState::Ok)
            continue;
        const NetworkRecorder& given = network.recorders.at(rec.index);
        const QString name = nameOf(given.name, given.id);
        SiteProblem problem;
        problem.object = QStringLiteral("recorder");
        problem.id = rec.id;
        problem.index = rec.index;
        if (rec.channelsState != CheckState::Ok) {
            problem.rule = QStringLiteral("channels");
            problem.state = rec.channelsState;
            problem.value = rec.channelsUsed;
            problem.limit = rec.channels;
            problem.unit = QStringLiteral("channels");
            problem.text = tr("%1 records %2 channels and takes %3: use a recorder with more channels, or move "
                              "groups to another recorder.")
                               .arg(name)
                               .arg(rec.channelsUsed)
                               .arg(rec.channels);
            m_problems.append(problem);
        }
        if (rec.inputState != CheckState::Ok) {
            problem.rule = QStringLiteral("input");
            problem.state = rec.inputState;
            problem.value = mbps(rec.inputKbps);
            problem.limit = given.inputMbps;
            problem.unit = QStringLiteral("Mbps");
            const QString text = rec.inputState == CheckState::Warn
                ? tr("%1 records %2 Mbps of %3 (%4 %): more than 70 %; move groups to another recorder, or use "
                     "one with a higher input rate.")
                : tr("%1 records %2 Mbps of %3 (%4 %): more than it takes in; move groups to another recorder, "
                     "or use one with a higher input rate.");
            problem.text = text.arg(name, figureText(problem.value), figureText(problem.limit),
                                    UplinkCheck::percentOf(rec.inputKbps, rec.capacityKbps));
            m_problems.append(problem);
        }
        if (rec.disksState.value_or(CheckState::Ok) != CheckState::Ok) {
            problem.rule = QStringLiteral("disks");
            problem.state = *rec.disksState;
            problem.value = static_cast<double>(rec.disks.value_or(0));
            problem.limit = rec.bays;
            problem.unit = QStringLiteral("disks");
            problem.text = tr("%1 needs %2 disks for the days asked and has %3 bays: use a recorder with more "
                              "bays or larger disks, or keep fewer days.")
                               .arg(name)
                               .arg(rec.disks.value_or(0))
                               .arg(rec.bays);
            m_problems.append(problem);
        }
    }
}

void NetworkCheck::addSiteProblem(const UplinkSettings& uplink)
{
    if (!uplink.isSet())
        return;
    const CheckState state = UplinkCheck::stateOf(m_siteLoadKbps, uplink.kbps());
    if (state == CheckState::Ok)
        return;
    SiteProblem problem;
    problem.object = QStringLiteral("site");
    problem.rule = QStringLiteral("uplink");
    problem.state = state;
    problem.value = mbps(m_siteLoadKbps);
    problem.limit = uplink.mbps;
    problem.unit = QStringLiteral("Mbps");
    const QString text = state == CheckState::Warn
        ? tr("The site uplink carries %1 Mbps of %2 (%3 %): more than 70 %; record more groups on site, or "
             "choose a faster uplink.")
        : tr("The site uplink carries %1 Mbps of %2 (%3 %): more than it can carry; record more groups on site, "
             "or choose a faster uplink.");
    problem.text = text.arg(figureText(problem.value), figureText(problem.limit),
                            UplinkCheck::percentOf(m_siteLoadKbps, uplink.kbps()));
    m_problems.append(problem);
}

CheckState NetworkCheck::placeState(int row) const
{
    if (row < 0 || row >= m_groupSwitch.size())
        return CheckState::Ok;
    CheckState state = CheckState::Ok;
    if (m_groupSwitch.at(row) >= 0)
        state = m_switches.at(m_groupSwitch.at(row)).state;
    if (m_groupRecorder.at(row) >= 0)
        state = worst(state, m_recorders.at(m_groupRecorder.at(row)).state);
    return state;
}

int NetworkCheck::poeTenthsOfWatt(int poeClass)
{
    return poeClass >= 0 && poeClass <= NetworkPlace::kMaxPoeClass ? kPoeTenths[poeClass] : 0;
}

QString NetworkCheck::figureText(double value)
{
    static const QRegularExpression wholeTenth(QStringLiteral("\\.0$"));
    return QString::number(std::round(value * 10.0) / 10.0, 'f', 1).remove(wholeTenth);
}
