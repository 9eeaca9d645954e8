#pragma once

#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextDocument>

#include <memory>

// The user manual as a styled text document: Markdown read with Qt's own
// parser, pictures loaded relative to the Markdown file (a picture that is
// not there yet is left out, its caption with it), and the look of the
// printed manual applied to headings, tables and code.
// Lengths are in layout units: pixels of the screen the fonts are resolved
// for (96 per inch on the offscreen platform); the PDF writer scales them.
class ManualDocument
{
public:
    ManualDocument();
    ~ManualDocument();

    // False (with a reason) only when the Markdown file cannot be read.
    bool load(const QString& markdownPath, QString* error);

    // Lays the text out at the given width as one long page; pictures wider
    // than that are scaled down to it.
    void layOut(qreal width);

    // The part of the long page that each printed page shows, for pages of
    // the given height: never cut inside a table row, never right after a
    // heading or a picture, never leaving a single line of a paragraph
    // alone, and never starting with the space between two paragraphs.
    struct PageSlice
    {
        qreal top = 0;
        qreal bottom = 0;
    };
    QList<PageSlice> pageSlices(qreal pageHeight) const;

    QTextDocument& document() { return *m_document; }
    QString title() const { return m_title; }
    QStringList missingPictures() const { return m_missingPictures; }

private:
    struct Picture
    {
        int position = 0;
        int length = 0;
        QString name;
        QString caption;
    };

    void resolvePictures(const QDir& base);
    void fitPictures(qreal maxWidth);
    void keepNamesTogether();
    void styleBlocks();
    void styleTables();

    std::unique_ptr<QTextDocument> m_document;
    QString m_title;
    QStringList m_missingPictures;
};
