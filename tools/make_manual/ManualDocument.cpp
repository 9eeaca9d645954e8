#include "ManualDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QTextLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QColor kHeading(0x5e, 0x6f, 0xec);
const QColor kSubHeading(0x00, 0x7c, 0xc9);
const QColor kText(0x2e, 0x33, 0x40);
const QColor kMuted(0x6c, 0x74, 0x85);
const QColor kFrame(0xcb, 0xd1, 0xda);
const QColor kTableHead(0xe4, 0xe8, 0xfc);
const QColor kTableBand(0xf5, 0xf6, 0xf9);
const QColor kCodeBackground(0xf3, 0xf5, 0xf9);
const QColor kInlineCode(0x3b, 0x47, 0xa8);

constexpr qreal kCellPadding = 4;
// Block properties: no page may end right after this block; the block holds
// a picture or its caption (styled when the picture is placed).
constexpr int kKeepWithNext = QTextFormat::UserProperty + 1;
constexpr int kPictureOrCaption = QTextFormat::UserProperty + 2;

// Latin text in DejaVu; the Chinese manual's Han characters come from Noto
// CJK, named here so that every build embeds the same font rather than
// whatever the font fallback finds first.
const QStringList kBodyFamilies = {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")};
const QStringList kCodeFamilies = {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono CJK SC")};

bool isCodeBlock(const QTextBlockFormat& format)
{
    return format.hasProperty(QTextFormat::BlockCodeFence) || format.hasProperty(QTextFormat::BlockCodeLanguage)
        || format.nonBreakableLines();
}

QTextCursor selectBlockText(const QTextBlock& block)
{
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    return cursor;
}

// Markdown names pictures by relative paths; they are taken from the folder
// of the Markdown file, whatever the working directory.
QString picturePath(const QDir& base, const QString& name)
{
    const QUrl url(name);
    if (url.isLocalFile())
        return url.toLocalFile();
    return base.absoluteFilePath(QUrl::fromPercentEncoding(name.toUtf8()));
}

// The Markdown reader sizes headings by a relative size step, which wins over
// any point size; the step is taken out so the manual's own sizes apply.
void restyleHeading(QTextDocument* document, const QTextBlock& block, const QTextCharFormat& style)
{
    QTextCursor blockCursor(block);
    QTextCharFormat blockChar = blockCursor.blockCharFormat();
    blockChar.clearProperty(QTextFormat::FontSizeAdjustment);
    blockChar.merge(style);
    blockCursor.setBlockCharFormat(blockChar);

    struct Run
    {
        int position;
        int length;
        QTextCharFormat format;
    };
    std::vector<Run> runs;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        QTextCharFormat format = fragment.charFormat();
        format.clearProperty(QTextFormat::FontSizeAdjustment);
        format.merge(style);
        runs.push_back({fragment.position(), fragment.length(), format});
    }
    for (const Run& run : runs) {
        QTextCursor cursor(document);
        cursor.setPosition(run.position);
        cursor.setPosition(run.position + run.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
}

// Screenshots have light edges that would run into the white page; a thin
// grey frame (drawn into the picture, about 1 pt wide once printed) sets them
// off.
QImage framed(const QImage& image)
{
    if (image.isNull())
        return image;
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const int width = std::max(1, int(std::lround(result.width() / 640.0)));
    QPainter painter(&result);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFrame);
    const int w = result.width();
    const int h = result.height();
    painter.drawRect(0, 0, w, width);
    painter.drawRect(0, h - width, w, width);
    painter.drawRect(0, 0, width, h);
    painter.drawRect(w - width, 0, width, h);
    return result;
}

// What the Markdown file holds for its editors only: HTML comments (the
// manual's notes on its own markup) would print as text. And a line break
// inside a Chinese paragraph is no word space: the lines join without one.
QString printableMarkdown(QString markdown)
{
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->\\n?"),
                                            QRegularExpression::DotMatchesEverythingOption);
    markdown.remove(comment);
    static const QRegularExpression chineseBreak(
        QStringLiteral("(?<=[\\p{Han}\\x{3000}-\\x{303F}\\x{FF00}-\\x{FFEF}])\\n[ \\t]*(?=[\\p{Han}\\x{3000}-\\x{303F}\\x{FF00}-\\x{FFEF}])"),
        QRegularExpression::UseUnicodePropertiesOption);
    return markdown.replace(chineseBreak, QString());
}

} // namespace

