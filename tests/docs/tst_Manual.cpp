// The user manuals quote the program word for word: every text that
// docs/manual/manual.md writes as **"…"** is a text the English program
// shows, and every text manual_zh.md writes as **“…”** one the Chinese
// program shows. What the program shows is the translation of a message
// (translations/*_<language>.ts, whatever their number), or a text of a
// form that is not translated.
//
// A quote stands for a shown text when, blanks and line breaks counted as one
// space and HTML markup left out, it is
//   - the text itself, or the text without its closing colon ("Channel
//     Count" for "Channel Count :");
//   - the text with its %1, %2 ... filled in ("Total Bandwidth (Mbps)"), or
//     the text up to its first %1 ("Recording" for "Recording : %1, ...");
//   - two texts joined, when the second begins with a blank: the program
//     builds "Frame Rate" + " Priority: Result 1" and "Vantrel" + " is
//     already running." that way.

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

#ifndef VANTREL_SOURCE_ROOT
#error "VANTREL_SOURCE_ROOT names the checkout (tests/docs/CMakeLists.txt)"
#endif

namespace {

QString sourcePath(const QString& relative)
{
    return QStringLiteral(VANTREL_SOURCE_ROOT "/") + relative;
}

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString simplified(QString text)
{
    static const QRegularExpression tag(QStringLiteral("<[^<>]*>"));
    return text.remove(tag).simplified();
}

QString withoutClosingColon(const QString& text)
{
    static const QRegularExpression colon(QStringLiteral("\\s*[:：]$"));
    return QString(text).remove(colon);
}

// Every text one language of the program shows, and the patterns of those
// with placeholders.
class ShownTexts
{
public:
    explicit ShownTexts(const QString& language)
    {
        const QStringList tsFiles = QDir(sourcePath(QStringLiteral("translations")))
                                        .entryList({ QStringLiteral("*_%1.ts").arg(language) }, QDir::Files);
        for (const QString& name : tsFiles)
            readTranslations(sourcePath(QStringLiteral("translations/") + name));
        readUntranslatedFormTexts();
        m_fileCount = int(tsFiles.size());

        // Joined texts: a text beginning with a blank continues another.
        const QStringList texts = m_raw;
        for (const QString& second : texts) {
            if (second.isEmpty() || !second.front().isSpace())
                continue;
            for (const QString& first : texts)
                add(first + second);
        }
        for (const QString& text : texts)
            add(text);
    }

    int fileCount() const { return m_fileCount; }

    bool shows(const QString& quote) const
    {
        const QString wanted = quote.simplified();
        if (m_exact.contains(wanted))
            return true;
        for (const QRegularExpression& pattern : m_patterns) {
            if (pattern.match(wanted).hasMatch())
                return true;
        }
        return false;
    }

private:
    void readTranslations(const QString& path)
    {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("translation")) {
                // Texts no longer in the code are not shown either.
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                // A counted text holds one form per plural; each is a text
                // the program may show.
                QStringList forms;
                QString text;
                while (!xml.atEnd()) {
                    const QXmlStreamReader::TokenType token = xml.readNext();
                    if (token == QXmlStreamReader::Characters)
                        text += xml.text();
                    else if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("numerusform"))
                        forms << xml.readElementText();
                    else if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("translation"))
                        break;
                }
                if (forms.isEmpty())
                    forms << text;
                if (type != QLatin1String("vanished") && type != QLatin1String("obsolete"))
                    m_raw << forms;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(path + QStringLiteral(": ") + xml.errorString()));
    }

    void readUntranslatedFormTexts()
    {
        static const QRegularExpression fixed(QStringLiteral("<string notr=\"true\">([^<]+)</string>"));
        QDirIterator forms(sourcePath(QStringLiteral("src")), { QStringLiteral("*.ui") }, QDir::Files,
                           QDirIterator::Subdirectories);
        while (forms.hasNext()) {
            const QString form = readText(forms.next());
            for (auto it = fixed.globalMatch(form); it.hasNext();)
                m_raw << it.next().captured(1);
        }
    }

    void add(const QString& raw)
    {
        static const QRegularExpression marker(QStringLiteral("%L?(?:\\d+|n)"));
        const QString text = simplified(raw);
        m_exact.insert(text);
        m_exact.insert(withoutClosingColon(text));
        const qsizetype first = text.indexOf(marker);
        if (first < 0)
            return;
        const QString lead = withoutClosingColon(text.left(first).trimmed());
        static const QRegularExpression word(QStringLiteral("\\w"), QRegularExpression::UseUnicodePropertiesOption);
        if (lead.contains(word))
            m_exact.insert(lead);
        QString pattern;
        qsizetype from = 0;
        for (auto it = marker.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            pattern += QRegularExpression::escape(text.mid(from, match.capturedStart() - from)) + QStringLiteral(".+");
            from = match.capturedEnd();
        }
        pattern += QRegularExpression::escape(text.mid(from));
        m_patterns.append(QRegularExpression(QRegularExpression::anchoredPattern(pattern)));
    }

    QStringList m_raw;
    QSet<QString> m_exact;
    QList<QRegularExpression> m_patterns;
    int m_fileCount = 0;
};

