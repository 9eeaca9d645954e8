#pragma once

#include <Fenwork/DialogAbout.h>

#include <QString>
#include <QUrl>

#include <functional>

// The program's about box: name, version with the build date, and the two
// buttons "User Help" (the manual) and "Update Scence" (the scene table).
class AboutDialog : public aptui::DialogAbout
{
    Q_OBJECT

public:
    using UrlOpener = std::function<bool(const QUrl&)>;

    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

    // The version as the box shows it and "Vantrel --version" prints it.
    static QString versionText();
    // "Feb  1 2016" (the compiler's date text) gives "20160201".
    static QString buildDateNumber(const QString& compilerDate);
    // Where the manual is looked for: the working folder first, then the
    // program folder, the manual of the language (help.pdf, help_zh.pdf)
    // before the English one; empty when neither folder holds one.
    static QString manualPath();

    // Replaces the desktop's URL handler, e.g. to open nothing in tests.
    void setUrlOpener(UrlOpener opener);

Q_SIGNALS:
    void signalCover();
    void signalDiscover();

public Q_SLOTS:
    bool onGetHelp();

private:
    void showNotice(const QString& text);

    UrlOpener m_openUrl;
};
