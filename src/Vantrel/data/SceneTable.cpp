#include "SceneTable.h"

#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QStringDecoder>
#include <QStringList>

QString SceneTable::fileName()
{
    return QStringLiteral("Scene.csv");
}

QString SceneTable::pictureFolderName()
{
    return QStringLiteral("ScenePicture");
}

QString SceneTable::header()
{
    return QStringLiteral("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path");
}

QString SceneTable::pictureFileName(const QString& picturePath)
{
    const int cut = qMax(picturePath.lastIndexOf(QLatin1Char('/')), picturePath.lastIndexOf(QLatin1Char('\\')));
    return picturePath.mid(cut + 1);
}

int SceneTable::Row::bitrateKbps() const
{
    bool ok = false;
    const int value = bitrate.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

QString SceneTable::Row::text() const
{
    return QStringList{scene, encoding, resolution, bitrate, picture}.join(QLatin1Char(','));
}

QVector<SceneTable::Row> SceneTable::parse(const QString& text)
{
    QVector<Row> rows;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 1; i < lines.size(); ++i) { // line 1 is the header, whatever it says
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char(','), Qt::KeepEmptyParts);
        Row row;
        row.line = i + 1;
        row.fieldCount = int(fields.size());
        row.scene = fields.value(0);
        row.encoding = fields.value(1);
        row.resolution = fields.value(2);
        row.bitrate = fields.value(3);
        row.picture = fields.value(4);
        rows.append(row);
    }
    return rows;
}

bool SceneTable::read(const QString& path, QVector<Row>& rows)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    // The editor and the scene picker look through the table at every
    // choice, and the start reads it on its side thread before the editor
    // asks: the rows of the last text read are kept, and the same text is
    // not parsed again. Any change to the file is a different text.
    static QMutex mutex;
    static bool kept = false;
    static QByteArray keptBytes;
    static QVector<Row> keptRows;
    {
        const QMutexLocker lock(&mutex);
        if (kept && bytes == keptBytes) {
            rows = keptRows;
            return true;
        }
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    rows = parse(decoder.decode(bytes));
    const QMutexLocker lock(&mutex);
    kept = true;
    keptBytes = bytes;
    keptRows = rows;
    return true;
}

QByteArray SceneTable::compose(const QVector<Row>& rows)
{
    QString text = header() + QLatin1Char('\n');
    for (const Row& row : rows)
        text += row.text() + QLatin1Char('\n');
    return text.toUtf8();
}