ManualDocument::ManualDocument() : m_document(std::make_unique<QTextDocument>()) {}

ManualDocument::~ManualDocument() = default;

bool ManualDocument::load(const QString& markdownPath, QString* error)
{
    QFile file(markdownPath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read %1: %2").arg(markdownPath, file.errorString());
        return false;
    }
    const QString markdown = printableMarkdown(QString::fromUtf8(file.readAll()));

    QFont font;
    font.setFamilies(kBodyFamilies);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10);
    m_document->setDefaultFont(font);
    m_document->setUseDesignMetrics(true);
    m_document->setDocumentMargin(0);
    m_document->setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);

    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 1) {
            m_title = block.text().trimmed();
            break;
        }
    }
    resolvePictures(QFileInfo(markdownPath).absoluteDir());
    keepNamesTogether();
    styleBlocks();
    styleTables();
    return true;
}

void ManualDocument::resolvePictures(const QDir& base)
{
    std::vector<Picture> pictures;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().isImageFormat())
                continue;
            const QTextImageFormat format = fragment.charFormat().toImageFormat();
            pictures.push_back({fragment.position(), fragment.length(), format.name(),
                                format.property(QTextFormat::ImageAltText).toString().trimmed()});
        }
    }

    // Back to front, so that the positions still to come stay valid.
    std::sort(pictures.begin(), pictures.end(), [](const Picture& a, const Picture& b) { return a.position > b.position; });
    for (const Picture& picture : pictures) {
        QTextCursor cursor(m_document.get());
        cursor.setPosition(picture.position);
        cursor.setPosition(picture.position + picture.length, QTextCursor::KeepAnchor);
        const QImage image = framed(QImage(picturePath(base, picture.name)));
        if (image.isNull()) {
            // The screenshots are made later than the text: until a picture
            // exists the manual simply goes without it.
            m_missingPictures.prepend(picture.name);
            cursor.removeSelectedText();
            const QTextBlock block = cursor.block();
            const QTextBlock before = block.previous();
            if (block.text().trimmed().isEmpty() && before.isValid()
                && QTextCursor(before).currentFrame() == QTextCursor(block).currentFrame()) {
                // Join the emptied paragraph to the one before it.
                QTextCursor empty(m_document.get());
                empty.setPosition(block.position() - 1);
                empty.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
                empty.removeSelectedText();
            }
            continue;
        }
        m_document->addResource(QTextDocument::ImageResource, QUrl(picture.name), image);

        QTextCursor blockCursor(cursor.block());
        QTextBlockFormat pictureBlock = blockCursor.blockFormat();
        pictureBlock.setAlignment(Qt::AlignHCenter);
        pictureBlock.setTopMargin(8);
        pictureBlock.setBottomMargin(picture.caption.isEmpty() ? 10 : 2);
        pictureBlock.setProperty(kKeepWithNext, !picture.caption.isEmpty());
        pictureBlock.setProperty(kPictureOrCaption, true);
        pictureBlock.setLineHeight(100, QTextBlockFormat::SingleHeight);
        blockCursor.setBlockFormat(pictureBlock);
        if (!picture.caption.isEmpty()) {
            QTextBlockFormat captionBlock;
            captionBlock.setAlignment(Qt::AlignHCenter);
            captionBlock.setBottomMargin(12);
            captionBlock.setProperty(kPictureOrCaption, true);
            QTextCharFormat captionText;
            captionText.setFontItalic(true);
            captionText.setFontPointSize(8.5);
            captionText.setForeground(kMuted);
            blockCursor.movePosition(QTextCursor::EndOfBlock);
            blockCursor.insertBlock(captionBlock, captionText);
            blockCursor.insertText(picture.caption, captionText);
        }
    }
}

void ManualDocument::fitPictures(qreal maxWidth)
{
    struct Fit
    {
        int position;
        int length;
        QTextImageFormat format;
    };
    std::vector<Fit> fits;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QImage image = m_document->resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
            if (image.isNull())
                continue;
            const QSizeF natural = QSizeF(image.size()) / image.devicePixelRatio();
            const qreal scale = std::min(1.0, maxWidth / natural.width());
            format.setWidth(std::floor(natural.width() * scale));
            format.setHeight(std::floor(natural.height() * scale));
            fits.push_back({fragment.position(), fragment.length(), format});
        }
    }
    for (const Fit& fit : fits) {
        QTextCursor cursor(m_document.get());
        cursor.setPosition(fit.position);
        cursor.setPosition(fit.position + fit.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(fit.format);
    }
}

