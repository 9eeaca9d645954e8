#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The example plans shipped in the examples/ folder beside the program,
// in the order the menu lists them: from a shop to a city.
class ExamplePlans
{
    Q_DECLARE_TR_FUNCTIONS(ExamplePlans)

public:
    struct Entry
    {
        QString title;
        QString path;
    };

    // The examples present on disk; a missing file is left out of the list.
    static QVector<Entry> available();
    static QString folder();
};
