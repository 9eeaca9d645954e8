#pragma once

#include <QObject>
#include <QWidget>

class Vantrel;

// Lets scripts see the program start for real: when the environment has
// VANTREL_EXIT_AFTER_FIRST_PAINT set, the first paint of the main window
// prints one JSON line on standard output (title, groups, language, data
// problems, manual) and ends the program; with VANTREL_EXIT_AT_FIRST_MAP
// set it does so when the window is first mapped (exposed), before that
// first paint. The start-up benchmark times
// this, and the package check uses it to see that an installed program
// found its data, translations and manual.
class StartupProbe : public QObject
{
    Q_OBJECT

public:
    static bool isWanted();

    explicit StartupProbe(Vantrel* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish();
    QByteArray report() const;

    Vantrel* m_window = nullptr;
    bool m_atMap = false;
    bool m_done = false;
};
