#include "BitrateTableCheck.h"

#include <QRegularExpression>

BitrateTableCheck::BitrateTableCheck(const QString& file, DataProblems* problems)
    : m_file(file)
    , m_problems(problems)
{
}

std::optional<int> BitrateTableCheck::parseRate(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < kMinRate || value > kMaxRate)
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<qint64> BitrateTableCheck::pictureArea(const QString& resolution)
{
    static const QRegularExpression size(QStringLiteral("\\((\\d{1,6})x(\\d{1,6})\\)"));
    const QRegularExpressionMatch match = size.match(resolution);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toLongLong() * match.captured(2).toLongLong();
}

void BitrateTableCheck::addRow(const QString& resolution, const QString& rateText, int line)
{
    if (resolution.isEmpty()) {
        reject(line, tr("the row has no resolution name"));
        return;
    }
    const std::optional<int> rate = parseRate(rateText);
    if (!rate) {
        reject(line, tr("the rate \"%1\" of %2 is not a whole number from %3 to %4 kbps")
                         .arg(rateText.trimmed(), resolution).arg(kMinRate).arg(kMaxRate));
        return;
    }
    // Lookups go by name: a second row of the same name would never be read.
    if (m_names.contains(resolution)) {
        reject(line, tr("%1 is listed twice; the first row is kept").arg(resolution));
        return;
    }
    if (largerThanLastRow(resolution, *rate)) {
        reject(line, tr("%1 is larger than the row before it; the rows must run from the largest picture "
                        "to the smallest").arg(resolution));
        return;
    }
    m_names.insert(resolution);
    m_rows.append({resolution, *rate});
}

bool BitrateTableCheck::largerThanLastRow(const QString& resolution, int rate) const
{
    if (m_rows.isEmpty())
        return false;
    const BitrateEntry& last = m_rows.constLast();
    if (rate > last.bitrate)
        return true;
    const std::optional<qint64> area = pictureArea(resolution);
    const std::optional<qint64> lastArea = pictureArea(last.resolution);
    return area && lastArea && *area > *lastArea;
}

void BitrateTableCheck::reject(int line, const QString& reason)
{
    if (m_problems)
        m_problems->append({m_file, line, reason});
}
