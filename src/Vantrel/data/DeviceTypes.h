#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

// Value types that travel between the widgets through signals and slots.

// A fixed underlying type: a standard that arrives as a number (a signal, a
// stored setting) may hold any int, and checking it must be well defined.
enum VideoStandard : int {
    PAL = 0,
    NTSC = 1
};

enum ValuePreferSection {
    PreferResolution = 0,
    PreferFrameRate = 1,
    PreferBitRate = 2
};

// One device group: a number of channels of one device type with one set of
// encoding parameters. An empty sceneName means the group uses a fixed rate.
struct StructDeviceItem
{
    QString deviceType;
    QString channelName;
    QString spareText;
    bool spareFlag = false;
    QString sceneName;
    QString encodingType;
    int streamCount = 0;
    int channelCount = 0;
    QString resolution;
    QString frameRate;
    double bitrate = 0.0001;
    int groupNumber = 0;
};

// The question of the encoding tab: which resolution and frame rate fit a link.
struct CodeParameter
{
    double bandwidth = 0;      // kbps
    int streamCount = 1;
    int deviceType = 0;        // 0 IPC, 1 DVR
    int videoStandard = 0;     // 0 PAL, 1 NTSC
    int streamType = 0;        // 0 main stream, 1 sub stream
    QString encodingType = QStringLiteral("H.264");
};

struct StructDeviceType
{
    int type = 0;
    QString name;
};

struct SCENCE_ITEM
{
    int id = 0;
    QString name;
};

struct BitrateEntry
{
    QString resolution;
    int bitrate = 0; // kbps
};

struct ShowValueItem
{
    QString show;
    double value = 0;
};

Q_DECLARE_METATYPE(StructDeviceItem)
Q_DECLARE_METATYPE(CodeParameter)
Q_DECLARE_METATYPE(StructDeviceType)
Q_DECLARE_METATYPE(SCENCE_ITEM)
Q_DECLARE_METATYPE(VideoStandard)
Q_DECLARE_METATYPE(ValuePreferSection)
