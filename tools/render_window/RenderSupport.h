#pragma once

#include <QDir>
#include <QWidget>
#include <QString>

class PlanDocument;

// Lists lay out their rows from timers and the cards follow: lets every round
// of posted work finish before a picture is taken.
void settle();

// The look the shell gives the program at start (font, skin, style and
// style sheets), without its single-instance question, which could stop an
// offscreen run while the program is open elsewhere.
void dressLikeTheShell();

// Settles, grabs the widget into <folder>/<name> and says so on stdout.
bool saveShot(QWidget& widget, const QDir& folder, const QString& name);

// For the parts drawn without the shell: installs the program's translations
// in the language setup.xml chooses, as the shell would (English too, whose
// translations are the texts a user reads), and returns the suffix of that
// language's picture names: "-zh" for Chinese, empty for English.
QString installLanguageOfSetup();

// Loads the first example plan shipped beside the program (the shop) into
// the document; false when it is not there.
bool loadFirstExample(PlanDocument& document);

// Starts the shell as the program does (its translations, setup.xml and
// look) and returns the suffix of the chosen language's picture names.
QString startLikeTheProgram(int& argc, char** argv);

// A child of the window by its object name; null when there is none.
template<typename T>
T* named(QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}
