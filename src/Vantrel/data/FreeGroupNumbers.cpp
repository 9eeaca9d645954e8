#include "FreeGroupNumbers.h"

#include "PlanFile.h"

#include <QSet>

void FreeGroupNumbers::assign(QVector<PlanGroup>& joining, const QVector<PlanGroup>& plan)
{
    QSet<int> held;
    held.reserve(plan.size() + joining.size());
    for (const PlanGroup& group : plan)
        held.insert(group.device.groupNumber);
    QVector<int> waiting;
    for (int index = 0; index < joining.size(); ++index) {
        const int number = joining.at(index).device.groupNumber;
        if (number > 0 && !held.contains(number))
            held.insert(number);
        else
            waiting.append(index);
    }
    int next = 1;
    for (const int index : waiting) {
        while (held.contains(next))
            ++next;
        StructDeviceItem& device = joining[index].device;
        const QString name = PlanFile::nameWithoutNumber(device);
        device.groupNumber = next;
        device.channelName = PlanFile::numberedName(name, next);
        held.insert(next);
    }
}
