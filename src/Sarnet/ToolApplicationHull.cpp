#include "ToolApplicationHull.h"

#include "ConfigureManager.h"
#include "LanaguageManager.h"
#include "ScreenCheck.h"
#include "SkinLoader.h"
#include "StyleSheetBuilder.h"
#include "SystemPreload.h"
#include "ToolApplicationPrivate.h"

#include <Fenwork/BaseDialog.h>
#include <Fenwork/GuiLocale.h>
#include <Fenwork/ShareTools.h>
#include <Fenwork/TargetPath.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QMutex>
#include <QMutexLocker>
#include <QStyle>
#include <QStyleFactory>

#include <atomic>

namespace apt {

namespace {
using Private = ToolApplicationHull::ToolApplicationPrivate;

void setApplicationFont(const QString& family)
{
    QFont font(family, 9);
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    // Outlines as drawn, not fitted to the pixel grid: at the program's
    // sizes the two look alike, and fitting each glyph the first window
    // shows was about a thirtieth of the whole start.
    font.setHintingPreference(QFont::PreferNoHinting);
    QApplication::setFont(font);
}

void loadSkin()
{
    const Configure* item = ConfigureManager::instance()->configureItem(ConfigureManager::Skin);
    const QString skin = item ? item->value() : QStringLiteral("CommonSkin");
    SkinLoader::load(aptui::GetTargetPath() + QStringLiteral("plugins/skins/"), skin);
}

void loadStyle(const Private& app)
{
    if (QStyle* style = QStyleFactory::create(QStringLiteral("CommonStyle")))
        QApplication::setStyle(style);
    else
        ShareTools::debugMessage(QStringLiteral("[ToolsApplication::loadStyle]The CommonStyle does not exist."));
    StyleSheetBuilder::apply(app.appIdWithoutBlanks());
}

void applyLanguage()
{
    aptui::InitGuiTextCodec(QStringLiteral("UTF-8"));
    const unsigned int language = LanaguageManager::instance()->language();
    if (language == 10)
        setApplicationFont(QStringLiteral("Tahoma"));
    else if (language == 9)
        setApplicationFont(QStringLiteral("Batang"));
    aptui::InitGuiLocale(LanaguageManager::instance()->locale());
}

QIcon applicationIcon(const Private& app)
{
    return QIcon(QStringLiteral(":/CommonSkin/%1/Images/%1/%1.png").arg(app.appIdWithoutBlanks()));
}

enum class Answers { OkOnly, OkAndCancel };

// The process's one preload, started once the application object exists.
SystemPreload& systemPreload()
{
    static SystemPreload preload;
    return preload;
}

int runHint(const QString& text, const QIcon& icon, Answers answers)
{
    aptui::BaseDialog dialog(false, false, false, false, true, true, true, nullptr);
    dialog.SetFixedSize(400, 256);
    dialog.setTitle(ToolApplicationHull::ToolApplicationPrivate::tr("Hint"));
    dialog.setCancelVisible(answers == Answers::OkAndCancel);
    dialog.setObjectName(QStringLiteral("APP_WARNINGDLG"));
    dialog.setDefaultText(text);
    dialog.setWindowIcon(icon);
    return dialog.exec();
}

// True when this process goes on to open its window.
bool runOrHandOver(Private& app, const QStringList& documents, const QIcon& icon)
{
    if (app.isRunning()) {
        // The user looks for the window that runs: it comes forward, and the
        // notice only confirms why no second one opens. Documents go to it,
        // with nothing to confirm once it has them.
        if (documents.isEmpty()) {
            app.activateRunningInstance();
            runHint(app.appName() + ToolApplicationHull::ToolApplicationPrivate::tr(" is already running."), icon,
                    Answers::OkOnly);
        } else if (!app.activateRunningInstance(documents)) {
            QStringList names;
            for (const QString& document : documents)
                names << QDir::toNativeSeparators(document);
            runHint(ToolApplicationHull::ToolApplicationPrivate::tr(
                        "%1 is already running but did not answer, so %2 was not opened.")
                        .arg(app.appName(), names.join(QStringLiteral(", "))),
                    icon, Answers::OkOnly);
        }
        return false;
    }

    if (ScreenCheck::screensLargeEnough(ScreenCheck::currentScreens())) {
        QApplication::setWindowIcon(icon);
        return true;
    }
    const QString question = ToolApplicationHull::ToolApplicationPrivate::tr(
        "Display resolution less than 1024*768,are you sure to start the program?");
    return runHint(question, icon, Answers::OkAndCancel) == QDialog::Accepted;
}

} // namespace

ToolApplicationHull* ToolApplicationHull::instance()
{
    static std::atomic<ToolApplicationHull*> s_hull{nullptr};
    static QBasicMutex s_mutex;
    ToolApplicationHull* hull = s_hull.load(std::memory_order_acquire);
    if (hull)
        return hull;
    QMutexLocker locker(&s_mutex);
    hull = s_hull.load(std::memory_order_relaxed);
    if (!hull) {
        hull = new ToolApplicationHull; // lives until the process ends
        s_hull.store(hull, std::memory_order_release);
    }
    return hull;
}

ToolApplicationHull::ToolApplicationHull() = default;

ToolApplicationHull::ToolApplicationHull(const ToolApplicationHull& other) = default;

ToolApplicationHull& ToolApplicationHull::operator=(const ToolApplicationHull& other) = default;

ToolApplicationHull::~ToolApplicationHull()
{
    // The application object outlives the hull: it belongs to the process.
    m_application = nullptr;
}

void ToolApplicationHull::addTranslationCatalogue(const QString& catalogue)
{
    if (!m_translationCatalogues.contains(catalogue))
        m_translationCatalogues << catalogue;
}

void ToolApplicationHull::initialize(int& argc, char** argv, const QString& configFile, const QString& appId)
{
    if (m_application)
        return;
    m_application = new ToolApplicationPrivate(appId, configFile, argc, argv);
    QCoreApplication::addLibraryPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())
                                     + QDir::separator() + QStringLiteral("plugins"));
    ConfigureManager::instance()->load(ConfigureManager::locate(configFile));
    LanaguageManager::instance()->initialize(QStringList{m_application->appIdWithoutBlanks()}
                                             + m_translationCatalogues);
}

