#pragma once

#include <Fenwork/BaseDialog.h>

#include <functional>
#include <memory>

namespace Ui {
class UpdateDialog;
}

// Writes a scene table template for the user to fill in, and imports a
// filled table with its pictures. The scene list is read at start-up, so a
// successful import asks for a restart.
class UpdateDialog : public aptui::BaseDialog
{
    Q_OBJECT

public:
    // Asks for a file name: (parent, caption, start path, filter).
    using FileAsker = std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;

    explicit UpdateDialog(QWidget* parent = nullptr);
    ~UpdateDialog() override;

    // Replace the file dialogs, e.g. to answer them without a window.
    void setSaveFileAsker(FileAsker asker);
    void setOpenFileAsker(FileAsker asker);

    // The template: header, two sample rows and a final empty line.
    QString templateText() const;

public Q_SLOTS:
    void onExportTemplate();
    void onImportScene();

private:
    enum class StatusKind { None, Export, Import };
    void showStatus(StatusKind kind, bool ok = false);

    std::unique_ptr<Ui::UpdateDialog> m_ui;
    QWidget* m_borderWidget = nullptr;
    FileAsker m_askSaveFile;
    FileAsker m_askOpenFile;
};
