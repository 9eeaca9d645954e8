#pragma once

#include "DataProblem.h"
#include "DeviceTypes.h"

#include <QCoreApplication>
#include <QSet>
#include <QString>

#include <optional>

// Builds a list of choices (a frame rate, a link bandwidth) item by item and
// keeps out the ones the program could not use: a value that is not a
// finite number above 0 and within its limit, or a label already listed,
// since the program finds a choice's value by its label.
class ShowValueListCheck
{
    Q_DECLARE_TR_FUNCTIONS(ShowValueListCheck)

public:
    ShowValueListCheck(const QString& file, double maxValue, DataProblems* problems);

    void addItem(const QString& show, const QString& valueText, int line);
    const QVector<ShowValueItem>& items() const { return m_items; }

    static std::optional<double> parseValue(const QString& text, double maxValue);

private:
    void reject(int line, const QString& reason);

    QString m_file;
    double m_maxValue;
    DataProblems* m_problems;
    QVector<ShowValueItem> m_items;
    QSet<QString> m_labels;
};