void ManualDocument::styleBlocks()
{
    bool firstParagraphAfterTitle = false;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor = selectBlockText(block);
        QTextBlockFormat format = block.blockFormat();
        const bool inTable = QTextCursor(block).currentTable() != nullptr;
        const int level = format.headingLevel();
        if (format.boolProperty(kPictureOrCaption))
            continue;

        if (level > 0) {
            QTextCharFormat text;
            text.setFontWeight(QFont::Bold);
            switch (level) {
            case 1:
                text.setFontPointSize(24);
                text.setForeground(kHeading);
                format.setTopMargin(6);
                format.setBottomMargin(4);
                break;
            case 2:
                text.setFontPointSize(15);
                text.setForeground(kHeading);
                format.setTopMargin(22);
                format.setBottomMargin(6);
                break;
            default:
                text.setFontPointSize(11.5);
                text.setForeground(kSubHeading);
                format.setTopMargin(14);
                format.setBottomMargin(4);
                break;
            }
            format.setLineHeight(100, QTextBlockFormat::SingleHeight);
            format.setProperty(kKeepWithNext, true);
            cursor.setBlockFormat(format);
            restyleHeading(m_document.get(), block, text);
            firstParagraphAfterTitle = level == 1;
            continue;
        }

        if (isCodeBlock(format)) {
            QTextCharFormat text;
            text.setFontFamilies(kCodeFamilies);
            text.setFontFixedPitch(true);
            text.setFontPointSize(8.5);
            text.setForeground(kText);
            format.setBackground(kCodeBackground);
            format.setLeftMargin(6);
            format.setRightMargin(6);
            format.setTopMargin(isCodeBlock(block.previous().blockFormat()) ? 0 : 2);
            format.setBottomMargin(isCodeBlock(block.next().blockFormat()) ? 0 : 10);
            cursor.mergeCharFormat(text);
            cursor.setBlockFormat(format);
            continue;
        }

        // Body text, list items and table cells.
        QTextCharFormat text;
        text.setForeground(kText);
        if (firstParagraphAfterTitle && !inTable) {
            // The line under the title reads as a subtitle.
            text.setForeground(kMuted);
            text.setFontPointSize(11);
            format.setBottomMargin(18);
            firstParagraphAfterTitle = false;
        } else if (inTable) {
            text.setFontPointSize(9);
            format.setTopMargin(0);
            format.setBottomMargin(0);
        } else if (block.textList()) {
            const bool lastItem = block.next().textList() != block.textList();
            format.setTopMargin(0);
            format.setBottomMargin(lastItem ? 8 : 3);
        } else {
            format.setTopMargin(0);
            format.setBottomMargin(7);
        }
        format.setLineHeight(inTable ? 115 : 128, QTextBlockFormat::ProportionalHeight);
        cursor.mergeCharFormat(text);
        cursor.setBlockFormat(format);

        // Inline code: same text size, a quiet colour and background.
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.charFormat().isImageFormat() || !fragment.charFormat().fontFixedPitch())
                continue;
            QTextCursor code(m_document.get());
            code.setPosition(fragment.position());
            code.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            QTextCharFormat codeText;
            codeText.setFontFamilies(kCodeFamilies);
            codeText.setForeground(kInlineCode);
            codeText.setBackground(kCodeBackground);
            code.mergeCharFormat(codeText);
        }
    }
}

void ManualDocument::keepNamesTogether()
{
    // "H.264" must not break after its dot; a word joiner (invisible, not
    // a break opportunity) goes there. Code is left as written, so that
    // copied file names stay exact.
    static const QRegularExpression dotBeforeDigit(QStringLiteral("[A-Za-z]\\.(?=\\d)"));
    const QChar wordJoiner(0x2060);
    QTextCursor match = m_document->find(dotBeforeDigit, 0);
    while (!match.isNull()) {
        const int end = match.selectionEnd();
        if (!match.charFormat().fontFixedPitch()) {
            QTextCursor insert(m_document.get());
            insert.setPosition(end);
            insert.insertText(QString(wordJoiner));
        }
        match = m_document->find(dotBeforeDigit, end);
    }
}

