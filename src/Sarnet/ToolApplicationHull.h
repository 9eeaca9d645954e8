#pragma once

#include "SarnetGlobal.h"

#include <QString>
#include <QStringList>

#include <functional>

class QApplication;
class QEvent;
class QObject;

namespace apt {

// The application shell: creates the single application object, reads the
// shell configuration, installs translations, and performs the start-up
// ritual (font, skin, style, single instance, screen size). The only class
// the Sarnet library exports.
class SARNET_EXPORT ToolApplicationHull
{
public:
    enum Language {
        English = 0,
        Chinese = 1
    };

    class ToolApplicationPrivate;

    static ToolApplicationHull* instance();

    // Before initialize(): a further translation catalogue of the program,
    // <catalogue>_en.qm / <catalogue>_zh.qm, installed with the one named
    // after the application id.
    void addTranslationCatalogue(const QString& catalogue);
    void initialize(int& argc, char** argv, const QString& configFile, const QString& appId);
    void setAppName(const QString& name);
    QString appName() const;
    QString configFileName() const;
    QApplication* application() const;
    // False when the program should not go on: the user declined a small
    // screen, or another instance runs. That one comes forward; documents
    // (absolute paths, e.g. the file of a double-click) are handed to it to
    // open, and only when it cannot take them is the user told.
    bool startApp(const QStringList& documents = {});
    // Who opens the documents later starts hand to this, the running one.
    void setDocumentReceiver(std::function<void(const QStringList&)> receiver);
    // After startApp(): reads ahead on the start's second thread, once that
    // has read the system's fonts, what the window will ask for (the data
    // tables, say), so the main thread finds it ready. The task must be safe
    // to run beside the main thread; without a started application it does
    // not run.
    void preload(std::function<void()> task);
    unsigned int language() const;
    int versionType() const;
    bool notify(QObject* receiver, QEvent* event);
    void release();
    void distory();

    ToolApplicationHull(const ToolApplicationHull& other);
    ToolApplicationHull& operator=(const ToolApplicationHull& other);
    virtual ~ToolApplicationHull();

private:
    ToolApplicationHull();

    ToolApplicationPrivate* m_application = nullptr;
    QStringList m_translationCatalogues;
};

} // namespace apt