// HTML comments explain the markup; they are not part of the manual.
QString withoutComments(QString markdown)
{
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return markdown.remove(comment);
}

QStringList quotesOf(const QString& markdown, const QString& open, const QString& close)
{
    const QRegularExpression quote(QRegularExpression::escape(open) + QStringLiteral("(.+?)")
                                       + QRegularExpression::escape(close),
                                   QRegularExpression::DotMatchesEverythingOption);
    QStringList quotes;
    for (auto it = quote.globalMatch(withoutComments(markdown)); it.hasNext();)
        quotes << it.next().captured(1);
    return quotes;
}

QStringList notShown(const QStringList& quotes, const ShownTexts& shown)
{
    QStringList missing;
    for (const QString& quote : quotes) {
        if (!shown.shows(quote))
            missing << quote.simplified();
    }
    return missing;
}

} // namespace

class tst_Manual : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void quotesAreShownTexts_data()
    {
        QTest::addColumn<QString>("manual");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("close");
        QTest::addColumn<QString>("otherOpen");
        QTest::newRow("English") << "docs/manual/manual.md" << "en" << "**\"" << "\"**" << QStringLiteral("**“");
        QTest::newRow("Chinese") << "docs/manual/manual_zh.md" << "zh" << QStringLiteral("**“")
                                 << QStringLiteral("”**") << "**\"";
    }

    void quotesAreShownTexts()
    {
        QFETCH(QString, manual);
        QFETCH(QString, language);
        QFETCH(QString, open);
        QFETCH(QString, close);
        QFETCH(QString, otherOpen);
        const QString markdown = readText(sourcePath(manual));
        QVERIFY2(!markdown.isEmpty(), qPrintable(manual));
        const ShownTexts shown(language);
        QVERIFY(shown.fileCount() >= 3);

        const QStringList quotes = quotesOf(markdown, open, close);
        qInfo("%s quotes %d texts of the program", qPrintable(manual), int(quotes.size()));
        const QStringList missing = notShown(quotes, shown);
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not shown by the program: ") + missing.join(QStringLiteral(" | "))));
        // A manual that gave up its markup would pass with nothing checked.
        QVERIFY2(quotes.size() >= 100, qPrintable(QString::number(quotes.size())));
        // A quote in the other manual's marks would escape the check.
        QVERIFY2(!withoutComments(markdown).contains(otherOpen), qPrintable(manual + QStringLiteral(" uses ") + otherOpen));
    }

    // The words the program used to show, and the manual used to quote, are
    // keys now; quoting them fails.
    void oldWordsAreRefused()
    {
        const ShownTexts english(QStringLiteral("en"));
        const QStringList quotes = quotesOf(QStringLiteral("Press **\"User Help\"** or **\"Update Scence\"**, "
                                                           "then **\"User Manual\"**."),
                                            QStringLiteral("**\""), QStringLiteral("\"**"));
        QCOMPARE(notShown(quotes, english), QStringList({ QStringLiteral("User Help"), QStringLiteral("Update Scence") }));
    }
};

QTEST_MAIN(tst_Manual)
#include "tst_Manual.moc"