void ManualDocument::styleTables()
{
    std::vector<QTextTable*> tables;
    std::vector<QTextFrame*> pending = {m_document->rootFrame()};
    while (!pending.empty()) {
        QTextFrame* frame = pending.back();
        pending.pop_back();
        for (QTextFrame* child : frame->childFrames()) {
            if (auto* table = qobject_cast<QTextTable*>(child))
                tables.push_back(table);
            pending.push_back(child);
        }
    }
    for (QTextTable* table : tables) {
        QTextTableFormat format = table->format();
        format.setBorder(0);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
        format.setCellSpacing(0);
        format.setCellPadding(kCellPadding);
        format.setTopMargin(4);
        format.setBottomMargin(12);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        // Two-column tables are field/meaning lists: a narrow first column.
        if (table->columns() == 2) {
            format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 27),
                                              QTextLength(QTextLength::PercentageLength, 73)});
        }
        table->setFormat(format);
        // Cell borders print as hairlines around every cell in some
        // viewers; light bands on every other row separate the rows instead.
        for (int row = 2; row < table->rows(); row += 2) {
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(row, column);
                QTextCharFormat cellFormat = cell.format();
                cellFormat.setBackground(kTableBand);
                cell.setFormat(cellFormat);
            }
        }
        for (int column = 0; column < table->columns(); ++column) {
            QTextTableCell cell = table->cellAt(0, column);
            QTextCharFormat cellFormat = cell.format();
            cellFormat.setBackground(kTableHead);
            cell.setFormat(cellFormat);
            QTextCursor text = cell.firstCursorPosition();
            text.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            QTextCharFormat bold;
            bold.setFontWeight(QFont::Bold);
            text.mergeCharFormat(bold);
        }
    }
}

void ManualDocument::layOut(qreal width)
{
    m_document->setTextWidth(width);
    fitPictures(width);
    // Laid out as one long page; pageSlices() picks where pages end.
    m_document->documentLayout()->documentSize();
}

QList<ManualDocument::PageSlice> ManualDocument::pageSlices(qreal pageHeight) const
{
    // Where a page may end: below any line of running text, except below a
    // heading or a picture (they stay with what follows), below the first
    // line of a paragraph or above its last (no single lines left behind),
    // and inside a table only between rows. A page begins at the top of the
    // first line or row after the end of the page before, so that no page
    // opens with the white space that separated two paragraphs.
    QAbstractTextDocumentLayout* layout = m_document->documentLayout();
    std::vector<qreal> ends;
    std::vector<qreal> starts;
    QSet<QTextTable*> tablesDone;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        if (QTextTable* table = QTextCursor(block).currentTable()) {
            if (tablesDone.contains(table))
                continue;
            tablesDone.insert(table);
            for (int row = 0; row < table->rows(); ++row) {
                const QTextBlock first = m_document->findBlock(table->cellAt(row, 0).firstPosition());
                const qreal bandTop = layout->blockBoundingRect(first).top() - kCellPadding;
                starts.push_back(bandTop);
                // The header stays with the first row, the last row with
                // the one before it.
                if (row >= 2 && row < table->rows() - 1)
                    ends.push_back(bandTop);
            }
            ends.push_back(layout->frameBoundingRect(table).bottom());
            continue;
        }
        const QRectF box = layout->blockBoundingRect(block);
        const bool keepWithNext = block.blockFormat().boolProperty(kKeepWithNext);
        const QTextLayout* lines = block.layout();
        const int count = lines->lineCount();
        for (int i = 0; i < count; ++i) {
            const QTextLine line = lines->lineAt(i);
            starts.push_back(box.top() + line.y());
            if (keepWithNext || (count >= 2 && i == 0) || (count >= 3 && i == count - 2))
                continue;
            ends.push_back(box.top() + line.y() + line.height());
        }
    }
    const qreal end = layout->documentSize().height();
    ends.push_back(end);
    std::sort(ends.begin(), ends.end());
    std::sort(starts.begin(), starts.end());

    QList<PageSlice> slices;
    qreal top = 0;
    while (top < end - 0.5) {
        const qreal limit = top + pageHeight;
        auto fit = std::upper_bound(ends.begin(), ends.end(), limit);
        qreal bottom = limit; // nothing fits: something taller than a page
        if (fit != ends.begin() && *(fit - 1) > top + 0.5)
            bottom = *(fit - 1);
        slices.append({top, bottom});
        auto next = std::lower_bound(starts.begin(), starts.end(), bottom - 0.5);
        top = next == starts.end() ? end : std::max(bottom, *next);
    }
    if (slices.isEmpty())
        slices.append({0, end});
    return slices;
}
