#include "SceneTableCheck.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString SceneTableCheck::Problem::text() const
{
    if (line <= 0)
        return reason;
    return QCoreApplication::translate("SceneTableCheck", "line %1: %2").arg(line).arg(reason);
}

QByteArray SceneTableCheck::toJson() const
{
    QJsonArray problemList;
    for (const Problem& problem : problems)
        problemList.append(QJsonObject{{QStringLiteral("line"), problem.line}, {QStringLiteral("reason"), problem.reason}});
    // Written by hand around the arrays: a JSON object would sort its keys,
    // and readers of the command line expect them in this order.
    return "{\"rows\":" + QByteArray::number(rows.size())
        + ",\"scenes\":" + QJsonDocument(QJsonArray::fromStringList(scenes)).toJson(QJsonDocument::Compact)
        + ",\"problems\":" + QJsonDocument(problemList).toJson(QJsonDocument::Compact) + "}";
}

QString SceneTableCheck::problemSummary(int shown) const
{
    QStringList parts;
    for (int i = 0; i < problems.size() && i < shown; ++i)
        parts.append(problems.at(i).text());
    QString text = parts.join(QStringLiteral("; "));
    if (problems.size() > shown)
        text += QCoreApplication::translate("SceneTableCheck", "; and %1 more").arg(problems.size() - shown);
    return text;
}
