#include "BitrateTableCheck.h"

#include <utility>

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

namespace {

// The run of 1 to 6 ASCII digits at text[from], ended by stop; its value and
// the index after stop.
std::optional<std::pair<qint64, qsizetype>> sizeFigure(QStringView text, qsizetype from, QChar stop)
{
    qint64 value = 0;
    qsizetype at = from;
    while (at < text.size() && at - from < 7 && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9'))
        value = value * 10 + (text[at++].unicode() - '0');
    const qsizetype digits = at - from;
    if (digits < 1 || digits > 6 || at >= text.size() || text[at] != stop)
        return std::nullopt;
    return std::make_pair(value, at + 1);
}

} // namespace

std::optional<qint64> BitrateTableCheck::pictureArea(const QString& resolution)
{
    // The first "(WxH)" with 1 to 6 digits a side. Read by hand: the tables
    // are checked at every start, and a pattern engine would be compiled
    // for these few hundred rows alone.
    const QStringView text(resolution);
    for (qsizetype open = text.indexOf(QLatin1Char('(')); open >= 0; open = text.indexOf(QLatin1Char('('), open + 1)) {
        const auto width = sizeFigure(text, open + 1, QLatin1Char('x'));
        if (!width)
            continue;
        const auto height = sizeFigure(text, width->second, QLatin1Char(')'));
        if (height)
            return width->first * height->first;
    }
    return std::nullopt;
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