void ToolApplicationHull::setAppName(const QString& name)
{
    if (m_application)
        m_application->setAppName(name);
}

QString ToolApplicationHull::appName() const
{
    return m_application ? m_application->appName() : QString();
}

QString ToolApplicationHull::configFileName() const
{
    return m_application ? m_application->configFileName() : QString();
}

QApplication* ToolApplicationHull::application() const
{
    return m_application;
}

bool ToolApplicationHull::startApp(const QStringList& documents)
{
    if (!m_application)
        return false;
    ToolApplicationPrivate& app = *m_application;

    setApplicationFont(QStringLiteral("Microsoft YaHei"));
    // From here on, beside the skin, the style and the window.
    systemPreload().start();
    loadSkin();
    loadStyle(app);
    applyLanguage();
    const QIcon icon = applicationIcon(app);

    const bool started = runOrHandOver(app, documents, icon);
    // A start that ends here may end the process at once; what the preload
    // reads must not go while it reads it.
    if (!started)
        systemPreload().wait();
    return started;
}

void ToolApplicationHull::setDocumentReceiver(std::function<void(const QStringList&)> receiver)
{
    if (m_application)
        m_application->setDocumentReceiver(std::move(receiver));
}

void ToolApplicationHull::preload(std::function<void()> task)
{
    if (m_application)
        systemPreload().add(std::move(task));
}

unsigned int ToolApplicationHull::language() const
{
    return LanaguageManager::instance()->language();
}

int ToolApplicationHull::versionType() const
{
    return ConfigureManager::instance()->versionType();
}

bool ToolApplicationHull::notify(QObject* receiver, QEvent* event)
{
    if (!m_application)
        return false;
    return m_application->notify(receiver, event);
}

void ToolApplicationHull::release()
{
}

void ToolApplicationHull::distory()
{
    if (m_application && m_application->isRunning())
        QCoreApplication::quit();
    systemPreload().wait();
    release();
}

} // namespace apt
