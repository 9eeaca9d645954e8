#pragma once

// Helpers shared by the device editor tests: reaching the editor's widgets by
// object name, and writing a small set of data files whose figures are easy
// to check by hand.

#include "DeviceEditor/DeviceEditor.h"

#include <TempProgramDir.h>

#include <WidgetLookup.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPair>
#include <QSpinBox>
#include <QStringList>
#include <QtTest>

template <typename T>
T* widget(const QWidget& editor, const char* name)
{
    return childNamed<T>(&editor, name);
}

inline QComboBox* combo(const QWidget& editor, const char* name)
{
    return widget<QComboBox>(editor, name);
}

inline QStringList comboItems(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

inline QLineEdit* rateField(const QWidget& editor)
{
    return widget<QLineEdit>(editor, "m_lineEditScenceRecommandRate");
}

// Replaces the text of a line edit or spin box as a user would: select all,
// then type.
inline void retype(QWidget* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

// A small, complete data set. Each member is written as given; clear a list
// to leave its file out (or empty), as the comments say.
struct MiniData
{
    // rows "resolution,bitrate" per encoding type
    QList<QPair<QString, QStringList>> ipcTables = {
        {QStringLiteral("H.264"), {QStringLiteral("1080P,4000"), QStringLiteral("720P,2000")}},
        {QStringLiteral("H.265"), {QStringLiteral("1080P,2000"), QStringLiteral("720P,1000")}}};
    QList<QPair<QString, QStringList>> dvrTables = {
        {QStringLiteral("H.264"), {QStringLiteral("D1,1000"), QStringLiteral("CIF,500")}},
        {QStringLiteral("H.265"), {QStringLiteral("D1,500"), QStringLiteral("CIF,250")}}};
    // "show=value" items
    QStringList pal = {QStringLiteral("50=50"), QStringLiteral("25=25"), QStringLiteral("5=5")};
    QStringList ntsc = {QStringLiteral("60=60"), QStringLiteral("30=30"), QStringLiteral("6=6")};
    bool writeFrameXml = true;
    // link type -> "show=value" items (Mbps)
    QList<QPair<QString, QStringList>> connections = {
        {QStringLiteral("ADSL"), {QStringLiteral("1 Mbps=1"), QStringLiteral("2 Mbps=2")}},
        {QStringLiteral("Cable"), {QStringLiteral("10 Mbps=10")}},
        {QStringLiteral("Ethernet"), {QStringLiteral("100 Mbps=100"), QStringLiteral("1 Mbps=0.9")}}};
    // scene rows after the header; writeScenes false leaves Scene.csv out
    QStringList scenes = {QStringLiteral("Lab,H.264,1080P,3000,lab_1080.png"),
                          QStringLiteral("Lab,Smart H.264,1080P,1500,lab_1080.png"),
                          QStringLiteral("Lab,H.264,720P,1200,lab_720.png"),
                          QStringLiteral("Yard,H.265,720P,800,yard.png")};
    bool writeScenes = true;

    void write(const TempProgramDir& dir) const
    {
        writeBitrateXml(dir, QStringLiteral("IPCBitrateConfig.xml"));
        writeBitrateXml(dir, QStringLiteral("DVRBitrateConfig.xml"));
        for (const auto& table : ipcTables)
            dir.writeLines(QStringLiteral("IPCBitrate/%1.csv").arg(table.first), table.second);
        for (const auto& table : dvrTables)
            dir.writeLines(QStringLiteral("DVRBitrate/%1.csv").arg(table.first), table.second);
        if (writeFrameXml) {
            dir.write(QStringLiteral("Frame.xml"),
                      QStringLiteral("<FrameRate><NTSC>%1</NTSC><PAL>%2</PAL></FrameRate>")
                          .arg(items(ntsc), items(pal))
                          .toUtf8());
        }
        QString links;
        for (const auto& link : connections) {
            links += QStringLiteral("<Connection><ConnectionType>%1</ConnectionType>%2</Connection>")
                         .arg(link.first, items(link.second));
        }
        dir.write(QStringLiteral("NetworkConnection.xml"),
                  QStringLiteral("<NetworkConnection>%1</NetworkConnection>").arg(links).toUtf8());
        if (writeScenes) {
            dir.writeLines(QStringLiteral("Scene.csv"),
                           QStringList{QStringLiteral("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path")}
                               + scenes);
        }
    }

private:
    static void writeBitrateXml(const TempProgramDir& dir, const QString& name)
    {
        // Only needed so that the files after it load; the folder tables win.
        dir.write(name, QByteArrayLiteral("<ConfigList><ConfigItem><Resolution>X</Resolution>"
                                          "<Bitrate>1</Bitrate></ConfigItem></ConfigList>"));
    }
    static QString items(const QStringList& showValues)
    {
        QString xml;
        for (const QString& entry : showValues) {
            const QStringList parts = entry.split(QLatin1Char('='));
            xml += QStringLiteral("<Item><Show>%1</Show><Value>%2</Value></Item>").arg(parts.value(0), parts.value(1));
        }
        return xml;
    }
};
