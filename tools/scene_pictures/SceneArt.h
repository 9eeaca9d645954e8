#pragma once

#include <QImage>
#include <QString>

// Draws the flat illustration that the scene selector shows for one scene at
// one camera resolution. The same scene always has the same layout; the
// resolution only changes how much detail survives: a high resolution is
// drawn above the picture size and scaled down (crisp, fine parts visible),
// a low one below it and scaled up (soft, small parts gone).
class SceneArt
{
public:
    enum class Kind { Office, Road, ParkingLot, Shop, Warehouse, Hospital, Other };

    static constexpr int kWidth = 320;
    static constexpr int kHeight = 240;

    // Which drawing fits a scene name of the scene table ("Parking Lot" ...).
    static Kind kindFromSceneName(const QString& sceneName);

    // sceneName is only printed on pictures of unknown scenes;
    // resolutionLabel is the short name shown in the corner badge ("4K");
    // pixels is the camera's pixel count (0 when unknown: drawn as 4MP).
    static QImage render(Kind kind, const QString& sceneName, const QString& resolutionLabel, qint64 pixels);

    // Drawing size relative to the picture size for a pixel count:
    // 1.0 at 4MP (2560x1440), 1.5 at 4K, 0.75 at 1080P, 0.5 at 720P.
    static double detailScale(qint64 pixels);
};
