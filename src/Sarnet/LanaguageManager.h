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
    // installed is consulted first), and its locale. The program names its
    // own catalogues, each compiled to <name>_en.qm and <name>_zh.qm; the
    // toolkit's, the shell's and Qt's follow.
    struct Choice
    {
        QStringList files;
        bool changesLocale = false;
        QLocale locale;
    };
    static Choice choiceFor(unsigned int language, const QStringList& programCatalogues);

    // Reads the language number from the loaded configuration, loads the
    // files from <program folder>/translations/ and installs them.
    void initialize(const QStringList& programCatalogues);

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
