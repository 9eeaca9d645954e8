#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// What a plan needs on disk: the figures of the storage summary, of reports
// and of the command line. Byte counts are whole bytes held in a long double,
// which stays exact far beyond what 64-bit integers or doubles could count
// for the largest plans a file may describe.
struct StorageSizing
{
    struct Group
    {
        int number = 0;
        long double bytes = 0;
        // Of the plan's total, 0 to 1; 0 when the plan keeps nothing.
        double share = 0.0;
    };

    long double bytes = 0;
    // Decimal terabytes with one decimal, rounded to the nearest tenth and
    // written out in full however large ("1.3", "108086391056.9").
    QString tbText = QStringLiteral("0.0");
    double tb = 0.0;
    qint64 dataDisks = 0;
    qint64 disks = 0;
    QVector<Group> groups;

    // {"bytes":B,"tb":T,"dataDisks":n,"disks":m,"groups":[{"number":1,"bytes":b},...]}
    // in that key order, compact, as the command line prints it.
    QByteArray toJson() const;
};
