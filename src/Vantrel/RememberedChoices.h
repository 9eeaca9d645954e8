#pragma once

#include "WindowSizeRule.h"

#include <data/DeviceTypes.h>

#include <QObject>

#include <optional>

class QTimer;
class Vantrel;

// What the user chose in the last run comes back in the next: the video
// standard a new plan starts with, the link the encoding tab asks about and
// the window's place. Kept in QSettings beside the recent plans (setup.xml
// keeps the language and the skin). Bringing a choice back is no edit of
// the plan: no undo step, no unsaved mark.
//
// Only the program makes one (main.cpp), so a window a test makes starts
// from the defaults.
class RememberedChoices : public QObject
{
    Q_OBJECT

public:
    // Restores the standard and the link at once and keeps every later
    // choice. The window's place is restored by WindowSizeRule, after the
    // window shows.
    explicit RememberedChoices(Vantrel* window);
    ~RememberedChoices() override;

    // Where the window was when the last run left it; nothing the first time.
    const std::optional<WindowSizeRule::Place>& windowPlace() const { return m_place; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restoreStandard();
    void restoreLink();
    void keepStandard(VideoStandard standard);
    void keepLink();
    // The place is noted at each move and written once the window has been
    // still for a moment (or when it goes): a drag moves it many times.
    void noteWindowPlace();
    void writeWindowPlace();

    Vantrel* m_window;
    // The plan's standard as last kept or loaded.
    VideoStandard m_standardInForce = PAL;
    std::optional<WindowSizeRule::Place> m_place;
    std::optional<WindowSizeRule::Place> m_unwrittenPlace;
    QTimer* m_placeTimer = nullptr;
};
