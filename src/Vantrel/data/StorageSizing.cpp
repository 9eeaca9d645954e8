#include "StorageSizing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace {

// Most JSON readers (JavaScript, spreadsheets, many libraries) hold every
// number as a double, so they would quietly change an integer above 2^53.
// Up to there a byte count is written as an exact integer; above it (plans
// beyond 9 PB) as a double, which every reader takes the same way.
constexpr long double kLargestExactDouble = 9007199254740992.0L;

QJsonValue byteValue(long double bytes)
{
    if (bytes <= kLargestExactDouble)
        return QJsonValue(static_cast<qint64>(bytes));
    return QJsonValue(static_cast<double>(bytes));
}

// QJsonObject sorts its keys, but the command line promises its own key
// order; so members are joined here and only the values are written by
// QJsonDocument, which keeps its number and string forms.
QByteArray valueText(const QJsonValue& value)
{
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

void appendMember(QByteArray& out, const char* key, const QByteArray& value)
{
    if (!out.endsWith('{'))
        out += ',';
    out += '"';
    out += key;
    out += "\":";
    out += value;
}

} // namespace

QByteArray StorageSizing::toJson() const
{
    QByteArray groupList = "[";
    for (const Group& group : groups) {
        if (groupList.size() > 1)
            groupList += ',';
        QByteArray member = "{";
        appendMember(member, "number", valueText(group.number));
        appendMember(member, "bytes", valueText(byteValue(group.bytes)));
        groupList += member + '}';
    }
    groupList += ']';

    QByteArray out = "{";
    appendMember(out, "bytes", valueText(byteValue(bytes)));
    appendMember(out, "tb", valueText(tb));
    appendMember(out, "dataDisks", valueText(QJsonValue(dataDisks)));
    appendMember(out, "disks", valueText(QJsonValue(disks)));
    appendMember(out, "groups", groupList);
    out += '}';
    return out;
}
