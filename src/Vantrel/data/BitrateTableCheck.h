#pragma once

#include "DataProblem.h"
#include "DeviceTypes.h"

#include <QCoreApplication>
#include <QSet>
#include <QString>

#include <optional>

// Builds one bitrate table row by row and keeps out every row the
// calculator could not use safely: a rate that is not a whole number in the
// rate field's range, a name without a row of its own, a row that is larger
// than the one before it. The searches take the first row that fits as the
// best answer, so a table must run from the largest picture down.
class BitrateTableCheck
{
    Q_DECLARE_TR_FUNCTIONS(BitrateTableCheck)

public:
    static constexpr int kMinRate = 1;
    static constexpr int kMaxRate = 1048576; // kbps, the rate field's limit

    BitrateTableCheck(const QString& file, DataProblems* problems);

    void addRow(const QString& resolution, const QString& rateText, int line);
    const QVector<BitrateEntry>& table() const { return m_rows; }

    // Width times height from a name such as "1080P(1920x1080)".
    static std::optional<qint64> pictureArea(const QString& resolution);
    static std::optional<int> parseRate(const QString& text);

private:
    bool largerThanLastRow(const QString& resolution, int rate) const;
    void reject(int line, const QString& reason);

    QString m_file;
    DataProblems* m_problems;
    QVector<BitrateEntry> m_rows;
    QSet<QString> m_names;
};
