#pragma once

#include <Fenwork/UiSingleton.h>

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

namespace apt {

// Turns the configured language number into installed translators and a
// locale. Filled once at start-up; the translators stay installed until the
// process ends.
class LanaguageManager : public aptui::UiSingleton<LanaguageManager>
{
    friend class aptui::UiSingleton<LanaguageManager>;

public:
    // The translation files of a language, in installation order (the last
    // installed is consulted first), and its locale.
    struct Choice
    {
        QStringList files;
        bool changesLocale = false;
        QLocale locale;
    };
    static Choice choiceFor(unsigned int language, const QString& prefix);

    // Reads the language number from the loaded configuration, loads the
    // files from <program folder>/translations/ and installs them.
    void initialize(const QString& prefix);

    unsigned int language() const;
    QLocale locale() const;
    int translatorCount() const;

private:
    LanaguageManager();
    ~LanaguageManager();

    unsigned int m_language = 0;
    QLocale m_locale;
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

} // namespace apt
