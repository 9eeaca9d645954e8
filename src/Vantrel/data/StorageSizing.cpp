#include "StorageSizing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

#include <cmath>
#include <cstdio>

namespace {

// A byte count is a whole number and is written as one, in all its digits:
// JSON numbers have no size limit, and a reader that holds numbers as
// doubles rounds a large one the same way it would round "2.93e+16", while
// one that reads exact integers gets the exact figure.
QByteArray byteText(long double bytes)
{
    const long double whole = std::round(bytes);
    if (!std::isfinite(whole))
        return "0";
    // A long double holds every whole number below 2^64 exactly, so the
    // integer's digits are the same; printf's are a hundred times slower, and
    // a plan of 100,000 groups writes one per group.
    constexpr long double kBelow = 18446744073709551616.0L; // 2^64
    if (whole >= 0 && whole < kBelow)
        return QByteArray::number(static_cast<qulonglong>(whole));
    const int length = std::snprintf(nullptr, 0, "%.0Lf", whole);
    if (length <= 0)
        return "0";
    QByteArray digits(length + 1, Qt::Uninitialized);
    std::snprintf(digits.data(), size_t(digits.size()), "%.0Lf", whole);
    digits.chop(1);
    return digits;
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
        groupList += "{\"number\":";
        groupList += QByteArray::number(group.number);
        groupList += ",\"bytes\":";
        groupList += byteText(group.bytes);
        groupList += '}';
    }
    groupList += ']';

    QByteArray out = "{";
    appendMember(out, "bytes", byteText(bytes));
    appendMember(out, "tb", valueText(tb));
    appendMember(out, "dataDisks", valueText(QJsonValue(dataDisks)));
    appendMember(out, "disks", valueText(QJsonValue(disks)));
    appendMember(out, "groups", groupList);
    out += '}';
    return out;
}
