#include "LanaguageManager.h"

#include "ConfigureManager.h"

#include <Fenwork/TargetPath.h>

#include <QCoreApplication>
#include <QTranslator>

namespace apt {

LanaguageManager::LanaguageManager() = default;
LanaguageManager::~LanaguageManager() = default;

LanaguageManager::Choice LanaguageManager::choiceFor(unsigned int language, const QStringList& programCatalogues)
{
    const auto program = [&programCatalogues](const QString& suffix) {
        QStringList files;
        for (const QString& catalogue : programCatalogues)
            files << catalogue + suffix;
        return files;
    };
    Choice choice;
    switch (language) {
    case 0:
        choice.files = program(QStringLiteral("_en.qm"))
            << QStringLiteral("Fenwork_en.qm") << QStringLiteral("Sarnet_en.qm");
        choice.changesLocale = true;
        choice.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        break;
    case 1:
        choice.files = program(QStringLiteral("_zh.qm"))
            << QStringLiteral("qt_zh_CN.qm") << QStringLiteral("Fenwork_zh.qm") << QStringLiteral("Sarnet_zh.qm");
        choice.changesLocale = true;
        choice.locale = QLocale(QLocale::Chinese, QLocale::China);
        break;
    default:
        break;
    }
    return choice;
}

void LanaguageManager::initialize(const QStringList& programCatalogues)
{
    m_language = ConfigureManager::instance()->translator();
    const Choice choice = choiceFor(m_language, programCatalogues);
    if (choice.changesLocale)
        m_locale = choice.locale;

    const QString folder = aptui::GetTargetPath() + QStringLiteral("translations/");
    for (const QString& file : choice.files) {
        auto translator = std::make_unique<QTranslator>();
        // A missing file leaves the translator empty: texts stay in their
        // source language.
        (void)translator->load(file, folder);
        QCoreApplication::installTranslator(translator.get());
        m_translators.push_back(std::move(translator));
    }
}

unsigned int LanaguageManager::language() const
{
    return m_language;
}

QLocale LanaguageManager::locale() const
{
    return m_locale;
}

int LanaguageManager::translatorCount() const
{
    return static_cast<int>(m_translators.size());
}

} // namespace apt
